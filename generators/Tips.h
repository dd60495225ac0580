#pragma once
// The fixed tip messages: filter explanations, hints and the bad-input message
// (shown by ShowTip, core/ui/TipBox.h).

#include <QString>

// The text and title of tip n; empty for any other n.
QString TipText(int n);
QString TipTitle(int n);

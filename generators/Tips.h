#pragma once
// The fixed tip messages: filter explanations, hints and the bad-input message.

#include <QString>

// Shows tip n (1 to 6) in a modal message box; any other n shows nothing.
void ShowTip(int n);
// The text and title of tip n; empty for any other n.
QString TipText(int n);
QString TipTitle(int n);

#pragma once
// What the Preferences window reads from and writes to the settings, as
// rules that work without the window.

#include "core/Settings.h"

#include <QString>

// A WebLinks caption as it is stored: every "&" doubled (the menu shows one),
// every "," made "'" (the settings file is read as fields elsewhere), blanks
// at both ends removed.
QString StoredLinkCaption(const QString& typed);
// A stored caption as the player typed it: each "&&" shown as one "&".
QString ShownLinkCaption(const QString& stored);
// A WebLinks address as it is stored: blanks at both ends removed; an
// address that names its scheme ("https://", "HTTP://") is kept as typed,
// any other gets "http://" in front (an empty one becomes "http://").
QString StoredLinkAddress(const QString& typed);

// Whether a filter item (11 to 14) selects its second strength: its leading
// number is 2.
bool FilterSecondOption(const QString& text);
// The text stored for a filter item, first or second strength.
QString FilterItemText(SettingsItem item, bool secondOption);
// The skin flags stored for the two switches: 1 pictures, plus 2 colours.
QString SkinFlagsText(bool pictures, bool colours);

// The colour items (1 to 5) back to their defaults, in memory.
void ResetColours();

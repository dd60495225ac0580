#pragma once
// Colour values (red + 256 green + 65536 blue, as the settings file holds
// them) on screen, and the few colours the program paints with itself.

#include "platform/Text.h"

#include <QColor>
#include <cstdint>
#include <functional>
#include <optional>

class QWidget;

// The extra ball's heading and cells in every results grid: dark red.
inline constexpr std::uint32_t kExtraBallColour = 160;
// Negative amounts of the syndicate diary: the same dark red.
inline constexpr std::uint32_t kNegativeAmountColour = kExtraBallColour;

// The hot and cold modes of the hot-number windows: red and blue.
inline constexpr std::uint32_t kHotColour = 0xC0;
inline constexpr std::uint32_t kColdColour = 0xC00000;

// The status line of the wheel windows that retry (guaranteed win wheels,
// wheel 49): dark red.
inline constexpr std::uint32_t kRetryStatusColour = 0x80;

// The number boxes of the wheel windows: white while in use, grey while not.
inline constexpr std::uint32_t kBoxInUseColour = 0xFFFFFF;
inline constexpr std::uint32_t kBoxNotInUseColour = 0xC0C0C0;

// Colours come in pairs: where the program names a text colour it names the
// background behind it too (or leaves both to the desktop's palette), so that
// the text stays readable on a light and on a dark palette alike.

// The contrast of two colours as WCAG measures it: the relative luminances'
// ratio, from 1 (none) to 21 (black on white).
double ContrastRatio(const QColor& a, const QColor& b);
// The least contrast a text colour keeps against what is behind it.
inline constexpr double kLeastContrast = 3.0;
// The background put behind a text colour the program names: white behind a
// dark colour, black behind a light one (at least 4.5 to 1 either way).
QColor BackgroundFor(const QColor& text);
// `back` where `text` reads on it (kLeastContrast), else BackgroundFor(text).
QColor ReadableBackground(const QColor& text, const QColor& back);
// The text colour put on a background the program names: black on a light
// one, white on a dark one.
QColor TextColourFor(const QColor& back);
// A widget's text colour with the background it stands on, which it then
// paints itself: a label's WindowText on its Window, a text box's Text on its
// Base. Without a background, the one it stands on now where the text reads
// there, else BackgroundFor(text).
void SetTextColours(QWidget* widget, const QColor& text, const QColor& back = QColor());

// The colour to paint with: system colours map to the application palette
// (15, the face of buttons and dialogs, is the window colour).
QColor ToQColor(std::uint32_t value);
// A painted colour back to a colour value (red + 256 green + 65536 blue).
std::uint32_t FromQColor(const QColor& colour);

// The desktop's colour dialog, starting at `start`. No value when the player
// cancels.
std::optional<QColor> AskColour(QWidget* parent, const QColor& start);
// Tests answer in the player's place: the hook gets the starting colour and
// returns the colour chosen (no value cancels). An empty hook restores the
// dialog.
using ColourDialogHook = std::function<std::optional<QColor>(const QColor& start)>;
void SetColourDialogHook(ColourDialogHook hook);

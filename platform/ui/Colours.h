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

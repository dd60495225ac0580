#include "platform/ui/Colours.h"

#include <QApplication>
#include <QColorDialog>
#include <QPalette>

QColor ToQColor(std::uint32_t value)
{
    if (IsSystemColour(value)) {
        const QPalette palette = QApplication::palette();
        switch (value & 0xFF) {
        case 5: return palette.color(QPalette::Base); // window background
        case 8: return palette.color(QPalette::Text); // window text
        case 13: return palette.color(QPalette::Highlight);
        case 14: return palette.color(QPalette::HighlightedText);
        case 18: return palette.color(QPalette::ButtonText);
        case 15: // button face
        default: return palette.color(QPalette::Window);
        }
    }
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

std::uint32_t FromQColor(const QColor& colour)
{
    return std::uint32_t(colour.red()) | (std::uint32_t(colour.green()) << 8) | (std::uint32_t(colour.blue()) << 16);
}

namespace {
ColourDialogHook& colourHook()
{
    static ColourDialogHook h;
    return h;
}
} // namespace

void SetColourDialogHook(ColourDialogHook hook) { colourHook() = std::move(hook); }

std::optional<QColor> AskColour(QWidget* parent, const QColor& start)
{
    if (colourHook())
        return colourHook()(start);
    const QColor picked = QColorDialog::getColor(start, parent);
    if (!picked.isValid())
        return std::nullopt;
    return picked;
}

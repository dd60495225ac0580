#include "platform/ui/Colours.h"

#include <QApplication>
#include <QColorDialog>
#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <cmath>

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

namespace {
// WCAG's relative luminance of an sRGB colour.
double Luminance(const QColor& colour)
{
    auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.red()) + 0.7152 * linear(rgb.green()) + 0.0722 * linear(rgb.blue());
}
} // namespace

double ContrastRatio(const QColor& a, const QColor& b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor BackgroundFor(const QColor& text)
{
    const QColor white(Qt::white);
    const QColor black(Qt::black);
    return ContrastRatio(text, white) >= ContrastRatio(text, black) ? white : black;
}

QColor ReadableBackground(const QColor& text, const QColor& back)
{
    return back.isValid() && ContrastRatio(text, back) >= kLeastContrast ? back : BackgroundFor(text);
}

QColor TextColourFor(const QColor& back) { return BackgroundFor(back); }

void SetTextColours(QWidget* widget, const QColor& text, const QColor& back)
{
    if (!widget)
        return;
    const QColor behind =
        back.isValid() ? back : ReadableBackground(text, widget->palette().color(widget->backgroundRole()));
    QPalette palette = widget->palette();
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text})
        palette.setColor(role, text);
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Base})
        palette.setColor(role, behind);
    // Greyed text: halfway to the background, still readable on it.
    const QColor greyed((text.red() + behind.red()) / 2, (text.green() + behind.green()) / 2,
                        (text.blue() + behind.blue()) / 2);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text})
        palette.setColor(QPalette::Disabled, role, greyed);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
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

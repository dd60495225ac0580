#include "core/ui/Skinning.h"
#include "platform/ui/Colours.h"

#include "core/Settings.h"
#include "platform/Text.h"
#include "platform/TextFile.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QImageReader>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QWidget>

namespace {

const char* const kPainterName = "SkinPicture";
const char* const kDesignColour = "OriginalBackColor";
const char* const kColoured = "SkinColoured";

// Draws the skin picture at the window's top-left corner before the window's
// own painting, so every control lies on top of it.
class SkinPainter : public QObject {
public:
    explicit SkinPainter(QWidget* window) : QObject(window), window_(window)
    {
        setObjectName(kPainterName);
        window->installEventFilter(this);
    }

    void setPicture(const QPixmap& picture)
    {
        picture_ = picture;
        if (window_)
            window_->update();
    }
    const QPixmap& picture() const { return picture_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == window_ && event->type() == QEvent::Paint && !picture_.isNull()) {
            QPainter painter(window_);
            painter.drawPixmap(0, 0, picture_);
        }
        return false;
    }

private:
    QPointer<QWidget> window_;
    QPixmap picture_;
};

SkinPainter* painterOf(const QWidget* window)
{
    return window->findChild<SkinPainter*>(kPainterName, Qt::FindDirectChildrenOnly);
}

void setPicture(QWidget* window, const QPixmap& picture)
{
    SkinPainter* painter = painterOf(window);
    if (!painter) {
        if (picture.isNull())
            return;
        painter = new SkinPainter(window);
    }
    painter->setPicture(picture);
}

QColor settingColour(SettingsItem item) { return ToQColor(ColourFromText(Settings[item])); }

// A label stands on the window's background, a text box on its own. Where
// the colour would not read there (a background that follows a dark desktop
// palette, a colour picked close to it) the text gets a background of its own.
void colourText(const QList<QWidget*>& widgets, const QColor& colour, const QColor& windowBack)
{
    for (QWidget* widget : widgets) {
        if (!widget)
            continue;
        const bool textBox = qobject_cast<QLineEdit*>(widget) || qobject_cast<QAbstractScrollArea*>(widget);
        const QColor behind = textBox ? widget->palette().color(QPalette::Base) : windowBack;
        if (ContrastRatio(colour, behind) < kLeastContrast) {
            SetTextColours(widget, colour);
            continue;
        }
        QPalette palette = widget->palette();
        palette.setColor(QPalette::WindowText, colour);
        palette.setColor(QPalette::Text, colour);
        widget->setPalette(palette);
    }
}

// The window's background, and the text colour of what stands on it without
// a colour of its own (check boxes, option buttons, other labels): the
// palette's where it reads there, else black or white.
void setBackground(QWidget* window, const QColor& colour)
{
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, colour);
    const QColor text = QApplication::palette().color(QPalette::WindowText);
    palette.setColor(QPalette::WindowText,
                     ContrastRatio(text, colour) >= kLeastContrast ? text : TextColourFor(colour));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

} // namespace

QString SkinPictureFile(SkinFamily family)
{
    switch (family) {
    case SkinFamily::Main: return QStringLiteral("SkinMain.jpg");
    case SkinFamily::File: return QStringLiteral("SkinFile.jpg");
    case SkinFamily::Databases: return QStringLiteral("SkinDatabases.jpg");
    case SkinFamily::Analyse: return QStringLiteral("SkinAnalyse.jpg");
    case SkinFamily::Play: return QStringLiteral("SkinPlay.jpg");
    case SkinFamily::Syndicates: return QStringLiteral("SkinSyndicates.jpg");
    case SkinFamily::Help: return QStringLiteral("SkinHelp.jpg");
    }
    return {};
}

void Skinning(QWidget* window, SkinFamily family, const SkinLabels& labels)
{
    if (!window)
        return;
    if (!window->property(kDesignColour).isValid())
        window->setProperty(kDesignColour, window->palette().color(QPalette::Window));

    const int flags = CellFromText(Settings[SkinFlags]);

    if (flags & 1) {
        const QString file = SkinPictureFile(family);
        if (QFile::exists(file)) {
            // A file that is not a readable picture shows no picture; a pipe
            // or a device is not opened at all (its reading might never end).
            QFile source(file);
            QImage image;
            if (OpenForReading(source)) {
                QImageReader reader(&source);
                reader.setDecideFormatFromContent(true);
                image = reader.read();
            }
            setPicture(window, image.isNull() ? QPixmap() : QPixmap::fromImage(image));
        }
    } else {
        setPicture(window, QPixmap());
    }

    if (flags & 2) {
        const QColor back = settingColour(BackgroundColour);
        setBackground(window, back);
        colourText(labels.title, settingColour(TitleColour), back);
        colourText(labels.body, settingColour(BodyTextColour), back);
        colourText(labels.label, settingColour(LabelColour), back);
        colourText(labels.other, settingColour(OtherTextColour), back);
        window->setProperty(kColoured, true);
    } else if (window->property(kColoured).toBool()) {
        // Colours were on at an earlier skinning: back to the colour it was built with.
        setBackground(window, window->property(kDesignColour).value<QColor>());
        window->setProperty(kColoured, false);
    }
}

QPixmap SkinPicture(const QWidget* window)
{
    const SkinPainter* painter = window ? painterOf(window) : nullptr;
    return painter ? painter->picture() : QPixmap();
}

QColor SkinBackground(const QWidget* window) { return window ? window->palette().color(QPalette::Window) : QColor(); }

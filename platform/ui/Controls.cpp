#include "platform/ui/Controls.h"

#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleOptionFocusRect>
#include <QTabBar>
#include <QTextDocument>
#include <QToolButton>

#include <algorithm>

QLabel* NamedLabel(QWidget* parent, const QString& name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

namespace {
// Presses a focused button on Return or Enter. A button that is its
// window's default (or auto-default) would do so too, but a dialog then
// also presses it for Return in any of its text boxes; this filter acts on
// the focused button alone.
class ReturnPresses : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        // A held key presses once.
        if (!key->isAutoRepeat())
            static_cast<QPushButton*>(watched)->click();
        return true;
    }
};

QObject* returnPresses()
{
    static ReturnPresses* filter = new ReturnPresses(qApp);
    return filter;
}

// A level scroll bar that shows when it has the focus (the style draws no
// mark of its own on a bar). Left and Right move it down and up its range:
// Qt's bar takes Up and Page Up down its range, as a desktop's bar does, but
// turns Left and Right round with them.
class InputBar : public QScrollBar {
public:
    using QScrollBar::QScrollBar;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if ((event->key() != Qt::Key_Left && event->key() != Qt::Key_Right)
            || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
            QScrollBar::keyPressEvent(event);
            return;
        }
        const bool up = (event->key() == Qt::Key_Right) != isRightToLeft();
        triggerAction(up ? SliderSingleStepAdd : SliderSingleStepSub);
    }
    void paintEvent(QPaintEvent* event) override
    {
        QScrollBar::paintEvent(event);
        if (!hasFocus())
            return;
        QPainter painter(this);
        QStyleOptionFocusRect mark;
        mark.initFrom(this);
        mark.backgroundColor = palette().color(QPalette::Window);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &mark, &painter, this);
    }
};
} // namespace

QPushButton* NamedButton(QWidget* parent, const QString& name, const QString& caption, const QString& tip)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    if (!tip.isEmpty())
        button->setToolTip(tip);
    button->setAutoDefault(false);
    button->installEventFilter(returnPresses());
    return button;
}

QPushButton* NamedPictureButton(QWidget* parent, const QString& name, QStyle::StandardPixmap picture,
                                const QString& word, const QString& tip, const QString& themeIcon)
{
    QPushButton* button = NamedButton(parent, name, word, tip);
    QIcon icon = themeIcon.isEmpty() ? QIcon() : QIcon::fromTheme(themeIcon);
    if (icon.isNull() && picture != QStyle::SP_CustomBase)
        icon = parent->style()->standardIcon(picture);
    button->setIcon(icon);
    return button;
}

QComboBox* NamedNumberList(QWidget* parent, const QString& name, int first, int last)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    for (int v = first; v <= last; ++v)
        list->addItem(QString::number(v));
    return list;
}

QScrollBar* NamedScrollBar(QWidget* parent, const QString& name, int low, int high, int value)
{
    QScrollBar* bar = new InputBar(Qt::Horizontal, parent);
    bar->setObjectName(name);
    bar->setRange(low, high);
    bar->setValue(value);
    bar->setFocusPolicy(Qt::StrongFocus);
    return bar;
}

QLineEdit* NamedLineEdit(QWidget* parent, const QString& name, const QString& text)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    // A one-line box keeps one line: pasted line breaks become blanks, so
    // the text never splits a line of the file it is written to.
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& typed) {
        if (!typed.contains('\n') && !typed.contains('\r'))
            return;
        QString flat = typed;
        flat.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        flat.replace('\r', ' ');
        flat.replace('\n', ' ');
        const int cursor = edit->cursorPosition() - int(typed.size() - flat.size());
        edit->setText(flat);
        edit->setCursorPosition(std::max(0, cursor));
    });
    return edit;
}

void MakeTitle(QLabel* label, double scale)
{
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * scale);
    label->setFont(font);
}

void LetTextRunPastEdge(QLabel* label)
{
    label->setSizePolicy(QSizePolicy::Ignored, label->sizePolicy().verticalPolicy());
    label->setWordWrap(false);
}

QLineEdit* NamedDigitsBox(QWidget* parent, const QString& name, int digits)
{
    QLineEdit* box = NamedLineEdit(parent, name);
    box->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), box));
    box->setMaxLength(digits);
    box->setAlignment(Qt::AlignCenter);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QString(digits + 1, '0')) + 12);
    return box;
}

Hourglass::Hourglass() { QApplication::setOverrideCursor(Qt::WaitCursor); }
Hourglass::~Hourglass() { QApplication::restoreOverrideCursor(); }

// The desktop's fixed font is not always of one width (a font package may put
// a proportional font first under "monospace"): the font is asked for by style
// hint and known fixed-pitch families, and failing those the first installed
// family that is fixed-pitch is taken.
QFont FixedPitchFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono"),
                      QStringLiteral("Noto Mono"), QStringLiteral("Noto Sans Mono"), QStringLiteral("Cousine"),
                      QStringLiteral("Nimbus Mono PS"), QStringLiteral("Courier New"), QStringLiteral("monospace")});
    if (QFontInfo(font).fixedPitch())
        return font;
    for (const QString& family : QFontDatabase::families()) {
        if (QFontDatabase::isFixedPitch(family)) {
            font.setFamilies({family});
            return font;
        }
    }
    return font;
}

void SetTabOrder(const QList<QWidget*>& controls)
{
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

QList<QWidget*> FocusableIn(const QLayout* layout)
{
    QList<QWidget*> found;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (const QLayout* inner = item->layout())
            found << FocusableIn(inner);
        QWidget* w = item->widget();
        if (!w)
            continue;
        if (w->focusPolicy() & Qt::TabFocus) {
            found << w;
            continue;
        }
        for (QWidget* c = w->nextInFocusChain(); c != w && w->isAncestorOf(c); c = c->nextInFocusChain())
            if (c->focusPolicy() & Qt::TabFocus && !c->focusProxy())
                found << c;
    }
    return found;
}

void FocusFirstInput(QWidget* window)
{
    auto isInput = [window](QWidget* w) {
        return w->window() == window && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !w->focusProxy()
            && w->isEnabled() && w->isVisibleTo(window) && !qobject_cast<QPushButton*>(w)
            && !qobject_cast<QToolButton*>(w) && !qobject_cast<QTabBar*>(w)
            && w->metaObject() != &QScrollArea::staticMetaObject;
    };
    if (QWidget* focused = window->focusWidget(); focused && focused != window && isInput(focused))
        return;
    for (QWidget* w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain()) {
        if (isInput(w)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

QString PlainTextAsHeld(const QPlainTextEdit* box)
{
    // The raw text keeps every character and parts paragraphs by U+2029.
    QString text = box->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}

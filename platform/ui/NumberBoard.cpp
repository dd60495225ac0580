#include "platform/ui/NumberBoard.h"

#include "platform/ui/Colours.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>

namespace {
constexpr std::uint32_t kSelectedBack = 0;          // black
constexpr std::uint32_t kSelectedText = 0xFFFFFF;   // white
constexpr std::uint32_t kUnselectedBack = 0xC0C0FF; // light red
constexpr std::uint32_t kUnselectedText = 0;        // black
} // namespace

NumberBoard::NumberBoard(const QString& name, int numbers, int perRow, QWidget* parent) : QWidget(parent)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(3);
    perRow = std::max(perRow, 1);
    const QFontMetrics metrics(font());
    // Room for two digits with a margin all round, so each number reads
    // clearly and is easy to hit.
    const QSize cell(metrics.horizontalAdvance("00") + 14, metrics.height() + 10);
    for (int n = 1; n <= numbers; ++n) {
        auto* label = new QLabel(QString::number(n), this);
        label->setObjectName(QString("%1(%2)").arg(name).arg(n));
        label->setAlignment(Qt::AlignCenter);
        label->setAutoFillBackground(true);
        label->setMinimumSize(cell);
        label->setFrameShape(QFrame::Box);
        label->setCursor(Qt::PointingHandCursor);
        label->installEventFilter(this);
        grid->addWidget(label, (n - 1) / perRow, (n - 1) % perRow);
        labels_.push_back(label);
        selected_.push_back(false);
        paint(n);
    }
}

QLabel* NumberBoard::label(int n) const { return n >= 1 && n <= numbers() ? labels_[std::size_t(n - 1)] : nullptr; }

bool NumberBoard::isSelected(int n) const { return n >= 1 && n <= numbers() && selected_[std::size_t(n - 1)]; }

void NumberBoard::setSelected(int n, bool selected)
{
    if (n < 1 || n > numbers())
        return;
    selected_[std::size_t(n - 1)] = selected;
    paint(n);
}

void NumberBoard::setTop(int top)
{
    for (int n = 1; n <= numbers(); ++n) {
        const bool enabled = n <= top;
        labels_[std::size_t(n - 1)]->setEnabled(enabled);
        if (!enabled)
            setSelected(n, false);
    }
}

void NumberBoard::clearSelection()
{
    for (int n = 1; n <= numbers(); ++n)
        setSelected(n, false);
}

std::vector<int> NumberBoard::selectedNumbers() const
{
    std::vector<int> numbers;
    for (int n = 1; n <= this->numbers(); ++n)
        if (selected_[std::size_t(n - 1)])
            numbers.push_back(n);
    return numbers;
}

void NumberBoard::paint(int n)
{
    QLabel* label = labels_[std::size_t(n - 1)];
    const bool on = selected_[std::size_t(n - 1)];
    QPalette palette = label->palette();
    const QColor back = ToQColor(on ? kSelectedBack : kUnselectedBack);
    const QColor text = ToQColor(on ? kSelectedText : kUnselectedText);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Window, back);
        palette.setColor(group, QPalette::WindowText, group == QPalette::Disabled ? QColor(128, 128, 128) : text);
    }
    label->setPalette(palette);
    QFont font = label->font();
    font.setBold(on);
    label->setFont(font);
}

bool NumberBoard::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        for (int n = 1; n <= numbers(); ++n) {
            QLabel* label = labels_[std::size_t(n - 1)];
            if (watched != label)
                continue;
            if (mouse->button() == Qt::LeftButton && label->isEnabled() && label->rect().contains(mouse->pos())) {
                setSelected(n, !isSelected(n));
                emit numberClicked(n);
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

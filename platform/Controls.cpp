#include "platform/Controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

QLabel* NamedLabel(QWidget* parent, const QString& name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QPushButton* NamedButton(QWidget* parent, const QString& name, const QString& caption, const QString& tip)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    if (!tip.isEmpty())
        button->setToolTip(tip);
    button->setAutoDefault(false);
    return button;
}

QLineEdit* NamedLineEdit(QWidget* parent, const QString& name, const QString& text)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    return edit;
}

void MakeTitle(QLabel* label, double scale)
{
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * scale);
    label->setFont(font);
}

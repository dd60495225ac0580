#include "databases/ui/CreateDbase.h"

#include "core/ui/Skinning.h"
#include "databases/DrawDatabase.h"
#include "databases/DrawCheck.h"
#include "databases/ui/DrawEntry.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DatePicker.h"
#include "platform/Dates.h"
#include "platform/Folder.h"
#include "platform/ui/MsgBox.h"
#include "platform/Text.h"
#include "platform/TextFile.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

std::array<std::array<QString, 7>, kTemplateRows> LotteryTemplates;

void LoadLotteryTemplates()
{
    for (auto& row : LotteryTemplates)
        row.fill(QString());
    const auto lines = ReadLines(QStringLiteral("LotteryTemplates.txt"));
    if (lines) {
        int r = 0;
        for (const QString& line : *lines) {
            if (r >= kTemplateRows)
                break;
            FieldReader reader(line);
            for (int f = 0; f < 5; ++f)
                LotteryTemplates[r][f] = reader.field();
            LotteryTemplates[r][5] = reader.line();
            ++r;
        }
    }
}

std::optional<QStringList> NewDatabaseLines(const NewLottery& lottery)
{
    DrawShape shape;
    shape.ballsDrawn = lottery.count;
    shape.maxBall = lottery.maxBall;
    shape.eighthMax = lottery.powerball ? lottery.extraMax : lottery.maxBall;
    shape.eighthIsBonus = !lottery.powerball;
    const auto fields = CheckDrawNumbers(lottery.numbers, shape);
    if (!fields)
        return std::nullopt;
    const bool bonus = !lottery.powerball && Val(fields->at(7)) > 0;
    const QString definition = QStringLiteral("%1,%2,1,%3,%4")
                                   .arg(lottery.count)
                                   .arg(lottery.maxBall)
                                   .arg(lottery.powerball ? lottery.extraMax : 0)
                                   .arg(bonus ? 1 : 0);
    return QStringList{lottery.name, lottery.website, definition, FormatDrawLine(lottery.date, *fields)};
}

namespace {
QScrollBar* scrollBar(QWidget* parent, const QString& name, int low, int high, int value)
{
    QScrollBar* bar = NamedScrollBar(parent, name, low, high, value);
    bar->setMinimumWidth(160);
    return bar;
}

// The whole number a template field starts with, kept within a bar's range.
int clampedValue(const QString& field, const QScrollBar* bar)
{
    const double v = Val(field);
    if (v < bar->minimum())
        return bar->minimum();
    if (v > bar->maximum())
        return bar->maximum();
    return int(v);
}
} // namespace

CreateDbase::CreateDbase(QWidget* parent) : LoadOnce(parent)
{
    QLabel* label17 = StartWindow(this, "CreateDbase", "Create Lottery Database", "Label17", "Create lottery database");
    QLabel* label16 = BodyText(this, "Label16",
                               "Create a database to store lottery draw results, then you can analyse the data "
                               "for trends. You must enter one draw result to start off the database.");

    List1 = LotteryList(this);
    List1->setToolTip(" Pick a ready made template or make your own loottery ");
    List2 = LotteryList(this, "List2");
    List2->setToolTip(" Lottery databases already created ");
    List2->setSelectionMode(QAbstractItemView::NoSelection);

    Text3 = NamedLineEdit(this, "Text3");
    Text3->setToolTip(" The name appears in the lottery database list ");
    Text2 = NamedLineEdit(this, "Text2", "http://");
    Text2->setToolTip(" Enter the website address ");
    Command2 = NamedButton(this, "Command2", "Go", " Start Internet Explorer and go to site ");

    Option1[0] = new QRadioButton("Standard lottery - pick x from y", this);
    Option1[0]->setObjectName("Option1_0");
    Option1[0]->setToolTip(" Eg. pick 6 from 49 ");
    Option1[0]->setChecked(true);
    Option1[1] = new QRadioButton("Powerball type - pick x from y, plus one extra from z", this);
    Option1[1]->setObjectName("Option1_1");
    Option1[1]->setToolTip(" Eg. pick 5 from 34, then 1 from 14 ");

    HScroll1 = scrollBar(this, "HScroll1", 4, 7, 6);
    HScroll2 = scrollBar(this, "HScroll2", 10, 60, 49);
    HScroll3 = scrollBar(this, "HScroll3", 2, 60, 14);
    Label2 = NamedLabel(this, "Label2", "6");
    Label6 = NamedLabel(this, "Label6", "49");
    Label8 = NamedLabel(this, "Label8", "14");
    Label11 = NamedLabel(this, "Label11", "Pick 1 from:");
    Label7 = NamedLabel(this, "Label7", "Enter draw result:");
    Label12 = NamedLabel(this, "Label12", "Bonus?");
    HScroll3->setEnabled(false);
    Label8->setEnabled(false);
    Label11->setEnabled(false);

    DTPicker1 = DrawDatePicker(this);
    for (int k = 0; k < 8; ++k)
        Text1[k] = NumberBox(this, k);
    Text1[7]->setToolTip(" Powerball or bonus (leave blank if none) ");
    for (int k = HScroll1->value(); k < 7; ++k)
        Text1[k]->setVisible(false); // a box for each number of the count

    Command1 = NamedPictureButton(this, "Command1", QStyle::SP_DialogSaveButton, "Save", " Save ");
    CancelButton = NamedPictureButton(this, "CancelButton", QStyle::SP_DialogCancelButton, "Cancel", " Cancel ");

    QLabel* label3 = NamedLabel(this, "Label3", "Lottery templates:");
    QLabel* label15 = NamedLabel(this, "Label15", "Existing lottery databases:");
    QLabel* label1 = NamedLabel(this, "Label1", "Lottery name:");
    QLabel* label4 = NamedLabel(this, "Label4", "Web site:");
    QLabel* label9 = NamedLabel(this, "Label9", "Pick:");
    QLabel* label10 = NamedLabel(this, "Label10", "From:");
    QLabel* label5 = NamedLabel(this, "Label5", "Select draw date:");
    QLabel* label18 =
        NamedLabel(this, "Label18", "Pick a template or use the controls to define the type of lottery...");
    QLabel* label13 = NamedLabel(this, "Label13", "Enter a lottery draw result to start off the database...");
    skinLabels_ = {.title = {label17},
                   .body = {label16},
                   .label = {label15, label3, label1, label9, label10, Label11, label4, label5, Label7, Label12},
                   .other = {label18, label13}};

    // Left: templates and existing databases; right: the lottery's definition
    // and its first draw.
    auto* lists = new QVBoxLayout;
    lists->addWidget(label3);
    lists->addWidget(List1, 2);
    lists->addWidget(label15);
    lists->addWidget(List2, 1);

    auto* definition = new QGridLayout;
    definition->setColumnStretch(1, 1);
    definition->addWidget(label1, 0, 0);
    definition->addWidget(Text3, 0, 1, 1, 3);
    definition->addWidget(label4, 1, 0);
    definition->addWidget(Text2, 1, 1, 1, 2);
    definition->addWidget(Command2, 1, 3);
    definition->addWidget(Option1[0], 2, 0, 1, 4);
    definition->addWidget(Option1[1], 3, 0, 1, 4);
    definition->addWidget(label9, 4, 0);
    definition->addWidget(HScroll1, 4, 1);
    definition->addWidget(Label2, 4, 2);
    definition->addWidget(label10, 5, 0);
    definition->addWidget(HScroll2, 5, 1);
    definition->addWidget(Label6, 5, 2);
    definition->addWidget(Label11, 6, 0);
    definition->addWidget(HScroll3, 6, 1);
    definition->addWidget(Label8, 6, 2);

    auto* date = new QHBoxLayout;
    date->addWidget(label5);
    date->addWidget(DTPicker1);
    date->addStretch();

    auto* right = new QVBoxLayout;
    right->addWidget(label18);
    right->addLayout(definition);
    right->addSpacing(12);
    right->addWidget(label13);
    right->addLayout(date);
    right->addWidget(Label7);
    right->addLayout(NumberBoxRow({Text1.begin(), Text1.end()}, Label12));
    right->addStretch();

    auto* middle = new QHBoxLayout;
    middle->addLayout(lists, 1);
    middle->addSpacing(8);
    middle->addLayout(right, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label17);
    layout->addWidget(label16);
    layout->addLayout(middle);
    layout->addLayout(ButtonRow({Command1, CancelButton}));

    // A template is chosen by a click or the keys; the list taking the focus
    // only marks its first row, which chooses nothing.
    connect(List1, &QListWidget::itemClicked, this, &CreateDbase::List1_Click);
    connect(List1, &QListWidget::itemSelectionChanged, this, &CreateDbase::List1_Click);
    connect(HScroll1, &QScrollBar::valueChanged, this, &CreateDbase::HScroll1_Change);
    connect(HScroll2, &QScrollBar::valueChanged, this, &CreateDbase::HScroll2_Change);
    connect(HScroll3, &QScrollBar::valueChanged, this, &CreateDbase::HScroll3_Change);
    connect(Option1[0], &QRadioButton::clicked, this, [this] { Option1_Click(0); });
    connect(Option1[1], &QRadioButton::clicked, this, [this] { Option1_Click(1); });
    connect(Command1, &QPushButton::clicked, this, &CreateDbase::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &CreateDbase::Command2_Click);
    connect(CancelButton, &QPushButton::clicked, this, &CreateDbase::CancelButton_Click);
}

void CreateDbase::Skinning() { ::Skinning(this, SkinFamily::Databases, skinLabels_); }

void CreateDbase::Form_Load()
{
    Skinning();
    DTPicker1->setCustomFormat(DatePicker::LongFormat);
    DTPicker1->setValue(Today());

    LoadLotteryTemplates();
    for (const auto& row : LotteryTemplates) {
        if (row[0].isEmpty())
            break;
        List1->addItem(row[0]);
    }
    // Wide enough for the longest template name.
    const int names =
        List1->sizeHintForColumn(0) + List1->verticalScrollBar()->sizeHint().width() + 2 * List1->frameWidth() + 4;
    List1->setMinimumWidth(std::max(List1->minimumWidth(), names));

    for (const QString& file : ListFiles(QStringLiteral("dbase*.txt"))) {
        const auto header = ReadDatabaseHeader(file);
        List2->addItem(header ? header->name : QString());
    }
}

void CreateDbase::List1_Click()
{
    const QList<QListWidgetItem*> chosen = List1->selectedItems();
    const int i = chosen.isEmpty() ? -1 : List1->row(chosen.first());
    if (i < 0 || i >= kTemplateRows)
        return;
    const auto& row = LotteryTemplates[i];
    Text2->setText(row[5]);
    Text3->setText(row[0]);

    // Values outside a bar's range are brought within it, so the labels, the
    // bars and the definition written all agree.
    HScroll1->setValue(clampedValue(row[1], HScroll1));
    Label2->setText(QString::number(HScroll1->value()));
    HScroll2->setValue(clampedValue(row[2], HScroll2));
    Label6->setText(QString::number(HScroll2->value()));

    if (int(Val(row[4])) != 0) {
        HScroll3->setValue(clampedValue(row[4], HScroll3));
        Label8->setText(QString::number(HScroll3->value()));
        Option1[1]->setChecked(true);
        Option1_Click(1);
    } else {
        Option1[0]->setChecked(true);
        Option1_Click(0);
    }
    for (QLineEdit* box : Text1)
        box->clear();
}

void CreateDbase::showCount() { Label7->setText("Enter" + Str(HScroll1->value()) + " numbers"); }

void CreateDbase::HScroll1_Change()
{
    const int count = HScroll1->value();
    Label2->setText(QString::number(count));
    showCount();
    for (int k = 0; k < 7; ++k)
        Text1[k]->setVisible(k < count);
}

void CreateDbase::HScroll2_Change()
{
    Label6->setText(QString::number(HScroll2->value()));
    showCount();
}

void CreateDbase::HScroll3_Change()
{
    Label8->setText(QString::number(HScroll3->value()));
    showCount();
}

void CreateDbase::Option1_Click(int index)
{
    const bool powerball = index == 1;
    Label11->setEnabled(powerball);
    Label8->setEnabled(powerball);
    HScroll3->setEnabled(powerball);
    Label12->setText(powerball ? "Powerball" : "Bonus");
}

void CreateDbase::Command1_Click()
{
    NewLottery lottery;
    lottery.name = Text3->text();
    lottery.website = Text2->text();
    lottery.count = HScroll1->value();
    lottery.maxBall = HScroll2->value();
    lottery.powerball = Option1[1]->isChecked();
    lottery.extraMax = HScroll3->value();
    lottery.date = DTPicker1->Value();
    lottery.numbers = BoxTexts({Text1.begin(), Text1.end()});

    const auto lines = NewDatabaseLines(lottery);
    if (!lines) {
        MsgBox("Incorrect draw result...    ", vbOKOnly + vbExclamation, "Oops!");
        return;
    }
    const QString file = NextDatabaseFileName();
    QString why;
    if (!RewriteDone(WriteLines(file, *lines, &why) ? RewriteResult::Done : RewriteResult::CannotWrite, why))
        return;
    createdFile_ = file;
    accept();
}

void CreateDbase::Command2_Click() { OpenWebsite(Text2->text(), "Oops!"); }

void CreateDbase::CancelButton_Click()
{
    if (MsgBox("Close and discard data?    ", vbYesNo + vbQuestion, "Are you sure?") == vbYes)
        reject();
}

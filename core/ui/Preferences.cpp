#include "core/ui/Preferences.h"

#include "core/PreferenceRules.h"
#include "core/Settings.h"
#include "core/ui/Skinning.h"
#include "platform/Folder.h"
#include "platform/Text.h"
#include "platform/ui/Colours.h"
#include "platform/ui/Controls.h"
#include "platform/ui/MsgBox.h"

#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace {
// The colour the dialog starts from: the one picked last in this run.
QColor lastPicked = Qt::black;

QLabel* heading(QWidget* parent, const QString& name, const QString& text)
{
    QLabel* label = NamedLabel(parent, name, text);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QLabel* wrapped(QWidget* parent, const QString& name, const QString& text)
{
    QLabel* label = NamedLabel(parent, name, text);
    label->setWordWrap(true);
    return label;
}

// A colour sample: a framed label the player clicks to pick its colour, or
// reaches by Tab and presses by Space or Return; its frame thickens while it
// has the focus.
QLabel* sample(QWidget* parent, const QString& name, const QString& text, const QString& tip)
{
    QLabel* label = NamedLabel(parent, name, text);
    label->setToolTip(tip);
    label->setFrameShape(QFrame::Box);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumSize(110, 28);
    label->setCursor(Qt::PointingHandCursor);
    label->setFocusPolicy(Qt::StrongFocus);
    label->setAutoFillBackground(true);
    return label;
}

QGroupBox* optionPair(QWidget* parent, const QString& name, const QString& title, const QString& optionName,
                      std::array<QRadioButton*, 2>& options, const QString& first, const QString& second)
{
    auto* frame = new QGroupBox(title, parent);
    frame->setObjectName(name);
    auto* box = new QVBoxLayout(frame);
    const QString captions[2] = {first, second};
    for (int i = 0; i < 2; ++i) {
        options[i] = new QRadioButton(captions[i], frame);
        options[i]->setObjectName(QStringLiteral("%1_%2").arg(optionName).arg(i));
        box->addWidget(options[i]);
    }
    options[0]->setChecked(true);
    return frame;
}

// A text sample stands on the background colour the texts are shown on, or,
// where it would not read there, on white or black.
void setTextColour(QLabel* label, SettingsItem item)
{
    const QColor text = ToQColor(ColourFromText(Settings[item]));
    SetTextColours(label, text, ReadableBackground(text, ToQColor(ColourFromText(Settings[BackgroundColour]))));
}

void setBackColour(QLabel* label, SettingsItem item)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, ToQColor(ColourFromText(Settings[item])));
    label->setPalette(palette);
}
} // namespace

int PickColour(QWidget* parent)
{
    const auto picked = AskColour(parent, lastPicked);
    if (!picked || !picked->isValid())
        return kNoColour;
    lastPicked = *picked;
    return int(FromQColor(*picked));
}

void ResetPickedColour() { lastPicked = Qt::black; }

Preferences::Preferences(QWidget* parent) : LoadOnce(parent)
{
    setObjectName("Preferences");
    setWindowTitle("Preferences");

    // Colours.
    Label10 = heading(this, "Label10", " Change the colors:");
    Label12 = NamedLabel(this, "Label12", "Click an element and pick a new color:");
    Label5 = sample(this, "Label5", "Title", " Change title color ");
    Label6 = sample(this, "Label6", "Main body text", " Change body text color ");
    Label7 = sample(this, "Label7", "Labels", " Change label color ");
    Label9 = sample(this, "Label9", "Other text", " Change other text color ");
    Label8 = sample(this, "Label8", QString(), " Change background color ");
    Check1 = new QCheckBox("Enable", this);
    Check1->setObjectName("Check1");
    Command9 = NamedButton(this, "Command9", "Reset", " Set colors back to the defaults ");

    // Background pictures.
    Label1 = heading(this, "Label1", " Add background images:");
    Label11[0] = wrapped(this, "Label11_0",
                         "All forms on the same  menu use the same background image. Replace them (in the program "
                         "folder) with your own images:");
    Label11[2] = wrapped(this, "Label11_2",
                         "SkinPlay.jpg, SkinDatabases.jpg, SkinAnalyse.jpg, SkinFile.jpg, SkinSyndicates.jpg, "
                         "SkinHelp.jpg, SkinMain.jpg.");
    Check4 = new QCheckBox("Enable", this);
    Check4->setObjectName("Check4");

    // Filters.
    Label4 = heading(this, "Label4", " Set the filter parameters:");
    Label13 = wrapped(this, "Label13",
                      "Some lottery entries are unlikely, like 1, 2, 3, 4, 5, 6. There are six consecutive numbers, "
                      "and all six numbers are very low, making it a poor choice on both counts.");
    Label15 = wrapped(this, "Label15",
                      "Vantrel can avoid bad selections like this when generating lottery entries, or you can filter "
                      "them out afterwards. The options here set the strength of the filters.");
    Frame1 = optionPair(this, "Frame1", " Odd/Even numbers ", "Option1", Option1,
                        "Must have at least 1 odd or even number", "Must have at least 2 odd or even numbers");
    Frame2 = optionPair(this, "Frame2", " High/Low numbers ", "Option2", Option2,
                        "Must have at least 1 low or high number", "Must have at least 2 low or high numbers");
    Frame3 = optionPair(this, "Frame3", " Previous draw results ", "Option3", Option3, "Must have 1 number different",
                        "Must have 2 numbers different");
    Frame5 = optionPair(this, "Frame5", " Runs of numbers ", "Option4", Option4, "No more than 3 consecutive numbers",
                        "No more than 2 consecutive numbers");

    // WebLinks items 1 to 9.
    Label14 = heading(this, "Label14", " Edit the items on the WebLinks menu:");
    Label14->setWordWrap(true);
    for (int i = 0; i < kEditedWebLinks; ++i) {
        Label2[i] = NamedLabel(this, QStringLiteral("Label2_%1").arg(i), "Menu:");
        Text1[i] = NamedLineEdit(this, QStringLiteral("Text1_%1").arg(i));
        Text1[i]->setMinimumWidth(Text1[i]->fontMetrics().horizontalAdvance(QString(6, 'n')));
        Label3[i] = NamedLabel(this, QStringLiteral("Label3_%1").arg(i), "URL:");
        Text2[i] = NamedLineEdit(this, QStringLiteral("Text2_%1").arg(i));
        Text2[i]->setMinimumWidth(Text2[i]->fontMetrics().horizontalAdvance(QString(8, 'n')));
    }
    Command12 =
        NamedButton(this, "Command12", "Reset all program defaults", " Set colors, filters etc. back to defaults ");
    Command7 = NamedPictureButton(this, "Command7", QStyle::SP_DialogSaveButton, "Save", " Save the settings ",
                                  "document-save");
    Command1 = NamedPictureButton(this, "Command1", QStyle::SP_DialogCloseButton, "Close",
                                  " Close and discard changes ", "window-close");

    // Left: colours, pictures and filters; right: the web links.
    auto* samples = new QGridLayout;
    samples->addWidget(Label5, 0, 0);
    samples->addWidget(Label6, 0, 1);
    samples->addWidget(Label8, 0, 2, 2, 1);
    samples->addWidget(Label7, 1, 0);
    samples->addWidget(Label9, 1, 1);
    // Each part's switch beside its heading, the colours' Reset at the end.
    auto* colourHeading = new QHBoxLayout;
    colourHeading->addWidget(Label10);
    colourHeading->addSpacing(16);
    colourHeading->addWidget(Check1);
    colourHeading->addStretch(1);
    colourHeading->addWidget(Command9);
    auto* pictureHeading = new QHBoxLayout;
    pictureHeading->addWidget(Label1);
    pictureHeading->addSpacing(16);
    pictureHeading->addWidget(Check4);
    pictureHeading->addStretch(1);

    auto* filters = new QGridLayout;
    filters->addWidget(Frame1, 0, 0);
    filters->addWidget(Frame2, 0, 1);
    filters->addWidget(Frame3, 1, 0);
    filters->addWidget(Frame5, 1, 1);

    // The left column is as wide as its widest control; its texts wrap.
    auto* leftPane = new QWidget;
    auto* left = new QVBoxLayout(leftPane);
    left->setContentsMargins(0, 0, 0, 0);
    left->addLayout(colourHeading);
    left->addWidget(Label12);
    left->addLayout(samples);
    left->addSpacing(10);
    left->addLayout(pictureHeading);
    left->addWidget(Label11[0]);
    left->addWidget(Label11[2]);
    left->addSpacing(10);
    left->addWidget(Label4);
    left->addWidget(Label13);
    left->addWidget(Label15);
    left->addLayout(filters);
    left->addStretch(1);

    auto* links = new QGridLayout;
    links->setColumnStretch(1, 2);
    links->setColumnStretch(3, 3);
    for (int i = 0; i < kEditedWebLinks; ++i) {
        links->addWidget(Label2[i], i, 0);
        links->addWidget(Text1[i], i, 1);
        links->addWidget(Label3[i], i, 2);
        links->addWidget(Text2[i], i, 3);
    }
    auto* right = new QVBoxLayout;
    right->addWidget(Label14);
    right->addLayout(links);
    right->addSpacing(10);
    auto* resetRow = new QHBoxLayout;
    resetRow->addStretch(1);
    resetRow->addWidget(Command12);
    right->addLayout(resetRow);
    right->addStretch(1);

    // The settings scroll when a large text size makes them taller or wider
    // than the screen; at the usual sizes the whole window shows.
    auto* content = new QWidget;
    content->setObjectName("Content");
    auto* columns = new QHBoxLayout(content);
    columns->setContentsMargins(0, 0, 0, 0);
    leftPane->setMaximumWidth(std::max(samples->sizeHint().width(), filters->sizeHint().width()));
    columns->addWidget(leftPane, 0);
    columns->addSpacing(16);
    columns->addLayout(right, 1);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName("Scroll");
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus); // Tab goes to the settings in it
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    scroll->viewport()->setAutoFillBackground(false);
    content->setAutoFillBackground(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command7);
    buttons->addWidget(Command1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll, 1);
    layout->addLayout(buttons);
    content_ = content;

    // Tab goes as the controls stand: down the left column, along the web
    // links row by row, then the buttons at the foot.
    QList<QWidget*> order{Check1, Command9, Label5, Label6, Label8, Label7, Label9, Check4};
    for (const auto* pair : {&Option1, &Option2, &Option3, &Option4})
        order << (*pair)[0] << (*pair)[1];
    for (int i = 0; i < kEditedWebLinks; ++i)
        order << Text1[i] << Text2[i];
    order << Command12 << Command7 << Command1;
    SetTabOrder(order);

    for (QLabel* label : {Label5, Label6, Label7, Label9, Label8})
        label->installEventFilter(this);
    connect(Command9, &QPushButton::clicked, this, &Preferences::Command9_Click);
    connect(Command7, &QPushButton::clicked, this, &Preferences::Command7_Click);
    connect(Command12, &QPushButton::clicked, this, &Preferences::Command12_Click);
    connect(Command1, &QPushButton::clicked, this, &Preferences::Command1_Click);
}

QSize Preferences::sizeHint() const
{
    // All of the settings, within the screen.
    if (!content_ || !layout())
        return QDialog::sizeHint();
    const QMargins margins = layout()->contentsMargins();
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    QSize want = content_->sizeHint()
        + QSize(margins.left() + margins.right() + scrollBar,
                margins.top() + margins.bottom() + layout()->spacing() + Command7->sizeHint().height() + scrollBar);
    if (const QScreen* screen = this->screen())
        want = want.boundedTo(screen->availableGeometry().size());
    return want;
}

void Preferences::Skinning()
{
    SkinLabels labels;
    labels.body = {Label13, Label15};
    for (int i = 0; i < kEditedWebLinks; ++i)
        labels.label << Label2[i] << Label3[i];
    ::Skinning(this, SkinFamily::File, labels);
}

void Preferences::Form_Load()
{
    for (int k = 0; k <= kSettingsCount; ++k)
        opened_ << Settings[SettingsItem(k)];
    Skinning();
    Option1[FilterSecondOption(Settings[OddEvenFilter]) ? 1 : 0]->setChecked(true);
    Option2[FilterSecondOption(Settings[HighLowFilter]) ? 1 : 0]->setChecked(true);
    Option3[FilterSecondOption(Settings[HistoryFilter]) ? 1 : 0]->setChecked(true);
    Option4[FilterSecondOption(Settings[LongRunFilter]) ? 1 : 0]->setChecked(true);
    for (int i = 0; i < kEditedWebLinks; ++i) {
        Text1[i]->setText(ShownLinkCaption(Settings[LinkCaption + (i + 1)]));
        Text2[i]->setText(Settings[LinkAddress + (i + 1)]);
        Text1[i]->setCursorPosition(0); // the start of a long text shows
        Text2[i]->setCursorPosition(0);
    }
    const int flags = CellFromText(Settings[SkinFlags]);
    Check4->setChecked(flags & 1);
    Check1->setChecked(flags & 2);
    showColours();
    if (QLocale().toCurrencyString(1.0).startsWith(QChar(0x00A3))) {
        Label10->setText(" Change the colours");
        Label12->setText("Click an element and pick a new colour:");
    }
}

void Preferences::showColours()
{
    setTextColour(Label5, TitleColour);
    setTextColour(Label6, BodyTextColour);
    setTextColour(Label7, LabelColour);
    setTextColour(Label9, OtherTextColour);
    setBackColour(Label8, BackgroundColour);
}

bool Preferences::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        if (auto* label = qobject_cast<QLabel*>(watched))
            label->setLineWidth(event->type() == QEvent::FocusIn ? 3 : 1);
        return QDialog::eventFilter(watched, event);
    }
    // Space, Return or Enter on a sample with the focus is its click.
    const auto* key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event) : nullptr;
    const bool keyed = key && !key->isAutoRepeat() && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier
        && (key->key() == Qt::Key_Space || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter);
    const bool clicked =
        event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    if (keyed || clicked) {
        if (watched == Label5)
            Label5_Click();
        else if (watched == Label6)
            Label6_Click();
        else if (watched == Label7)
            Label7_Click();
        else if (watched == Label9)
            Label9_Click();
        else if (watched == Label8)
            Label8_Click();
        else
            return QDialog::eventFilter(watched, event);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void Preferences::pick(QLabel* label)
{
    const int colour = PickColour(this);
    if (colour == kNoColour)
        return;
    const QString text = ColourToText(std::uint32_t(colour));
    if (label == Label5)
        Settings.set(TitleColour, text);
    else if (label == Label6)
        Settings.set(BodyTextColour, text);
    else if (label == Label7)
        Settings.set(LabelColour, text);
    else if (label == Label9)
        Settings.set(OtherTextColour, text);
    else
        Settings.set(BackgroundColour, text);
    showColours();
}

void Preferences::Label5_Click() { pick(Label5); }
void Preferences::Label6_Click() { pick(Label6); }
void Preferences::Label7_Click() { pick(Label7); }
void Preferences::Label9_Click() { pick(Label9); }
void Preferences::Label8_Click() { pick(Label8); }

void Preferences::Command9_Click()
{
    ResetColours();
    showColours();
}

void Preferences::Command7_Click()
{
    Settings.set(SkinFlags, SkinFlagsText(Check4->isChecked(), Check1->isChecked()));
    Settings.set(OddEvenFilter, FilterItemText(OddEvenFilter, Option1[1]->isChecked()));
    Settings.set(HighLowFilter, FilterItemText(HighLowFilter, Option2[1]->isChecked()));
    Settings.set(HistoryFilter, FilterItemText(HistoryFilter, Option3[1]->isChecked()));
    Settings.set(LongRunFilter, FilterItemText(LongRunFilter, Option4[1]->isChecked()));
    for (int i = 0; i < kEditedWebLinks; ++i) {
        const QString caption = StoredLinkCaption(Text1[i]->text());
        const QString address = StoredLinkAddress(Text2[i]->text());
        if (!caption.isEmpty() && !address.isEmpty()) {
            Settings.set(LinkCaption + (i + 1), caption);
            Settings.set(LinkAddress + (i + 1), address);
        }
    }
    if (QString why; !SaveSettings(&why)) {
        // The window stays open, so nothing typed is lost.
        MsgBox("The settings were not saved: " + why + ".    ", vbOKOnly + vbExclamation, "Error!");
        return;
    }
    saved_ = true;
    close();
}

void Preferences::Command12_Click()
{
    if (MsgBox(" Are you sure?    ", vbYesNo + vbQuestion, "Reset everything!") != vbYes)
        return;
    const QString file = QDir(ProgramFolder()).filePath(kSettingsFile);
    if (QFile::exists(file) && !QFile::remove(file)) {
        MsgBox("The settings file " + kSettingsFile + " could not be deleted, so the settings stay as they are.    ",
               vbOKOnly + vbExclamation, "Error!");
        return;
    }
    close();
}

void Preferences::Command1_Click() { reject(); }

void Preferences::done(int result)
{
    // Only this window changes the settings while it is open, so putting back
    // the items it opened on drops its own changes and nothing else.
    if (!saved_)
        for (int k = 1; k < int(opened_.size()); ++k)
            Settings.set(SettingsItem(k), opened_[k]);
    QDialog::done(result);
}

#include "syndicates/ui/SNotes.h"

#include "core/ui/Skinning.h"
#include "platform/ui/Controls.h"
#include "platform/ui/MsgBox.h"
#include "syndicates/ui/SyndicateControls.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

SNotes::SNotes(QWidget* parent) : LoadOnce(parent)
{
    setObjectName("SNotes");
    setWindowTitle("Syndicate Notes");

    Label4 = NamedLabel(this, "Label4",
                        "Write notes and memos for your syndicates and use the checklist to remind you of tasks "
                        "that still need to be done.");
    Label4->setWordWrap(true);
    Label3 = NamedLabel(this, "Label3", " Notes:");
    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName("Text1");
    Text1->setMinimumSize(Text1->fontMetrics().averageCharWidth() * 50, Text1->fontMetrics().height() * 16);
    Label2 = NamedLabel(this, "Label2",
                        "Ctr+C=Copy   /   Ctrl+X=Cut   /   Ctrl+V=Paste Select with mouse or Shift+cursor keys");
    Label2->setWordWrap(true);
    Label12 = NamedLabel(this, "Label12", "   Checklist:");
    Label1 = NamedLabel(this, "Label1",
                        "Replace a checklist item with your own by clicking the Clear button, then entering the "
                        "text below and clicking the Add button.");
    Label1->setWordWrap(true);
    Text2 = NamedLineEdit(this, "Text2", "Clear an item and add your own checklist");
    Text2->setCursorPosition(0);
    Command3 = NamedButton(this, "Command3", "Add", "Type in your checklist item and click Add");
    Command1 = NamedPictureButton(this, "Command1", QStyle::SP_DialogSaveButton, "Save", " Save ", "document-save");
    Command5 = NamedPictureButton(this, "Command5", QStyle::SP_TrashIcon, "Reset",
                                  " Delete notes / reset checklist to defaults ", "edit-delete");
    Command2 = NamedPictureButton(this, "Command2", QStyle::SP_DialogCloseButton, "Close", " Close window ");

    auto* checklist = new QGridLayout;
    checklist->setVerticalSpacing(2);
    for (int i = 0; i < kSyndicateChecklistItems; ++i) {
        Check1[i] = new QCheckBox(this);
        Check1[i]->setObjectName(QStringLiteral("Check1_%1").arg(i));
        // A caption from the file never widens the window; the longest
        // built-in caption shows whole.
        Check1[i]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        int widest = Check1[i]->fontMetrics().averageCharWidth() * 34;
        for (const auto& item : DefaultSyndicateNotes().items) {
            Check1[i]->setText(item.caption);
            widest = std::max(widest, Check1[i]->sizeHint().width());
        }
        Check1[i]->setMinimumWidth(widest);
        Command4[i] = NamedButton(this, QStringLiteral("Command4_%1").arg(i), "Clear", "Clear this item");
        QFont small = Command4[i]->font();
        small.setPointSizeF(small.pointSizeF() * 0.8);
        Command4[i]->setFont(small);
        Command4[i]->setFixedWidth(QFontMetrics(small).horizontalAdvance(QStringLiteral("Clear")) + 20);
        checklist->addWidget(Command4[i], i, 0);
        checklist->addWidget(Check1[i], i, 1);
        connect(Check1[i], &QCheckBox::clicked, this, [this] { Changed = true; });
        connect(Command4[i], &QPushButton::clicked, this, [this, i] { Command4_Click(i); });
    }
    checklist->setColumnStretch(1, 1);

    auto* add = new QHBoxLayout;
    add->addWidget(Text2, 1);
    add->addWidget(Command3);

    auto* right = new QVBoxLayout;
    right->addWidget(Label12);
    right->addLayout(checklist);
    right->addWidget(Label1);
    right->addLayout(add);
    right->addStretch(1);

    auto* left = new QVBoxLayout;
    left->addWidget(Label3);
    left->addWidget(Text1, 1);
    left->addWidget(Label2);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addLayout(right, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    buttons->addWidget(Command5);
    buttons->addWidget(Command2);

    auto* main = new QVBoxLayout(this);
    main->addWidget(Label4);
    main->addLayout(columns, 1);
    main->addLayout(buttons);

    connect(Text1, &QPlainTextEdit::textChanged, this, [this] { Changed = true; });
    connect(Command3, &QPushButton::clicked, this, &SNotes::Command3_Click);
    connect(Command1, &QPushButton::clicked, this, &SNotes::Command1_Click);
    connect(Command5, &QPushButton::clicked, this, &SNotes::Command5_Click);
    connect(Command2, &QPushButton::clicked, this, &SNotes::Command2_Click);
    EscapeRunsClose(this, [this] { Command2_Click(); });
}

void SNotes::Skinning()
{
    ::Skinning(this, SkinFamily::Syndicates, {.title = {}, .body = {Label1, Label4}, .label = {}, .other = {Label2}});
}

QString SNotes::Caption(int index) const
{
    return index >= 0 && index < kSyndicateChecklistItems ? captions_[index] : QString();
}

void SNotes::SetCaption(int index, const QString& caption)
{
    if (index < 0 || index >= kSyndicateChecklistItems)
        return;
    captions_[index] = caption;
    QString shown = caption;
    Check1[index]->setText(shown.replace('&', QStringLiteral("&&")));
    Check1[index]->setToolTip(caption.size() > 30 ? caption : QString());
}

SyndicateNotes SNotes::content() const
{
    SyndicateNotes c;
    for (int i = 0; i < kSyndicateChecklistItems; ++i)
        c.items[i] = {Check1[i]->isChecked(), captions_[i]};
    c.notes = PlainTextAsHeld(Text1);
    return c;
}

void SNotes::showContent(const SyndicateNotes& c)
{
    for (int i = 0; i < kSyndicateChecklistItems; ++i) {
        Check1[i]->setChecked(c.items[i].ticked);
        SetCaption(i, c.items[i].caption);
    }
    Text1->setPlainText(c.notes);
}

void SNotes::Form_Load()
{
    Skinning();
    if (const auto stored = ReadSyndicateNotes()) {
        showContent(*stored);
    } else {
        showContent(DefaultSyndicateNotes());
        fileKept_ = QFile::exists(kSyndicateNotesFile);
        if (fileKept_)
            MsgBox("The notes and checklist in " + kSyndicateNotesFile + " could not be read.    ", vbExclamation,
                   "Error!");
    }
    Changed = false;
}

bool SNotes::SaveNotes(QString* error)
{
    if (fileKept_)
        return false;
    return WriteSyndicateNotes(content(), kSyndicateNotesFile, error);
}

void SNotes::Command3_Click()
{
    for (int i = 0; i < kSyndicateChecklistItems; ++i) {
        if (captions_[i].isEmpty()) {
            SetCaption(i, Text2->text());
            break;
        }
    }
    Changed = true;
}

void SNotes::Command4_Click(int index)
{
    SetCaption(index, QString());
    if (index >= 0 && index < kSyndicateChecklistItems)
        Check1[index]->setChecked(false);
    Changed = true;
}

void SNotes::Command1_Click()
{
    if (fileKept_) {
        ShowFileKept(kSyndicateNotesFile);
        return;
    }
    if (QString why; !SaveNotes(&why)) {
        ShowNotSaved(kSyndicateNotesFile, why);
        return;
    }
    MsgBox("  Notes and checklist saved...  ", vbInformation, "Vantrel");
    Changed = false;
}

void SNotes::Command5_Click()
{
    if (QFile::exists(kSyndicateNotesFile) && !QFile::remove(kSyndicateNotesFile)) {
        MsgBox("The notes and checklist in " + kSyndicateNotesFile + " could not be deleted.    ", vbExclamation,
               "Error!");
        return;
    }
    done(QDialog::Rejected);
}

void SNotes::Command2_Click()
{
    if (MayCloseWindow(Changed))
        done(QDialog::Rejected);
}

void SNotes::closeEvent(QCloseEvent* event)
{
    if (MayCloseWindow(Changed))
        QDialog::closeEvent(event);
    else
        event->ignore();
}

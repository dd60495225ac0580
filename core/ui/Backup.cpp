#include "core/ui/Backup.h"

#include "core/DataFiles.h"
#include "core/Settings.h"
#include "core/ui/FileCommands.h"
#include "core/ui/Skinning.h"
#include "platform/Folder.h"
#include "platform/ui/Controls.h"
#include "platform/ui/MsgBox.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QString backupFolder() { return QDir(ProgramFolder()).filePath(kBackupFolder); }

QListWidget* fileList(QWidget* parent, const QString& name)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    const QFont fixed = FixedPitchFont();
    list->setFont(fixed);
    const QFontMetrics metrics(fixed);
    list->setMinimumWidth(metrics.horizontalAdvance(QString(kBackupNameWidth + 10, 'W')) + 24);
    list->setMinimumHeight(metrics.height() * 14);
    return list;
}

QLineEdit* pathBox(QWidget* parent, const QString& name)
{
    QLineEdit* box = NamedLineEdit(parent, name);
    box->setReadOnly(true);
    QFont font = box->font();
    font.setPointSizeF(font.pointSizeF() * 0.85);
    box->setFont(font);
    return box;
}

void fill(QListWidget* list, const QString& folder)
{
    list->clear();
    const QDir dir(folder);
    for (const QString& name : DataFilesIn(folder, BackupPatterns())) {
        auto* item = new QListWidgetItem(BackupListItem(name, QFileInfo(dir.filePath(name)).lastModified()), list);
        item->setData(Qt::UserRole, name);
        item->setToolTip(name);
    }
}

QStringList allFiles(const QListWidget* list)
{
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << BackupRowFile(list, i);
    return names;
}

// The message naming every file a copy could not copy, and why.
QString copyFailureText(const CopyOutcome& outcome)
{
    QString text = outcome.failed.size() == 1 ? QStringLiteral("This file could not be copied:")
                                              : QStringLiteral("These files could not be copied:");
    for (qsizetype i = 0; i < outcome.failed.size(); ++i)
        text += "\r\n" + outcome.failed[i] + (i < outcome.errors.size() ? " (" + outcome.errors[i] + ")" : QString());
    if (!outcome.copied.isEmpty())
        text += QStringLiteral("\r\n\r\nEvery other file was copied.");
    return text;
}
} // namespace

QString BackupRowFile(const QListWidget* list, int row)
{
    const QListWidgetItem* item = list ? list->item(row) : nullptr;
    return item ? item->data(Qt::UserRole).toString() : QString();
}

Backup::Backup(QWidget* parent) : LoadOnce(parent)
{
    setObjectName("Backup");
    setWindowTitle("Backup and Restore");

    Label4 = NamedLabel(this, "Label4", "Backup / Restore");
    MakeTitle(Label4);
    Label3 = NamedLabel(this, "Label3",
                        "Make backups of data files, such as the lottery draw databases and syndicate information. "
                        "If there is a problem, restoring a backup might cure it.");
    Label5 = NamedLabel(this, "Label5",
                        "Backups are not removed when the program is uninstalled. You can re-install the program "
                        "and then restore the backups to cure a disk problem.");
    Label3->setWordWrap(true);
    Label5->setWordWrap(true);
    Label1 = NamedLabel(this, "Label1", " Data files:");
    Label2 = NamedLabel(this, "Label2", " Backups:");
    Text1 = pathBox(this, "Text1");
    Text2 = pathBox(this, "Text2");
    List1 = fileList(this, "List1");
    List2 = fileList(this, "List2");
    const QString tip = " Copy the currently selected file ";
    Command1 = NamedPictureButton(this, "Command1", QStyle::SP_ArrowRight, QString(), tip, "go-next");
    Command2 = NamedPictureButton(this, "Command2", QStyle::SP_ArrowLeft, QString(), tip, "go-previous");
    Command4 = NamedButton(this, "Command4", "Back up all", " Copy all files to backup folder ");
    Command5 = NamedButton(this, "Command5", "Restore all", " Copy all backup files to program folder ");
    Command3 = NamedPictureButton(this, "Command3", QStyle::SP_DialogCloseButton, "Close", " Close ", "window-close");
    // Two lines high from the start, so the count does not move the layout.
    Label6 = NamedLabel(this, "Label6", QString());
    // As wide as a count of thousands from the start too: the copy shows the
    // count without laying the window out again.
    Label6->setMinimumHeight(Label6->fontMetrics().height() * 2);
    Label6->setMinimumWidth(Label6->fontMetrics().horizontalAdvance(QStringLiteral("Copied 9999 files ")));

    auto* arrows = new QVBoxLayout;
    arrows->addStretch(1);
    arrows->addWidget(Command1);
    arrows->addWidget(Command2);
    arrows->addStretch(1);

    auto* lists = new QGridLayout;
    lists->addWidget(Label1, 0, 0);
    lists->addWidget(Text1, 1, 0);
    lists->addWidget(List1, 2, 0);
    lists->addWidget(Command4, 3, 0, Qt::AlignLeft);
    lists->addLayout(arrows, 2, 1);
    lists->addWidget(Label2, 0, 2);
    lists->addWidget(Text2, 1, 2);
    lists->addWidget(List2, 2, 2);
    lists->addWidget(Command5, 3, 2, Qt::AlignRight);
    lists->setRowStretch(2, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Label6);
    buttons->addStretch(1);
    buttons->addWidget(Command3);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label4);
    layout->addWidget(Label3);
    layout->addWidget(Label5);
    layout->addSpacing(6);
    layout->addLayout(lists, 1);
    layout->addLayout(buttons);

    connect(Command1, &QPushButton::clicked, this, &Backup::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Backup::Command2_Click);
    connect(Command4, &QPushButton::clicked, this, &Backup::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Backup::Command5_Click);
    connect(Command3, &QPushButton::clicked, this, &Backup::Command3_Click);
}

void Backup::Skinning()
{
    ::Skinning(
        this, SkinFamily::File,
        {.title = {Label4}, .body = {Label3, Label5}, .label = {Label1, Label2, Label6}, .other = {Text1, Text2}});
}

void Backup::Form_Load()
{
    // The lists show, and the copies take, the checklist, notes and settings
    // as they stand, not as the last exit left them.
    SaveBeforeCopying();
    Skinning();
    ReadDir();
}

void Backup::ReadDir()
{
    Text1->setText(QDir::toNativeSeparators(ProgramFolder()));
    Text2->setText(QDir::toNativeSeparators(backupFolder()));
    fill(List2, backupFolder());
    fill(List1, ProgramFolder());
    MakeProgramFolderCurrent();
}

void Backup::copy(const QStringList& names, bool restore)
{
    if (names.isEmpty())
        return;
    const QString from = restore ? backupFolder() : ProgramFolder();
    const QString to = restore ? ProgramFolder() : backupFolder();
    QDir().mkpath(to);
    const CopyOutcome outcome = CopyShowingProgress(this, Label6, from, to, names, OnCopyFailure::CopyTheRest);
    Label6->clear();
    if (restore) {
        NoticeFilesReplaced(outcome.copied);
        if (outcome.copied.contains(kSettingsFile))
            Skinning();
    }
    ReadDir();
    if (!outcome.ok())
        MsgBox(copyFailureText(outcome), vbOKOnly + vbExclamation, "Error");
}

void Backup::Command1_Click()
{
    const QString name = BackupRowFile(List1, List1->currentRow());
    if (!name.isEmpty() && List1->currentItem() && List1->currentItem()->isSelected())
        copy({name}, false);
}

void Backup::Command2_Click()
{
    const QString name = BackupRowFile(List2, List2->currentRow());
    if (!name.isEmpty() && List2->currentItem() && List2->currentItem()->isSelected())
        copy({name}, true);
}

void Backup::Command4_Click() { copy(allFiles(List1), false); }

void Backup::Command5_Click() { copy(allFiles(List2), true); }

void Backup::Command3_Click() { close(); }

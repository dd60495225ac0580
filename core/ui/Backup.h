#pragma once
// The Backup and Restore window: copies the data files between the program
// folder and its "Backup" folder, one chosen file or all of them, either way.
// Each list row shows a file's name and date; the row keeps the real name, so
// long names and names with several dots are copied as they are.

#include "core/ui/LoadOnce.h"

#include <QDialog>
#include <QStringList>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class Backup : public LoadOnce<QDialog> {
    Q_OBJECT
public:
    explicit Backup(QWidget* parent = nullptr);

    QLabel* Label4; // title
    QLabel* Label3;
    QLabel* Label5;
    QLabel* Label1;        // " Data files:"
    QLineEdit* Text1;      // the program folder
    QListWidget* List1;    // its data files
    QLabel* Label2;        // " Backups:"
    QLineEdit* Text2;      // the backup folder
    QListWidget* List2;    // its data files
    QPushButton* Command1; // back up the chosen file
    QPushButton* Command2; // restore the chosen file
    QPushButton* Command4; // Back up all
    QPushButton* Command5; // Restore all
    QPushButton* Command3; // Close
    QLabel* Label6;        // the running count of a copy

    void Skinning();
    void ReadDir();
    void Form_Load() override;
    void Command1_Click();
    void Command2_Click();
    void Command4_Click();
    void Command5_Click();
    void Command3_Click();

private:
    // Copies the files; a file that fails does not stop the others, and every
    // file that failed is named to the player. What a restore replaced is read
    // again at once by whatever keeps it in memory.
    void copy(const QStringList& names, bool restore);
};

// The real file name behind a list row.
QString BackupRowFile(const QListWidget* list, int row);

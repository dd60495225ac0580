#pragma once
// The main window: the program's start-up and shut-down, its menus and
// toolbar that open every other window, and the info panels (checklist,
// notes, biorhythm chart, lottery databases, the open syndicate).
//
// Controls carry their names as object names; the i-th control of a numbered
// family (the checklist's Check1 boxes, member Check1[i]) is named "Check1_i".

#include "app/MenuItems.h"
#include "core/ChecklistFile.h"
#include "core/DataFiles.h"
#include "core/Settings.h"
#include "core/ui/LoadOnce.h"

#include <QMainWindow>
#include <QString>
#include <array>

class Chart;
class QAction;
class QCheckBox;
class DatePicker;
class QGroupBox;
class QLabel;
class QListWidget;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class ToolPicture;

// Carriage return and line feed, for message texts.
extern QString NewLine;

// The checklist and notes file.
inline const QString kNotesFile = QStringLiteral("Notes.txt");
inline constexpr int kToolPictures = 16;

class Vantrel : public LoadOnce<QMainWindow> {
    Q_OBJECT
public:
    // Builds the window; its start-up (Form_Load) runs from Load().
    explicit Vantrel(QWidget* parent = nullptr);
    ~Vantrel() override;

    // Public operations other windows and the start-up use.
    void SaveNotes();
    // Saves the checklist and notes and the settings, as a close does; says
    // so when one could not be saved (a failure already said, and not mended
    // since, is not said again).
    void SaveSession();
    void UpdateSyndicate();
    void DoBiorhythm();
    void Skinning();
    // Shows WebLinks items 0 to 9 as the settings caption them.
    void ShowWebLinks();

    // Handlers.
    void FileNotes_Click();
    void Command1_Click(int index);
    void Command3_Click();
    void Command4_Click(int index);
    void Option1_Click(int index);
    void Image1_Click(int index);
    void LinksLink_Click(int index);
    void FileCopyToA_Click();
    void FileCopyFromA_Click();
    void FileDeleteSaved_Click();

    // Shows again what the window keeps of the files among the names, after
    // they were copied in from a removable disk or restored from the backup
    // folder (the window subscribes to NoticeFilesReplaced, which has read the
    // settings and the tables by then): reads "Notes.txt" again, so that the
    // exit does not write the old notes over it, and shows the settings, the
    // open syndicate and the lottery list as they now stand.
    void ReloadDataFiles(const QStringList& names);

    // Runs a menu item as a click on it does (a disabled item does nothing).
    void RunMenuItem(MenuItem item);
    // The menu item a toolbar picture stands for.
    static MenuItem PictureItem(int index);
    // Whether a menu item (or the window behind it) can run now.
    bool ItemAvailable(MenuItem item) const;
    // The action of a menu item.
    QAction* Item(MenuItem item) const;

    // A checklist caption as typed (the check box shows '&' literally).
    QString ChecklistCaption(int index) const;
    void SetChecklistCaption(int index, const QString& caption);

    bool PanelsVisible() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Puts the birth date of settings item 15 into the panel's picker.
    void showBirthDate();
    // The problems last told to the player, each told once until it is gone:
    // a save succeeds, or the file is read again.
    void SayOnce(QString& said, const QString& text);
    void ShowSyndicate();
    QString notesFailureSaid_;
    QString settingsFailureSaid_;
    QString keptSettingsSaid_;
    FilesReplacedSubscription filesReplaced_{[this](const QStringList& names) { ReloadDataFiles(names); }};
    void buildMenus();
    QWidget* buildToolbar();
    QWidget* buildPanels();
    QAction* addItem(QMenu* menu, MenuItem item, const QString& caption);
    void Form_Load() override;
    void ReadNotes();
    ChecklistNotes shownNotes() const;
    void RefreshItems();
    void ShowHover(int index);
    void Form_QueryUnload();

    // Toolbar.
    QLabel* Label1;
    std::array<ToolPicture*, kToolPictures> Image1{};
    // Biorhythm panel.
    QGroupBox* Label7;
    QLabel* Label4;
    DatePicker* DTPicker1;
    std::array<QRadioButton*, 2> Option1{};
    QPushButton* Command1_8;
    QPushButton* Command1_17;
    Chart* MSChart1;
    // Checklist.
    QGroupBox* Label8;
    std::array<QCheckBox*, kChecklistItems> Check1{};
    std::array<QPushButton*, kChecklistItems> Command4{};
    QLineEdit* Text2;
    QPushButton* Command3;
    // Notes.
    QGroupBox* Label13;
    QLabel* Label11;
    QPlainTextEdit* Text1;
    // Databases and syndicate.
    QGroupBox* Label9;
    QListWidget* List1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label5;
    QLabel* Label6;

    // Why "Notes.txt" could not be read when it was read last (empty when it
    // was read or missing).
    QString notesUnreadable_;

    std::array<QAction*, kWebLinks> LinksLink{};
    std::array<QAction*, kMenuItemCount> items_{};
};

#pragma once
// The frame every generator window stands on (the wheel windows too): the
// lottery list, the results grid, the status line, the filter boxes and
// buttons, and Generate, Print, Save, Help and Close.
//
// A window derives from it, puts its own controls into methodBox(), fills
// Entries once in PlayLotto, and calls Form_Load at the end of its
// constructor. Generate runs PlayLotto again and again through the retry loop
// until the ticked tests pass or ten seconds have gone by.

#include "core/Skinning.h"
#include "generators/Entries.h"
#include "generators/RetryLoop.h"

#include <QDialog>
#include <QString>
#include <QStringList>
#include <array>

class FlexGrid;
class QCheckBox;
class QGridLayout;
class QLabel;
class QListWidget;
class QPushButton;
class QVBoxLayout;

struct GeneratorFrameOptions {
    QString name;              // the window's class name, also its object name
    QString caption;
    int gridRows = 20;         // the heading row included
    // Object names of the filter buttons "Odd/even", "High/low", "Long runs",
    // "Previous draws", and whether they carry the tip " Delete bad entries ".
    std::array<QString, 4> filterButtons{"Command13", "Command14", "Command15", "Command9"};
    bool filterTips = true;
    QString saveTip = "Save lottery entries to disk";
    QStringList helpButtons{"Command3", "Command4"};
    int decimals = 2;          // of the time in the status line
    bool blankGridFirst = true;      // Generate blanks the grid before the loop
    bool untickOnChoose = false;     // choosing a lottery unticks the boxes
    bool closeWaits = true;          // else Close does nothing while Busy
    bool clockAfterReseed = false;   // the time counts from after the reseed
    bool generateOnChoose = true;    // choosing a lottery runs Generate
    // The labels that take the skin's text colours.
    SkinLabels skin{.title = {"Label7"}, .body = {"Label2"}, .label = {"Label1"}, .other = {"Label5"}};
    int poolLimit = kBallPoolSize;   // the highest MaxBall the window can play
};

class GeneratorFrame : public QDialog {
    Q_OBJECT
public:
    explicit GeneratorFrame(const GeneratorFrameOptions& options, QWidget* parent = nullptr);

    QLabel* Label1;            // "Select a lottery:"
    QListWidget* List1;
    FlexGrid* MSFlexGrid1;
    QLabel* Label7;            // heading
    QLabel* Label2;            // description
    QLabel* Label5;            // status line
    std::array<QLabel*, 2> Label6;
    QCheckBox* Check1;
    QCheckBox* Check2;
    QCheckBox* Check3;
    QPushButton* FilterOddEvenButton;
    QPushButton* FilterHighLowButton;
    QPushButton* FilterLongRunsButton;
    QPushButton* FilterHistoryButton;
    QPushButton* Command2;     // Generate
    QPushButton* Command6;     // Print
    QPushButton* Command7;     // Save
    QList<QPushButton*> HelpButtons;
    QPushButton* Command1;     // Close

    // Fills Entries once; never shows anything.
    virtual void PlayLotto() = 0;

    void Form_Load();
    void List1_Click();
    // Generate: the retry loop of PlayLotto. A window whose Generate differs
    // (the wheels) replaces it and keeps the rest of the frame.
    virtual void Command2_Click();
    void Command6_Click();
    void Command7_Click();
    void Command1_Click();
    void Help_Click();

    // Why the open lottery cannot be played in this window; empty when it can.
    QString ServingProblem() const;

protected:
    // Where a window puts its own controls (between the description and the
    // grid).
    QVBoxLayout* methodBox() const { return methodBox_; }
    // The check boxes and filter buttons: boxes in column 0 (rows 1 to 3),
    // filter buttons in columns 2 and 3 (rows 1 and 2).
    QGridLayout* filterGrid() const { return filterGrid_; }
    // A small "?" button named as given.
    QPushButton* newHelpButton(const QString& name, const QString& tip = QString());
    // The window's own steps: after the lottery is loaded; at the start of
    // Generate; after the loop, before the list is shown.
    virtual void PrepareLottery() {}
    virtual void BeforeGenerate() {}
    virtual void AfterRetryLoop() {}
    // The window's own test, run first in every try (empty: none).
    virtual std::function<bool()> OwnTest() { return {}; }

    void reject() override;

private:
    void runFilter(void (*filter)(QWidget*));
    void setHeadings();

    GeneratorFrameOptions options_;
    QVBoxLayout* methodBox_;
    QGridLayout* filterGrid_;
    bool loadFailed_ = false;
};

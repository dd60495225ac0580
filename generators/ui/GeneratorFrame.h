#pragma once
// The frame every generator window stands on (the wheel windows too): the
// lottery list, the results grid, the status line, the filter boxes and
// buttons, and Generate, Print, Save, Help and Close.
//
// A window derives from it, builds its own controls in its constructor (into
// methodBox()), fills Entries once in PlayLotto, and overrides the steps
// below where the window differs from the frame. Whoever opens the window
// calls Load() (the frame also loads on first show): Form_Load then runs once,
// lists the lotteries and chooses the first, which generates.
//
// Generate (Command2) runs Generate(): by default the retry loop, which calls
// PlayLotto again and again until the ticked tests pass or ten seconds have
// gone by, letting events run meanwhile. While it runs Busy is set: the
// other commands are ignored, a lottery chosen in the list is put back, and
// Close is kept until the loop ends (or ignored, as CloseWaitsWhileBusy says).
// The inputs it reads (every control of methodBox() but labels and help
// buttons, the filter boxes and the lottery list) are disabled meanwhile, so
// the lines come from the inputs as they stood at the click and what the
// window shows afterwards describes them.

#include "core/ui/LoadOnce.h"
#include "core/ui/Skinning.h"
#include "generators/Entries.h"
#include "generators/RetryLoop.h"

#include <QDialog>
#include <QString>
#include <QStringList>
#include <array>

class FlexGrid;
class QBoxLayout;
class QCheckBox;
class QGridLayout;
class QLabel;
class QListWidget;
class QPushButton;
class QVBoxLayout;

// What a generator window shows: its names, texts and sizes.
struct GeneratorFrameOptions {
    QString name; // the window's class name, also its object name
    QString caption;
    int gridRows = 20; // the heading row included
    // Object names of the filter buttons "Odd/even", "High/low", "Long runs",
    // "Previous draws", and whether they carry the tip " Delete bad entries ".
    std::array<QString, 4> filterButtonNames{"Command13", "Command14", "Command15", "Command9"};
    bool filterTips = true;
    QString saveTip = "Save lottery entries to disk";
    QString generateTip = "Generate another selection of lottery entries";
    QString printTip = "Print out the lottery entries";
    QString closeTip; // none
    QStringList helpButtons{"Command3", "Command4"};
    int decimals = 2;              // of the time in the status line
    int poolLimit = kBallPoolSize; // the highest MaxBall the window can play
    // The filter boxes Check1 to Check3 under "Do not pick lottery entries
    // with..."; a window without them has null pointers in their place.
    bool checkBoxes = true;
    // The four filter buttons under their heading; without them the buttons
    // are null too.
    bool filterButtons = true;
    QString filtersHeading = "Filters";
    // The boxes and filter buttons one above the other beside the grid (a
    // window whose own controls take much of its height), instead of side by
    // side under it; the grid then gives up its last two columns to a scroll
    // bar where the window is narrow. A window without boxes has its filter
    // buttons under the lottery list.
    bool filtersBesideGrid = false;
    // Choosing a lottery unticks the filter boxes first.
    bool untickOnChoice = false;
    // Choosing a lottery generates at once (a window whose inputs the player
    // fills in first waits for Generate).
    bool generateOnChoice = true;
};

class GeneratorFrame : public LoadOnce<QDialog> {
    Q_OBJECT
public:
    explicit GeneratorFrame(const GeneratorFrameOptions& options, QWidget* parent = nullptr);

    QLabel* Label1; // "Select a lottery:"
    QListWidget* List1;
    FlexGrid* MSFlexGrid1;
    QLabel* Label7; // heading
    QLabel* Label2; // description
    QLabel* Label5; // status line
    // The headings over the boxes and over the filter buttons (null where the
    // window has none).
    std::array<QLabel*, 2> Label6{};
    QCheckBox* Check1 = nullptr;
    QCheckBox* Check2 = nullptr;
    QCheckBox* Check3 = nullptr;
    QPushButton* FilterOddEvenButton = nullptr;
    QPushButton* FilterHighLowButton = nullptr;
    QPushButton* FilterLongRunsButton = nullptr;
    QPushButton* FilterHistoryButton = nullptr;
    QPushButton* Command2; // Generate
    QPushButton* Command6; // Print
    QPushButton* Command7; // Save
    QList<QPushButton*> HelpButtons;
    QPushButton* Command1; // Close

    // Fills Entries once; never shows anything.
    virtual void PlayLotto() = 0;

    // Handlers. A window whose commands treat Busy otherwise overrides
    // Generate, Print, Save and Close; the buttons reach the override.
    void List1_Click();
    virtual void Command2_Click(); // Generate
    virtual void Command6_Click(); // Print
    virtual void Command7_Click(); // Save
    virtual void Command1_Click(); // Close
    void Help_Click();

    // Why the open lottery cannot be played in this window; empty when it can.
    QString ServingProblem() const;

protected:
    // The steps a window may change.
    // After the chosen lottery is loaded, and whenever Generate loads it
    // again (the frame: nothing).
    virtual void PrepareLottery() {}
    // After the player (or the window's load) chose a lottery and it loaded,
    // before anything is generated (the frame: nothing).
    virtual void LotteryChosen() {}
    // At the end of the window's load, after the first lottery was chosen
    // (the frame: nothing).
    virtual void Loaded() {}
    // The window's own reason not to play the open lottery, shown in the
    // status line as the frame's are (the frame: none).
    virtual QString OwnServingProblem() const { return QString(); }
    // Checks the window's inputs before Generate starts; false stops it
    // (the window has said why) with the list and grid unchanged (the frame:
    // nothing to check).
    virtual bool InputsOK() { return true; }
    // The whole of Generate once Busy is set and the lottery can be played:
    // the frame's retry loop; a window that generates otherwise replaces it.
    virtual void Generate();
    // Retry loop: before the clock starts (the frame: nothing).
    virtual void BeforeGenerate() {}
    // Retry loop: empties the grid before the loop (the frame: every shown
    // line blanked; a window that keeps its lines meanwhile does nothing).
    virtual void BlankGrid();
    // Retry loop: the window's own test, run first in every try (the frame:
    // none).
    virtual std::function<bool()> OwnTest() { return {}; }
    // Retry loop: after the loop, before the list is shown (the frame: the
    // lines sorted).
    virtual void AfterRetryLoop();
    // A filter button: runs the filter on Entries and shows the lines (the
    // frame: nothing while Busy is set).
    virtual void RunFilter(void (*filter)());
    // What Close does while a command runs: true waits for it to end and
    // then closes (the frame); false ignores the click.
    virtual bool CloseWaitsWhileBusy() const { return true; }
    // The labels that take the skin's text colours (the frame: Label7 the
    // title, Label2 the body, Label1 the field label, Label5 the other text).
    virtual SkinLabels SkinningLabels() const;

    // Where a window puts its own controls (between the description and the
    // grid).
    QVBoxLayout* methodBox() const { return methodBox_; }
    // The check boxes and filter buttons: boxes in column 0 (rows 1 to 3),
    // filter buttons in columns 2 and 3 (rows 1 and 2).
    QGridLayout* filterGrid() const { return filterGrid_; }
    // Moves the status line Label5 from under the grid into another box of
    // the window (a window that shows something else in it).
    void placeStatusLine(QBoxLayout* box);
    // A small "?" button named as given.
    QPushButton* newHelpButton(const QString& name, const QString& tip = QString());
    // Unticks Check1 to Check3 (windows whose lottery choice does so).
    void UntickFilterBoxes();

    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load() override;
    // The controls a generation reads (the window's own, the filter boxes,
    // the lottery list), held while it runs.
    QList<QWidget*> inputs() const;
    void setHeadings();
    void finishBusy();
    void loadLottery(int row);

    GeneratorFrameOptions options_;
    QVBoxLayout* methodBox_;
    QVBoxLayout* rightBox_;
    QGridLayout* filterGrid_;
    bool loadFailed_ = false;
    int loadedRow_ = -1;                 // the list row whose lottery is open
    std::uint64_t loadedGeneration_ = 0; // of the open lottery when it was loaded
    bool closeAfterBusy_ = false;
    int rowBeforePress_ = -1;         // the list's current row when the mouse went down on it
    QList<QPushButton*> helpButtons_; // every "?" button, wherever it stands
};

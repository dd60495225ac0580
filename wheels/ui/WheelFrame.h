#pragma once
// The frame of the wheel windows, on the generator frame: the lottery list,
// the entries grid, the four filter buttons, Generate, Print, Save, Help and
// Close, and (in the windows that take the player's numbers) the number boxes
// Text1 with "Random selection" (Command12) and "Random order" (Command8).
//
// A number box is in use while it is painted white and not in use while grey
// (kBoxInUseColour, kBoxNotInUseColour); SetBoxesInUse paints them.
//
// Generate (Command2): the entries are cleared, the random source reseeded
// from the clock (where the window does so), the boxes read and checked
// (BoxesOK: tip 6 on bad input, and on a number typed into two boxes in use),
// the window's refusal of the open lottery asked (WheelRefusal: a "Sorry!"
// box), and then RunWheel builds the lines, which the frame sorts and shows.
// A window that runs the retry loop (retryLoop) gets the generator frame's
// loop instead, with RunWheel as one try.
//
// The windows differ in how their commands treat Busy; the options say how.

#include "generators/ui/GeneratorFrame.h"
#include "wheels/WheelRules.h"

#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

class QGridLayout;
class QHBoxLayout;
class QLineEdit;

// How Generate treats Busy.
enum class GenerateBusy {
    SetsWithoutTesting, // sets it and runs, without looking at it first
    ReturnsWhenSet,     // does nothing while it is set; holds it while it runs
    NotUsed,            // runs whatever it says and leaves it as it was
};

// How Close treats Busy.
enum class CloseBusy {
    Waits,         // a Close while a command runs closes when it ends
    ReturnsAtOnce, // a Close while a command runs is ignored
    NoTest,        // the window closes at once
};

// The generator frame's options as every wheel window starts from them: no
// filter check boxes, "Filters   " over the four filter buttons, one help
// button Command3, a 30-row grid, and no lines made on choosing a lottery.
GeneratorFrameOptions WheelGeneratorOptions(const QString& name, const QString& caption, int gridRows = 30);

struct WheelFrameOptions {
    GeneratorFrameOptions frame = WheelGeneratorOptions(QString(), QString());

    // Object names of the lottery list's caption ("Select a lottery:") and of
    // the status line under the grid.
    QString listCaptionName = "Label1";
    QString statusName = "Label5";
    // The status line's text colour (a colour value); none keeps the
    // window's text colour.
    std::optional<std::uint32_t> statusColour;

    // Number boxes Text1(0) .. Text1(boxes - 1); none for a window without
    // boxes (it builds its own controls into methodBox()).
    int boxes = 0;
    int blockSize = 1;    // boxes a block (a letter of the wheels)
    int blocksPerRow = 1; // blocks in one row of boxes
    // A letter "A", "B", ... (Label1(1), Label1(2), ...) left of each block.
    bool blockLetters = false;
    int boxDigits = 3;         // characters a box takes
    bool digitsOnly = true;    // only digits and Backspace (else any key)
    bool enterMovesOn = false; // Enter moves to the next box when it is enabled
    // Boxes not in use are also disabled / emptied when they turn grey.
    bool disableUnused = false;
    bool emptyUnused = false;

    // "Random selection" and "Random order" (with the boxes).
    bool randomButtons = true;
    QString randomSelectionTip;
    QString randomOrderTip;
    OrderWriteBack orderWriteBack = OrderWriteBack::EveryBoxBlankBelowOne;

    // Busy and the random source.
    GenerateBusy generateBusy = GenerateBusy::SetsWithoutTesting;
    CloseBusy closeBusy = CloseBusy::Waits;
    bool filtersTestBusy = true;         // filters do nothing while Busy is set
    bool printSaveTestBusy = true;       // Print and Save do nothing while it is set
    bool historyFilterHourglass = false; // "Previous draws" under the hourglass
    bool reseedOnGenerate = true;        // Randomize once per Generate
    // Generate empties Entries before it checks the boxes (the lines are
    // gone on bad input, though the grid still shows them); otherwise only
    // once the checks passed.
    bool clearBeforeChecks = true;
    // Generate runs the generator frame's retry loop (RunWheel once a try,
    // the filter check boxes honoured, the source reseeded) instead of
    // building the lines once. Such a window checks its inputs and refuses a
    // lottery in InputsOK (before Busy is set), not in BoxesOK or
    // WheelRefusal, which the loop does not ask.
    bool retryLoop = false;
};

class WheelFrame : public GeneratorFrame {
    Q_OBJECT
public:
    explicit WheelFrame(const WheelFrameOptions& options, QWidget* parent = nullptr);

    std::vector<QLineEdit*> Text1;     // the number boxes
    std::vector<QLabel*> BlockLetters; // "A", "B", ... (Label1(1), ...)
    QPushButton* Command12 = nullptr;  // "Random selection"
    QPushButton* Command8 = nullptr;   // "Random order"

    // The boxes' texts, whether each is in use (white), and writing texts back.
    QStringList BoxTexts() const;
    std::vector<bool> BoxesInUse() const;
    bool BoxInUse(int i) const;
    void SetBoxTexts(const QStringList& texts);
    // Paints boxes 0..m-1 white and the others grey (disabling and emptying
    // those as the options say).
    void SetBoxesInUse(int m);

    // Handlers: the frame's commands with this window's Busy rules.
    void Command2_Click() override; // Generate
    void Command12_Click();         // Random selection (no Busy test)
    void Command8_Click();          // Random order (no Busy test)
    void Command6_Click() override; // Print
    void Command7_Click() override; // Save
    void Command1_Click() override; // Close

    // One try of the retry loop (retryLoop windows).
    void PlayLotto() override;

protected:
    // The window's wheel: fills Entries from BallPool and the window's
    // controls. False when the numbers cannot make the lines (the frame then
    // empties Entries and shows tip 6). The frame sorts and shows the lines.
    virtual bool RunWheel() = 0;
    // Generate's reading of the boxes into BallPool (the frame: every box,
    // the grey ones emptied; bad when a box in use is empty, below 1 or
    // above MaxBall). False stops Generate; the frame shows tip 6.
    virtual bool BoxesOK();
    // Why the open lottery gets no wheel in this window ("Sorry!" box with
    // the exclamation icon); empty when it does (the frame: always).
    virtual QString WheelRefusal() const { return QString(); }
    // The window's own step after a chosen lottery loaded, before the boxes
    // that cannot hold its numbers are emptied (the frame: nothing).
    virtual void LotteryStep() {}
    // The labels that take the skin's colours (the frame: Label7 the title,
    // Label2 the body).
    SkinLabels SkinningLabels() const override;

    // An expansion for the open lottery (its balls drawn, highest number and
    // extra ball), with the letter base and count of numbers given.
    static WheelExpansion ExpansionFor(int lettersPerLine, LetterBase base, int filled);
    // Sorts the lines' numbers and shows them.
    void ShowWheel();

    // Where the boxes stand (under a window's prompt, which it may insert at
    // the top of boxesColumn()), and a column beside them for the window's
    // own choices (wheel sizes). Both inside methodBox(); null in a window
    // without boxes, which lays out its own controls in methodBox().
    QVBoxLayout* boxesColumn() const { return boxesColumn_; }
    QVBoxLayout* sideColumn() const { return sideColumn_; }
    QGridLayout* boxGrid() const { return boxGrid_; }

    const WheelFrameOptions& wheelOptions() const { return options_; }

    void LotteryChosen() override;
    void Generate() override;
    void RunFilter(void (*filter)()) override;
    bool CloseWaitsWhileBusy() const override { return options_.closeBusy == CloseBusy::Waits; }

private:
    void buildBoxes();
    void Text1_Enter(int index);

    WheelFrameOptions options_;
    QVBoxLayout* boxesColumn_ = nullptr;
    QVBoxLayout* sideColumn_ = nullptr;
    QGridLayout* boxGrid_ = nullptr;
};

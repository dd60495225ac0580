#pragma once
// What every wheel window does with the player's numbers, without a window:
// the number boxes read and checked, "Random selection" and "Random order",
// and a stored wheel expanded into Entries.
//
// A wheel is a string of letters read in chunks of w letters; one chunk is
// one line. A letter names an index into the player's numbers (A = 0 to
// Z = 25, and on by character code past Z: "[" 26, ..., "a" 32, as the
// larger guaranteed wheels use), which the window keeps in BallPool; what an
// index names is the window's letter base: a block of s boxes (BallPool s*b
// .. s*b + s - 1), one box (s = 1), or one element of BallPool counted from
// another start (windows that keep the numbers from BallPool(1)).

#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdint>
#include <vector>

// What a letter of a wheel names: `size` numbers of BallPool from
// first + size * index.
struct LetterBase {
    int first = 0; // the BallPool element of letter A
    int size = 1;  // numbers a letter names

    // A block of s boxes a letter (box i in BallPool element i).
    static LetterBase Blocks(int s) { return {0, s}; }
    // One box a letter.
    static LetterBase Boxes() { return {0, 1}; }
    // One element of BallPool a letter, letter A being element `first`.
    static LetterBase Pool(int first) { return {first, 1}; }
};

// How a wheel becomes lines.
struct WheelExpansion {
    int lettersPerLine = 2; // w
    LetterBase base;
    // How many numbers the player gave: BallPool elements base.first to
    // base.first + filled - 1. A letter naming anything past them is a fault
    // of the table, and nothing is built.
    int filled = 0;
    // The open lottery.
    int ballsDrawn = 6;
    int maxBall = 49;
    int extraBallMax = 0;
    // The letters' numbers fill columns 1, 2, ... up to ballsDrawn (the rest
    // of them left out). When the lottery draws exactly one more number than
    // the letters give, that column gets a random number 1..maxBall unlike the
    // others of its line (unless this is off).
    bool fillColumn = true;
};

enum class WheelFault {
    None,
    BadLetter,    // a character before A, or naming a number not given
    NoFreeNumber, // a line's fill column has no number left to take
    TooManyLines, // more lines than Entries holds
};

struct WheelOutcome {
    WheelFault fault = WheelFault::None;
    int lines = 0;
    bool ok() const { return fault == WheelFault::None; }
};

// Expands `wheel` into Entries rows 1, 2, ... (one row a chunk, in order) and
// ends the list after them; a chunk shorter than w at the end is left out.
// Per line the random draws come fill column first, then the extra ball
// (1..extraBallMax, when above 0). Entries is not cleared first nor sorted
// afterwards. On a fault Entries is emptied and nothing is kept.
WheelOutcome ExpandWheel(QStringView wheel, const WheelExpansion& how);

// The lines of a wheel (letters per line w), one string a line: for tests
// and for windows that show a wheel's shape.
QStringList WheelChunks(QStringView wheel, int w);

// The number boxes. A box is "in use" when the window paints it white.
struct BoxReading {
    bool ok = true;
    // The boxes whose text Generate empties (the boxes not in use).
    std::vector<int> emptied;
};
// Generate's reading of the boxes: box i goes into BallPool element i (its
// leading number rounded, 0 for a box not in use, which is emptied, or for a
// value no lottery has); the input is bad when a box in use is empty, below 1
// or above maxBall. Every box is read, bad or not. At most 121 boxes.
BoxReading ReadNumberBoxes(const QStringList& texts, const std::vector<bool>& inUse, int maxBall);

// Whether two boxes in use hold the same number (read as Generate reads
// them, so "7" and "07" are one number): such a line could not be played.
// Boxes that are empty or below 1 are left to the other checks.
bool RepeatsANumber(const QStringList& texts, const std::vector<bool>& inUse);

// Whether a box keeps its text when a lottery of maxBall numbers is chosen
// (its number is 1..maxBall).
bool BoxFitsLottery(const QString& text, int maxBall);

// "Random selection": shuffles the numbers 1..maxBall (BallPool is the
// scratch) and writes into each box i in use the (i + 1)-th number of the
// shuffle; boxes not in use keep their text. When more boxes are in use
// than the lottery has numbers, the boxes past the maxBall-th are emptied.
// Without a lottery (maxBall below 1) nothing changes; above 120 counts 120.
void RandomSelection(QStringList& texts, const std::vector<bool>& inUse, int maxBall);

// How "Random order" writes the shuffled numbers back.
enum class OrderWriteBack {
    EveryBoxBlankBelowOne, // every box; a number below 1 leaves the box empty
    UpToLastShowingZero,   // boxes 0..last only; an empty one shows "0"
};
// "Random order": the boxes' numbers (BallPool is the scratch) are shuffled
// among boxes 0..last, last being the highest box holding a number above 0;
// empty boxes below it take part, so gaps move. At most 121 boxes.
void RandomOrder(QStringList& texts, OrderWriteBack writeBack = OrderWriteBack::EveryBoxBlankBelowOne);

#pragma once
// Play-slip templates: where, on a lottery's pre-printed play slip, the box of
// every number lies, so that entries can be printed as marks onto real slips.
//
// One template per file "PTemplate." and three digits (four from 1000 on), in
// the program folder, 72 lines ended by CR LF:
//   1      the template's name, as typed
//   2      the lottery it is for (a lottery name, compared trimmed)
//   3      orientation, " 0 " portrait or " 1 " landscape (steers generating only)
//   4..12  two header values each, as typed, joined by a comma: mark width and
//          height; boards across and down; numbers per row, main and extra
//          ball; number 1 x and y; extra-ball number 1 x and y; number step x
//          and y; extra-ball step x and y; board step x and y; printer margin
//          x and y
//   13..72 line 12 + n for number n: main x, main y, extra x, extra y, each
//          "0.00" or empty
// All lengths are millimetres on the slip, x to the right and y down from its
// top-left corner; a position is the top-left corner of the mark on the first
// board.
//
// Every reader reads the file by the one rule here: all 72 lines, each with
// its number of fields, every header value a plain number and the board
// counts 1 to 20. A file that breaks it is not used, and the error says where.

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

// Printer twips per millimetre: positions and mark sizes are multiplied by it
// when printed.
inline constexpr double MmToTwips = 56.7;
// The numbers a template describes.
inline constexpr int kSlipNumbers = 60;
// The most boards a slip may have across or down.
inline constexpr int kMaxSlipBoards = 20;

inline const QString kTemplateFilePattern = QStringLiteral("PTemplate.*");

// The header values in file order (lines 4 to 12, two a line).
enum SlipField {
    MarkWidth,
    MarkHeight,
    BoardsAcross,
    BoardsDown,
    NumbersPerRow,
    PballNumbersPerRow,
    FirstNumX,
    FirstNumY,
    FirstPballX,
    FirstPballY,
    NumSepX,
    NumSepY,
    PballSepX,
    PballSepY,
    BoardSepX,
    BoardSepY,
    MarginX,
    MarginY,
    kSlipFieldCount
};

// The header texts, as typed.
using SlipHeader = std::array<QString, kSlipFieldCount>;

// The editor's starting texts: 3,2 / 5,1 / 12,4 / 38.2,71.5 / 42.1,27.3 /
// 3.8,6.39 / 3.8,6.39 / 28.1,0 / 3.0,5.5.
SlipHeader DefaultSlipHeader();

// How a header value is named to the player ("Size of mark (mm): Width").
QString SlipFieldName(SlipField field);

// One number's positions: main x and y, extra-ball x and y.
enum SlipColumn { NumX, NumY, PballX, PballY };
using SlipRow = std::array<std::optional<double>, 4>;
// Rows 1 to 60 (row 0 unused).
using SlipPositions = std::array<SlipRow, kSlipNumbers + 1>;

struct PlaySlipTemplate {
    QString TemplateName;    // line 1
    QString TemplateLottery; // line 2, as read
    int SlipOrientation = 1; // 0 portrait, 1 landscape
    SlipHeader header = DefaultSlipHeader();
    SlipPositions positions{};

    // A header value as a number (valid templates hold plain numbers).
    double value(SlipField field) const;
    int boardsAcross() const;
    int boardsDown() const;
};

// A plain number: an optional minus sign, digits with at most one decimal
// point, nothing else (blanks around it allowed).
bool IsPlainNumber(const QString& text);
std::optional<double> PlainNumber(const QString& text);

// Checks the header: every value a plain number, marks wider and higher than
// 0, boards across and down whole numbers from 1 to 20. Empty when sound,
// else the message for the player.
QString CheckSlipHeader(const SlipHeader& header);

// Generating positions.
struct SlipGenerateResult {
    enum Problem { None, NumbersPerRow, PballNumbersPerRow, Header };
    Problem problem = None;
    QString message; // for Header problems
    SlipPositions positions{};
};
// Positions of numbers 1 to 60 from the header: main positions up to
// maxBall, extra-ball positions up to extraBallMax, the rest empty. On a
// landscape slip numbers run up the slip in columns of NumbersPerRow, the
// columns going right; on a portrait slip they run left to right in rows of
// NumbersPerRow, the rows going down. Numbers per row count rounded halves to
// even (2.5 is 2, 3.5 is 4) and must come to at least 1 (the extra ball's only
// when the lottery has one); the header must be sound.
SlipGenerateResult GenerateSlipPositions(const SlipHeader& header, bool landscape, int maxBall, int extraBallMax);

// A position as the editor formats a typed or generated one: "0.00", or
// empty.
QString FormatPosition(const std::optional<double>& value);
// A position as the file and the editor's grid hold it: as FormatPosition,
// except that a value with more decimals (a file edited by hand) keeps them,
// so a template opened and saved again is written as it was read.
QString PositionText(const std::optional<double>& value);

// The 72 lines of the file.
QStringList PlaySlipTemplateLines(const PlaySlipTemplate& slip);
// Writes the file through a new file renamed over the old; false with the
// system's reason in error (when given) when it could not be written.
bool WritePlaySlipTemplate(const QString& path, const PlaySlipTemplate& slip, QString* error = nullptr);

struct PlaySlipRead {
    std::optional<PlaySlipTemplate> slip;
    QString error; // why the file cannot be used, naming it
};
// Reads a template file by the rule above.
PlaySlipRead ReadPlaySlipTemplate(const QString& path);
// Reads a template from its lines (the file's name is for the error).
PlaySlipRead ParsePlaySlipTemplate(const QStringList& lines, const QString& fileName);

// The template files of the current folder, by name.
QStringList TemplateFiles();
// "PTemplate." and the smallest number from 0 whose file does not exist
// (compared without regard to case), formatted "000".
QString FirstFreeTemplateFile();

// The templates of the current folder that can be read, and the files that
// cannot. An empty file is listed under its file name (it prints nothing:
// reading it at print time says why).
struct TemplateListing {
    struct Entry {
        QString file;
        QString name;    // line 1
        QString lottery; // line 2, trimmed
    };
    std::vector<Entry> templates;
    QStringList unreadable;
};
TemplateListing ListPlaySlipTemplates();

// Where a mark of a number goes on a board, in millimetres from the printer's
// origin: the position less the printer margin plus the board steps. No
// value when the number has no position there (above 60, or empty fields).
struct SlipMark {
    double left = 0, top = 0; // mm
};
std::optional<SlipMark> MarkPosition(const PlaySlipTemplate& slip, int number, bool extraBall, int boardAcross,
                                     int boardDown);
// The number an entry cell stands for: its leading number rounded to a whole
// number (halves to even); 0 when it is not above 0.
int EntryNumber(const QString& cell);

// Where the entry with this index (from 0) goes when boards are filled across,
// then down, and a full slip ends the sheet: sheet from 0, board column and
// board row from 0.
struct SlipPlace {
    int sheet = 0, across = 0, down = 0;
};
SlipPlace EntryPlace(int entryIndex, int boardsAcross, int boardsDown);

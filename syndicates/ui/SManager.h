#pragma once
// "Syndicate Manager": the open syndicate's own details (row 0 of the
// syndicate table) and its diary of tickets bought, their cost, winnings and
// balance, with a running total.

#include "syndicates/Diary.h"
#include "syndicates/Money.h"
#include "syndicates/SyndicateFile.h"
#include "syndicates/ui/SyndicateControls.h"

#include "core/ui/LoadOnce.h"

#include <QDialog>
#include <QLocale>
#include <array>
#include <vector>

class DatePicker;
class FlexGrid;
class QLabel;
class QLineEdit;
class QPushButton;

class SManager : public LoadOnce<QDialog> {
    Q_OBJECT
public:
    explicit SManager(QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* Label3;
    QLabel* Label5;
    QLabel* Label4;
    QLabel* Label2[5];
    // 0 manager's name, 1 to 4 address, 5 phone, 6 e-mail, 7 syndicate name.
    QLineEdit* Text1[8];
    QLineEdit* Text2;      // the cell editor of columns 1 to 5
    DatePicker* DTPicker1; // the cell editor of the Date column
    QPushButton* Command2; // Enter
    FlexGrid* MSFlexGrid1; // the diary
    QPushButton* Command5; // move up
    QPushButton* Command6; // move down
    QPushButton* Command4; // delete row
    QPushButton* Command7; // Total
    QLineEdit* Text3;      // the total
    QPushButton* Command1; // Save
    QPushButton* Command8; // Print
    QPushButton* Command3; // Close

    // Set by every action that changes what Save writes: typing in a detail
    // box, Enter, and a row button that moves or deletes a record.
    bool Changed = false;
    QString CurrencySign;
    int LastRow = 1;
    int LastCol = 1;

    void Form_Load() override;
    void Skinning();
    void MSFlexGrid1_Click();
    void Command2_Click();
    void Command7_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command1_Click();
    void Command3_Click();
    void Command8_Click();

    // The diary file of the open syndicate (empty when none is open).
    QString DiaryFile() const;
    // Whether a cell holds a text the window cannot read (an amount or a
    // date); such a cell is shown as an error and never rewritten.
    bool CellIsError(int row, int col) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The title bar's close box asks as Close does while changes are unsaved.
    void closeEvent(QCloseEvent* event) override;
    // Leaving without saving drops what this window changed in the table
    // (the details of a save that failed).
    void done(int result) override;

private:
    // Row 0's field of detail box i (boxes 0 to 6 fields 0 to 6, box 7 the
    // syndicate's name), and what Save writes there: the box's text, trimmed,
    // once the player changed it; else the field as it was read, which the
    // box may show cut to its length or with its quotes made apostrophes.
    static SyndicateFieldIndex detailField(int box);
    QString detailToSave(int box) const;
    void loadDiary();
    void sayUnreadableCells(const QString& file, int records);
    void paintCell(int row, int col);
    void colourAmount(int row, int col);
    void setBalance(int row);
    bool rowIsEmpty(int row) const;
    void swapRows(int a, int b);
    int lastRow() const;
    ShownField details_[8]; // row 0's details as read, and as the boxes showed them
    // Each amount of the diary as read and as its cell shows it, by grid row:
    // Save writes it back as read while its cell shows it so, and the
    // amounts move with their records.
    std::vector<std::array<ShownField, kDiaryColumns>> amountsRead_;
    QString cellToSave(int row, int col) const;
    QLocale locale_;
    bool diaryUnreadable_ = false;
    QWidget* totalSpace_ = nullptr; // puts the total under the Balance column
};

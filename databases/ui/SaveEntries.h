#pragma once
// The save dialog of the generator and wheel windows: how many of the shown
// lines to save to "ReVadirav.txt", for which player or syndicate and for
// which draw date.

#include <QDate>
#include "core/ui/LoadOnce.h"

#include <QDialog>
#include <QString>
#include <optional>

class DatePicker;
class FlexGrid;
class QLabel;
class QLineEdit;
class QPushButton;

class SaveEntries : public LoadOnce<QDialog> {
    Q_OBJECT
public:
    explicit SaveEntries(QWidget* parent = nullptr);

    QLabel* Label1;     // "Lines:"
    QLineEdit* Text1;   // number of lines to save
    QLabel* LabelPName; // "Name:"
    QLineEdit* Text2;   // player or syndicate name
    QLabel* Label5;     // "Date:"
    DatePicker* DTPicker1;
    QLabel* Label3;
    QLabel* Label2;
    QLabel* Label6;
    QPushButton* Command7; // Save
    QPushButton* Command1; // Cancel

    // True once Save was pressed; a dialog closed any other way saves nothing.
    bool saved() const { return saved_; }

    void Form_Load() override;
    void Command7_Click();
    void Command1_Click();

private:
    bool saved_ = false;
};

// Saves the lines shown in a window's results grid (rows from 1 up to
// the first whose column-1 cell is empty) through the dialog: appends the
// chosen number of them to "ReVadirav.txt" with the draw date, the lottery,
// the name and the database file. Nothing happens when the grid shows no
// line; the dialog refuses a count that saves nothing (below 1, or no number)
// with a message and stays open; a failed write is reported in a message box.
// Leaves the grid's current cell in column 1 of the row after the last one
// saved. Returns the number of lines written.
int SaveMyEntries(FlexGrid* grid);

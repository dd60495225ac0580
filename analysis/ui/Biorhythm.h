#pragma once
// The Biorhythm window: seven cycles that start on the player's birth date,
// day by day from a week ago to twenty days ahead, and the Biochart whose
// Luck is the mean of the intellectual, emotional and intuition cycles today
// or tomorrow. It keeps the birth date in the settings.

#include "core/ui/LoadOnce.h"

#include <QDialog>
#include <array>

class Chart;
class DatePicker;
class QLabel;
class QPushButton;
class QRadioButton;

class Biorhythm : public LoadOnce<QDialog> {
    Q_OBJECT
public:
    explicit Biorhythm(QWidget* parent = nullptr);

    QLabel* Label5; // "Biorhythms"
    QLabel* Label6; // explanation
    QLabel* Label4; // "Day you were born:"
    DatePicker* DTPicker1;
    QPushButton* Command1; // Update
    Chart* MSChart1;       // physical, intellectual, emotional, average
    Chart* MSChart2;       // spiritual, aesthetic, awareness, intuition
    QLabel* Label1;        // seven days ago
    QLabel* Label2;        // today
    QLabel* Label3;        // twenty days ahead
    QLabel* Label7;        // "     Biochart:"
    Chart* MSChart3;
    std::array<QRadioButton*, 2> Option1; // "Today", "Tomorrow"
    QPushButton* Command6;                // print
    QPushButton* Command2;                // close

    void Skinning();

    void Command1_Click(); // Update
    void Option1_Click(int index);
    void Command6_Click(); // Print
    void Command2_Click(); // Close

private:
    void Form_Load() override;
    // Puts today's date mark under today's point of the day-by-day charts.
    void placeTodayMark();
};

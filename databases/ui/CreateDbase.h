#pragma once
// The Create Lottery Database window: defines a new lottery, from a ready-made
// template or by hand, and starts its database file with one draw result.

#include "core/ui/Skinning.h"

#include <QDate>
#include "core/ui/LoadOnce.h"

#include <QDialog>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

class DatePicker;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollBar;

// The lottery templates of "LotteryTemplates.txt": row r holds line r + 1 of
// the file, fields 0 to 5 (name, count, highest number, carried value, highest
// extra ball, web address); field 6 stays empty. A list of templates ends at
// the first row whose name is empty.
inline constexpr int kTemplateRows = 201;
extern std::array<std::array<QString, 7>, kTemplateRows> LotteryTemplates;

// Reads "LotteryTemplates.txt" of the current folder into LotteryTemplates
// (emptied first). A missing file leaves the table empty; lines beyond the
// table's rows are ignored.
void LoadLotteryTemplates();

// What the window's controls define.
struct NewLottery {
    QString name;
    QString website;
    int count = 6;          // main numbers drawn
    int maxBall = 49;       // highest main number
    bool powerball = false; // a separately drawn extra ball
    int extraMax = 14;      // highest extra ball (Powerball type only)
    QDate date;             // of the first draw
    QStringList numbers;    // the eight boxes as typed
};

// The four lines of a new database: name, web address, definition line and
// the first draw. No value when the draw's numbers are wrong (main numbers
// 1 to maxBall, all different; the eighth empty or in its range).
std::optional<QStringList> NewDatabaseLines(const NewLottery& lottery);

class CreateDbase : public LoadOnce<QDialog> {
    Q_OBJECT
public:
    explicit CreateDbase(QWidget* parent = nullptr);

    QListWidget* List1;    // templates
    QListWidget* List2;    // existing databases
    QLineEdit* Text3;      // lottery name
    QLineEdit* Text2;      // web address
    QPushButton* Command2; // Go
    std::array<QRadioButton*, 2> Option1;
    QScrollBar* HScroll1; // count of main numbers
    QScrollBar* HScroll2; // highest main number
    QScrollBar* HScroll3; // highest extra ball
    QLabel* Label2;
    QLabel* Label6;
    QLabel* Label8;
    QLabel* Label11;
    QLabel* Label7;
    QLabel* Label12;
    DatePicker* DTPicker1;
    std::array<QLineEdit*, 8> Text1;
    QPushButton* Command1; // Save
    QPushButton* CancelButton;

    // The name of the database file the last Save wrote.
    QString createdFile() const { return createdFile_; }

    void Skinning();
    void Form_Load() override;
    void List1_Click();
    void HScroll1_Change();
    void HScroll2_Change();
    void HScroll3_Change();
    void Option1_Click(int index);
    void Command1_Click();
    void Command2_Click();
    void CancelButton_Click();

private:
    void showCount();
    QString createdFile_;
    SkinLabels skinLabels_; // the labels that take the skin's colours
};

#pragma once
// The Preferences window: the colours and background pictures of the skin,
// the strengths of the four entry filters and the WebLinks menu items 1 to 9,
// and a reset of every setting. It changes the settings in memory and writes
// them with SaveSettings. Closed without Save, it puts the settings back as
// they were when it opened: what it changed is dropped, and what other windows
// changed and have not saved yet is kept.

#include "core/ui/LoadOnce.h"

#include <QDialog>
#include <QStringList>
#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The colour dialog: the colour picked as a colour value, or -999 when the
// player cancels. It starts from the colour picked last in this run (black at
// first).
inline constexpr int kNoColour = -999;
int PickColour(QWidget* parent = nullptr);
// The colour picker starts from black again, as at the start of a run.
void ResetPickedColour();

inline constexpr int kEditedWebLinks = 9; // WebLinks items 1 to 9

class Preferences : public LoadOnce<QDialog> {
    Q_OBJECT
public:
    explicit Preferences(QWidget* parent = nullptr);

    QLabel* Label10; // " Change the colors:"
    QLabel* Label12;
    QLabel* Label5;        // colour samples: title,
    QLabel* Label6;        // main body text,
    QLabel* Label7;        // labels,
    QLabel* Label9;        // other text,
    QLabel* Label8;        // background
    QCheckBox* Check1;     // colours on
    QPushButton* Command9; // Reset colours
    QLabel* Label1;
    std::array<QLabel*, 3> Label11{}; // 0 and 2 are shown
    QCheckBox* Check4;                // background pictures on
    QLabel* Label4;
    QLabel* Label13;
    QLabel* Label15;
    QGroupBox* Frame1;
    QGroupBox* Frame2;
    QGroupBox* Frame3;
    QGroupBox* Frame5;
    std::array<QRadioButton*, 2> Option1{}; // odd/even
    std::array<QRadioButton*, 2> Option2{}; // high/low
    std::array<QRadioButton*, 2> Option3{}; // previous draws
    std::array<QRadioButton*, 2> Option4{}; // runs
    QLabel* Label14;
    std::array<QLabel*, kEditedWebLinks> Label2{};
    std::array<QLineEdit*, kEditedWebLinks> Text1{}; // captions
    std::array<QLabel*, kEditedWebLinks> Label3{};
    std::array<QLineEdit*, kEditedWebLinks> Text2{}; // addresses
    QPushButton* Command12;                          // Reset all program defaults
    QPushButton* Command7;                           // Save
    QPushButton* Command1;                           // Close

    void Skinning();
    void Form_Load() override;
    void Label5_Click();
    void Label6_Click();
    void Label7_Click();
    void Label9_Click();
    void Label8_Click();
    void Command9_Click();
    void Command7_Click();
    void Command12_Click();
    void Command1_Click();

    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Every close passes here (Close, Escape, the title bar).
    void done(int result) override;

private:
    void showColours();
    void pick(QLabel* sample);
    QWidget* content_ = nullptr; // everything above the Save and Close buttons
    QStringList opened_;         // items 0 to 100 as the window opened on them
    bool saved_ = false;
};

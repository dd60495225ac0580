#pragma once
// The frame every analysis window stands on: the lottery list, the heading,
// Print and Close, the skin, the line that says when there is nothing to
// analyse, and the four newest draws two of the windows show.
//
// A window derives from it, builds its own controls in its constructor (into
// leftBox() below the list and mainBox() beside it), and shows its analysis
// in ShowAnalysis. Whoever opens the window calls Load() (the frame also
// loads on first show): the skin, the window's own set-up, the list of
// lotteries, and the first lottery chosen, which is loaded and analysed.
// Choosing a lottery loads it again and repeats the analysis.

#include "analysis/DrawStatistics.h"
#include "core/ui/LoadOnce.h"
#include "core/ui/Skinning.h"

#include <QDialog>
#include <QString>
#include <array>
#include <functional>

class QHBoxLayout;
class QLabel;
class QListWidget;
class QPushButton;
class QVBoxLayout;

struct AnalysisFrameOptions {
    QString name; // the window's class name, also its object name
    QString caption;
    QString heading;                  // the heading's text
    QString headingName = "Label4";   // the heading label's name
    QString listLabelName = "Label1"; // the name of "Select a lottery:"
    QString closeName = "Command1";   // the close button's name
    QString closeTip = " Close ";     // and its tool tip
    QString printTip = "Print the lottery numbers";
    bool sortsDraws = false; // sorts every draw's numbers after loading
};

class AnalysisFrame : public LoadOnce<QDialog> {
    Q_OBJECT
public:
    explicit AnalysisFrame(const AnalysisFrameOptions& options, QWidget* parent = nullptr);

    QLabel* ListLabel; // "Select a lottery:" (Label1, Label3 in the statistics window)
    QListWidget* List1;
    QLabel* Heading;          // Label4 (Label1 in the statistics window)
    QPushButton* CloseButton; // Command1 (Command3 in the statistics window)
    QPushButton* Command6;    // Print
    // Says why nothing is analysed: no database, one that cannot be read, or
    // one without draws. Hidden otherwise.
    QLabel* StatusLabel;

    void List1_Click();
    void Command6_Click();
    void Close_Click();

    // What the last choice of a lottery gave to analyse.
    const AnalysisInput& input() const { return input_; }

    // The explanation every window shows under its heading.
    static QLabel* Explanation(QWidget* parent, const QString& name, const QString& text);

protected:
    // The window's skin: its family is always the analysis windows'.
    virtual void Skinning() = 0;
    // The window's set-up after the skin, before the lotteries are listed.
    virtual void SetUp() {}
    // Shows the analysis of what input() holds.
    virtual void ShowAnalysis() = 0;
    // Print: the window's image on a landscape page.
    virtual void Print();

    void applySkin(const SkinLabels& labels);
    QVBoxLayout* leftBox() const { return leftBox_; }
    QVBoxLayout* mainBox() const { return mainBox_; }
    QHBoxLayout* buttonBox() const { return buttonBox_; }

private:
    void Form_Load() override;
    void say(const QString& text);

    AnalysisFrameOptions options_;
    QVBoxLayout* leftBox_;
    QVBoxLayout* mainBox_;
    QHBoxLayout* buttonBox_;
    AnalysisInput input_;
};

// The four newest draws and their ratios under the caption "Last 4 draws     ":
// one row of two labels a draw, the numbers and the ratio, newest first.
class LatestDrawsPanel {
public:
    // Names of the caption and of each row's numbers and ratio labels.
    LatestDrawsPanel(QWidget* parent, const QString& captionName, const std::array<QString, 4>& numberNames,
                     const std::array<QString, 4>& ratioNames);

    QWidget* widget() const { return widget_; }
    QLabel* caption() const { return caption_; }
    const std::array<QLabel*, 4>& numbers() const { return numbers_; }
    const std::array<QLabel*, 4>& ratios() const { return ratios_; }

    // Shows the draws of the input, counting the numbers for which counts()
    // holds; empty rows when the input holds no lottery.
    void fill(const AnalysisInput& in, const std::function<bool(int)>& counts);

private:
    QWidget* widget_;
    QLabel* caption_;
    std::array<QLabel*, 4> numbers_{};
    std::array<QLabel*, 4> ratios_{};
};

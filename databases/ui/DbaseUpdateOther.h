#pragma once
// The download window of the other lotteries: South Africa, Australia and
// the US on three tabs. The Download button fetches the group of the tab
// selected and rewrites each lottery's database; each tab edits the
// addresses of its group.

#include "databases/ResultDownloads.h"
#include "databases/ui/DownloadFrame.h"

class DbaseUpdateOther : public DownloadFrame {
    Q_OBJECT
public:
    explicit DbaseUpdateOther(QWidget* parent = nullptr);

    QLabel* Label2;  // "Progress:"
    QLabel* Label15; // "Please wait...", while a run goes on
    // South Africa.
    QLabel* Label10;
    QLineEdit* Text1; // item 67
    QPushButton* Command7;
    // Australia.
    QLabel *Label6, *Label7, *Label8, *Label9;
    QLineEdit *Text2, *Text3, *Text4, *Text5; // items 63 to 66
    QPushButton* Command1;
    // US.
    QLabel *Label12, *Label11, *Label13, *Label14;
    QLineEdit *Text7, *Text6, *Text8, *Text9; // items 68, 69, 70, 71
    QPushButton* Command2;

    void Skinning();
    void Form_Load() override;
    void OKButton_Click();
    void Command7_Click();
    void Command1_Click();
    void Command2_Click();

    void DownloadSA();
    void DownloadAU();
    void DownloadPB();
    void DownloadMM();
    void DownloadCA();

private:
    // One lottery: fetch, read, rewrite. False when the rest of its group is
    // to be skipped.
    bool Download(OtherLottery lottery);
    void Failed(const QString& why);
    SkinLabels skinLabels_;
};

#pragma once
// The UK download window: fetches the result files of the UK lotteries and
// rewrites each lottery's database from them. Its "URLs" tab edits the
// addresses the files are fetched from.

#include "databases/ui/DownloadFrame.h"

#include <array>

class DbaseUpdate : public DownloadFrame {
    Q_OBJECT
public:
    explicit DbaseUpdate(QWidget* parent = nullptr);

    QLabel* Label2;                  // "Progress:"
    std::array<QLabel*, 5> Label6;   // the lottery of each address box
    std::array<QLineEdit*, 5> Text1; // the addresses, items 50 to 54
    QPushButton* Command7;           // Save URLs

    void Skinning();
    void Form_Load() override;
    void OKButton_Click();
    void Command7_Click();
    // Fetches lottery i of the UK list and rewrites its database; says so in
    // the log, and in a message box when it failed.
    void DbaseDownload(int i);

private:
    void Failed(const QString& why);
    SkinLabels skinLabels_;
};

#pragma once
// The About window: the program's title and version, the maker's addresses
// (the e-mail and web labels open a mail or the web site), and the system
// information button.

#include "core/ui/LoadOnce.h"

#include <QDialog>

class QLabel;
class QPushButton;

class About : public LoadOnce<QDialog> {
    Q_OBJECT
public:
    explicit About(QWidget* parent = nullptr);

    QLabel* picIcon;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblContact; // how to reach the maker
    QLabel* Label10;    // general e-mail address
    QLabel* Label9;     // support e-mail address
    QLabel* Label3;     // the program's web site
    QPushButton* cmdSysInfo;
    QPushButton* cmdOK;

    void Form_Load() override;
    // There is no system information tool here: says so.
    void StartSysInfo();
    void cmdSysInfo_Click();
    void cmdOK_Click();
    void Label10_Click();
    void Label9_Click();
    void Label3_Click();
};

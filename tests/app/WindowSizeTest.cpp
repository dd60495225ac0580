// Every window the menus open fits a 1280 x 800 screen, with room for a
// taskbar, when it opens and after the actions that make it grow, and stays
// inside the screen's area when it grows.
#include "app/MenuItems.h"
#include "app/WindowCatalog.h"
#include "core/Settings.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/Shell.h"
#include "printing/ui/PrintFrm.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSet>

namespace {
constexpr int kScreenWidth = 1280;
constexpr int kScreenHeight = 760; // 800 less a taskbar

const QString kLongName = QStringLiteral("The Extraordinarily Long Named International Super Lottery Draw With "
                                         "Bonus Numbers And Extra Balls, Drawn Twice Weekly On Wednesdays And "
                                         "Saturdays Except On Public Holidays In Every Participating Country");

// Draws newest first, a new date every three days, numbers that differ.
QStringList ManyDraws(int count, int balls, int highest, bool extra)
{
    QStringList lines;
    QDate date(2026, 12, 5);
    for (int d = 0; d < count; ++d) {
        QStringList fields{date.toString("dd MMM yy")};
        for (int i = 0; i < 7; ++i)
            fields << (i < balls ? QString::number((d * 7 + i * 5) % highest + 1) : QStringLiteral("0"));
        fields << QString::number(extra ? d % 20 + 1 : (d * 3) % highest + 1);
        lines << fields.join(',');
        date = date.addDays(-3);
    }
    return lines;
}

void Click(QDialog* dialog, const char* name)
{
    QPushButton* button = dialog->findChild<QPushButton*>(name);
    ASSERT_NE(button, nullptr) << dialog->metaObject()->className() << " " << name;
    button->click();
}

// The actions that make a window grow (the Show/Check window's Check shows
// its colour key, the what-if window's Check fills its report), and those
// that open the windows a window opens itself (the save dialog, the print
// dialogs), which the modal hook measures in turn.
void Grow(QDialog* dialog)
{
    const QString name = dialog->metaObject()->className();
    if (name == "ShowMyDrawsW") {
        Click(dialog, "Command2"); // Check
        Click(dialog, "Command5"); // Print
    } else if (name == "WhatIf") {
        for (int i = 1; i <= 5; ++i)
            dialog->findChild<QLineEdit*>(QStringLiteral("Text1_%1").arg(i))->setText(QString::number(i));
        Click(dialog, "Command2"); // Add
        Click(dialog, "Command3"); // Check
    } else if (name == "HistoryW") {
        Click(dialog, "Command6"); // Print
    } else if (name == "PLuckyDip" || name == "PFullSel") {
        Click(dialog, "Command7"); // Save
        Click(dialog, "Command6"); // Print
    }
}
} // namespace

class WindowSizes : public ProgramFolderTest {};

TEST_F(WindowSizes, EveryWindowFitsA1280By800Screen)
{
    writeLines("dbase100.txt", DatabaseLines(kLongName, "6,49,0,0,1", ManyDraws(3000, 6, 49, false)));
    writeLines("dbase069.txt", DatabaseLines(kLongName + " Powerball", "5,69,0,26,0", ManyDraws(3000, 5, 69, true)));
    writeLines("dbase007.txt", DatabaseLines(kLongName + " Seven", "7,47,0,0,1", ManyDraws(3000, 7, 47, false)));
    QStringList saved;
    for (int i = 0; i < 600; ++i)
        saved << QStringLiteral("%1,1,2,3,4,5,6,,,\"%2\",\"%3, player %4\",dbase100.txt")
                     .arg(QDate(2026, 12, 5).addDays(-3 * i).toString("dd MMM yy"), kLongName, kLongName)
                     .arg(i);
    writeLines("ReVadirav.txt", saved);
    for (SettingsItem item : {OddEvenFilter, HighLowFilter, HistoryFilter, LongRunFilter})
        Settings.set(item, "0");

    const QScreen* screen = QApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    // The test runners lay windows out on a screen of the size the program is
    // made for; on another the sizes are still held to 1280 x 760.
    const QRect area = screen->availableGeometry();
    const bool screenIsTarget = area.width() == 1280 && area.height() == 800;
    EXPECT_TRUE(screenIsTarget) << "screen " << area.width() << " x " << area.height();

    // Boxes the actions raise are answered as a player would go on.
    SetMsgBoxHook([](const MsgBoxCall& box) {
        const int buttons = box.buttons();
        return buttons == vbYesNo || buttons == vbYesNoCancel ? int(vbYes) : int(vbOK);
    });

    QString current;
    int measured = 0;
    QSet<QString> seen;
    auto fits = [&](QDialog* dialog, const QString& when) {
        QApplication::processEvents();
        const QRect frame = dialog->frameGeometry();
        const std::string what = (current + " " + dialog->metaObject()->className() + " " + when).toStdString();
        EXPECT_LE(frame.width(), kScreenWidth) << what;
        EXPECT_LE(frame.height(), kScreenHeight) << what;
        if (screenIsTarget) {
            EXPECT_TRUE(area.contains(frame))
                << what << ": " << frame.x() << "," << frame.y() << " " << frame.width() << " x " << frame.height();
        }
        ++measured;
    };
    SetModalHook([&](QDialog* dialog) {
        dialog->show();
        fits(dialog, "when it opens");
        if (auto* list = dialog->findChild<QListWidget*>("List1")) {
            for (int row = 0; row < list->count() && row < 3; ++row) {
                list->setCurrentRow(row);
                fits(dialog, QStringLiteral("with list item %1 chosen").arg(row));
                Grow(dialog);
                fits(dialog, QStringLiteral("after its actions with list item %1").arg(row));
            }
        }
        Grow(dialog);
        fits(dialog, "after its actions");
        dialog->hide();
        seen.insert(dialog->metaObject()->className());
        if (auto* options = qobject_cast<PrintFrm*>(dialog))
            options->Command1->click(); // Cancel: nothing is printed
        return int(QDialog::Rejected);
    });

    RegisterAllWindows();
    // The Help menu's web and mail items open no window; the desktop is not asked.
    SetShellHook([](const QUrl&) { return true; });
    int items = 0;
    for (int i = 0; i < kMenuItemCount; ++i) {
        const MenuItem item = MenuItem(i);
        if (!HasWindow(item))
            continue;
        current = MenuItemName(item);
        ++items;
        EXPECT_TRUE(OpenWindow(item, nullptr)) << current.toStdString();
    }
    EXPECT_GE(items, 11);
    // The windows the menus open, and those they open.
    for (const char* name :
         {"CreateDbase", "DbaseUpdateW", "HistoryW", "OpenDbase", "DeleteDbaseW", "ShowMyDrawsW", "StoreMyDrawsW",
          "WhatIf", "PLuckyDip", "PFullSel", "SaveEntries", "PrintFrm", "PrintSelection", "PrintSetup"})
        EXPECT_TRUE(seen.contains(name)) << name;
    EXPECT_GE(measured, int(seen.size()) * 2);
}

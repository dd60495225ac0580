// Every window the menus open fits a 1280 x 800 screen, with room for a
// taskbar, when it opens and after the actions that make it grow, and stays
// inside the screen's area when it grows; every control in it is in reach.
// The same holds at a larger desktop font (139 dots an inch instead of 96,
// Qt's scaling off), where a window may fill the screen but still shrinks to
// leave room for a taskbar.
#include "app/MenuItems.h"
#include "app/Vantrel.h"
#include "app/WindowCatalog.h"
#include "core/Settings.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/Shell.h"
#include "printing/ui/PrintFrm.h"
#include "syndicates/SyndicateFile.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QStandardPaths>

namespace {
constexpr int kScreenWidth = 1280;
constexpr int kScreenHeight = 760; // 800 less a taskbar
constexpr int kNormalDpi = 96;
constexpr int kLargerDpi = 139;

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

// What a player cannot reach or read in the window as it is shown: a control
// that lies outside the window or its frame, a button squeezed below the size
// its text needs, two controls on top of each other, a scrolled area that
// hides part of its content while the window could still grow.
QStringList OutOfReach(QWidget* window, const QRect& area)
{
    QStringList faults;
    auto name = [](const QWidget* w) {
        return QStringLiteral("%1 %2").arg(w->metaObject()->className(), w->objectName());
    };
    // Children of a scrolled view move under its edges by design.
    auto inScrolledView = [window](const QWidget* w) {
        for (const QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
            if (qobject_cast<const QAbstractScrollArea*>(p))
                return true;
        return false;
    };
    const QList<QWidget*> widgets = window->findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        if (!w->isVisibleTo(window) || w->isWindow() || w->objectName().startsWith("qt_") || inScrolledView(w))
            continue;
        const QWidget* parent = w->parentWidget();
        if (!parent->rect().contains(w->geometry()))
            faults << name(w) + " lies outside " + name(parent);
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            // Its text and picture, less the style's generous margins.
            QSize need = qobject_cast<QPushButton*>(w)
                ? QSize(button->fontMetrics().horizontalAdvance(QString(button->text()).remove('&')),
                        button->fontMetrics().height())
                : button->minimumSizeHint();
            if (!button->icon().isNull() && qobject_cast<QPushButton*>(w))
                need.rwidth() += button->iconSize().width();
            if (button->width() < need.width() || button->height() < need.height())
                faults
                    << QStringLiteral("%1 is cut to %2 x %3").arg(name(w)).arg(button->width()).arg(button->height());
        }
        if (auto* label = qobject_cast<QLabel*>(w); label && label->wordWrap() && !label->text().isEmpty()
            && label->height() < label->heightForWidth(label->width()))
            faults << QStringLiteral("%1 is cut to %2 px high").arg(name(w)).arg(label->height());
        // Controls the player works (a label may lie over another by design).
        auto works = [](const QWidget* c) { return c->focusPolicy() != Qt::NoFocus; };
        for (QWidget* other : widgets) {
            if (other <= w || !works(w) || !works(other) || other->parentWidget() != parent
                || !other->isVisibleTo(window) || other->isWindow() || other->objectName().startsWith("qt_"))
                continue;
            if (w->geometry().intersects(other->geometry()))
                faults << name(w) + " covers " + name(other);
        }
        if (auto* scrolled = qobject_cast<QScrollArea*>(w); scrolled && scrolled->widget()) {
            // The window with the whole content in place of the view.
            const QSize outside = window->frameGeometry().size() - scrolled->viewport()->size();
            const QSize whole = scrolled->widget()->minimumSizeHint() + outside;
            if (scrolled->horizontalScrollBar()->isVisible() && whole.width() <= area.width())
                faults << name(w) + " hides a part that fits across";
            if (scrolled->verticalScrollBar()->isVisible() && whole.height() <= area.height())
                faults << name(w) + " hides a part that fits down";
        }
    }
    return faults;
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
    writeLines("dbase100.txt", DatabaseLines(kLongName, "6,59,0,0,1", ManyDraws(3000, 6, 59, false)));
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
    const bool largerFont = screen->logicalDotsPerInch() > kNormalDpi;
    const bool onOffscreen = QGuiApplication::platformName() == "offscreen";

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
        // A window manager frames a window a moment after it shows.
        QElapsedTimer framing;
        framing.start();
        while (!onOffscreen && framing.elapsed() < 500
               && (dialog->frameGeometry() == dialog->geometry() || framing.elapsed() < 60))
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        const QRect frame = dialog->frameGeometry();
        const std::string what = (current + " " + dialog->metaObject()->className() + " " + when).toStdString();
        EXPECT_LE(frame.width(), kScreenWidth) << what;
        const QSize least = dialog->minimumSizeHint().expandedTo(dialog->minimumSize()) + frame.size() - dialog->size();
        EXPECT_LE(largerFont ? least.height() : frame.height(), kScreenHeight) << what;
        if (screenIsTarget) {
            EXPECT_TRUE(area.contains(frame))
                << what << ": " << frame.x() << "," << frame.y() << " " << frame.width() << " x " << frame.height();
        }
        EXPECT_EQ(OutOfReach(dialog, area).join("; ").toStdString(), "") << what;
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
        // Made as small as it goes, as a player dragging its corner in: a
        // scrolled view then shows its content in less room, as it is for.
        // (The guaranteed wheels' families need a few pixels more than a
        // title bar and a taskbar leave at the larger font.)
        dialog->resize(dialog->minimumSize());
        QApplication::processEvents();
        const QStringList cramped = OutOfReach(dialog, area).filter(QRegularExpression("^(?!.* hides a part)"));
        if (onOffscreen || !largerFont || dialog->metaObject()->className() != QStringLiteral("PGuaranteed")) {
            EXPECT_EQ(cramped.join("; ").toStdString(), "")
                << (current + " " + dialog->metaObject()->className() + " at its least size").toStdString();
        }
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

TEST_F(WindowSizes, TheMainWindowFitsItsScreen)
{
    LoadedWindow<Vantrel> window;
    window.show();
    QApplication::processEvents();
    // Its size: where a scaled screen puts it is off by the rounding of the
    // platform's frame.
    const QSize area = window.screen()->availableGeometry().size();
    const QSize frame = window.frameGeometry().size();
    EXPECT_TRUE(frame.width() <= area.width() && frame.height() <= area.height())
        << frame.width() << " x " << frame.height() << " on " << area.width() << " x " << area.height();
    EXPECT_EQ(OutOfReach(&window, window.screen()->availableGeometry()).join("; ").toStdString(), "");
}

// Windows with names as long as their boxes take, amounts of thirteen digits
// and a lottery of 59 numbers: the grids give up width first (their columns
// scroll), the explanations are whole, and the syndicate windows made as small
// as they go (by the player, or on a screen with less room) have no control
// lying over another. Run at 144 dots an inch too.
TEST_F(WindowSizes, TheseWindowsFitWithLongNamesAndLargeAmounts)
{
    const QString name(30, 'W');
    auto row = [](const QStringList& fields) { return '"' + fields.join("\",\"") + '"'; };
    QStringList members{row({name, name, name, name, name, "01234 567890 123", name, "", "", "", name})};
    QStringList diary;
    for (int i = 1; i <= 40; ++i) {
        members << row({name.left(28) + QString::number(i), "", "", "", "", "", "", "Standing order",
                        "9999999999999.99", "05-Dec-2026", ""});
        diary << row(
            {"05-Mar-2026", "99999", "£999,999,999,999.99", "£999,999,999,999.99", "-£999,999,999,999.99", kLongName});
    }
    writeLines("SMembers.000", members);
    writeLines("Diary.000", diary);
    Settings.set(SyndicateFile, "SMembers.000");
    LoadSyndicate();
    writeLines("dbase100.txt", DatabaseLines(kLongName, "6,59,0,0,1", ManyDraws(3000, 6, 59, false)));

    const QRect area = QApplication::primaryScreen()->availableGeometry();
    QStringList faults;
    bool atLeastSize = false;
    SetModalHook([&](QDialog* dialog) {
        const QString what = dialog->metaObject()->className();
        dialog->show();
        if (auto* list = dialog->findChild<QListWidget*>("List1"))
            list->setCurrentRow(0);
        QApplication::processEvents();
        const QRect frame = dialog->frameGeometry();
        if (frame.width() > kScreenWidth || !area.contains(frame))
            faults << QStringLiteral("%1 is %2 x %3").arg(what).arg(frame.width()).arg(frame.height());
        for (const QString& fault : OutOfReach(dialog, area))
            faults << what + ": " + fault;
        if (atLeastSize) {
            dialog->resize(dialog->minimumSize());
            QApplication::processEvents();
            for (const QString& fault : OutOfReach(dialog, area))
                faults << what + " at its least size: " + fault;
        }
        dialog->hide();
        return int(QDialog::Rejected);
    });
    RegisterAllWindows();
    const struct {
        MenuItem item;
        bool atLeastSize;
    } cases[] = {
        {MenuItem::SyndicateManager, true},
        {MenuItem::SyndicatePayments, true},
        {MenuItem::AnalyseOddEven, false},
    };
    for (const auto& c : cases) {
        atLeastSize = c.atLeastSize;
        EXPECT_TRUE(OpenWindow(c.item, nullptr)) << MenuItemName(c.item).toStdString();
    }
    EXPECT_EQ(faults.join("\n").toStdString(), "");
}

// The tests above again, in a runner started at a larger font (the windows
// with long names also at 144 dots an inch), in one with Qt's own scaling at
// 145 % (a 1280 x 800 screen is then 883 x 552), and where Xvfb and openbox
// are installed, at the larger font on an X display whose window manager
// frames the windows after they show.
TEST(WindowSizesAtALargerFont, EveryWindowFitsItsScreen)
{
    struct Case {
        QStringList environment;
        const char* tests;
        bool framed = false;
    };
    const QString largerFont = "QT_FONT_DPI=" + QString::number(kLargerDpi);
    const Case cases[] = {
        {{largerFont, "QT_ENABLE_HIGHDPI_SCALING=0"}, "WindowSizes.*"},
        {{"QT_FONT_DPI=144", "QT_ENABLE_HIGHDPI_SCALING=0"}, "WindowSizes.TheseWindows*"},
        {{"QT_SCALE_FACTOR=1.45"}, "WindowSizes.TheMainWindowFitsItsScreen"},
        {{largerFont, "QT_ENABLE_HIGHDPI_SCALING=0", "QT_QPA_PLATFORM=xcb", "VANTREL_TEST_PLATFORM=xcb"},
         "WindowSizes.EveryWindowFitsA1280By800Screen",
         true},
    };
    const QString xvfb = QStandardPaths::findExecutable("xvfb-run");
    const bool canFrame = !xvfb.isEmpty() && !QStandardPaths::findExecutable("openbox").isEmpty();
    for (const Case& c : cases) {
        if (c.framed && !canFrame)
            continue;
        QProcess runner;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const QString& setting : c.environment)
            environment.insert(setting.section('=', 0, 0), setting.section('=', 1));
        // The X display brings the desktop's D-Bus library, which keeps a
        // buffer to the end: the leak check of a sanitized build is not ours
        // to pass there.
        if (c.framed)
            environment.insert("ASAN_OPTIONS", environment.value("ASAN_OPTIONS") + ":detect_leaks=0");
        runner.setProcessEnvironment(environment);
        runner.setProcessChannelMode(QProcess::MergedChannels);
        const QStringList arguments{QCoreApplication::applicationFilePath(),
                                    QStringLiteral("--gtest_filter=") + c.tests, "--gtest_brief=1"};
        if (c.framed) {
            runner.start(xvfb,
                         QStringList{"-a", "-s", "-screen 0 1280x800x24", "sh", "-c",
                                     "openbox >/dev/null 2>&1 & sleep 1; exec \"$0\" \"$@\""}
                             + arguments);
        } else {
            runner.start(arguments.first(), arguments.mid(1));
        }
        ASSERT_TRUE(runner.waitForFinished(100000));
        const QString output = QString::fromUtf8(runner.readAll());
        EXPECT_EQ(runner.exitCode(), 0) << c.environment.join(' ').toStdString() << "\n" << output.toStdString();
        EXPECT_TRUE(output.contains(" ran.")) << output.toStdString();
    }
}

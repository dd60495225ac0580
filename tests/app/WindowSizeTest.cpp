// Every window the menus open fits a 1280 x 800 screen, with room for a
// taskbar, when it opens and after the actions that make it grow, and stays
// inside the screen's area when it grows; every control in it is in reach.
// The same holds at larger desktop fonts (139 and 144 dots an inch instead
// of 96, Qt's scaling off), where a window may fill the screen but still
// shrinks to leave room for a taskbar; grids keep about eight rows, and a
// wrapped text breaks between words.
#include "app/MenuItems.h"
#include "app/Vantrel.h"
#include "app/WindowCatalog.h"
#include "core/Settings.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/Shell.h"
#include "printing/ui/PrintFrm.h"
#include "syndicates/SyndicateFile.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
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
#include <QTemporaryDir>
#include <QTextLayout>
#include <QtMath>
#include <functional>
#include <optional>
#include <tuple>

namespace {
constexpr int kScreenWidth = 1280;
constexpr int kScreenHeight = 760; // 800 less a taskbar
constexpr int kNormalDpi = 96;

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

// Where a wrapped plain text breaks a word off a mark ("----" and ">" of an
// arrow on two lines), the two halves; empty where it breaks only at blanks
// and between letters.
QString BrokenWord(const QLabel* label)
{
    if (label->textFormat() == Qt::RichText
        || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text())))
        return QString();
    const QString text = label->text();
    QTextLayout layout(text, label->font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    const int width = label->contentsRect().width() - 2 * label->margin();
    layout.beginLayout();
    QString broken;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        const int end = line.textStart() + line.textLength();
        if (end > 0 && end < text.size() && !text[end - 1].isSpace() && !text[end].isSpace()
            && !text[end].isLetterOrNumber())
            broken = QStringLiteral("\"%1\" from \"%2\"")
                         .arg(text.mid(line.textStart(), line.textLength()).section(' ', -1), text.mid(end, 1));
    }
    layout.endLayout();
    return broken;
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
        if (auto* label = qobject_cast<QLabel*>(w); label && label->wordWrap() && !label->text().isEmpty()) {
            if (label->height() < label->heightForWidth(label->width()))
                faults << QStringLiteral("%1 is cut to %2 px high").arg(name(w)).arg(label->height());
            if (const QString broken = BrokenWord(label); !broken.isEmpty())
                faults << name(w) + " breaks " + broken;
        }
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

// Grids that show fewer than about eight of their rows (a grid gives up rows
// only in a window made smaller than it opens).
QStringList ShortGrids(QWidget* window)
{
    constexpr int kGridRows = 7;
    QStringList faults;
    for (const FlexGrid* grid : window->findChildren<FlexGrid*>()) {
        const int rowHeight = grid->verticalHeader()->defaultSectionSize();
        const int shown = grid->viewport()->height() / std::max(rowHeight, 1);
        if (grid->isVisibleTo(window) && grid->Rows() - grid->FixedRows() >= kGridRows && shown < kGridRows)
            faults << QStringLiteral("%1 shows %2 rows").arg(grid->objectName()).arg(shown);
    }
    return faults;
}

// The window's frame as the X server has it, in the screen's pixels (the
// window manager's window that holds it, a child of the root); none off X.
std::optional<QRect> ServerFrame(const QWidget* window)
{
    const QString tool = QStandardPaths::findExecutable("xwininfo");
    if (QGuiApplication::platformName() != "xcb" || tool.isEmpty())
        return std::nullopt;
    auto info = [&tool](const QString& id, const QStringList& more) {
        QProcess query;
        query.start(tool, QStringList{"-id", id} + more);
        query.waitForFinished(5000);
        return QString::fromUtf8(query.readAllStandardOutput());
    };
    auto field = [](const QString& text, const QString& name) {
        return QRegularExpression(name + R"(:\s+(\S+))").match(text).captured(1);
    };
    QString id = "0x" + QString::number(window->winId(), 16);
    for (int depth = 0; depth < 8; ++depth) {
        const QString tree = info(id, {"-tree"});
        const QString parent = field(tree, "Parent window id");
        if (parent.isEmpty() || parent == field(tree, "Root window id"))
            break;
        id = parent;
    }
    const QString text = info(id, {});
    auto number = [&](const char* name) { return field(text, name).toInt(); };
    const int border = number("Border width");
    return QRect(number("Absolute upper-left X") - border, number("Absolute upper-left Y") - border,
                 number("Width") + 2 * border, number("Height") + 2 * border);
}

// A window manager frames a window a moment after it shows, and the window
// is fitted again then: waits until it was framed and kept its place and size
// for a while (at most half a second). Off X nothing frames it later.
void AwaitFrame(const QWidget* window)
{
    QApplication::processEvents();
    if (QGuiApplication::platformName() == "offscreen")
        return;
    QElapsedTimer waiting;
    waiting.start();
    QElapsedTimer still;
    still.start();
    QRect last = window->frameGeometry();
    // A loaded machine may take the window manager a while: up to two seconds.
    while (waiting.elapsed() < 2000
           && (window->frameGeometry() == window->geometry() || waiting.elapsed() < 60 || still.elapsed() < 40)) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        if (window->frameGeometry() != last) {
            last = window->frameGeometry();
            still.restart();
        }
    }
}

// Waits until the window has kept its place, size and least size for a
// while (a third of a second, at most three seconds), every request to the X
// server answered. On a loaded machine the window manager and the fit that
// follows its frame can take several steps, each a moment apart: a window
// judged between two of them (half placed, or resized by one step and not
// yet by the next) is not what the player sees.
void Settle(const QWidget* window)
{
    if (QGuiApplication::platformName() == "offscreen")
        return;
    auto state = [window] { return std::tuple(window->frameGeometry(), window->geometry(), window->minimumSize()); };
    QElapsedTimer waiting;
    waiting.start();
    QElapsedTimer still;
    still.start();
    auto last = state();
    while (waiting.elapsed() < 3000 && still.elapsed() < 330) {
        QGuiApplication::sync();
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        if (state() != last) {
            last = state();
            still.restart();
        }
    }
}

// What is wrong with the window as shown, judged again once it settled when
// anything was: what a window shows between two steps of its framing is not
// counted, what it keeps is.
QStringList Judged(QWidget* window, const std::function<QStringList()>& faults)
{
    QStringList found = faults();
    if (!found.isEmpty()) {
        Settle(window);
        found = faults();
    }
    return found;
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

    // Boxes the actions raise are answered as a player would go on.
    SetMsgBoxHook([](const MsgBoxCall& box) {
        const int buttons = box.buttons();
        return buttons == vbYesNo || buttons == vbYesNoCancel ? int(vbYes) : int(vbOK);
    });

    QString current;
    int measured = 0;
    QSet<QString> seen;
    auto fits = [&](QDialog* dialog, const QString& when) {
        AwaitFrame(dialog);
        const std::string what = (current + " " + dialog->metaObject()->className() + " " + when).toStdString();
        const QStringList faults = Judged(dialog, [&] {
            const QRect frame = dialog->frameGeometry();
            const QString at =
                QStringLiteral("%1,%2 %3 x %4").arg(frame.x()).arg(frame.y()).arg(frame.width()).arg(frame.height());
            QStringList found;
            if (frame.width() > kScreenWidth)
                found << "wider than the screen: " + at;
            const QSize least =
                dialog->minimumSizeHint().expandedTo(dialog->minimumSize()) + frame.size() - dialog->size();
            if ((largerFont ? least.height() : frame.height()) > kScreenHeight)
                found << QStringLiteral("%1 high at least: %2").arg(least.height()).arg(at);
            if (screenIsTarget && !area.contains(frame))
                found << "off the screen: " + at;
            return found + OutOfReach(dialog, area) + ShortGrids(dialog);
        });
        EXPECT_EQ(faults.join("; ").toStdString(), "") << what;
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
        dialog->resize(dialog->minimumSize());
        QApplication::processEvents();
        const QStringList cramped =
            Judged(dialog, [&] { return OutOfReach(dialog, area).filter(QRegularExpression("^(?!.* hides a part)")); });
        EXPECT_EQ(cramped.join("; ").toStdString(), "")
            << (current + " " + dialog->metaObject()->className() + " at its least size").toStdString();
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
    AwaitFrame(&window);
    // In the screen's own pixels: on an X display as its server has the
    // frame (Qt rounds a scaled frame to whole points), elsewhere as a scaled
    // screen rounds the points.
    const qreal scale = window.devicePixelRatio();
    const QRect area = window.screen()->availableGeometry();
    auto pixels = [scale](const QRect& r) {
        return QRect(qRound(r.x() * scale), qRound(r.y() * scale), qRound(r.width() * scale),
                     qRound(r.height() * scale));
    };
    const QRect frame = ServerFrame(&window).value_or(pixels(window.frameGeometry()));
    EXPECT_TRUE(pixels(area).contains(frame))
        << frame.x() << "," << frame.y() << " " << frame.width() << " x " << frame.height() << " px on "
        << pixels(area).width() << " x " << pixels(area).height();
    EXPECT_EQ(OutOfReach(&window, area).join("; ").toStdString(), "");
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
        AwaitFrame(dialog);
        faults << Judged(dialog, [&] {
            QStringList found;
            const QRect frame = dialog->frameGeometry();
            if (frame.width() > kScreenWidth || !area.contains(frame))
                found << QStringLiteral("%1 is %2 x %3").arg(what).arg(frame.width()).arg(frame.height());
            for (const QString& fault : OutOfReach(dialog, area))
                found << what + ": " + fault;
            return found;
        });
        if (atLeastSize) {
            dialog->resize(dialog->minimumSize());
            QApplication::processEvents();
            for (const QString& fault : Judged(dialog, [&] { return OutOfReach(dialog, area); }))
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

// The tests above again, in a runner started at a larger font (139 and 144
// dots an inch, Qt's scaling off), in one with Qt's own scaling at 145 % (a
// 1280 x 800 screen is then 883 x 552), and where Xvfb and openbox are
// installed, on an X display whose window manager frames the windows after
// they show. Each runner is its own test, so they run side by side.
struct LargerFont {
    const char* name;
    QStringList environment;
    const char* tests;
    bool framed = false;
};

void PrintTo(const LargerFont& runner, std::ostream* out) { *out << runner.name; }

class WindowSizesAtALargerFont : public ::testing::TestWithParam<LargerFont> {};

TEST_P(WindowSizesAtALargerFont, EveryWindowFitsItsScreen)
{
    const LargerFont& c = GetParam();
    const QString xvfb = QStandardPaths::findExecutable("xvfb-run");
    if (c.framed && (xvfb.isEmpty() || QStandardPaths::findExecutable("openbox").isEmpty()))
        GTEST_SKIP() << "no Xvfb or openbox";
#if defined(__SANITIZE_ADDRESS__)
    // Under the sanitizers every window framed on an X display takes longer
    // than the runner may: the unframed runs above cover those builds.
    if (c.framed)
        GTEST_SKIP() << "framed runs are left to the build without sanitizers";
#endif
    QProcess runner;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& setting : c.environment)
        environment.insert(setting.section('=', 0, 0), setting.section('=', 1));
    if (c.framed) {
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("VANTREL_TEST_PLATFORM", "xcb");
        // The X display brings the desktop's D-Bus library, which keeps a
        // buffer to the end: the leak check of a sanitized build is not ours
        // to pass there.
        environment.insert("ASAN_OPTIONS", environment.value("ASAN_OPTIONS") + ":detect_leaks=0");
    }
    runner.setProcessEnvironment(environment);
    runner.setProcessChannelMode(QProcess::MergedChannels);
    const QStringList arguments{QCoreApplication::applicationFilePath(), QStringLiteral("--gtest_filter=") + c.tests,
                                "--gtest_brief=1"};
    QTemporaryDir scratch;
    if (c.framed) {
        // The tests start once the window manager says it runs (at most 20
        // seconds on a loaded machine), not after a guessed pause.
        environment.insert("VANTREL_WM_READY", scratch.filePath("wm-ready"));
        runner.setProcessEnvironment(environment);
        runner.start(xvfb,
                     QStringList{"-a", "-s", "-screen 0 1280x800x24", "sh", "-c",
                                 "openbox --startup \"touch '$VANTREL_WM_READY'\" >/dev/null 2>&1 &"
                                 " for i in $(seq 200); do [ -e \"$VANTREL_WM_READY\" ] && break; sleep 0.1;"
                                 " done; exec \"$0\" \"$@\""}
                         + arguments);
    } else {
        runner.start(arguments.first(), arguments.mid(1));
    }
    ASSERT_TRUE(runner.waitForFinished(110000));
    const QString output = QString::fromUtf8(runner.readAll());
    EXPECT_EQ(runner.exitCode(), 0) << c.environment.join(' ').toStdString() << "\n" << output.toStdString();
    EXPECT_TRUE(output.contains(" ran.")) << output.toStdString();
}

const QStringList kAt139{"QT_FONT_DPI=139", "QT_ENABLE_HIGHDPI_SCALING=0"};
const QStringList kAt144{"QT_FONT_DPI=144", "QT_ENABLE_HIGHDPI_SCALING=0"};
const QStringList kScaled{"QT_SCALE_FACTOR=1.45"};

INSTANTIATE_TEST_SUITE_P(
    Runners, WindowSizesAtALargerFont,
    ::testing::Values(LargerFont{"At139", kAt139, "WindowSizes.*"}, LargerFont{"At144", kAt144, "WindowSizes.*"},
                      LargerFont{"Scaled145", kScaled, "WindowSizes.TheMainWindowFitsItsScreen"},
                      LargerFont{"FramedAt139", kAt139, "WindowSizes.Every*", true},
                      LargerFont{"FramedAt144", kAt144, "WindowSizes.Every*:WindowSizes.These*", true},
                      LargerFont{"FramedScaled145", kScaled, "WindowSizes.TheMainWindowFitsItsScreen", true}),
    [](const ::testing::TestParamInfo<LargerFont>& info) { return std::string(info.param.name); });

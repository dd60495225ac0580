// The keyboard reaches and leaves every input: Tab leaves a grid, whose cells
// the arrow keys move through; the scroll bars take the focus and follow the
// keys; Return presses the focused button and no other; a window opens with
// the focus on its first input, and Tab follows its layout.
#include "analysis/ui/ACommonNumbers.h"
#include "app/MenuItems.h"
#include "app/WindowCatalog.h"
#include "core/Settings.h"
#include "core/ui/Preferences.h"
#include "databases/ui/CreateDbase.h"
#include "databases/ui/HistoryW.h"
#include "databases/ui/ShowMyDrawsW.h"
#include "databases/ui/StoreMyDrawsW.h"
#include "generators/ui/P1Key.h"
#include "generators/ui/PAverage.h"
#include "generators/ui/PLuckyDip.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Colours.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/Shell.h"
#include "printing/ui/PrintFrm.h"
#include "syndicates/SyndicateFile.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <functional>
#include <memory>
#include <optional>

namespace {
using MakeWindow = std::function<std::unique_ptr<QDialog>()>;

template <class Window>
MakeWindow make()
{
    return [] { return std::make_unique<LoadedWindow<Window>>(); };
}

// A control's name; the part of a control that Qt makes (the text box of a
// date picker) goes by its control's.
QString nameOf(const QWidget* w)
{
    while (w && (w->objectName().isEmpty() || w->objectName().startsWith("qt_")) && w->parentWidget())
        w = w->parentWidget();
    return w ? w->objectName() : QStringLiteral("(none)");
}

// The names of the controls that Tab reaches from the window's focus, in
// order, until it comes back (at most limit presses).
QStringList tabChain(QDialog* dialog, int limit = 80)
{
    QStringList names;
    QWidget* start = dialog->focusWidget();
    for (int i = 0; i < limit && start; ++i) {
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab);
        if (dialog->focusWidget() == start)
            break;
        names << nameOf(dialog->focusWidget());
    }
    return names;
}
} // namespace

class Keyboard : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        writeLines(
            "dbase100.txt",
            DatabaseLines("UK Lotto", "6,49,0,0,1", {"12 Mar 05,1,2,3,4,5,6,7", "05 Mar 05,8,9,10,11,12,13,14"}));
        writeLines("ReVadirav.txt",
                   {"05-Mar-2005,1,2,3,4,5,6,,,UK Lotto,Ann,dbase100.txt",
                    "12-Mar-2005,7,8,9,10,11,12,,,UK Lotto,Bob,dbase100.txt"});
    }
};

TEST_F(Keyboard, TabLeavesAGridWhoseCellsTheArrowsMoveThrough)
{
    const std::pair<const char*, MakeWindow> windows[] = {
        {"lucky dip", make<PLuckyDip>()}, {"saved entries", make<ShowMyDrawsW>()}, {"draws", make<HistoryW>()}};
    for (const auto& [what, makeWindow] : windows) {
        SCOPED_TRACE(what);
        const std::unique_ptr<QDialog> window = makeWindow();
        OpenAndLook(window.get(), [&] {
            auto* grid = window->findChild<FlexGrid*>("MSFlexGrid1");
            ASSERT_NE(grid, nullptr);
            grid->setFocus();
            QTest::keyClick(grid, Qt::Key_Down);
            QTest::keyClick(grid, Qt::Key_Down);
            const int row = grid->Row();
            QTest::keyClick(grid, Qt::Key_Up);
            EXPECT_EQ(grid->Row(), row - 1);
            const std::pair<Qt::Key, Qt::KeyboardModifiers> ways[] = {{Qt::Key_Tab, Qt::NoModifier},
                                                                      {Qt::Key_Backtab, Qt::ShiftModifier},
                                                                      {Qt::Key_Tab, Qt::ControlModifier}};
            for (const auto& [key, modifiers] : ways) {
                grid->setFocus();
                QTest::keyClick(grid, key, modifiers);
                EXPECT_NE(window->focusWidget(), grid) << key << " " << modifiers;
                EXPECT_EQ(grid->Row(), row - 1);
            }
        });
    }
}

TEST_F(Keyboard, ScrollBarsAreReachedByTabAndFollowTheKeys)
{
    struct Case {
        const char* what;
        MakeWindow makeWindow;
        std::vector<std::pair<const char*, const char*>> bars; // bar, the label showing its value
    };
    const Case cases[] = {
        {"lucky dip", make<PLuckyDip>(), {{"HScroll1", "Label4"}}},
        {"average numbers", make<PAverage>(), {{"HScroll1", "Label8"}}},
        {"one key number", make<P1Key>(), {{"HScroll1", "Label8"}}},
        {"create database",
         [] {
             auto window = std::make_unique<LoadedWindow<CreateDbase>>();
             window->Option1[1]->click(); // the extra ball's bar in use
             return window;
         },
         {{"HScroll1", "Label2"}, {"HScroll2", "Label6"}, {"HScroll3", "Label8"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::unique_ptr<QDialog> window = c.makeWindow();
        OpenAndLook(window.get(), [&] {
            const QStringList chain = tabChain(window.get());
            for (const auto& [barName, labelName] : c.bars) {
                SCOPED_TRACE(barName);
                auto* bar = window->findChild<QScrollBar*>(barName);
                auto* label = window->findChild<QLabel*>(labelName);
                ASSERT_TRUE(bar && label);
                EXPECT_TRUE(chain.contains(barName)) << chain.join(" ").toStdString();
                bar->setValue(bar->minimum() + 1);
                bar->setFocus();
                const int value = bar->value();
                QTest::keyClick(bar, Qt::Key_Right);
                EXPECT_EQ(bar->value(), value + 1);
                EXPECT_EQ(label->text(), QString::number(value + 1));
                QTest::keyClick(bar, Qt::Key_Left);
                QTest::keyClick(bar, Qt::Key_Left);
                EXPECT_EQ(label->text(), QString::number(value - 1));
                QTest::keyClick(bar, Qt::Key_PageDown);
                EXPECT_EQ(label->text(), QString::number(std::min(value - 1 + bar->pageStep(), bar->maximum())));
            }
        });
    }
}

TEST_F(Keyboard, ReturnPressesTheFocusedButtonOrSampleAndNoOther)
{
    struct Case {
        const char* what;
        MakeWindow makeWindow;
        const char* focused;
        Qt::Key key;
        const char* pressed; // nullptr: no button; "colour": the colour dialog
    };
    const Case cases[] = {
        {"store entries: delete row", make<StoreMyDrawsW>(), "Command4", Qt::Key_Return, "Command4"},
        {"store entries: name box", make<StoreMyDrawsW>(), "TextPName", Qt::Key_Return, nullptr},
        {"store entries: number box", make<StoreMyDrawsW>(), "Text1_1", Qt::Key_Enter, nullptr},
        {"preferences: reset colours", make<Preferences>(), "Command9", Qt::Key_Enter, "Command9"},
        {"preferences: web link", make<Preferences>(), "Text1_0", Qt::Key_Return, nullptr},
        {"preferences: colour sample", make<Preferences>(), "Label6", Qt::Key_Return, "colour"},
        {"preferences: background sample", make<Preferences>(), "Label8", Qt::Key_Space, "colour"},
        {"lucky dip: generate", make<PLuckyDip>(), "Command2", Qt::Key_Return, "Command2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::unique_ptr<QDialog> window = c.makeWindow();
        OpenAndLook(window.get(), [&] {
            auto* focused = window->findChild<QWidget*>(c.focused);
            ASSERT_NE(focused, nullptr);
            focused->setFocus();
            QStringList pressed;
            SetColourDialogHook([&pressed](const QColor&) {
                pressed << "colour";
                return std::optional<QColor>();
            });
            for (QPushButton* button : window->findChildren<QPushButton*>())
                QObject::connect(button, &QPushButton::clicked, window.get(),
                                 [&pressed, button] { pressed << button->objectName(); });
            QTest::keyClick(focused, c.key, c.key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
            EXPECT_EQ(pressed, c.pressed ? QStringList{c.pressed} : QStringList());
        });
    }
}

TEST_F(Keyboard, EveryWindowOpensWithTheFocusOnAnInput)
{
    writeChosenSyndicate();
    LoadSyndicate();
    SetMsgBoxHook([](const MsgBoxCall& box) { return box.buttons() == vbYesNo ? int(vbNo) : int(vbOK); });
    SetShellHook([](const QUrl&) { return true; });
    QStringList faults;
    int opened = 0;
    SetModalHook([&](QDialog* dialog) {
        dialog->show();
        QApplication::processEvents();
        ++opened;
        QWidget* focused = dialog->focusWidget();
        const auto isInput = [dialog](const QWidget* w) {
            return w->window() == dialog && (w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled()
                && !qobject_cast<const QPushButton*>(w);
        };
        const QList<QWidget*> controls = dialog->findChildren<QWidget*>();
        const bool hasInput = std::any_of(controls.begin(), controls.end(), isInput);
        if (hasInput && (!focused || qobject_cast<QPushButton*>(focused)))
            faults << QStringLiteral("%1 on %2").arg(dialog->metaObject()->className(), nameOf(focused));
        dialog->hide();
        if (auto* options = qobject_cast<PrintFrm*>(dialog))
            options->Command1->click();
        return int(QDialog::Rejected);
    });
    RegisterAllWindows();
    for (int i = 0; i < kMenuItemCount; ++i) {
        if (HasWindow(MenuItem(i)))
            OpenWindow(MenuItem(i), nullptr);
    }
    EXPECT_GE(opened, 30);
    EXPECT_EQ(faults.join("; ").toStdString(), "");
}

TEST_F(Keyboard, TabFollowsTheLayoutFromTheFirstInput)
{
    struct Case {
        const char* what;
        MakeWindow makeWindow;
        QStringList order; // from the control that has the focus when the window opens
    };
    const Case cases[] = {
        {"store entries",
         make<StoreMyDrawsW>(),
         {"DTPicker1", "Text1_1", "Text1_2", "Text1_3", "Text1_4", "Text1_5", "Text1_6", "List1", "TextPName",
          "Command2", "MSFlexGrid1", "Command4", "Command5", "Command6", "Command3", "Command1"}},
        {"lucky dip",
         make<PLuckyDip>(),
         {"List1", "HScroll1", "MSFlexGrid1", "Check1", "Check2", "Check3", "Command13", "Command14", "Command15",
          "Command9", "Command3", "Command2", "Command6", "Command7", "Command8", "Command1"}},
        {"common numbers",
         make<ACommonNumbers>(),
         {"List1", "Option1_0", "ChartView", "ChartView", "Command6", "Command1"}},
        {"preferences",
         make<Preferences>(),
         {"Check1",    "Command9",  "Label5",    "Label6",    "Label8",   "Label7",  "Label9",  "Check4",  "Option1_0",
          "Option2_0", "Option3_0", "Option4_0", "Text1_0",   "Text2_0",  "Text1_1", "Text2_1", "Text1_2", "Text2_2",
          "Text1_3",   "Text2_3",   "Text1_4",   "Text2_4",   "Text1_5",  "Text2_5", "Text1_6", "Text2_6", "Text1_7",
          "Text2_7",   "Text1_8",   "Text2_8",   "Command12", "Command7", "Command1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::unique_ptr<QDialog> window = c.makeWindow();
        OpenAndLook(window.get(), [&] {
            const QStringList order = QStringList{nameOf(window->focusWidget())} + tabChain(window.get());
            EXPECT_EQ(order.join(" ").toStdString(), c.order.join(" ").toStdString());
        });
    }
}

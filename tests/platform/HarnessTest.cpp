// The strict harness every test runs under: what a test did not expect fails
// it, nothing waits for a player, and what a test changed is put back. The
// failures are caught here instead of failing these tests.

#include "core/Settings.h"
#include "generators/RetryLoop.h"
#include "platform/Dates.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/Printer.h"
#include "platform/ui/Shell.h"
#include "support/Harness.h"

#include <QDir>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
// The messages of the failures `act` reports, caught rather than reported.
std::vector<std::string> FailuresOf(const std::function<void()>& act)
{
    ::testing::TestPartResultArray results;
    {
        ::testing::ScopedFakeTestPartResultReporter catcher(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
        act();
    }
    std::vector<std::string> messages;
    for (int i = 0; i < results.size(); ++i) {
        EXPECT_TRUE(results.GetTestPartResult(i).nonfatally_failed());
        messages.push_back(results.GetTestPartResult(i).message());
    }
    return messages;
}

bool Says(const std::string& message, const std::string& part) { return message.find(part) != std::string::npos; }
} // namespace

TEST(StrictHarness, AnUnexpectedMessageBoxFailsTheTestAndIsAnsweredAsClosingIt)
{
    int pressed = 0;
    auto failures =
        FailuresOf([&] { pressed = MsgBox("Delete every entry?", vbYesNo + vbQuestion, "Please confirm"); });
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_TRUE(Says(failures[0], "Please confirm")) << failures[0];
    EXPECT_TRUE(Says(failures[0], "Delete every entry?")) << failures[0];
    EXPECT_EQ(pressed, vbNo);

    const std::pair<int, int> closed[] = {{vbOKOnly, vbOK},
                                          {vbOKCancel, vbCancel},
                                          {vbAbortRetryIgnore, vbAbort},
                                          {vbYesNoCancel, vbCancel},
                                          {vbYesNo + vbDefaultButton2, vbNo},
                                          {vbRetryCancel + vbCritical, vbCancel}};
    for (auto [style, answer] : closed) {
        EXPECT_EQ(FailuresOf([&] { pressed = MsgBox("Text", style); }).size(), 1u) << style;
        EXPECT_EQ(pressed, answer) << style;
    }
    EXPECT_EQ(Harness::Boxes().size(), 7u); // recorded all the same
}

TEST(StrictHarness, ExpectedBoxesAreAnsweredInOrder)
{
    Harness::ExpectBox(vbYes);
    Harness::ExpectBox(vbCancel);
    int first = 0, second = 0;
    EXPECT_TRUE(FailuresOf([&] {
                    first = MsgBox("First", vbYesNo);
                    second = MsgBox("Second", vbOKCancel, "Title");
                }).empty());
    EXPECT_EQ(first, vbYes);
    EXPECT_EQ(second, vbCancel);
    ASSERT_EQ(Harness::Boxes().size(), 2u);
    EXPECT_EQ(Harness::Boxes()[1].title, "Title");
    EXPECT_EQ(Harness::LastBoxText(), "Second");
}

TEST(StrictHarness, ABoxThatNeverCameFailsTheTestInsteadOfEndingTheRunner)
{
    Harness::ExpectBox(vbOK);
    MsgBox("Only one", vbOKOnly, "Shown");
    for (int place : {1, -2}) {
        QString text = "unread";
        auto failures = FailuresOf([&] { text = Harness::BoxAt(place).text; });
        ASSERT_EQ(failures.size(), 1u) << place;
        EXPECT_TRUE(Says(failures[0], "\"Only one\" (Shown)")) << failures[0];
        EXPECT_EQ(text, "") << place;
    }
    EXPECT_EQ(Harness::BoxAt(-1).title, "Shown");
}

TEST(StrictHarness, AnUnexpectedModalWindowFailsTheTestWithoutWaiting)
{
    QInputDialog dialog;
    dialog.setObjectName("AmountBox");
    dialog.setWindowTitle("How many lines?");
    // Were the window really shown, this closes it, so the test fails rather
    // than hangs.
    QTimer::singleShot(2000, &dialog, &QDialog::reject);
    QElapsedTimer clock;
    clock.start();
    int result = -1;
    auto failures = FailuresOf([&] { result = ShowModal(&dialog); });
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_TRUE(Says(failures[0], "QInputDialog")) << failures[0];
    EXPECT_TRUE(Says(failures[0], "AmountBox")) << failures[0];
    EXPECT_TRUE(Says(failures[0], "How many lines?")) << failures[0];
}

TEST(StrictHarness, AnExpectedBoxThatNeverCameFailsTheTest)
{
    Harness::ExpectBox(vbYes);
    Harness::ExpectBox(vbNo);
    Harness::ExpectBox(vbRetry);
    EXPECT_EQ(MsgBox("Only one", vbYesNo), vbYes);
    // The check that runs after every test, run here under the catcher.
    auto failures = FailuresOf(Harness::CheckAnswersUsed);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_TRUE(Says(failures[0], "2 expected")) << failures[0];
    EXPECT_TRUE(Says(failures[0], "No, Retry")) << failures[0];
    // They are forgotten once reported.
    EXPECT_TRUE(FailuresOf(Harness::CheckAnswersUsed).empty());
}

TEST(StrictHarness, TheDesktopIsNeverReachedUnexpectedly)
{
    bool opened = true;
    auto failures = FailuresOf([&] { opened = OpenWebAddress("https://example.org/results") == ShellResult::Opened; });
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_TRUE(Says(failures[0], "https://example.org/results")) << failures[0];
    EXPECT_FALSE(opened);

    // A printout with no file chosen by the test asks nobody and writes nothing.
    Printer().Reset();
    Printer().SelectPrinter(Printer().PrinterCount() - 1);
    bool printed = true;
    failures = FailuresOf([&] {
        Printer().PrintText("lost");
        printed = Printer().EndDoc();
    });
    Printer().Reset();
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_TRUE(Says(failures[0], "PDF")) << failures[0];
    EXPECT_FALSE(printed);
}

TEST(StrictHarness, WhatATestChangedLastsUntilItEnds)
{
    int driven = 0;
    SetModalHook([&driven](QDialog*) {
        ++driven;
        return int(QDialog::Accepted);
    });
    QDialog dialog;
    EXPECT_EQ(ShowModal(&dialog), QDialog::Accepted);
    SetClockForTests(QDateTime(QDate(2005, 3, 5), QTime(12, 0)));
    SetMonotonicClockForTests([] { return -1.0; });
    Settings.set(PlayerName, "Ann");
    const QString folder = QDir::currentPath();
    QTemporaryDir elsewhere;
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));

    // What runs between two tests.
    Harness::EndTest();
    Harness::BeginTest();
    EXPECT_EQ(FailuresOf([&] { ShowModal(&dialog); }).size(), 1u);
    EXPECT_EQ(driven, 1);
    EXPECT_NE(Today(), QDate(2005, 3, 5));
    EXPECT_GE(MonotonicSeconds(), 0.0);
    EXPECT_EQ(Settings[PlayerName], "");
    EXPECT_EQ(QDir::currentPath(), folder);
}

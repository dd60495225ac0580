// Titles as the desktop shows them. Only a real display composes the title it
// shows (the X window's _NET_WM_NAME), so the test runs itself once more on
// the X platform under xvfb-run, with the program's application set-up, and
// reads the titles back with xprop.

#include "app/Application.h"
#include "platform/ui/MsgBox.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

namespace {
constexpr const char* kOnDisplay = "VANTREL_TITLES_ON_DISPLAY";

// The title the desktop shows for the window.
QString DesktopTitle(QWidget* window)
{
    for (int tries = 0; tries < 50; ++tries) {
        QCoreApplication::processEvents();
        QProcess xprop;
        xprop.start(QStringLiteral("xprop"),
                    {QStringLiteral("-id"), QString::number(window->winId()), QStringLiteral("_NET_WM_NAME")});
        xprop.waitForFinished(10000);
        const QString out = QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
        const qsizetype quote = out.indexOf(QStringLiteral(" = \""));
        if (quote >= 0 && out.endsWith(QLatin1Char('"')))
            return out.mid(quote + 4).chopped(1);
        QTest::qWait(20);
    }
    return QStringLiteral("(no title)");
}

// The title as the window, its platform window and the desktop know it.
void ExpectTitle(QWidget* window, const QString& title)
{
    EXPECT_EQ(window->windowTitle().toStdString(), title.toStdString());
    ASSERT_TRUE(window->windowHandle());
    EXPECT_EQ(window->windowHandle()->title().toStdString(), title.toStdString());
    EXPECT_EQ(DesktopTitle(window).toStdString(), title.toStdString());
}

// Checks the message box once it is on screen, then closes it.
void WhenBoxShown(const QString& title)
{
    QTimer::singleShot(0, [title] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                ExpectTitle(box, title);
                box->reject();
                return;
            }
        }
        ADD_FAILURE() << "no message box shown";
    });
}
} // namespace

TEST(WindowTitles, WindowsAndMessageBoxesShowExactlyTheTitleTheProgramGives)
{
    if (!qEnvironmentVariableIsSet(kOnDisplay)) {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
        if (xvfb.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("xprop")).isEmpty())
            GTEST_SKIP() << "needs xvfb-run and xprop";
        QProcess run;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(kOnDisplay, QStringLiteral("1"));
        // The X libraries keep their caches until the process ends.
        env.insert(QStringLiteral("ASAN_OPTIONS"),
                   env.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":detect_leaks=0"));
        run.setProcessEnvironment(env);
        run.setProcessChannelMode(QProcess::MergedChannels);
        run.start(xvfb,
                  {QStringLiteral("-a"), QStringLiteral("-s"), QStringLiteral("-screen 0 1280x800x24"),
                   QCoreApplication::applicationFilePath(), QStringLiteral("-platform"), QStringLiteral("xcb"),
                   QStringLiteral("--gtest_filter=WindowTitles.*")});
        ASSERT_TRUE(run.waitForFinished(90000));
        const QString out = QString::fromUtf8(run.readAll());
        EXPECT_EQ(run.exitCode(), 0) << out.toStdString();
        EXPECT_TRUE(out.contains(QStringLiteral("[  PASSED  ] 1 test"))) << out.toStdString();
        return;
    }

    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    SetUpApplication();
    QDialog window;
    window.setWindowTitle(QStringLiteral("Lottery Draws History"));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ExpectTitle(&window, QStringLiteral("Lottery Draws History"));

    // Real boxes, not the harness's.
    SetMsgBoxHook({});
    for (const QString& title : {QStringLiteral("Warning!"), QStringLiteral("Error")}) {
        WhenBoxShown(title);
        MsgBox(QStringLiteral("Text    "), vbExclamation, title);
    }
    // A box without a title of its own shows the program's.
    WhenBoxShown(QStringLiteral("Vantrel"));
    MsgBox(QStringLiteral("Your entries have been saved.  "), vbInformation);
}

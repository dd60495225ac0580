// Windows shown through ShowModal keep inside their screen's available area
// when they grow, and none grows past it.
#include "platform/ui/MsgBox.h"
#include "platform/ui/ScreenFit.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {
QRect Area() { return QApplication::primaryScreen()->availableGeometry(); }

// A window with a wide part that shows later, as a colour key does.
struct GrowingWindow {
    QDialog dialog;
    QLabel* key = new QLabel("key", &dialog);
    GrowingWindow()
    {
        auto* layout = new QVBoxLayout(&dialog);
        auto* body = new QLabel("body", &dialog);
        body->setMinimumWidth(400);
        layout->addWidget(body);
        key->setMinimumWidth(Area().width() / 2 + 100);
        key->hide();
        layout->addWidget(key);
    }
};
} // namespace

TEST(ScreenFit, AWindowThatGrowsMovesBackInsideTheScreen)
{
    GrowingWindow w;
    QRect before, after, moved;
    SetModalHook([&](QDialog* dialog) {
        dialog->show();
        QApplication::processEvents();
        dialog->move(Area().right() - dialog->frameGeometry().width() - 10, Area().top() + 20);
        QApplication::processEvents();
        before = dialog->frameGeometry();
        w.key->show();
        QApplication::processEvents();
        after = dialog->frameGeometry();
        // A window that still fits stays where the player put it.
        dialog->move(Area().left() + 5, Area().top() + 30);
        dialog->resize(dialog->width() + 10, dialog->height());
        QApplication::processEvents();
        moved = dialog->frameGeometry();
        dialog->hide();
        return int(QDialog::Rejected);
    });
    ShowModal(&w.dialog);
    SetModalHook({});
    ASSERT_TRUE(Area().contains(before));
    EXPECT_GT(after.width(), before.width());
    EXPECT_TRUE(Area().contains(after)) << after.x() << "," << after.y() << " " << after.width() << " x "
                                        << after.height();
    EXPECT_EQ(after.right(), Area().right()); // moved no further than it had to
    EXPECT_EQ(after.top(), before.top());
    EXPECT_EQ(moved.topLeft(), QPoint(Area().left() + 5, Area().top() + 30));
}

TEST(ScreenFit, NoWindowGrowsPastTheScreen)
{
    QDialog dialog;
    dialog.resize(300, 200);
    KeepOnScreen(&dialog);
    dialog.show();
    QApplication::processEvents();
    dialog.resize(Area().width() + 400, Area().height() + 300);
    QApplication::processEvents();
    EXPECT_TRUE(Area().contains(dialog.frameGeometry()))
        << dialog.frameGeometry().width() << " x " << dialog.frameGeometry().height();

    // A window whose least size is wider than the screen shows its left edge.
    dialog.setMinimumWidth(Area().width() + 200);
    QApplication::processEvents();
    EXPECT_EQ(dialog.frameGeometry().left(), Area().left());
    EXPECT_GE(dialog.frameGeometry().top(), Area().top());
}

#include "platform/ui/ScreenFit.h"

#include <QEvent>
#include <QLayout>
#include <QScreen>
#include <QTimer>
#include <QtMath>
#include <QWidget>
#include <algorithm>

namespace {
// Watches one window's showing and resizing.
class ScreenKeeper : public QObject {
public:
    explicit ScreenKeeper(QWidget* window) : QObject(window), window_(window)
    {
        setObjectName(kName);
        window->installEventFilter(this);
    }
    static constexpr const char* kName = "ScreenKeeper";

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != window_)
            return false;
        if (event->type() == QEvent::Show) {
            HoldRoomForWrappedTexts(window_);
            // Qt gives a window whose size nobody set at most two thirds of
            // the screen; it opens at the size its content asks for instead.
            // (This runs before the dialog centres itself over its parent.)
            if (!window_->testAttribute(Qt::WA_Resized))
                OpenAtContentSize(window_);
            MakeRoomForWrappedTexts(window_);
            // A dialog takes its place (centred over its parent) only once
            // it shows: fit it after that.
            QTimer::singleShot(0, this, [this] { fit(); });
        } else if (event->type() == QEvent::Resize && window_->isVisible()) {
            fit();
        } else if (event->type() == QEvent::Move && window_->isVisible() && frame() != fittedFrame_) {
            // The window manager framed the window after it was fitted (a
            // title bar the fit could not count yet): fit it again. A move
            // by the player keeps the frame and leaves the window where it
            // was put.
            fit();
        }
        return false;
    }

private:
    void fit()
    {
        if (fitting_)
            return;
        fitting_ = true;
        fittedFrame_ = frame();
        HoldRoomForWrappedTexts(window_);
        FitOnScreen(window_);
        fitting_ = false;
    }
    QSize frame() const { return window_->frameGeometry().size() - window_->size(); }

    QWidget* window_;
    QSize fittedFrame_;    // the frame the last fit counted
    bool fitting_ = false; // the fit itself resizes and moves the window
};
} // namespace

void FitOnScreen(QWidget* window)
{
    if (!window || !window->isWindow() || !window->isVisible())
        return;
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // The frame (title bar and borders) counts against the area too. On a
    // screen scaled by a fraction its edges are rounded to whole points, up
    // to half a point each: a point is kept spare for them.
    const qreal scale = window->devicePixelRatio();
    const int rounding = scale == qFloor(scale) ? 0 : 1;
    const QSize frame = window->frameGeometry().size() - window->size() + QSize(rounding, rounding);
    const QSize room = area.size() - frame;
    if (window->width() > room.width() || window->height() > room.height())
        window->resize(std::min(window->width(), room.width()), std::min(window->height(), room.height()));

    const QRect outer = window->frameGeometry();
    int x = outer.x();
    int y = outer.y();
    // Right and bottom edges first, so a window wider than the area still
    // shows its top left corner.
    x = std::max(std::min(x, area.right() + 1 - outer.width()), area.left());
    y = std::max(std::min(y, area.bottom() + 1 - outer.height()), area.top());
    if (x != outer.x() || y != outer.y())
        window->move(x, y);
}

void OpenAtContentSize(QWidget* window)
{
    if (!window || !window->isWindow())
        return;
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    QSize want = window->sizeHint();
    if (const QLayout* layout = window->layout(); layout && layout->hasHeightForWidth())
        want.setHeight(layout->totalHeightForWidth(want.width()));
    // The frame is known once the window has been shown; until then the fit
    // that follows the show takes it off.
    const QSize frame = window->isVisible() ? window->frameGeometry().size() - window->size() : QSize();
    want = want.boundedTo(screen->availableGeometry().size() - frame)
               .expandedTo(window->size())
               .expandedTo(window->minimumSize())
               .boundedTo(window->maximumSize());
    if (want != window->size())
        window->resize(want);
}

void MakeRoomForWrappedTexts(QWidget* window)
{
    if (!window || !window->isWindow())
        return;
    const QLayout* layout = window->layout();
    const QScreen* screen = window->screen();
    if (!layout || !screen || !layout->hasHeightForWidth())
        return;
    const int need = layout->minimumHeightForWidth(window->width());
    const QSize frame = window->isVisible() ? window->frameGeometry().size() - window->size() : QSize();
    const int room = screen->availableGeometry().height() - frame.height();
    const int height = std::min(std::max(window->height(), need), std::max(room, window->height()));
    if (height != window->height())
        window->resize(window->width(), height);
}

void HoldRoomForWrappedTexts(QWidget* window)
{
    if (!window || !window->isWindow())
        return;
    QLayout* layout = window->layout();
    const QScreen* screen = window->screen();
    if (!layout || !screen)
        return;
    // The layout's least size leaves the wrapped texts out; below the height
    // they need the layout squeezes its parts under their least sizes, and
    // those that refuse (a grid's rows) lie over their neighbours. The width
    // is never below its least, where the texts wrap into most lines.
    // A least size set by hand below what the layout needs is raised too.
    // Each call starts again from the least size the window had before the
    // first (or set itself since), so a frame that shows up later (a title
    // bar) may lower what was held.
    constexpr const char* kOwnLeast = "leastSizeBeforeHeld";
    constexpr const char* kHeldLeast = "leastSizeHeld";
    if (!window->property(kOwnLeast).isValid() || window->property(kHeldLeast).toSize() != window->minimumSize())
        window->setProperty(kOwnLeast, window->minimumSize());
    const QSize own = window->property(kOwnLeast).toSize();
    layout->activate();
    const QSize frame = window->isVisible() ? window->frameGeometry().size() - window->size() : QSize();
    const QSize room = screen->availableGeometry().size() - frame;
    int width = std::min(std::max(layout->totalMinimumSize().width(), own.width()), room.width());
    auto needAt = [layout](int w) {
        return std::max(layout->totalMinimumSize().height(), layout->totalMinimumHeightForWidth(w));
    };
    // The least height leaves room for a taskbar. Texts wrapped into so many
    // lines that they would take that room get a wider least width instead:
    // the narrowest at which they fit, as far as the screen reaches across.
    const int tall = room.height() - screen->availableGeometry().height() / 20;
    if (layout->hasHeightForWidth() && needAt(width) > tall && needAt(room.width()) < needAt(width)) {
        int narrow = width;
        int wide = room.width();
        while (wide - narrow > 1) {
            const int mid = (narrow + wide) / 2;
            (needAt(mid) > tall ? narrow : wide) = mid;
        }
        width = wide;
    }
    const int height = std::max(std::min(needAt(width), tall), own.height());
    window->setProperty(kHeldLeast, QSize(width, height));
    if (QSize(width, height) != window->minimumSize())
        window->setMinimumSize(width, height);
}

void KeepOnScreen(QWidget* window)
{
    if (!window || window->findChild<QObject*>(ScreenKeeper::kName, Qt::FindDirectChildrenOnly))
        return;
    new ScreenKeeper(window);
}

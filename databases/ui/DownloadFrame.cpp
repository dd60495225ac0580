#include "databases/ui/DownloadFrame.h"

#include "databases/ResultDownloads.h"
#include "databases/ui/DrawEntry.h"
#include "platform/ui/Controls.h"
#include "platform/ui/MsgBox.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <limits>

const QString kDownloadNotice = QStringLiteral(
    "This is a free service for the general public provided by the lottery organiser. It is not under our "
    "control and could be changed or discontinued. However, we have found it to be reliable and useful. The "
    "latest results are not always immediately available, so try again later if there are problems. Security "
    "software can block this feature!");

DownloadFrame::DownloadFrame(QWidget* parent, const QString& name, const QString& title) : LoadOnce(parent)
{
    Label5 = StartWindow(this, name, "Update lottery databases", "Label5", title);
    Label1 = NamedLabel(this, "Label1", "1. Connect to the Internet in the usual way.");
    Label3 = NamedLabel(this, "Label3", QString());
    Label4 = BodyText(this, "Label4", kDownloadNotice);

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName("SSTab1");
    List2 = new QListWidget(this);
    List2->setObjectName("List2");
    const QFontMetrics metrics = List2->fontMetrics();
    List2->setMinimumSize(metrics.horizontalAdvance(QStringLiteral("0")) * 72, metrics.height() * 9);
    OKButton = NamedButton(this, "OKButton", QString());
    CancelButton = NamedButton(this, "CancelButton", " Close ");

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(100);

    connect(Timer1, &QTimer::timeout, this, &DownloadFrame::Timer1_Timer);
    connect(CancelButton, &QPushButton::clicked, this, &DownloadFrame::CancelButton_Click);
    // The tab stays where the run began until the run ends.
    connect(SSTab1, &QTabWidget::currentChanged, this, [this](int index) {
        if (running_ && index != runTab_)
            SSTab1->setCurrentIndex(runTab_);
    });
}

DownloadFrame::~DownloadFrame() = default;

void DownloadFrame::Timer1_Timer()
{
    if (Tenths < std::numeric_limits<int>::max())
        ++Tenths;
}

void DownloadFrame::CancelButton_Click() { close(); }

void DownloadFrame::StartRun(const QList<QWidget*>& held)
{
    running_ = true;
    runTab_ = SSTab1->currentIndex();
    closeAfterRun_ = false;
    stop_ = std::make_unique<FetchStop>();
    hourglass_ = std::make_unique<Hourglass>();
    Tenths = 0;
    Timer1->start();
    OKButton->setEnabled(false);
    SSTab1->tabBar()->setEnabled(false);
    held_ = held;
    for (QWidget* w : held_)
        w->setEnabled(false);
}

void DownloadFrame::EndRun()
{
    AddTimedLine(Stopped() ? "Stopped..." : "Finished...");
    Timer1->stop();
    SSTab1->tabBar()->setEnabled(true);
    for (QWidget* w : held_)
        w->setEnabled(true);
    held_.clear();
    hourglass_.reset();
    running_ = false;
    if (closeAfterRun_) {
        closeAfterRun_ = false;
        QDialog::reject();
    }
}

bool DownloadFrame::Stopped() const { return stop_ && stop_->requested(); }

void DownloadFrame::StopAndClose()
{
    closeAfterRun_ = true;
    if (stop_)
        stop_->stop();
}

void DownloadFrame::AddTimedLine(const QString& text)
{
    List2->addItem(TimedLine(text, Tenths));
    List2->setCurrentRow(List2->count() - 1);
    List2->scrollToBottom();
}

void DownloadFrame::AddLine(const QString& text)
{
    List2->addItem(text);
    List2->scrollToBottom();
}

FetchResult DownloadFrame::FetchAddress(const QString& address)
{
    return Fetch(address, FetchTimeoutMs, running_ ? stop_.get() : nullptr);
}

bool DownloadFrame::MayReplace(const QString& file, const QString& lottery, int downloaded)
{
    const int stored = StoredDrawCount(file);
    if (stored < 0 && QFileInfo(file).exists()) {
        // What it holds is unknown, so it is not ours to replace.
        AddLine(QStringLiteral("Not updated: your database %1 could not be read, so it was kept.").arg(file));
        return false;
    }
    if (downloaded >= stored)
        return true;
    // Enter keeps the database.
    if (MsgBox(QStringLiteral("The downloaded file holds %1 draws, your database %2. Replace it?")
                   .arg(downloaded)
                   .arg(stored),
               vbYesNo + vbQuestion + vbDefaultButton2, lottery)
        == vbYes)
        return true;
    AddLine(QStringLiteral("Not updated: your database of %1 draws was kept.").arg(stored));
    return false;
}

void DownloadFrame::LetEventsRun() { QApplication::processEvents(); }

void DownloadFrame::FitToScreen()
{
    // The notice wraps, so the height the window needs depends on its width;
    // the desktop's own first sizing of such a window may leave it short.
    QSize size = sizeHint();
    if (layout() && layout()->hasHeightForWidth())
        size.setHeight(std::max(size.height(), layout()->totalHeightForWidth(size.width())));
    if (const QScreen* s = screen())
        size = size.boundedTo(s->availableGeometry().size());
    resize(size);
}

void DownloadFrame::SaveAddresses(const QString& question, const QList<std::pair<SettingsItem, QLineEdit*>>& boxes)
{
    if (running_)
        return;
    if (MsgBox(question, vbYesNo + vbQuestion, "Update URLs") != vbYes)
        return;
    for (const auto& [item, box] : boxes)
        Settings.set(item, box->text().trimmed());
    if (QString why; SaveSettings(&why))
        MsgBox("URLs updated.    ", vbInformation, "Saved");
    else
        MsgBox("The settings were not saved: " + why + ".    \r\n"
                   + "The new URLs are used now, but they are not saved yet.    ",
               vbExclamation, "Error");
}

void DownloadFrame::closeEvent(QCloseEvent* event)
{
    if (running_) {
        event->ignore();
        StopAndClose();
    } else {
        QDialog::closeEvent(event);
    }
}

void DownloadFrame::reject()
{
    if (running_)
        StopAndClose();
    else
        QDialog::reject();
}

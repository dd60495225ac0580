#pragma once
// What the two result-download windows share: the tab strip, the progress
// log with its timed lines, the 100 ms timer that counts the tenths of a
// second of a run, the fetch, the Close button, and the saving of the
// address boxes.
//
// While a run goes on its tab cannot change; the fetch waits in a local
// event loop, so the window repaints and the time goes on counting meanwhile.
// Close (the button, Escape or the window's own close) stops a run: the fetch
// under way is abandoned, nothing more is written, and the window closes when
// the run has ended.

#include "core/Settings.h"
#include "core/ui/LoadOnce.h"
#include "core/ui/Skinning.h"
#include "platform/Fetch.h"

#include <QDialog>
#include <QList>
#include <memory>
#include <utility>

class Hourglass;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTimer;

class DownloadFrame : public LoadOnce<QDialog> {
    Q_OBJECT
public:
    ~DownloadFrame() override;

    QTabWidget* SSTab1;
    QListWidget* List2; // the progress log
    QPushButton* OKButton;
    QPushButton* CancelButton;
    QTimer* Timer1;
    // Tenths of a second since the run began (ticks of Timer1 handled).
    int Tenths = 0;
    // How long a fetch may go without receiving a byte; tests make it short.
    int FetchTimeoutMs = kFetchTimeoutMs;

    bool running() const { return running_; }
    void Timer1_Timer();
    void CancelButton_Click();
    // Escape stops a run, and closes the window once it has ended.
    void reject() override;

protected:
    DownloadFrame(QWidget* parent, const QString& name, const QString& title);

    QLabel* Label1;
    QLabel* Label3;
    QLabel* Label4; // the notice
    QLabel* Label5; // the title

    // Starts a run: hourglass, Tenths 0, the timer on, the tab and the given
    // controls held; Close now stops the run.
    void StartRun(const QList<QWidget*>& held);
    // Ends a run with its last line ("Finished...", or "Stopped..." when the
    // player stopped it), and closes the window when that was asked for.
    void EndRun();
    // True once the player has stopped the run: nothing more is fetched or
    // written.
    bool Stopped() const;
    // A progress line with the run's time, selected so that it is in view.
    void AddTimedLine(const QString& text);
    // A progress line without a time; the selection stays where it was.
    void AddLine(const QString& text);
    FetchResult FetchAddress(const QString& address);
    // True when the draws read may replace the database file: never when
    // the file is there but cannot be read; always when they are no fewer
    // than the file holds; otherwise when the player says so (No is the
    // default). Kept files are logged.
    bool MayReplace(const QString& file, const QString& lottery, int downloaded);
    // Lets the window's events run, as the steps of a download do.
    static void LetEventsRun();
    // Sizes the window to show its wrapped notice whole, within the screen.
    void FitToScreen();

    // Asks the question, then stores the boxes' texts (blanks trimmed) in
    // their items and writes the settings file, saying whether it was.
    void SaveAddresses(const QString& question, const QList<std::pair<SettingsItem, QLineEdit*>>& boxes);

    void closeEvent(QCloseEvent* event) override;

private:
    // Stops the run under way and closes the window once it has ended.
    void StopAndClose();

    bool running_ = false;
    bool closeAfterRun_ = false;
    std::unique_ptr<FetchStop> stop_;
    int runTab_ = 0;
    QList<QWidget*> held_;
    std::unique_ptr<Hourglass> hourglass_;
};

// The notice both windows show.
extern const QString kDownloadNotice;
// The log's line for a lottery left as it was because the run was stopped.
inline const QString kStoppedLine = QStringLiteral("Not updated: the run was stopped.");

#pragma once
// What the two result-download windows share: the tab strip, the progress
// log with its timed lines, the 100 ms timer that counts the tenths of a
// second of a run, the fetch, the Close button, and the saving of the
// address boxes.
//
// While a run goes on the window cannot be closed and its tab cannot change;
// the fetch waits in a local event loop, so the window repaints and the time
// goes on counting meanwhile.

#include "core/Settings.h"
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

class DownloadFrame : public QDialog {
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
    // How long a fetch may take; tests make it short.
    int FetchTimeoutMs = kFetchTimeoutMs;

    bool running() const { return running_; }
    void Timer1_Timer();
    void CancelButton_Click();
    // Escape does nothing while a run goes on.
    void reject() override;

protected:
    DownloadFrame(QWidget* parent, const QString& name, const QString& title);

    QLabel* Label1;
    QLabel* Label3;
    QLabel* Label4; // the notice
    QLabel* Label5; // the title

    // Starts a run: hourglass, Tenths 0, the timer on, Close off, the tab
    // and the given controls held.
    void StartRun(const QList<QWidget*>& held);
    void EndRun();
    // A progress line with the run's time, selected so that it is in view.
    void AddTimedLine(const QString& text);
    // A progress line without a time; the selection stays where it was.
    void AddLine(const QString& text);
    FetchResult FetchAddress(const QString& address);
    // Lets the window's events run, as the steps of a download do.
    static void LetEventsRun();
    // Sizes the window to show its wrapped notice whole, within the screen.
    void FitToScreen();

    // Asks the question, then stores the boxes' texts (blanks trimmed) in
    // their items and writes the settings file, saying whether it was.
    void SaveAddresses(const QString& question, const QList<std::pair<SettingsItem, QLineEdit*>>& boxes);

    void closeEvent(QCloseEvent* event) override;

private:
    bool running_ = false;
    int runTab_ = 0;
    QList<QWidget*> held_;
    std::unique_ptr<Hourglass> hourglass_;
};

// The notice both windows show.
extern const QString kDownloadNotice;

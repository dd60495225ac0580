#pragma once
// The retry loop of the generator and wheel windows: build the lines again
// and again until the ticked tests pass or ten seconds have gone by, showing
// the tries and the time in the window's status line.
//
//   RetryTests tests = ReadRetryTests(Check1->isChecked(), ...);  // once
//   const double t0 = MonotonicSeconds();
//   ClearEntries(); Randomize();
//   RetryOutcome out = RunRetryLoop(status, 2, t0, [this] { PlayLotto(); }, tests);
//   SortEntries(BallsDrawn); ShowEntries(MSFlexGrid1);
//
// The loop lets the program's events run at least every 50 ms, so the
// window repaints and answers clicks meanwhile; the window keeps Busy set so
// that those clicks do not start a second command.

#include "generators/EntryFilters.h"

#include <QString>
#include <functional>

// Seconds on a clock that never goes back (it does not follow the time of
// day). Tests set their own clock; an empty function restores the real one.
double MonotonicSeconds();
void SetMonotonicClockForTests(std::function<double()> clock);

inline constexpr double kRetrySeconds = 10.0;
// Events run at least this often during the loop (seconds).
inline constexpr double kEventSeconds = 0.05;
inline const QString kNotComplySuffix = QStringLiteral(" (Some lines do not comply with conditions)");

// "Tries: 1,234   Time: 0.57 sec": the count with the locale's thousands
// separator, the seconds with the decimals given and its decimal separator.
QString TriesText(long tries, double seconds, int decimals);

// Which tests a try must pass, read once before the loop.
struct RetryTests {
    bool oddEven = false; // Check1
    bool highLow = false; // Check2
    bool history = false; // Check3
    int k = 0;
    int n = 0;
    FilterStrengths strengths;
    // The window's own test, evaluated first (may be empty).
    std::function<bool()> own;
};
// The tests of the ticked boxes, with the strengths from the settings and the
// open lottery's K and N.
RetryTests ReadRetryTests(bool oddEven, bool highLow, bool history);
// True when the list passes every test switched on.
bool RetryTestsPass(const RetryTests& tests);

struct RetryOutcome {
    long tries = 0;
    double seconds = 0;  // since t0, at the last try
    bool passed = false; // the last try passed every test
};

// Where the loop shows its progress ("Tries: ...   Time: ... sec").
using RetryStatus = std::function<void(const QString&)>;

// Runs play, then the tests, until they pass or more than `limit` seconds
// have passed since t0; at least one try. The status is told the tries and
// time at most 25 times a second and exactly for the last try; pending events
// run after each report.
RetryOutcome RunRetryLoop(const RetryStatus& status, int decimals, double t0, const std::function<void()>& play,
                          const RetryTests& tests, double limit = kRetrySeconds);
// The status line after the loop: the last report, with " (Some lines do not
// comply with conditions)" when the loop ran out of time without a pass.
QString FinalRetryStatus(const RetryOutcome& outcome, int decimals);

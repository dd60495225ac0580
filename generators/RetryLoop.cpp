#include "generators/RetryLoop.h"

#include "core/OpenLottery.h"

#include <QCoreApplication>
#include <QLocale>
#include <chrono>

namespace {

std::function<double()>& testClock()
{
    static std::function<double()> clock;
    return clock;
}

constexpr double kReportSeconds = 0.04;

} // namespace

double MonotonicSeconds()
{
    if (testClock())
        return testClock()();
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

void SetMonotonicClockForTests(std::function<double()> clock) { testClock() = std::move(clock); }

QString TriesText(long tries, double seconds, int decimals)
{
    const QLocale locale;
    // Digits grouped by threes whatever the locale's own number options say.
    QString digits = QString::number(tries < 0 ? -tries : tries);
    const QString separator = locale.groupSeparator();
    for (qsizetype i = digits.size() - 3; i > 0; i -= 3)
        digits.insert(i, separator);
    if (tries < 0)
        digits.prepend(QLatin1Char('-'));
    QString time = locale.toString(seconds, 'f', decimals);
    time.remove(separator);
    return QStringLiteral("Tries: ") + digits + QStringLiteral("   Time: ") + time + QStringLiteral(" sec");
}

RetryTests ReadRetryTests(bool oddEven, bool highLow, bool history)
{
    RetryTests t;
    t.oddEven = oddEven;
    t.highLow = highLow;
    t.history = history;
    t.k = BallsDrawn;
    t.n = MaxBall;
    t.strengths = ReadFilterStrengths(BallsDrawn);
    return t;
}

bool RetryTestsPass(const RetryTests& t)
{
    // The tests change nothing, so the cheap ones go first.
    if (t.own && !t.own())
        return false;
    if (t.oddEven && !EntriesOddEvenOK(t.k, t.strengths.oddEven))
        return false;
    if (t.highLow && !EntriesHighLowOK(t.k, t.n, t.strengths.highLow))
        return false;
    if (t.history && !EntriesHistoryOK(t.k, t.strengths.history))
        return false;
    return true;
}

RetryOutcome RunRetryLoop(const RetryStatus& status, int decimals, double t0, const std::function<void()>& play,
                          const RetryTests& tests, double limit)
{
    RetryOutcome out;
    double lastReport = -1e300;
    double lastEvents = t0;
    for (;;) {
        play();
        ++out.tries;
        const double now = MonotonicSeconds();
        out.seconds = now - t0;
        out.passed = RetryTestsPass(tests);
        const bool last = out.passed || out.seconds > limit;
        if (status && (last || now - lastReport >= kReportSeconds)) {
            status(TriesText(out.tries, out.seconds, decimals));
            lastReport = now;
        }
        if (last)
            return out;
        if (now - lastEvents >= kEventSeconds && QCoreApplication::instance()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            lastEvents = now;
        }
    }
}

QString FinalRetryStatus(const RetryOutcome& outcome, int decimals)
{
    const QString text = TriesText(outcome.tries, outcome.seconds, decimals);
    return outcome.passed ? text : text + kNotComplySuffix;
}

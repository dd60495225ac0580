// Reading the operators' result files: 3000 draws in each operator's shape.
#include "databases/ResultDownloads.h"
#include "platform/Dates.h"

#include <QLocale>
#include <array>
#include <benchmark/benchmark.h>

namespace {
constexpr int kRows = 3000;

// Numbers from a small fixed generator, 1 to `highest`.
struct Numbers {
    unsigned x = 12345;
    int next(int highest)
    {
        x = x * 1103515245u + 12345u;
        return int((x >> 16) % unsigned(highest)) + 1;
    }
};

QString TwoDigits(int n) { return QString::number(n).rightJustified(2, u'0'); }
QString MonthFirst(const QDate& d)
{
    return TwoDigits(d.month()) + u'/' + TwoDigits(d.day()) + u'/' + QString::number(d.year());
}
QString DayFirst(const QDate& d)
{
    return TwoDigits(d.day()) + u'/' + TwoDigits(d.month()) + u'/' + QString::number(d.year());
}

// `count` numbers joined by `separator`.
QString Row(Numbers& n, int count, int highest, const QString& separator)
{
    QStringList out;
    for (int k = 0; k < count; ++k)
        out << QString::number(n.next(highest));
    return out.join(separator);
}

QString UKLottoText()
{
    Numbers n;
    QString text = "DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Ball 6,Bonus Ball,Ball Set,Machine,DrawNumber\r\n";
    QDate d(2020, 12, 30);
    for (int r = 0; r < kRows; ++r, d = d.addDays(-3))
        text += MediumDate(d) + ',' + Row(n, 7, 59, ",") + ",3,Merlin," + QString::number(kRows - r) + "\r\n";
    return text;
}

// The nine other texts, in the order of OtherLottery.
std::array<QString, kOtherLotteries> OtherTexts()
{
    Numbers n;
    std::array<QString, kOtherLotteries> texts;
    for (int k = 0; k < 4; ++k) {
        QString t = "Draw number,Draw date,1,2,3,4,5,6,Supp 1,Supp 2\r\n";
        QDate d(2020, 12, 30);
        for (int r = 0; r < kRows; ++r, d = d.addDays(-7))
            t += QString::number(kRows - r) + ',' + DayFirst(d) + ',' + Row(n, 8, 45, ",") + "\r\n";
        texts[k] = t;
    }
    QString sa = "Draw Number,Draw Date,1,2,3,4,5,6,Bonus,Jackpot\n";
    QDate d(2020, 12, 30);
    for (int r = 0; r < kRows; ++r, d = d.addDays(-3))
        sa += QString::number(kRows - r) + ',' + d.toString("yyyy/MM/dd") + ", " + Row(n, 7, 49, ", ") + ",R1000000\n";
    texts[int(OtherLottery::SALotto)] = sa;

    QString mm = "Draw Date; WB1; WB2; WB3; WB4; WB5; Mega Ball\r\n";
    d = QDate(2020, 12, 30).addDays(-3 * kRows);
    for (int r = 0; r < kRows; ++r, d = d.addDays(3))
        mm += MonthFirst(d) + "; " + Row(n, 5, 52, "; ") + "; Mega Ball: " + QString::number(n.next(52)) + "\r\n";
    texts[int(OtherLottery::MegaMillions)] = mm;

    QString pb = "Draw Date   WB1 WB2 WB3 WB4 WB5 PB  PP\r\n";
    d = QDate(2020, 12, 30);
    for (int r = 0; r < kRows; ++r, d = d.addDays(-3)) {
        pb += MonthFirst(d);
        for (int k = 0; k < 6; ++k)
            pb += "  " + TwoDigits(n.next(k < 5 ? 53 : 42));
        pb += "  2\r\n";
    }
    texts[int(OtherLottery::USPowerball)] = pb;

    for (OtherLottery ca : {OtherLottery::SuperLottoPlus, OtherLottery::Fantasy5}) {
        const bool extra = ca == OtherLottery::SuperLottoPlus;
        QString t = "California Winning Numbers\r\n\r\nDraw   Date          Winning Numbers\r\n";
        d = QDate(2020, 12, 30);
        for (int r = 0; r < kRows; ++r, d = d.addDays(-3)) {
            t += QString::number(kRows - r) + "   " + MonthFirst(d) + "    " + Row(n, extra ? 6 : 5, 39, "  ")
                + "    Sat\r\n";
        }
        texts[int(ca)] = t;
    }
    return texts;
}
} // namespace

static void BM_ParseUKLotto(benchmark::State& state)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    const QString text = UKLottoText();
    for (auto _ : state) {
        const ParsedResults r = ParseUKResults(0, "UK Lotto", text);
        if (r.draws != kRows)
            state.SkipWithError("not every draw was read");
        benchmark::DoNotOptimize(r.lines.data());
    }
}
BENCHMARK(BM_ParseUKLotto)->Unit(benchmark::kMillisecond);

static void BM_ParseAllOperators(benchmark::State& state)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    const auto texts = OtherTexts();
    for (auto _ : state) {
        for (int k = 0; k < kOtherLotteries; ++k) {
            const ParsedResults r = ParseOtherResults(OtherLottery(k), texts[std::size_t(k)]);
            if (r.draws != kRows)
                state.SkipWithError(("not every draw was read: " + r.error).toUtf8().constData());
            benchmark::DoNotOptimize(r.lines.data());
        }
    }
}
BENCHMARK(BM_ParseAllOperators)->Unit(benchmark::kMillisecond);

#include "analysis/BiorhythmCharts.h"

#include "platform/Dates.h"

#include <QLocale>
#include <cmath>

double CycleAtAngle(double degrees) { return std::sin(degrees * 3.142 / 180.0) * 10.0; }

double StartAngle(int day, int period) { return double(day % period) * 360.0 / period; }

double NextAngle(double angle, int period)
{
    const double whole = std::nearbyint(angle + 360.0 / period); // the default mode rounds halves to even
    return std::fmod(whole, 360.0);
}

BiorhythmRows DayByDayChart(int firstDay, const std::vector<int>& periods, bool average)
{
    const std::size_t n = periods.size();
    std::vector<double> angles(n);
    for (std::size_t i = 0; i < n; ++i)
        angles[i] = StartAngle(firstDay, periods[i]);
    BiorhythmRows rows(kBiorhythmDays, std::vector<double>(n + (average ? 1 : 0), 0.0));
    for (auto& row : rows) {
        double sum = 0;
        for (std::size_t i = 0; i < n; ++i) {
            row[i] = CycleAtAngle(angles[i]);
            sum += row[i];
            angles[i] = NextAngle(angles[i], periods[i]);
        }
        if (average)
            row[n] = sum / double(n);
    }
    return rows;
}

QString DayRowLabel(const QDate& today, int row) { return QString::number(today.addDays(row - kBiorhythmToday).day()); }

QString DayAndMonth(const QDate& date)
{
    return QString::number(date.day()) + ' ' + QLocale(QLocale::English).standaloneMonthName(date.month());
}

QString BirthDateText(const QDate& date)
{
    return QStringLiteral("%1 %2 %3")
        .arg(date.day(), 2, 10, QChar('0'))
        .arg(MonthAbbreviation(date.month()))
        .arg(date.year(), 4, 10, QChar('0'));
}

QDate StoredBirthDate(const QString& text)
{
    const auto date = ParseDate(text);
    return date && date->isValid() ? *date : QDate(1970, 1, 1);
}

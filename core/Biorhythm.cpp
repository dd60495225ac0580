#include "core/Biorhythm.h"

#include "platform/Dates.h"

#include <cmath>

QDate BirthDateToChart(const QDate& picked, const QString& stored)
{
    if (picked.isValid())
        return picked;
    const auto date = ParseDate(stored);
    return date ? *date : QDate();
}

int BiorhythmDay(const QDate& birthDate, const QDate& today, bool tomorrow)
{
    return int(birthDate.daysTo(today)) + (tomorrow ? 1 : 0);
}

double CycleValue(int day, int period)
{
    const int remainder = day % period; // truncated: keeps the sign of day
    const double angle = (360.0 / period) * remainder;
    return std::sin(angle * 3.142 / 180.0) * 10.0;
}

std::array<double, 4> BiochartValues(int day)
{
    const double intellectual = CycleValue(day, kIntellectualDays);
    const double emotional = CycleValue(day, kEmotionalDays);
    const double intuition = CycleValue(day, kIntuitionDays);
    return {intellectual, emotional, intuition, (intellectual + emotional + intuition) / 3.0};
}

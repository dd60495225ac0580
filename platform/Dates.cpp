#include "platform/Dates.h"

#include <QLocale>
#include <QStringView>
#include <array>
#include <chrono>
#include <vector>

namespace {

const std::array<const char*, 12> kMonthAbbrev = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                  "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const std::array<const char*, 12> kMonthFull = {"January", "February", "March",     "April",   "May",      "June",
                                                "July",    "August",   "September", "October", "November", "December"};
const std::array<const char*, 7> kDayAbbrev = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
const std::array<const char*, 7> kDayFull = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                             "Friday", "Saturday", "Sunday"};

std::optional<QDateTime> testClock;

// A name the parser knows, with what it stands for (a month 1..12, or 0 for a
// weekday name).
struct Name {
    QString text;
    int month;
};

// Month and weekday names, English first, then the default locale's names
// where they differ. Rebuilt when the default locale changes.
struct NameTables {
    QLocale locale;
    bool monthFirst = false;
    std::vector<Name> months;
    std::vector<Name> weekdays;
};

bool IsAsciiLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

bool IsLetter(char16_t c) { return IsAsciiLetter(c) || (c >= 0x80 && QChar(c).isLetter()); }

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

bool IsSeparator(char16_t c) { return c == u' ' || c == u'\t' || c == u'-' || c == u'/' || c == u'.' || c == u','; }

// Adds a name unless it is already known or cannot be a single word for the
// tokenizer (trailing dots of abbreviations like "févr." are dropped).
void AddName(std::vector<Name>& list, QString text, int month)
{
    while (text.endsWith(u'.'))
        text.chop(1);
    if (text.isEmpty())
        return;
    for (QChar c : text)
        if (!IsLetter(c.unicode()))
            return;
    for (const Name& n : list)
        if (QStringView(n.text).compare(text, Qt::CaseInsensitive) == 0)
            return;
    list.push_back({text, month});
}

void Build(NameTables& t, const QLocale& locale)
{
    t.locale = locale;
    t.months.clear();
    t.weekdays.clear();
    for (int m = 1; m <= 12; ++m) {
        AddName(t.months, QString::fromLatin1(kMonthAbbrev[m - 1]), m);
        AddName(t.months, QString::fromLatin1(kMonthFull[m - 1]), m);
    }
    AddName(t.months, QStringLiteral("Sept"), 9);
    for (int m = 1; m <= 12; ++m) {
        AddName(t.months, locale.monthName(m, QLocale::LongFormat), m);
        AddName(t.months, locale.monthName(m, QLocale::ShortFormat), m);
        AddName(t.months, locale.standaloneMonthName(m, QLocale::LongFormat), m);
        AddName(t.months, locale.standaloneMonthName(m, QLocale::ShortFormat), m);
    }
    for (int d = 1; d <= 7; ++d) {
        AddName(t.weekdays, QString::fromLatin1(kDayAbbrev[d - 1]), 0);
        AddName(t.weekdays, QString::fromLatin1(kDayFull[d - 1]), 0);
    }
    for (int d = 1; d <= 7; ++d) {
        AddName(t.weekdays, locale.dayName(d, QLocale::LongFormat), 0);
        AddName(t.weekdays, locale.dayName(d, QLocale::ShortFormat), 0);
        AddName(t.weekdays, locale.standaloneDayName(d, QLocale::LongFormat), 0);
        AddName(t.weekdays, locale.standaloneDayName(d, QLocale::ShortFormat), 0);
    }
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    const qsizetype m = format.indexOf(u'M');
    const qsizetype d = format.indexOf(u'd');
    t.monthFirst = m >= 0 && d >= 0 && m < d;
}

// The tables for the current default locale. QLocale() only copies a shared
// pointer, so checking for a change costs next to nothing.
const NameTables& Tables()
{
    thread_local NameTables tables;
    thread_local bool built = false;
    const QLocale current;
    if (!built || !(current == tables.locale)) {
        Build(tables, current);
        built = true;
    }
    return tables;
}

int Lookup(const std::vector<Name>& list, QStringView word)
{
    for (const Name& n : list)
        if (n.text.size() == word.size() && word.compare(n.text, Qt::CaseInsensitive) == 0)
            return n.month;
    return -1;
}

// The current year, read from the test clock or the system clock. The system
// year is read again at most once a second.
int CurrentYear()
{
    if (testClock)
        return testClock->date().year();
    using Clock = std::chrono::steady_clock;
    thread_local int year = 0;
    thread_local Clock::time_point readAt;
    const Clock::time_point now = Clock::now();
    if (year == 0 || now - readAt > std::chrono::seconds(1)) {
        year = QDate::currentDate().year();
        readAt = now;
    }
    return year;
}

// A one- or two-digit year in the hundred years that end 20 years from now
// (in 2026: 1946 to 2045).
int WindowYear(int yy)
{
    const int first = CurrentYear() - 80;
    int year = (first / 100) * 100 + yy;
    if (year < first)
        year += 100;
    return year;
}

struct Token {
    QStringView text;
    bool number = false;
    int value = 0;
};

// A time of day after the date: h:mm or h:mm:ss, optionally AM or PM.
bool IsTime(QStringView s)
{
    qsizetype i = 0;
    int parts[3] = {-1, -1, -1};
    int count = 0;
    while (count < 3) {
        int digits = 0, value = 0;
        while (i < s.size() && IsDigit(s[i].unicode()) && digits < 3) {
            value = value * 10 + (s[i].unicode() - u'0');
            ++i;
            ++digits;
        }
        if (digits == 0 || digits > 2)
            return false;
        parts[count++] = value;
        if (i < s.size() && s[i] == u':')
            ++i;
        else
            break;
    }
    if (count < 2)
        return false;
    while (i < s.size() && s[i] == u' ')
        ++i;
    bool twelveHour = false;
    if (i < s.size()) {
        const QStringView rest = s.mid(i);
        if (rest.compare(u"AM", Qt::CaseInsensitive) != 0 && rest.compare(u"PM", Qt::CaseInsensitive) != 0)
            return false;
        twelveHour = true;
    }
    if (twelveHour ? (parts[0] < 1 || parts[0] > 12) : parts[0] > 23)
        return false;
    return parts[1] <= 59 && parts[2] <= 59;
}

std::optional<QDate> MakeDate(int y, int m, int d)
{
    const QDate date(y, m, d);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

// A year token: four digits as written, one or two digits in the window.
int YearOf(const Token& t)
{
    const qsizetype n = t.text.size();
    if (n == 4)
        return t.value;
    if (n == 1 || n == 2)
        return WindowYear(t.value);
    return -1;
}

bool IsDayOrMonth(const Token& t) { return t.number && t.text.size() <= 2; }

} // namespace

std::optional<QDate> ParseDate(const QString& input)
{
    QStringView s = QStringView(input).trimmed();
    if (s.isEmpty())
        return std::nullopt;

    std::array<Token, 4> tokens;
    int count = 0;
    qsizetype i = 0;
    const qsizetype n = s.size();
    while (i < n) {
        const char16_t c = s[i].unicode();
        const qsizetype start = i;
        Token t;
        if (IsDigit(c)) {
            while (i < n && IsDigit(s[i].unicode()))
                ++i;
            if (i < n && s[i] == u':') {
                // A time after a complete date is read and ignored.
                if (count < 3 || !IsTime(s.mid(start)))
                    return std::nullopt;
                break;
            }
            if (i - start > 4)
                return std::nullopt;
            t.number = true;
            for (qsizetype k = start; k < i; ++k)
                t.value = t.value * 10 + (s[k].unicode() - u'0');
        } else if (IsLetter(c)) {
            while (i < n && IsLetter(s[i].unicode()))
                ++i;
        } else {
            return std::nullopt;
        }
        if (count == 4)
            return std::nullopt;
        t.text = s.mid(start, i - start);
        tokens[count++] = t;
        if (i == n)
            break;
        // Tokens are separated by at least one separator character.
        if (!IsSeparator(s[i].unicode()))
            return std::nullopt;
        while (i < n && IsSeparator(s[i].unicode()))
            ++i;
        if (i == n)
            return std::nullopt;
    }

    const NameTables& names = Tables();
    int first = 0;
    if (count == 4) {
        // A leading weekday name is skipped without checking it.
        if (tokens[0].number || Lookup(names.weekdays, tokens[0].text) < 0)
            return std::nullopt;
        first = 1;
    } else if (count != 3) {
        return std::nullopt;
    }
    const Token& a = tokens[first];
    const Token& b = tokens[first + 1];
    const Token& c = tokens[first + 2];

    if (a.number && b.number && c.number) {
        if (a.text.size() == 4) {
            if (!IsDayOrMonth(b) || !IsDayOrMonth(c))
                return std::nullopt;
            return MakeDate(a.value, b.value, c.value);
        }
        if (!IsDayOrMonth(a) || !IsDayOrMonth(b))
            return std::nullopt;
        const int year = YearOf(c);
        if (year < 0)
            return std::nullopt;
        return names.monthFirst ? MakeDate(year, a.value, b.value) : MakeDate(year, b.value, a.value);
    }

    // Day and month name, either way round, then the year; or a four-digit
    // year, the month name and the day.
    if (a.number && !b.number && c.number) {
        const int month = Lookup(names.months, b.text);
        if (month <= 0)
            return std::nullopt;
        if (a.text.size() == 4 && IsDayOrMonth(c))
            return MakeDate(a.value, month, c.value);
        if (!IsDayOrMonth(a))
            return std::nullopt;
        const int year = YearOf(c);
        if (year < 0)
            return std::nullopt;
        return MakeDate(year, month, a.value);
    }
    if (!a.number && b.number && c.number) {
        const int month = Lookup(names.months, a.text);
        if (month <= 0 || !IsDayOrMonth(b))
            return std::nullopt;
        const int year = YearOf(c);
        if (year < 0)
            return std::nullopt;
        return MakeDate(year, month, b.value);
    }
    return std::nullopt;
}

QString MonthAbbreviation(int month)
{
    if (month < 1 || month > 12)
        return QString();
    return QString::fromLatin1(kMonthAbbrev[month - 1]);
}

namespace {

QString TwoDigits(int value) { return QString::number(value).rightJustified(2, u'0'); }

} // namespace

QString FormatShortDate(const QDate& date)
{
    if (!date.isValid())
        return QString();
    const int yy = ((date.year() % 100) + 100) % 100;
    return TwoDigits(date.day()) + u' ' + MonthAbbreviation(date.month()) + u' ' + TwoDigits(yy);
}

QString MediumDate(const QDate& date)
{
    if (!date.isValid())
        return QString();
    // Written digit by digit: the downloads write thousands of these.
    int year = 0, month = 0, day = 0;
    date.getDate(&year, &month, &day);
    QString text;
    text.reserve(12);
    text += QChar(u'0' + day / 10);
    text += QChar(u'0' + day % 10);
    text += u'-';
    text += QLatin1String(kMonthAbbrev[month - 1]);
    text += u'-';
    text += QString::number(year).rightJustified(4, u'0');
    return text;
}

QString PickerDate(const QDate& date)
{
    if (!date.isValid())
        return QString();
    return QString::fromLatin1(kDayAbbrev[date.dayOfWeek() - 1]) + u' ' + QString::number(date.day()) + u' '
        + MonthAbbreviation(date.month()) + u' ' + QString::number(date.year());
}

QDateTime Now() { return testClock ? *testClock : QDateTime::currentDateTime(); }

QDate Today() { return Now().date(); }

void SetClockForTests(std::optional<QDateTime> fixed) { testClock = std::move(fixed); }

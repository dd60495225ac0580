#include "core/Settings.h"

#include "platform/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <vector>

SettingsTable Settings;

namespace {
// The file could not be read at the last load: it is not written over.
bool fileKept = false;
// What the file held after its 100th line when it was read last, line ends
// and all: no item holds it, and every save writes it back as it was.
QString afterLastItem;

std::function<void()>& loadedHook()
{
    static std::function<void()> hook;
    return hook;
}

// The host names of the default addresses.
const QString kProgramSite = QStringLiteral("http://www.vantrel.org");
const QString kUkLotteryHost = QStringLiteral("http://www.national-lottery.co.uk");
const QString kPowerballHost = QStringLiteral("http://www.powerball.com");
const QString kMegaMillionsHost = QStringLiteral("http://www.megamillions.com");
const QString kAustralianHost = QStringLiteral("http://www.thelott.com");
const QString kSouthAfricanHost = QStringLiteral("http://www.nationallottery.co.za");
const QString kCaliforniaHost = QStringLiteral("http://www.calottery.com");

std::vector<SettingsItemInfo> makeTable()
{
    std::vector<SettingsItemInfo> t = {
        {TitleColour, "TitleColour", "&H000000"},
        {BodyTextColour, "BodyTextColour", "&H000000"},
        {LabelColour, "LabelColour", "&H800000"},
        {OtherTextColour, "OtherTextColour", "&H000080"},
        {BackgroundColour, "BackgroundColour", "&H8000000F"},
        {SkinFlags, "SkinFlags", "1 Skinning/colours"},
        {OddEvenFilter, "OddEvenFilter", "1 Odd/Even filter"},
        {HighLowFilter, "HighLowFilter", "1 High/Low filter"},
        {HistoryFilter, "HistoryFilter", "1 History  filter"},
        {LongRunFilter, "LongRunFilter", "3 Long Run filter"},
        {BirthDate, "BirthDate", "01/01/1970"},
        {SyndicateFile, "SyndicateFile", ""},
        {PlayerName, "PlayerName", ""},
        {DrawDate, "DrawDate", ""},
        {PanelsShown, "PanelsShown", "0"},
    };
    const QString captions[kWebLinks] = {"Vantrel", "UK National Lottery", "Camelot (UK Lottery)", "US Powerball",
                                         "US Mega Millions"};
    const QString addresses[kWebLinks] = {kProgramSite, kUkLotteryHost, "http://www.camelotgroup.co.uk", kPowerballHost,
                                          kMegaMillionsHost};
    for (int i = 0; i < kWebLinks; ++i)
        t.push_back({LinkCaption + i, "LinkCaption", captions[i]});
    for (int i = 0; i < kWebLinks; ++i)
        t.push_back({LinkAddress + i, "LinkAddress", addresses[i]});
    const QString names[kUKDownloads] = {"UK Lotto", "UK Thunderball", "UK Daily Play", "UK Lotto Extra",
                                         "UK Lotto Hot Picks"};
    for (int i = 0; i < kUKDownloads; ++i)
        t.push_back({UKDownloadName + i, "UKDownloadName", names[i]});
    const QString files[kUKDownloads] = {"Lotto", "Thunderball", "DailyPlay", "Extra", "HotPicks"};
    for (int i = 0; i < kUKDownloads; ++i)
        t.push_back({UKDownloadURL + i, "UKDownloadURL", kUkLotteryHost + "/player/files/" + files[i] + ".csv"});
    const QString others[kOtherDownloads] = {
        kAustralianHost + "/results/results_download_gold_lotto.asp?type=sat",
        kAustralianHost + "/results/results_download_gold_lotto.asp?type=wed",
        kAustralianHost + "/results/results_download_powerball.asp",
        kAustralianHost + "/results/results_download_ozlotto.asp",
        kSouthAfricanHost + "/Downloads/winningnumbers.csv",
        kMegaMillionsHost + "/winningpicks/download_numbers_execute.asp",
        kPowerballHost + "/powerball/winnums-text.txt",
        kCaliforniaHost + "/Games/SuperLottoPlus/WinningNumbers/DownloadAllNumbers.htm",
        kCaliforniaHost + "/Games/FantasyFive/WinningNumbers/DownloadNumbers.htm",
    };
    for (int i = 0; i < kOtherDownloads; ++i)
        t.push_back({OtherDownloadURL + i, "OtherDownloadURL", others[i]});
    return t;
}
} // namespace

std::span<const SettingsItemInfo> SettingsItemTable()
{
    static const std::vector<SettingsItemInfo> table = makeTable();
    return table;
}

void SettingsTable::set(SettingsItem item, const QString& value)
{
    QString& slot = items_.at(std::size_t(item));
    if (slot == value)
        return;
    slot = value;
    ++generation_;
}

void SetSettingsLoadedHook(std::function<void()> hook) { loadedHook() = std::move(hook); }

void ResetSettings()
{
    for (QString& item : Settings.items_)
        item.clear();
    ++Settings.generation_;
    fileKept = false;
    afterLastItem.clear();
}

namespace {
void setDefaults()
{
    ResetSettings();
    for (const SettingsItemInfo& info : SettingsItemTable())
        Settings.set(info.item, info.defaultValue);
}
} // namespace

void DefaultSettings()
{
    setDefaults();
    SaveSettings();
}

bool SettingsFileKept() { return fileKept; }

namespace {
// Splits off the first kSettingsCount lines of the text (line ends as
// SplitLines reads them) and returns them; rest takes what follows the 100th
// line's end, as it stands (empty for a shorter file).
QStringList itemLines(const QString& text, QString& rest)
{
    QStringList lines;
    const qsizetype n = text.size();
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < n && lines.size() < kSettingsCount) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            lines << text.mid(start, i - start);
            i += (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (lines.size() == kSettingsCount) {
        rest = text.mid(start);
        return lines;
    }
    rest.clear();
    if (start < n)
        lines << text.mid(start);
    return lines;
}
} // namespace

bool LoadSettings()
{
    if (!QFile::exists(kSettingsFile))
        DefaultSettings();
    bool read = true;
    if (const auto text = ReadTextFile(kSettingsFile)) {
        const QStringList lines = itemLines(*text, afterLastItem);
        for (int k = 1; k <= int(lines.size()); ++k)
            Settings.items_[std::size_t(k)] = lines.at(k - 1);
        ++Settings.generation_;
        fileKept = false;
    } else if (QFileInfo::exists(kSettingsFile)) {
        setDefaults();
        fileKept = true;
        read = false;
    }
    if (loadedHook())
        loadedHook()();
    return read;
}

bool SaveSettings(QString* error)
{
    if (fileKept) {
        if (error)
            *error = kSettingsFile + " could not be read, so it is left as it was";
        return false;
    }
    QString text;
    for (int k = 1; k <= kSettingsCount; ++k)
        text += Settings.items_[std::size_t(k)] + QStringLiteral("\r\n");
    text += afterLastItem;
    QString why;
    if (WriteTextFile(kSettingsFile, text, &why))
        return true;
    if (error)
        *error = kSettingsFile + " could not be written: " + why;
    return false;
}

#include "core/Settings.h"

#include "platform/TextFile.h"

#include <QFile>
#include <QStringList>

std::array<QString, kSettingsCount + 1> Settings;

namespace {
std::function<void()>& loadedHook()
{
    static std::function<void()> hook;
    return hook;
}

const QString kUkLotteryHost = QStringLiteral("http://www.national-lottery.co.uk");
const QString kAustralianHost = QStringLiteral("http://www.thelott.com");
const QString kCaliforniaHost = QStringLiteral("http://www.calottery.com");
} // namespace

void SetSettingsLoadedHook(std::function<void()> hook) { loadedHook() = std::move(hook); }

void ResetSettings()
{
    for (QString& item : Settings)
        item.clear();
}

void DefaultSettings()
{
    ResetSettings();
    Settings[1] = "&H000000";
    Settings[2] = "&H000000";
    Settings[3] = "&H800000";
    Settings[4] = "&H000080";
    Settings[5] = "&H8000000F";
    Settings[10] = "1 Skinning/colours";
    Settings[11] = "1 Odd/Even filter";
    Settings[12] = "1 High/Low filter";
    Settings[13] = "1 History  filter";
    Settings[14] = "3 Long Run filter";
    Settings[15] = "01/01/1970";
    Settings[19] = "0";
    Settings[20] = "Vantrel";
    Settings[21] = "UK National Lottery";
    Settings[22] = "Camelot (UK Lottery)";
    Settings[23] = "US Powerball";
    Settings[24] = "US Mega Millions";
    Settings[30] = "http://www.vantrel.org";
    Settings[31] = kUkLotteryHost;
    Settings[32] = "http://www.camelotgroup.co.uk";
    Settings[33] = "http://www.powerball.com";
    Settings[34] = "http://www.megamillions.com";
    Settings[40] = "UK Lotto";
    Settings[41] = "UK Thunderball";
    Settings[42] = "UK Daily Play";
    Settings[43] = "UK Lotto Extra";
    Settings[44] = "UK Lotto Hot Picks";
    Settings[50] = kUkLotteryHost + "/player/files/Lotto.csv";
    Settings[51] = kUkLotteryHost + "/player/files/Thunderball.csv";
    Settings[52] = kUkLotteryHost + "/player/files/DailyPlay.csv";
    Settings[53] = kUkLotteryHost + "/player/files/Extra.csv";
    Settings[54] = kUkLotteryHost + "/player/files/HotPicks.csv";
    Settings[63] = kAustralianHost + "/results/results_download_gold_lotto.asp?type=sat";
    Settings[64] = kAustralianHost + "/results/results_download_gold_lotto.asp?type=wed";
    Settings[65] = kAustralianHost + "/results/results_download_powerball.asp";
    Settings[66] = kAustralianHost + "/results/results_download_ozlotto.asp";
    Settings[67] = "http://www.nationallottery.co.za/Downloads/winningnumbers.csv";
    Settings[68] = Settings[34] + "/winningpicks/download_numbers_execute.asp";
    Settings[69] = Settings[33] + "/powerball/winnums-text.txt";
    Settings[70] = kCaliforniaHost + "/Games/SuperLottoPlus/WinningNumbers/DownloadAllNumbers.htm";
    Settings[71] = kCaliforniaHost + "/Games/FantasyFive/WinningNumbers/DownloadNumbers.htm";
    SaveSettings();
}

void LoadSettings()
{
    if (!QFile::exists(kSettingsFile))
        DefaultSettings();
    if (const auto lines = ReadLines(kSettingsFile)) {
        const int count = std::min<int>(int(lines->size()), kSettingsCount);
        for (int k = 1; k <= count; ++k)
            Settings[k] = lines->at(k - 1);
    }
    if (loadedHook())
        loadedHook()();
}

bool SaveSettings()
{
    QStringList lines;
    for (int k = 1; k <= kSettingsCount; ++k)
        lines << Settings[k];
    return WriteLines(kSettingsFile, lines);
}

#include "core/Settings.h"
#include "support/TestSupport.h"

using SettingsFile = ProgramFolderTest;

TEST_F(SettingsFile, FirstStartWritesTheDefaultsByteForByte)
{
    LoadSettings();
    const QByteArray bytes = readBytes("vantrel.ini");
    const QList<QByteArray> lines = bytes.split('\n');
    ASSERT_EQ(lines.size(), 101); // 100 lines, each ended by CR LF
    EXPECT_TRUE(lines.last().isEmpty());
    for (int i = 0; i < 100; ++i)
        ASSERT_TRUE(lines[i].endsWith('\r')) << "line " << i + 1;
    auto line = [&](int k) { return QString::fromUtf8(lines[k - 1].chopped(1)); };
    EXPECT_EQ(line(1), "&H000000");
    EXPECT_EQ(line(3), "&H800000");
    EXPECT_EQ(line(4), "&H000080");
    EXPECT_EQ(line(5), "&H8000000F");
    EXPECT_EQ(line(10), "1 Skinning/colours");
    EXPECT_EQ(line(13), "1 History  filter");
    EXPECT_EQ(line(14), "3 Long Run filter");
    EXPECT_EQ(line(15), "01/01/1970");
    EXPECT_EQ(line(16), "");
    EXPECT_EQ(line(19), "0");
    EXPECT_EQ(line(20), "Vantrel");
    EXPECT_EQ(line(24), "US Mega Millions");
    EXPECT_EQ(line(25), "");
    EXPECT_EQ(line(44), "UK Lotto Hot Picks");
    EXPECT_TRUE(line(50).startsWith(line(31)));
    EXPECT_TRUE(line(50).endsWith("/player/files/Lotto.csv"));
    EXPECT_TRUE(line(54).endsWith("/player/files/HotPicks.csv"));
    EXPECT_TRUE(line(68).startsWith(line(34)));
    EXPECT_TRUE(line(69).startsWith(line(33) + "/powerball/"));
    EXPECT_TRUE(line(71).endsWith("/Games/FantasyFive/WinningNumbers/DownloadNumbers.htm"));
    EXPECT_EQ(line(72), "");
    for (int k : {30, 31, 32, 33, 34, 63, 67, 70})
        EXPECT_TRUE(line(k).startsWith("http://")) << k;
    EXPECT_EQ(Settings[SkinFlags], "1 Skinning/colours");
}

TEST_F(SettingsFile, ShortFilesFillWhatTheyHave)
{
    QStringList twenty;
    for (int k = 1; k <= 20; ++k)
        twenty << QString("item %1").arg(k);
    writeLines("vantrel.ini", twenty);
    Settings.set(UKDownloadURL, "kept in memory");
    LoadSettings();
    EXPECT_EQ(Settings[LinkCaption], "item 20");
    EXPECT_EQ(Settings[LinkCaption + 1], "");
    EXPECT_EQ(Settings[UKDownloadURL], "kept in memory");
}

TEST_F(SettingsFile, WhatFollowsTheHundredthLineIsWrittenBackAsRead)
{
    const QString items = QString("item\r\n").repeated(kSettingsCount);
    struct Case {
        const char* what;
        QString head; // the 100 items, as the file ends them
        QString tail; // what follows
    };
    const Case cases[] = {
        {"one more line", items, "line 101\r\n"},
        {"no more", items, ""},
        {"items ended by LF, a long tail of mixed line ends without a last one", QString("item\n").repeated(100),
         "\r\n" + QString(300000, 'x') + "\nLF\rCR\r\n\r\nlast"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeBytes(kSettingsFile, (c.head + c.tail).toUtf8());
        LoadSettings();
        EXPECT_EQ(Settings[LinkCaption + 9], "item");
        ASSERT_TRUE(SaveSettings());
        EXPECT_TRUE(readBytes(kSettingsFile) == (items + c.tail).toUtf8());
    }
    // A shorter file read after it has nothing to write back.
    writeLines(kSettingsFile, {"short"});
    LoadSettings();
    ASSERT_TRUE(SaveSettings());
    EXPECT_EQ(readBytes(kSettingsFile).count("\r\n"), kSettingsCount);
}

TEST_F(SettingsFile, SavedItemsSurviveAReloadAndTheHookRuns)
{
    LoadSettings();
    // Every change moves the change count; setting the same text does not.
    const auto before = Settings.generation();
    Settings.set(PlayerName, "Jo, the player");
    const auto changed = Settings.generation();
    EXPECT_NE(changed, before);
    Settings.set(PlayerName, "Jo, the player");
    EXPECT_EQ(Settings.generation(), changed);
    Settings.set(BirthDate, "05-Mar-1999");
    ASSERT_TRUE(SaveSettings());
    ResetSettings();
    int runs = 0;
    SetSettingsLoadedHook([&] { ++runs; });
    LoadSettings();
    SetSettingsLoadedHook({});
    EXPECT_EQ(runs, 1);
    EXPECT_NE(Settings.generation(), changed);
    EXPECT_EQ(Settings[PlayerName], "Jo, the player");
    EXPECT_EQ(Settings[BirthDate], "05-Mar-1999");
}

TEST_F(SettingsFile, ALinuxEditedFileLoads)
{
    writeFile("vantrel.ini", "&H000000\n&H111111\n");
    LoadSettings();
    EXPECT_EQ(Settings[BodyTextColour], "&H111111");
}

// The two download windows against a web server on 127.0.0.1 that serves
// result files in each operator's shape: what they write, what they log, and
// that no failure ever changes a database.
#include "core/Settings.h"
#include "databases/ResultDownloads.h"
#include "databases/ui/DbaseUpdate.h"
#include "databases/ui/DbaseUpdateOther.h"
#include "platform/Dates.h"
#include "support/LoopbackServer.h"
#include "support/TestSupport.h"
#include "Boxes.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTimer>
#include <QTest>
#include <iostream>

namespace {

QByteArray FixtureBytes(const QString& name)
{
    QFile file(QStringLiteral(VANTREL_TEST_DATA_DIR "/downloads/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll();
}

// The first lines of a result file that fit in `length` characters, then line
// feeds up to exactly that length (empty lines after the draws end them).
QByteArray Exactly(const QByteArray& text, int length)
{
    QByteArray out;
    for (const QByteArray& line : text.split('\n')) {
        if (out.size() + line.size() + 1 > length)
            break;
        out += line + '\n';
    }
    return out + QByteArray(length - out.size(), '\n');
}

const char* const kUKFiles[5] = {"Lotto.csv", "Thunderball.csv", "DailyPlay.csv", "Extra.csv", "HotPicks.csv"};
const char* const kOtherFiles[kOtherLotteries] = {"au/GoldLottoSat.csv", "au/GoldLottoWed.csv",   "au/Powerball.csv",
                                                  "au/OzLotto.csv",      "sa/winningnumbers.csv", "us/megamillions.txt",
                                                  "us/winnums-text.txt", "ca/SuperLottoPlus.txt", "ca/Fantasy5.txt"};

class DownloadWindows : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        DefaultSettings();
        for (int i = 0; i < 5; ++i) {
            const QByteArray path = QByteArray("/uk/") + kUKFiles[i];
            server.serve(path, FixtureBytes(QString("uk/") + kUKFiles[i]));
            Settings.set(UKDownloadURL + i, server.url(path));
        }
        for (int k = 0; k < kOtherLotteries; ++k) {
            const QByteArray path = QByteArray("/") + kOtherFiles[k];
            server.serve(path, FixtureBytes(kOtherFiles[k]));
            Settings.set(AddressItemOf(OtherLottery(k)), server.url(path));
        }
    }
    void TearDown() override { QLocale::setDefault(savedLocale_); }

    // The log with every time shown as "#", a line each.
    static std::string Log(const DownloadFrame& w)
    {
        static const QRegularExpression time(QStringLiteral("\\d+\\.\\d sec$"));
        QStringList lines;
        for (int r = 0; r < w.List2->count(); ++r)
            lines << w.List2->item(r)->text().replace(time, "# sec");
        return Lines(lines);
    }
    static std::string Lines(const QStringList& lines) { return lines.join('\n').toStdString(); }
    QByteArray Md5(const QString& name) const
    {
        return QCryptographicHash::hash(readBytes(name), QCryptographicHash::Md5).toHex();
    }
    // The database a parse of the fixture gives, as the file holds it.
    static QByteArray DatabaseOf(const ParsedResults& parsed)
    {
        EXPECT_TRUE(parsed.usable()) << parsed.error.toStdString();
        return (parsed.lines.join("\r\n") + "\r\n").toUtf8();
    }
    // Only the first UK lottery is fetched: the list ends at the first empty name.
    static void OnlyUKLotto() { Settings.set(UKDownloadName + 1, QString()); }

    LoopbackServer server;
    const QByteArray old = "My Lotto\r\nhttp://example.org\r\n6,49,0,0,1\r\n05 Mar 05,1,2,3,4,5,6,,7\r\n";

private:
    QLocale savedLocale_;
};

} // namespace

TEST_F(DownloadWindows, UKRunRewritesEveryDatabaseAndLogsItsTimes)
{
    LoadedWindow<DbaseUpdate> w;
    EXPECT_EQ(w.windowTitle(), "Update lottery databases");
    EXPECT_EQ(w.SSTab1->tabText(0), "Download");
    EXPECT_EQ(w.SSTab1->tabText(1), "URLs");
    EXPECT_EQ(w.OKButton->text(), " Download draws databases ");
    w.OKButton_Click();

    QStringList expected;
    for (int i = 0; i < 5; ++i) {
        const QString name = Settings[UKDownloadName + i];
        expected << "Downloading " + name + " draws...# sec"
                 << "Processing " + name + " draws...# sec"
                 << "Updated " + name + " database.# sec";
        EXPECT_EQ(readBytes(UKDatabaseFile(i)),
                  DatabaseOf(ParseUKResults(i, name, FixtureBytes(QString("uk/") + kUKFiles[i]))))
            << i;
    }
    expected << "Finished...# sec";
    EXPECT_EQ(Log(w), Lines(expected));
    EXPECT_EQ(w.List2->currentRow(), w.List2->count() - 1);
    EXPECT_TRUE(exists("Temp.txt"));
    EXPECT_TRUE(boxes().empty());
    // Closing is allowed again; another run needs the window opened again.
    EXPECT_TRUE(w.CancelButton->isEnabled());
    EXPECT_FALSE(w.OKButton->isEnabled());
    EXPECT_FALSE(w.Timer1->isActive());
    EXPECT_EQ(server.paths.size(), 5);
}

TEST_F(DownloadWindows, UKTextsUnderAThousandCharactersAreNoResultFile)
{
    writeFile("dbase100.txt", QString::fromUtf8(old));
    server.serve("/uk/Lotto.csv", Exactly(FixtureBytes("uk/Lotto.csv"), 999));
    server.serve("/uk/Thunderball.csv", Exactly(FixtureBytes("uk/Thunderball.csv"), 1000));
    Settings.set(UKDownloadName + 2, QString());
    LoadedWindow<DbaseUpdate> w;
    w.OKButton_Click();
    EXPECT_EQ(Log(w),
              Lines({"Downloading UK Lotto draws...# sec", "An error occured downoading UK Lotto",
                     "Downloading UK Thunderball draws...# sec", "Processing UK Thunderball draws...# sec",
                     "Updated UK Thunderball database.# sec", "Finished...# sec"}));
    EXPECT_EQ(readBytes("dbase100.txt"), old);
    EXPECT_TRUE(exists("dbase101.txt"));
    EXPECT_TRUE(boxes().empty());
}

TEST_F(DownloadWindows, AMovedResultFileIsFollowed)
{
    OnlyUKLotto();
    server.answer(
        "/old/Lotto.csv",
        HttpResponse("301 Moved Permanently", "", "Location: " + server.url("/uk/Lotto.csv").toUtf8() + "\r\n"));
    Settings.set(UKDownloadURL, server.url("/old/Lotto.csv"));
    LoadedWindow<DbaseUpdate> w;
    w.OKButton_Click();
    EXPECT_EQ(readBytes("dbase100.txt"), DatabaseOf(ParseUKResults(0, "UK Lotto", FixtureBytes("uk/Lotto.csv"))));
    EXPECT_EQ(server.paths, QList<QByteArray>({"/old/Lotto.csv", "/uk/Lotto.csv"}));
}

TEST_F(DownloadWindows, NoFailureChangesTheDatabase)
{
    const QByteArray lotto = FixtureBytes("uk/Lotto.csv");
    server.serve("/html", FixtureBytes("errors/error.html"));
    server.serve("/404", FixtureBytes("errors/error.html"), "404 Not Found");
    server.serve("/500", "", "500 Internal Server Error");
    server.answer("/cut", "HTTP/1.1 200 OK\r\nContent-Length: 5000\r\n\r\n" + lotto.left(1200));
    server.serve("/bad", QByteArray(lotto).replace("01-Oct-2014", "01-Okt-2014"));
    server.serve("/wide", QByteArray(lotto).replace("39,47,30", "39,74,30"));
    struct Case {
        QString address;
        QString logged;
        bool fetched; // the text came and was read
    };
    const QList<Case> cases = {
        {server.url("/html"), "Not updated: No draw was found in the downloaded text.", true},
        {server.url("/404"), "Not updated: The server answered 404 (Not Found).", false},
        {server.url("/500"), "Not updated: The server answered 500 (Internal Server Error).", false},
        {LoopbackServer::RefusedUrl("/x"), "Not updated: The connection to 127.0.0.1 was refused.", false},
        {server.url("/silent"), "Not updated: No answer from 127.0.0.1 within 0.3 seconds.", false},
        {server.url("/cut"), "Not updated: The download was cut short: 1200 of 5000 bytes arrived.", false},
        {server.url("/bad"), "Not updated: Line 30 of the downloaded text: \"01-Okt-2014\" is not a date.", true},
        {server.url("/wide"), "Not updated: Line 2 of the downloaded text: \"74\" is not a number from 1 to 60.", true},
    };
    OnlyUKLotto();
    writeFile("dbase100.txt", QString::fromUtf8(old));
    const QByteArray before = Md5("dbase100.txt");
    for (const Case& c : cases) {
        Settings.set(UKDownloadURL, c.address);
        LoadedWindow<DbaseUpdate> w;
        w.FetchTimeoutMs = 300;
        answer(vbOK);
        w.OKButton_Click();
        EXPECT_EQ(Md5("dbase100.txt"), before) << c.address.toStdString();
        QStringList log = {"Downloading UK Lotto draws...# sec", c.logged, "Finished...# sec"};
        if (c.fetched)
            log.insert(1, "Processing UK Lotto draws...# sec");
        EXPECT_EQ(Log(w), Lines(log));
        ASSERT_FALSE(boxes().empty());
        EXPECT_TRUE(IsBox(lastBox(), "An error has occured. Please try again later.    ", "Error", vbCritical));
    }
}

TEST_F(DownloadWindows, OutsideTheUKRegionNothingIsFetched)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    LoadedWindow<DbaseUpdate> w;
    answer(vbOK);
    w.OKButton_Click();
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_TRUE(IsBox(boxAt(0),
                      "Please set the region to United Kingdom in the  \r\n"
                      "desktop's region settings to download UK lottery draws.",
                      "Warning!", vbExclamation));
    EXPECT_TRUE(server.paths.isEmpty());
    EXPECT_EQ(w.List2->count(), 0);
    EXPECT_TRUE(w.OKButton->isEnabled());
}

TEST_F(DownloadWindows, WhileARunGoesOnTheTabStays)
{
    OnlyUKLotto();
    server.delay("/uk/Lotto.csv", 400);
    LoadedWindow<DbaseUpdate> w;
    w.show();
    bool heldDuringRun = false;
    server.onRequest = [&](const QByteArray&) {
        w.SSTab1->setCurrentIndex(1);
        heldDuringRun = w.running() && w.isVisible() && w.SSTab1->currentIndex() == 0 && w.CancelButton->isEnabled()
            && !w.OKButton->isEnabled() && w.Timer1->isActive();
    };
    w.OKButton_Click();
    EXPECT_TRUE(heldDuringRun);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.SSTab1->currentIndex(), 0);
    // The timer counted on while the fetch waited.
    EXPECT_GE(w.Tenths, 3);
    w.SSTab1->setCurrentIndex(1);
    EXPECT_EQ(w.SSTab1->currentIndex(), 1);
    w.CancelButton->click();
    EXPECT_FALSE(w.isVisible());
}

TEST_F(DownloadWindows, CloseOrEscapeStopsARunAndLeavesTheDatabases)
{
    for (int i = 0; i < 5; ++i)
        Settings.set(UKDownloadURL + i, server.url("/dead")); // never answered
    writeFile("dbase100.txt", QString::fromUtf8(old));
    for (bool escape : {false, true}) {
        server.paths.clear();
        LoadedWindow<DbaseUpdate> w;
        w.FetchTimeoutMs = 1000;
        w.show();
        server.onRequest = [&](const QByteArray&) {
            if (escape)
                QTest::keyClick(&w, Qt::Key_Escape);
            else
                QTest::mouseClick(w.CancelButton, Qt::LeftButton);
        };
        QElapsedTimer clock;
        clock.start();
        w.OKButton_Click();
        EXPECT_LT(clock.elapsed(), 900) << escape;
        EXPECT_EQ(server.paths, QList<QByteArray>({"/dead"})) << escape;
        EXPECT_FALSE(w.isVisible()) << escape;
        EXPECT_EQ(
            Log(w),
            Lines({"Downloading UK Lotto draws...# sec", "Not updated: the run was stopped.", "Stopped...# sec"}));
    }
    EXPECT_EQ(readBytes("dbase100.txt"), old);
    EXPECT_FALSE(exists("dbase101.txt"));
    EXPECT_TRUE(boxes().empty());
}

TEST_F(DownloadWindows, AShorterDownloadReplacesTheDatabaseOnlyWhenConfirmed)
{
    OnlyUKLotto();
    QStringList draws;
    for (int k = 0; k < 40; ++k)
        draws << "05 Mar 05,1,2,3,4,5,6,,7";
    writeLines("dbase100.txt", DatabaseLines("UK Lotto", "6,49,0,0,1", draws));
    const QByteArray before = Md5("dbase100.txt");
    for (int reply : {vbNo, vbYes}) {
        LoadedWindow<DbaseUpdate> w;
        answer(reply);
        w.OKButton_Click();
        EXPECT_TRUE(IsBox(lastBox(), "The downloaded file holds 30 draws, your database 40. Replace it?", "UK Lotto",
                          vbYesNo + vbQuestion + vbDefaultButton2));
        if (reply == vbNo) {
            EXPECT_EQ(Md5("dbase100.txt"), before);
            EXPECT_EQ(w.List2->item(2)->text(), "Not updated: your database of 40 draws was kept.");
        }
    }
    EXPECT_EQ(readBytes("dbase100.txt"), DatabaseOf(ParseUKResults(0, "UK Lotto", FixtureBytes("uk/Lotto.csv"))));
}

TEST_F(DownloadWindows, ADatabaseThatCannotBeReadIsNeverReplaced)
{
    OnlyUKLotto();
    makePipe("dbase100.txt");
    makePipe("dbase067.txt");
    LoadedWindow<DbaseUpdate> uk;
    uk.OKButton_Click();
    EXPECT_EQ(
        Log(uk),
        Lines({"Downloading UK Lotto draws...# sec", "Processing UK Lotto draws...# sec",
               "Not updated: your database dbase100.txt could not be read, so it was kept.", "Finished...# sec"}));
    LoadedWindow<DbaseUpdateOther> other;
    other.SSTab1->setCurrentIndex(0);
    other.OKButton_Click();
    EXPECT_EQ(
        Log(other),
        Lines({"Connecting to lottery website...# sec", "Processing lottery draws data...# sec",
               "Not updated: your database dbase067.txt could not be read, so it was kept.", "Finished...# sec"}));
    EXPECT_TRUE(isPipe("dbase100.txt"));
    EXPECT_TRUE(isPipe("dbase067.txt"));
    EXPECT_TRUE(boxes().empty());
}

TEST_F(DownloadWindows, UKAddressesAreSavedTrimmedOnlyWhenConfirmed)
{
    LoadedWindow<DbaseUpdate> w;
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(w.Text1[i]->text(), Settings[UKDownloadURL + i]);
    EXPECT_EQ(w.Label6[3]->text(), "Lotto Extra:");
    const QByteArray file = readBytes("vantrel.ini");
    w.Text1[0]->setText("  http://results.example.org/Lotto.csv ");
    answer(vbNo);
    w.Command7_Click();
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_TRUE(IsBox(boxAt(0), "Are you sure you want to change the URLs?    ", "Update URLs", vbYesNo + vbQuestion));
    EXPECT_EQ(readBytes("vantrel.ini"), file);
    EXPECT_NE(Settings[UKDownloadURL], "http://results.example.org/Lotto.csv");

    // An edited box is not what a download fetches until it is saved.
    OnlyUKLotto();
    w.OKButton_Click();
    EXPECT_EQ(server.paths, QList<QByteArray>({"/uk/Lotto.csv"}));

    w.Text1[4]->setText("\thttp://results.example.org/HotPicks.csv  ");
    answer(vbYes);
    answer(vbOK);
    w.Command7_Click();
    EXPECT_TRUE(IsBox(lastBox(), "URLs updated.    ", "Saved", vbInformation));
    EXPECT_EQ(Settings[UKDownloadURL], "http://results.example.org/Lotto.csv");
    EXPECT_EQ(Settings[UKDownloadURL + 4], "http://results.example.org/HotPicks.csv");
    const QStringList lines = readFile("vantrel.ini").split("\r\n");
    EXPECT_EQ(lines[49], "http://results.example.org/Lotto.csv");
    EXPECT_EQ(lines[53], "http://results.example.org/HotPicks.csv");
}

TEST_F(DownloadWindows, ASettingsFileThatCannotBeWrittenIsSaidSo)
{
    QFile::remove(path("vantrel.ini"));
    ASSERT_TRUE(QDir(dir_.path()).mkdir("vantrel.ini"));
    LoadedWindow<DbaseUpdateOther> w;
    w.Text1->setText("http://results.example.org/sa.csv");
    answer(vbYes);
    answer(vbOK);
    w.Command7_Click();
    ASSERT_EQ(boxes().size(), 2u);
    EXPECT_EQ(boxAt(1).text,
              "The settings were not saved: vantrel.ini could not be written: Is a directory.    \r\n"
              "The new URLs are used now, but they are not saved yet.    ");
    EXPECT_EQ(boxAt(1).title, "Error");
    EXPECT_EQ(Settings[AddressItemOf(OtherLottery::SALotto)], "http://results.example.org/sa.csv");
}

TEST_F(DownloadWindows, EachTabDownloadsItsGroup)
{
    LoadedWindow<DbaseUpdateOther> w;
    EXPECT_EQ(w.SSTab1->tabText(0), "South Africa");
    EXPECT_EQ(w.SSTab1->tabText(1), "Australia");
    EXPECT_EQ(w.SSTab1->tabText(2), "US");
    EXPECT_EQ(w.Label13->text(), "Ca SuperLoto Plus:");
    EXPECT_TRUE(w.Label15->isHidden());
    bool waitShown = false;
    server.onRequest = [&](const QByteArray&) { waitShown = waitShown || w.Label15->isVisibleTo(&w); };

    w.SSTab1->setCurrentIndex(0);
    w.OKButton_Click();
    const QStringList sa = {"Connecting to lottery website...# sec", "Processing lottery draws data...# sec",
                            "Updated SA Lotto database...# sec", "Finished...# sec"};
    EXPECT_EQ(Log(w), Lines(sa));
    EXPECT_TRUE(waitShown);
    EXPECT_TRUE(w.Label15->isHidden());
    EXPECT_TRUE(w.OKButton->isEnabled());

    // A second run adds below the first.
    w.SSTab1->setCurrentIndex(1);
    w.OKButton_Click();
    QStringList au = sa;
    for (const char* updated : {"Updated Au Gold Lotto database...", "Updated Au Gold Lotto database...",
                                "Updated Au Powerball database...", "Updated Au Oz Lotto database..."})
        au << "Connecting to lottery website...# sec"
           << "Processing lottery draws data...# sec" << QString(updated) + "# sec";
    au << "Finished...# sec";
    EXPECT_EQ(Log(w), Lines(au));

    // While the US group runs, its tab stays; only that group runs.
    w.List2->clear();
    w.SSTab1->setCurrentIndex(2);
    w.show();
    server.onRequest = [&](const QByteArray&) { w.SSTab1->setCurrentIndex(0); };
    w.OKButton_Click();
    EXPECT_EQ(w.SSTab1->currentIndex(), 2);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(Log(w),
              Lines({"Connecting to Mega Millions...# sec", "Processing Mega Millions data...# sec",
                     "Connecting to Powerball site...# sec", "Processing Powerball data...# sec",
                     "Updated Powerball database...# sec", "Connecting to SuperLotto Plus...# sec",
                     "Processing SuperLotto Plus data...# sec", "Updated SuperLotto Plus database...# sec",
                     "Connecting to Fantasy 5 Plus...# sec", "Processing Fantasy 5 data...# sec", "Finished...# sec"}));

    for (int k = 0; k < kOtherLotteries; ++k) {
        const OtherLottery lottery = OtherLottery(k);
        EXPECT_EQ(readBytes(OtherLotteryOf(lottery).file),
                  DatabaseOf(ParseOtherResults(lottery, QString::fromUtf8(FixtureBytes(kOtherFiles[k])))))
            << k;
    }
    EXPECT_TRUE(boxes().empty());
}

TEST_F(DownloadWindows, AShortTextSkipsTheRestOfItsGroupOnly)
{
    const QByteArray gold = FixtureBytes("au/GoldLottoSat.csv");
    server.serve("/au/GoldLottoSat.csv", Exactly(gold, 499));
    LoadedWindow<DbaseUpdateOther> w;
    w.SSTab1->setCurrentIndex(1);
    w.OKButton_Click();
    EXPECT_EQ(Log(w), Lines({"Connecting to lottery website...# sec", "Download error!", "Finished...# sec"}));
    EXPECT_EQ(server.paths, QList<QByteArray>({"/au/GoldLottoSat.csv"}));
    EXPECT_FALSE(exists("dbase063.txt"));

    server.serve("/au/GoldLottoSat.csv", Exactly(gold, 500));
    server.paths.clear();
    w.OKButton_Click();
    EXPECT_EQ(server.paths.size(), 4);
    EXPECT_EQ(readFile("dbase063.txt").count("\r\n"), 3 + 11);

    // A short Mega Millions text still lets the other US lotteries run; a
    // short SuperLotto Plus text keeps Fantasy 5 from being fetched.
    server.serve("/us/megamillions.txt", "Draw Date; WB1\r\n");
    server.serve("/ca/SuperLottoPlus.txt", Exactly(FixtureBytes("ca/SuperLottoPlus.txt"), 499));
    server.paths.clear();
    w.List2->clear();
    w.SSTab1->setCurrentIndex(2);
    w.OKButton_Click();
    EXPECT_EQ(server.paths,
              QList<QByteArray>({"/us/megamillions.txt", "/us/winnums-text.txt", "/ca/SuperLottoPlus.txt"}));
    EXPECT_EQ(Log(w),
              Lines({"Connecting to Mega Millions...# sec", "Download error!", "Connecting to Powerball site...# sec",
                     "Processing Powerball data...# sec", "Updated Powerball database...# sec",
                     "Connecting to SuperLotto Plus...# sec", "Download error!", "Finished...# sec"}));
    EXPECT_TRUE(boxes().empty());
}

TEST_F(DownloadWindows, AFailedLotteryEndsItsGroupAndKeepsItsFile)
{
    writeFile("dbase064.txt", QString::fromUtf8(old));
    const QByteArray before = Md5("dbase064.txt");
    server.serve("/au/GoldLottoWed.csv", FixtureBytes("errors/error.html"));
    LoadedWindow<DbaseUpdateOther> w;
    w.SSTab1->setCurrentIndex(1);
    answer(vbOK);
    w.OKButton_Click();
    EXPECT_EQ(Log(w),
              Lines({"Connecting to lottery website...# sec", "Processing lottery draws data...# sec",
                     "Updated Au Gold Lotto database...# sec", "Connecting to lottery website...# sec",
                     "Processing lottery draws data...# sec", "Not updated: No draw was found in the downloaded text.",
                     "Finished...# sec"}));
    EXPECT_EQ(Md5("dbase064.txt"), before);
    EXPECT_FALSE(exists("dbase065.txt"));
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_TRUE(IsBox(boxAt(0), "An error occurred. Please try again later.", "Error", vbCritical));

    // A refused connection on the South African tab.
    writeFile("dbase067.txt", QString::fromUtf8(old));
    Settings.set(AddressItemOf(OtherLottery::SALotto), LoopbackServer::RefusedUrl("/sa"));
    w.List2->clear();
    w.SSTab1->setCurrentIndex(0);
    answer(vbOK);
    w.OKButton_Click();
    EXPECT_EQ(Log(w),
              Lines({"Connecting to lottery website...# sec", "Not updated: The connection to 127.0.0.1 was refused.",
                     "Finished...# sec"}));
    EXPECT_EQ(readBytes("dbase067.txt"), old);
}

TEST_F(DownloadWindows, EachTabSavesOnlyItsOwnAddresses)
{
    LoadedWindow<DbaseUpdateOther> w;
    EXPECT_EQ(w.Text6->text(), Settings[AddressItemOf(OtherLottery::USPowerball)]);
    EXPECT_EQ(w.Text2->text(), Settings[AddressItemOf(OtherLottery::GoldLottoSat)]);
    const QString sa = Settings[AddressItemOf(OtherLottery::SALotto)];
    const QString gold = Settings[AddressItemOf(OtherLottery::GoldLottoSat)];
    w.Text1->setText("http://sa.example.org/x");
    w.Text2->setText("http://au.example.org/x");
    w.Text7->setText(" http://mm.example.org/x ");
    w.Text8->setText("");

    answer(vbNo);
    w.Command2_Click();
    EXPECT_EQ(boxAt(0).text, "Are you sure you want to save these URLs?    ");
    EXPECT_NE(Settings[AddressItemOf(OtherLottery::MegaMillions)], "http://mm.example.org/x");

    answer(vbYes);
    answer(vbOK);
    w.Command2_Click();
    EXPECT_EQ(lastBox().text, "URLs updated.    ");
    EXPECT_EQ(Settings[AddressItemOf(OtherLottery::MegaMillions)], "http://mm.example.org/x");
    EXPECT_EQ(Settings[AddressItemOf(OtherLottery::SuperLottoPlus)], "");
    EXPECT_EQ(Settings[AddressItemOf(OtherLottery::SALotto)], sa);
    EXPECT_EQ(Settings[AddressItemOf(OtherLottery::GoldLottoSat)], gold);
    const QStringList lines = readFile("vantrel.ini").split("\r\n");
    EXPECT_EQ(lines[67], "http://mm.example.org/x");
    EXPECT_EQ(lines[66], sa);

    answer(vbYes);
    answer(vbOK);
    w.Command1_Click();
    EXPECT_EQ(Settings[AddressItemOf(OtherLottery::GoldLottoSat)], "http://au.example.org/x");
    EXPECT_EQ(Settings[AddressItemOf(OtherLottery::OzLotto)], w.Text5->text());
    EXPECT_EQ(Settings[AddressItemOf(OtherLottery::SALotto)], sa);
}

TEST_F(DownloadWindows, FiveLargeUKFilesEndToEnd)
{
    // Five files of 3000 draws each.
    for (int i = 0; i < 5; ++i) {
        QByteArray text = "DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Ball 6,Ball 7,Bonus,Machine\r\n";
        QDate date(2020, 12, 30);
        for (int row = 0; row < 3000; ++row, date = date.addDays(-1)) {
            text += MediumDate(date).toUtf8();
            for (int k = 1; k <= 8; ++k)
                text += ',' + QByteArray::number((row * 7 + k * 3) % 27 + 1);
            text += ",Arthur\r\n";
        }
        server.serve(QByteArray("/uk/") + kUKFiles[i], text);
    }
    LoadedWindow<DbaseUpdate> w;
    QElapsedTimer clock;
    clock.start();
    w.OKButton_Click();
    const qint64 ms = clock.elapsed();
    std::cout << "[ timing   ] UK run of five 3000-draw files from the loopback server: " << ms << " ms\n";
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(readFile(UKDatabaseFile(i)).count("\r\n"), 3 + 3000) << i;
    EXPECT_TRUE(boxes().empty());
}

TEST_F(DownloadWindows, TheNoticeShowsWholeAndTheWindowsFitTheScreen)
{
    const QFont font = QApplication::font();
    for (double scale : {1.0, 1.6}) {
        QFont bigger = font;
        bigger.setPointSizeF(font.pointSizeF() * scale);
        QApplication::setFont(bigger);
        LoadedWindow<DbaseUpdate> uk;
        LoadedWindow<DbaseUpdateOther> other;
        for (DownloadFrame* w : {static_cast<DownloadFrame*>(&uk), static_cast<DownloadFrame*>(&other)}) {
            w->show();
            EXPECT_LE(w->width(), 1280) << scale;
            EXPECT_LE(w->height(), 800) << scale;
            const auto* notice = w->findChild<QLabel*>("Label4");
            EXPECT_GE(notice->height(), notice->heightForWidth(notice->width())) << scale;
            // Nothing above the notice reaches into it.
            const QWidget* above = w == &uk ? static_cast<QWidget*>(uk.SSTab1) : other.List2;
            EXPECT_LE(above->geometry().bottom(), notice->geometry().top()) << scale;
        }
    }
    QApplication::setFont(font);
}

// The Help menu: the version check against a loopback web server, the help
// pages, web sites and mail links, the About window and the Lottery
// Information window.

#include "core/LotteryInfoFile.h"
#include "core/Settings.h"
#include "core/VersionCheck.h"
#include "core/ui/About.h"
#include "core/ui/HelpCommands.h"
#include "core/ui/LotteryInfo.h"
#include "platform/TextFile.h"
#include "platform/ui/Shell.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeySequence>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

namespace {
// A web server on 127.0.0.1 that answers every request with the same bytes
// and closes the connection, or never answers when it has none.
class VersionServer {
public:
    VersionServer()
    {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection())
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { read(socket); });
        });
    }
    QString site() const { return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()); }
    void answer(const QByteArray& status, const QByteArray& body)
    {
        answer_ = "HTTP/1.1 " + status + "\r\nContent-Length: " + QByteArray::number(body.size())
            + "\r\nConnection: close\r\n\r\n" + body;
    }
    QList<QByteArray> paths;

private:
    void read(QTcpSocket* socket)
    {
        QByteArray& head = heads_[socket];
        head += socket->readAll();
        if (!head.contains("\r\n\r\n"))
            return;
        paths << head.split(' ').value(1);
        heads_.remove(socket);
        if (answer_.isEmpty())
            return;
        socket->write(answer_);
        socket->disconnectFromHost();
    }
    QTcpServer server_;
    QByteArray answer_;
    QHash<QTcpSocket*, QByteArray> heads_;
};

class HelpTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        LoadSettings();
        SetShellHook([this](const QUrl& url) {
            opened << url;
            return true;
        });
    }
    QList<QUrl> opened;
};

const QString kErrorText =
    "An error occured checking for the latest    \r\nprogram version. No Internet connection     "
    "\r\nor website not available.";

QString versionAbove(const QString& version, int step)
{
    QStringList parts = version.split('.');
    parts[2] = QString::number(parts[2].toInt() + step);
    return parts.join('.');
}
} // namespace

TEST(VersionRules, ReadAndCompareVersions)
{
    EXPECT_EQ(PublishedVersion("VTL7.0.4"), "7.0.4");
    EXPECT_EQ(PublishedVersion("VTL7.0.4 released today\r\n"), "7.0.4");
    EXPECT_EQ(PublishedVersion("VTL12.03.10"), std::nullopt);
    EXPECT_EQ(PublishedVersion("vtl7.0.5"), std::nullopt);
    EXPECT_EQ(PublishedVersion("<html><body>Not found</body></html>"), std::nullopt);
    EXPECT_EQ(PublishedVersion("VTL7.0"), std::nullopt);
    EXPECT_EQ(PublishedVersion(""), std::nullopt);

    EXPECT_LT(CompareVersions("7.0.4", "7.0.10"), 0); // as numbers, not as text
    EXPECT_GT(CompareVersions("10.0.0", "9.9.9"), 0);
    EXPECT_EQ(CompareVersions("7.0.4", "7.0.4"), 0);

    EXPECT_EQ(VersionFileAddress("http://www.vantrel.org"), "http://www.vantrel.org/software/vtl_version.txt");
    EXPECT_EQ(VersionFileAddress("https://Example.org:8443/home/index.html?x=1"),
              "https://example.org:8443/software/vtl_version.txt");
    EXPECT_EQ(VersionFileAddress("file:///etc/passwd"), "");
    EXPECT_EQ(VersionFileAddress("not an address"), "");

    EXPECT_TRUE(PublishedVersion("VTL" + ProgramVersion()).has_value());
}

TEST_F(HelpTest, VersionCheckAnswersForEachPublishedVersion)
{
    VersionServer server;
    Settings.set(LinkAddress, server.site());
    const QString current = ProgramVersion();

    server.answer("200 OK", ("VTL" + current + "\r\n").toUtf8());
    answer(vbOK);
    CheckForNewVersion();
    EXPECT_EQ(lastBoxText(), "You have the latest version of the program.    ");
    EXPECT_EQ(lastBox().title, "VTL update check");
    EXPECT_EQ(lastBox().style, vbOKOnly + vbInformation);
    EXPECT_EQ(server.paths, QList<QByteArray>({"/software/vtl_version.txt"}));
    EXPECT_EQ(readFile("temp.txt"), "VTL" + current + "\r\n\r\n");

    // A higher version is offered; Yes opens the program's site.
    const QString higher = versionAbove(current, 1);
    server.answer("200 OK", ("VTL" + higher).toUtf8());
    answer(vbYes);
    CheckForNewVersion();
    EXPECT_EQ(lastBoxText(),
              "  A new version of the program is available.      \r\n\r\n  Current version: " + current
                  + "\r\n  Latest version: " + higher + "\r\n\r\n  Go to website to download it?      \r\n");
    EXPECT_EQ(lastBox().style, vbYesNo + vbInformation);
    EXPECT_EQ(opened, QList<QUrl>({QUrl(server.site())}));
    answer(vbNo);
    CheckForNewVersion();
    EXPECT_EQ(opened.size(), 1);

    // A lower one is not news.
    server.answer("200 OK", "VTL0.0.0");
    answer(vbOK);
    CheckForNewVersion();
    EXPECT_EQ(lastBoxText(), "You have the latest version of the program.    ");
}

TEST_F(HelpTest, VersionCheckReadsFiveCharactersAndKeepsWhatWasFetched)
{
    VersionServer server;
    const QString current = ProgramVersion();
    const QString latest = "You have the latest version of the program.    ";
    const struct {
        QByteArray status, body;
        QString site; // the server's when empty
        QString box;  // the box's text; the new-version question when empty
    } cases[] = {
        // The five characters after "VTL" are the version; the rest is ignored.
        {"200 OK", ("VTL" + current + "1").toUtf8(), "", latest},
        {"200 OK", "VTL7.0.49", "", ""},
        {"200 OK", "VTL12.0.1", "", kErrorText},
        {"404 Not Found", "<html>No such page</html>", "", kErrorText},
        {"200 OK", "VTL7.0.4", "ftp://example.org", kErrorText},
    };
    for (const auto& c : cases) {
        writeFile("temp.txt", "from before\r\n");
        server.answer(c.status, c.body);
        Settings.set(LinkAddress, c.site.isEmpty() ? server.site() : c.site);
        answer(c.box.isEmpty() ? vbNo : vbOK);
        CheckForNewVersion();
        if (c.box.isEmpty())
            EXPECT_TRUE(lastBoxText().contains("  Latest version: 7.0.4\r\n")) << lastBoxText().toStdString();
        else
            EXPECT_EQ(lastBoxText().toStdString(), c.box.toStdString()) << c.body.toStdString();
        // The fetched text replaces the file, also when the check fails.
        const QString fetched = c.site.isEmpty() ? QString::fromUtf8(c.body) : QString();
        EXPECT_EQ(readFile("temp.txt").toStdString(), (fetched + "\r\n").toStdString()) << c.body.toStdString();
    }
}

TEST_F(HelpTest, RefusedWebAddressesSayWhatIsWrong)
{
    const std::pair<QString, QString> cases[] = {
        {"http://", "it names no web site"},
        {"https://user@:8080/results", "it names no web site"},
        {"http://example.org/draws 2015.csv", "it holds a blank, which no web address can hold"},
        {"http://example.org/\"draws\".csv", "it holds a double quote, which no web address can hold"},
        {"http://example.org/a|b", "it holds \"|\", which no web address can hold"},
        {"http://exa*mple.org/draws.csv", "\"exa*mple.org\" cannot be the name of a web site"},
        {"http://example..org/", "\"example..org\" cannot be the name of a web site"},
        {"http://example.org:99999/", "\"99999\" is no port number"},
        {"http://example.org/a%zz", "a \"%\" in it is not followed by two hexadecimal digits"},
        // Letters of any alphabet are encoded on the way.
        {"http://m\u00fcller.example/gew\u00fcnscht", ""},
        {"HTTPS://[::1]:8443/draws.csv", ""},
    };
    for (const auto& [address, why] : cases) {
        const qsizetype before = opened.size();
        if (why.isEmpty()) {
            OpenWebPage(address);
            EXPECT_EQ(opened.size(), before + 1) << address.toStdString();
            continue;
        }
        answer(vbOK);
        OpenWebPage(address);
        EXPECT_EQ(opened.size(), before);
        const QString sentence = why.left(1).toUpper() + why.mid(1) + ".";
        EXPECT_EQ(lastBoxText().toStdString(),
                  ("This web address cannot be opened: " + address + "\r\n\r\n" + sentence).toStdString());
        EXPECT_EQ(Fetch(address).error.toStdString(),
                  ("\"" + address + "\" is not a web address: " + why + ".").toStdString());
    }
}

TEST_F(HelpTest, VersionCheckFailuresGiveTheErrorMessage)
{
    VersionServer server;
    Settings.set(LinkAddress, server.site());
    for (const auto& [status, body] :
         std::vector<std::pair<QByteArray, QByteArray>>{{"200 OK", "VTLgarbage"},
                                                        {"200 OK", "vtl9.9.9"},
                                                        {"200 OK", "<!DOCTYPE html><html><body>Moved</body></html>"},
                                                        {"200 OK", ""},
                                                        {"500 Internal Server Error", "VTL99.0.0"}}) {
        server.answer(status, body);
        answer(vbOK);
        CheckForNewVersion();
        EXPECT_EQ(lastBoxText(), kErrorText) << body.toStdString();
        EXPECT_EQ(lastBox().title, "VTL update error");
        EXPECT_EQ(lastBox().style, vbOKOnly + vbExclamation);
    }

    // No server at the address: the connection is refused.
    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost, 0);
    const quint16 port = closed.serverPort();
    closed.close();
    Settings.set(LinkAddress, QStringLiteral("http://127.0.0.1:%1").arg(port));
    answer(vbOK);
    CheckForNewVersion();
    EXPECT_EQ(lastBoxText(), kErrorText);

    // A server that never answers: the fetch gives up.
    VersionServer silent;
    const VersionCheckResult result = CheckVersion(silent.site(), 300);
    EXPECT_EQ(result.kind, VersionCheckResult::Error);
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(HelpTest, HelpPagesSitesAndMail)
{
    answer(vbOK);
    ShowHelpPage();
    EXPECT_EQ(lastBoxText(), "The help page help.html is not in the program folder.  ");
    writeFile("help.html", "<html></html>");
    ShowHelpPage();
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(QFileInfo(opened[0].toLocalFile()).canonicalFilePath(), QFileInfo(path("help.html")).canonicalFilePath());

    OpenProgramSite();
    EXPECT_EQ(opened.last(), QUrl(Settings[LinkAddress]));

    answer(vbOK);
    OpenAlternativeSite();
    EXPECT_EQ(lastBoxText(), "This site is not as up to date\r\nor functional as the main site.    \r\n");
    EXPECT_EQ(lastBox().title, "Warning");
    EXPECT_EQ(lastBox().style, vbOKOnly + vbExclamation);
    EXPECT_EQ(opened.last(), QUrl(kAlternativeSite));

    WriteMailTo(kSupportEmail);
    EXPECT_EQ(opened.last().scheme(), "mailto");
    EXPECT_EQ(opened.last().path(), kSupportEmail);

    // Only web addresses are opened.
    Settings.set(LinkAddress, "file:///etc/passwd");
    const qsizetype before = opened.size();
    answer(vbOK);
    OpenProgramSite();
    EXPECT_EQ(opened.size(), before);
    EXPECT_TRUE(lastBoxText().startsWith("This web address cannot be opened"));
}

TEST_F(HelpTest, ADesktopWithoutABrowserIsNotBlamedOnThePage)
{
    SetShellHook([](const QUrl&) { return false; });
    writeFile("help.html", "<html></html>");
    answer(vbOK);
    ShowHelpPage();
    EXPECT_EQ(lastBoxText(),
              "This desktop has no program to open web pages, so the help page help.html cannot be "
              "shown.    ");
    answer(vbOK);
    OpenProgramSite();
    EXPECT_EQ(lastBoxText(),
              "This desktop has no program to open web pages, so " + Settings[LinkAddress] + " cannot be shown.    ");
}

TEST_F(HelpTest, ShippedHelpPagesAreOursAndLinked)
{
    const QDir data(VANTREL_SOURCE_DATA_DIR);
    for (const char* page : {"help.html", "helpplay.html", "helpprint.html"}) {
        const auto text = ReadTextFile(data.filePath(page));
        ASSERT_TRUE(text.has_value()) << page;
        EXPECT_FALSE(text->contains("<script", Qt::CaseInsensitive)) << page;
        EXPECT_TRUE(text->contains("<title>")) << page;
        // Every page it links to ships with it.
        QRegularExpression link("href=\"([^\"#:]+)");
        for (auto it = link.globalMatch(*text); it.hasNext();) {
            const QString target = it.next().captured(1);
            EXPECT_TRUE(data.exists(target)) << page << " links to " << target.toStdString();
        }
    }
    const auto start = ReadTextFile(data.filePath("help.html"));
    EXPECT_TRUE(start->contains("First steps"));
}

TEST_F(HelpTest, AboutShowsTheVersionAndTheAddresses)
{
    // The web address is read when the window loads, not when it is made.
    About w;
    Settings.set(LinkAddress, "http://lotto.example.org");
    w.Load();
    EXPECT_TRUE(w.Label3->text().contains("lotto.example.org")) << w.Label3->text().toStdString();
    EXPECT_EQ(w.windowTitle(), "About Vantrel");
    EXPECT_EQ(w.lblTitle->text(), "Vantrel");
    EXPECT_EQ(w.lblVersion->text(), "Version " + ProgramVersion());
    EXPECT_EQ(w.cmdSysInfo->text(), "&System Info...");
    EXPECT_EQ(w.cmdOK->toolTip(), " Close ");

    answer(vbOK);
    QTest::mouseClick(w.cmdSysInfo, Qt::LeftButton);
    EXPECT_EQ(lastBoxText(), "System Information Is Unavailable At This Time");
    EXPECT_EQ(lastBox().title, "Vantrel");
    EXPECT_EQ(lastBox().style, vbOKOnly);

    w.Label10_Click();
    w.Label9_Click();
    w.Label3_Click();
    ASSERT_EQ(opened.size(), 3);
    EXPECT_EQ(opened[0].toString(), "mailto:" + kGeneralEmail);
    EXPECT_EQ(opened[1].toString(), "mailto:" + kSupportEmail);
    EXPECT_EQ(opened[2], QUrl(Settings[LinkAddress]));
}

TEST(LotteryInfoRules, SectionsTabsAndStrayLines)
{
    const LotteryInfoText three = ParseLotteryInfo({"#UK Lotto", "6 from 59", "", "#Empty", "#Last", "end"});
    ASSERT_EQ(three.sections.size(), 3);
    EXPECT_EQ(three.sections[0].caption, "UK Lotto");
    EXPECT_EQ(three.sections[0].text, "6 from 59\n\n");
    EXPECT_EQ(three.sections[1].text, "");
    EXPECT_EQ(three.sections[2].text, "end\n");
    EXPECT_EQ(three.droppedSections, 0);

    // Lines before the first section are kept at the top of the first tab.
    const LotteryInfoText stray = ParseLotteryInfo({"note", "#A", "a"});
    ASSERT_EQ(stray.sections.size(), 1);
    EXPECT_EQ(stray.sections[0].text, "note\na\n");
    const LotteryInfoText none = ParseLotteryInfo({"just text"});
    ASSERT_EQ(none.sections.size(), 1);
    EXPECT_FALSE(none.sections[0].named);
    EXPECT_TRUE(ParseLotteryInfo({}).sections.isEmpty());
    EXPECT_EQ(ParseLotteryInfo({"#"}).sections[0].caption, "");

    QStringList twelve;
    for (int i = 1; i <= 12; ++i)
        twelve << QStringLiteral("#S%1").arg(i) << QStringLiteral("text %1").arg(i);
    const LotteryInfoText many = ParseLotteryInfo(twelve);
    ASSERT_EQ(many.sections.size(), kLotteryInfoTabs);
    EXPECT_EQ(many.sections[9].caption, "S10");
    EXPECT_EQ(many.sections[9].text, "text 10\n");
    EXPECT_EQ(many.droppedSections, 2);
}

TEST_F(HelpTest, LotteryInfoWindowShowsOneTabPerSection)
{
    {
        LoadedWindow<LotteryInfo> missing;
        EXPECT_EQ(missing.windowTitle(), "Lottery Information");
        EXPECT_FALSE(missing.Notice->isHidden());
        EXPECT_TRUE(missing.Notice->text().contains("is not in the program folder"));
        EXPECT_TRUE(missing.SSTab1->isHidden());
    }
    writeLines("Lottery Info.txt", {"#First", "one", "#Second", "#Third", "three a", "three b"});
    {
        LoadedWindow<LotteryInfo> w;
        EXPECT_TRUE(w.Notice->isHidden());
        EXPECT_EQ(w.SSTab1->currentIndex(), 0);
        EXPECT_EQ(w.SSTab1->tabText(0), "First");
        EXPECT_EQ(w.SSTab1->tabText(2), "Third");
        EXPECT_EQ(w.Text1[0]->toPlainText(), "one\n");
        EXPECT_EQ(w.Text1[1]->toPlainText(), "");
        EXPECT_EQ(w.Text1[2]->toPlainText(), "three a\nthree b\n");
        for (int i = 0; i < kLotteryInfoTabs; ++i)
            EXPECT_EQ(w.SSTab1->isTabVisible(i), i < 3) << i;
        EXPECT_TRUE(w.Text1[0]->isReadOnly());
    }
    QStringList lines;
    for (int i = 1; i <= 12; ++i)
        lines << QStringLiteral("#Lottery %1").arg(i) << "facts";
    writeLines("Lottery Info.txt", lines);
    {
        LoadedWindow<LotteryInfo> w;
        EXPECT_EQ(w.SSTab1->tabText(9), "Lottery 10");
        EXPECT_TRUE(w.SSTab1->isTabVisible(9));
        EXPECT_EQ(w.Notice->text(), "\"Lottery Info.txt\" has 12 sections; only the first 10 are shown here.");
    }
    lines = lines.mid(0, 20);
    writeLines("Lottery Info.txt", lines);
    LoadedWindow<LotteryInfo> ten;
    EXPECT_TRUE(ten.Notice->isHidden());
    EXPECT_TRUE(ten.SSTab1->isTabVisible(9));
    QTest::mouseClick(ten.Command1, Qt::LeftButton);
}

// A caption shows as written: a "&" in it marks no shortcut key.
TEST_F(HelpTest, LotteryInfoCaptionsShowTheirAmpersands)
{
    const QStringList captions{"P&O", "A && B", "&Lotto", "End&"};
    QStringList lines;
    for (const QString& caption : captions)
        lines << "#" + caption << "text";
    writeLines("Lottery Info.txt", lines);
    LoadedWindow<LotteryInfo> w;
    for (int i = 0; i < captions.size(); ++i) {
        const QString text = w.SSTab1->tabText(i);
        EXPECT_TRUE(QKeySequence::mnemonic(text).isEmpty()) << text.toStdString();
        // What the tab shows: "&&" draws one "&", a single "&" none.
        EXPECT_EQ(QString(text).replace("&&", QChar(1)).remove('&').replace(QChar(1), '&'), captions[i]);
    }
}

TEST(LotteryInfoRules, TheShippedFileFillsEveryTab)
{
    const auto lines = ReadLines(QDir(VANTREL_SOURCE_DATA_DIR).filePath(kLotteryInfoFile));
    ASSERT_TRUE(lines.has_value());
    const LotteryInfoText info = ParseLotteryInfo(*lines);
    EXPECT_EQ(info.sections.size(), kLotteryInfoTabs);
    EXPECT_EQ(info.droppedSections, 0);
    for (const LotteryInfoSection& section : info.sections) {
        EXPECT_FALSE(section.caption.isEmpty());
        EXPECT_GT(section.text.size(), 200) << section.caption.toStdString();
    }
    for (const QString& line : *lines)
        EXPECT_LE(line.size(), 76) << line.toStdString();
}

// The Preferences window in a temporary program folder: what it shows of the
// settings, what Save writes, the colour samples and the two resets.

#include "core/PreferenceRules.h"
#include "core/Settings.h"
#include "core/ui/Preferences.h"
#include "platform/TextFile.h"
#include "platform/ui/Colours.h"
#include "support/TestSupport.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

namespace {
class PreferencesTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        LoadSettings(); // writes the defaults
    }
    QStringList fileLines() const { return *ReadLines(path(kSettingsFile)); }
    QString line(SettingsItem item) const { return fileLines().value(int(item) - 1); }
};
} // namespace

TEST(PreferenceRules, CaptionsAndAddressesAsStored)
{
    EXPECT_EQ(StoredLinkCaption("  A&B, C "), "A&&B' C");
    EXPECT_EQ(ShownLinkCaption("A&&B' C"), "A&B' C");
    EXPECT_EQ(StoredLinkCaption(ShownLinkCaption("A&&B' C")), "A&&B' C");
    EXPECT_EQ(StoredLinkCaption("   "), "");

    EXPECT_EQ(StoredLinkAddress(" www.example.org "), "http://www.example.org");
    EXPECT_EQ(StoredLinkAddress(""), "http://");
    EXPECT_EQ(StoredLinkAddress("HTTP://Example.org/A"), "HTTP://Example.org/A");
    EXPECT_EQ(StoredLinkAddress("https://example.org"), "https://example.org");
    EXPECT_EQ(StoredLinkAddress("localhost:8080/x"), "http://localhost:8080/x");

    EXPECT_TRUE(FilterSecondOption("2"));
    EXPECT_TRUE(FilterSecondOption(" 2 History  filter"));
    EXPECT_FALSE(FilterSecondOption("3 Long Run filter"));
    EXPECT_FALSE(FilterSecondOption("junk"));
    EXPECT_EQ(FilterItemText(HistoryFilter, true), "2 History  filter");
    EXPECT_EQ(FilterItemText(LongRunFilter, false), "3 Long Run filter");
    EXPECT_EQ(SkinFlagsText(true, true), "3");
    EXPECT_EQ(SkinFlagsText(false, true), "2");
}

TEST_F(PreferencesTest, ShowsTheSettings)
{
    Settings.set(HighLowFilter, "2");
    Settings.set(LongRunFilter, "2 Long Run filter");
    Settings.set(HistoryFilter, "7 History  filter"); // neither: the first option
    Settings.set(LinkCaption + 1, "Tom &&& Jerry");
    Settings.set(LinkAddress + 1, "https://example.org");
    Settings.set(LabelColour, "&HFF");
    LoadedWindow<Preferences> w;
    EXPECT_EQ(w.windowTitle(), "Preferences");
    EXPECT_TRUE(w.Option1[0]->isChecked());
    EXPECT_TRUE(w.Option2[1]->isChecked());
    EXPECT_TRUE(w.Option3[0]->isChecked());
    EXPECT_TRUE(w.Option4[1]->isChecked());
    EXPECT_EQ(w.Text1[0]->text(), "Tom && Jerry");
    EXPECT_EQ(w.Text2[0]->text(), "https://example.org");
    EXPECT_EQ(w.Text1[1]->text(), "Camelot (UK Lottery)");
    EXPECT_EQ(w.Text1[8]->text(), "");
    // "1 Skinning/colours": pictures on, colours off.
    EXPECT_TRUE(w.Check4->isChecked());
    EXPECT_FALSE(w.Check1->isChecked());
    EXPECT_EQ(w.Label7->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(w.Label8->palette().color(QPalette::Window), ToQColor(0x8000000F));
}

// The whole window shows when it opens: no scroll bar hides a setting.
TEST_F(PreferencesTest, OpensShowingEverySetting)
{
    LoadedWindow<Preferences> w;
    OpenAndLook(&w, [&w] {
        auto* scroll = w.findChild<QScrollArea*>("Scroll");
        ASSERT_NE(scroll, nullptr);
        EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible()) << w.width() << " x " << w.height();
        EXPECT_FALSE(scroll->verticalScrollBar()->isVisible()) << w.width() << " x " << w.height();
    });
}

TEST_F(PreferencesTest, ColourWordsFollowTheLocaleCurrency)
{
    {
        LoadedWindow<Preferences> uk; // the tests run in a British locale
        EXPECT_EQ(uk.Label10->text(), " Change the colours");
        EXPECT_EQ(uk.Label12->text(), "Click an element and pick a new colour:");
    }
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    LoadedWindow<Preferences> us;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    EXPECT_EQ(us.Label10->text(), " Change the colors:");
    EXPECT_EQ(us.Label12->text(), "Click an element and pick a new color:");
}

TEST_F(PreferencesTest, SaveWritesFiltersSkinAndLinks)
{
    LoadedWindow<Preferences> w;
    w.show();
    w.Option1[1]->setChecked(true);
    w.Option3[1]->setChecked(true);
    w.Check4->setChecked(false);
    w.Check1->setChecked(true);
    w.Text1[0]->setText("A&B, C");
    w.Text2[0]->setText(" www.example.org ");
    w.Text1[1]->setText("   "); // emptied: the row keeps caption and address
    w.Text2[1]->setText("https://changed.example.org");
    w.Text1[4]->setText("No address");
    w.Text1[5]->setText("Caps");
    w.Text2[5]->setText("HTTPS://Example.org/Path");
    QTest::mouseClick(w.Command7, Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());

    EXPECT_EQ(line(SkinFlags), "2");
    EXPECT_EQ(line(OddEvenFilter), "2 Odd/Even filter");
    EXPECT_EQ(line(HighLowFilter), "1 High/Low filter");
    EXPECT_EQ(line(HistoryFilter), "2 History  filter");
    EXPECT_EQ(line(LongRunFilter), "3 Long Run filter");
    EXPECT_EQ(line(LinkCaption + 1), "A&&B' C");
    EXPECT_EQ(line(LinkAddress + 1), "http://www.example.org");
    EXPECT_EQ(line(LinkCaption + 2), "Camelot (UK Lottery)");
    EXPECT_EQ(line(LinkAddress + 2), "http://www.camelotgroup.co.uk");
    EXPECT_EQ(line(LinkCaption + 5), "No address");
    EXPECT_EQ(line(LinkAddress + 5), "http://");
    EXPECT_EQ(line(LinkAddress + 6), "HTTPS://Example.org/Path");
    EXPECT_EQ(line(LinkCaption), "Vantrel"); // item 0 is not edited here
    EXPECT_EQ(fileLines().size(), kSettingsCount);

    // Opened again, the caption shows as typed, and saving again stores the same.
    LoadedWindow<Preferences> again;
    EXPECT_EQ(again.Text1[0]->text(), "A&B' C");
    EXPECT_TRUE(again.Option1[1]->isChecked());
    EXPECT_FALSE(again.Check4->isChecked());
    EXPECT_TRUE(again.Check1->isChecked());
    again.Command7_Click();
    EXPECT_EQ(line(LinkCaption + 1), "A&&B' C");
}

TEST_F(PreferencesTest, ColourSamplesChangeMemoryOnly)
{
    const QByteArray before = readBytes(kSettingsFile);
    std::vector<QColor> starts;
    std::optional<QColor> next;
    SetColourDialogHook([&](const QColor& start) {
        starts.push_back(start);
        return next;
    });
    LoadedWindow<Preferences> w;
    w.show();
    // Each sample sets its own item and no other, and shows the colour.
    const struct {
        QLabel* sample;
        SettingsItem item;
        QColor colour;
        const char* stored;
        QPalette::ColorRole shownAs;
    } samples[] = {
        {w.Label5, TitleColour, QColor(255, 0, 0), "&HFF", QPalette::WindowText},
        {w.Label6, BodyTextColour, QColor(0, 0, 0), "&H0", QPalette::WindowText},
        {w.Label7, LabelColour, QColor(0, 0x80, 0), "&H8000", QPalette::WindowText},
        {w.Label9, OtherTextColour, QColor(0, 0, 0x90), "&H900000", QPalette::WindowText},
        {w.Label8, BackgroundColour, QColor(0x12, 0x34, 0x56), "&H563412", QPalette::Window},
    };
    for (const auto& s : samples) {
        SCOPED_TRACE(s.sample->objectName().toStdString());
        QStringList others;
        for (const auto& o : samples)
            others << (o.item == s.item ? QString() : Settings[o.item]);
        next = s.colour;
        QTest::mouseClick(s.sample, Qt::LeftButton);
        EXPECT_EQ(Settings[s.item].toStdString(), s.stored);
        EXPECT_EQ(s.sample->palette().color(s.shownAs), s.colour);
        for (int k = 0; k < others.size(); ++k) {
            if (samples[k].item != s.item) {
                EXPECT_EQ(Settings[samples[k].item], others[k]) << int(samples[k].item);
            }
        }
    }
    // The dialog starts from the colour picked last.
    ASSERT_EQ(starts.size(), 5u);
    for (std::size_t k = 1; k < starts.size(); ++k)
        EXPECT_EQ(starts[k], samples[k - 1].colour);

    next = std::nullopt; // cancelled: nothing changes
    w.Label7_Click();
    EXPECT_EQ(Settings[LabelColour], "&H8000");
    EXPECT_EQ(readBytes(kSettingsFile), before);

    w.Command9_Click();
    EXPECT_EQ(Settings[TitleColour], "&H000000");
    EXPECT_EQ(Settings[BodyTextColour], "&H000000");
    EXPECT_EQ(Settings[BackgroundColour], "&H8000000F");
    EXPECT_EQ(w.Label5->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    EXPECT_EQ(readBytes(kSettingsFile), before);

    // Close discards: nothing is written.
    next = QColor(1, 2, 3);
    w.Label9_Click();
    QTest::mouseClick(w.Command1, Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(readBytes(kSettingsFile), before);
}

TEST_F(PreferencesTest, ResetAllDeletesTheSettingsFileAfterAsking)
{
    LoadedWindow<Preferences> w;
    w.show();
    answer(vbNo);
    QTest::mouseClick(w.Command12, Qt::LeftButton);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxAt(0).text, " Are you sure?    ");
    EXPECT_EQ(boxAt(0).title, "Reset everything!");
    EXPECT_EQ(boxAt(0).style, vbYesNo + vbQuestion);
    EXPECT_TRUE(exists(kSettingsFile));
    EXPECT_TRUE(w.isVisible());

    answer(vbYes);
    w.Command12_Click();
    EXPECT_FALSE(exists(kSettingsFile));
    EXPECT_FALSE(w.isVisible());
}

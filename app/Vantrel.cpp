#include "app/Vantrel.h"
#include "core/ChecklistFile.h"
#include "core/DataFiles.h"
#include "core/ui/DatabaseList.h"

#include "core/Biorhythm.h"
#include "core/OpenLottery.h"
#include "core/Settings.h"
#include "core/ui/FileCommands.h"
#include "core/ui/HelpCommands.h"
#include "core/ui/Skinning.h"
#include "app/WindowCatalog.h"
#include "databases/ResultDownloads.h"
#include "platform/ui/Chart.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DatePicker.h"
#include "platform/Dates.h"
#include "platform/Folder.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/ScreenFit.h"
#include "platform/Text.h"
#include "platform/TextFile.h"
#include "syndicates/SyndicateFile.h"
#include "syndicates/ui/SyndicateControls.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMouseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSvgRenderer>
#include <QVBoxLayout>
#include <algorithm>

QString NewLine = QStringLiteral("\r\n");

namespace {

constexpr int kPictureSize = 26; // the frame of a toolbar picture
constexpr int kIconSize = 24;

// The menus, their items in order, with separator lines between groups.
struct MenuEntry {
    MenuItem item;
    const char* caption; // nullptr: a separator line
};
constexpr MenuEntry kSeparator{MenuItem::FileExit, nullptr};

const MenuEntry kFileItems[] = {
    {MenuItem::FileCopyToA, "Copy data files to removable disk"},
    {MenuItem::FileCopyFromA, "Copy data files from removable disk"},
    {MenuItem::FileBackup, "Backup and Restore data"},
    {MenuItem::FileDelete, "Delete lottery database"},
    {MenuItem::FileDeleteSaved, "Delete saved lottery entries"},
    kSeparator,
    {MenuItem::FileNotes, "Show/Hide info panels"},
    {MenuItem::FileOpen, "Open lottery data in text editor"},
    kSeparator,
    {MenuItem::FilePreferences, "Preferences"},
    {MenuItem::FilePrintSetup, "Print setup"},
    kSeparator,
    {MenuItem::FileExit, "Exit"},
};
const MenuEntry kDatabaseItems[] = {
    {MenuItem::DatabasesCreate, "Create  lottery database"},
    {MenuItem::wUpdateDbase, "Update lottery database"},
    {MenuItem::wDatabaseView, "View lottery databases"},
    kSeparator,
    {MenuItem::DatabaseDownloadAU, "Download AU lottery results"},
    {MenuItem::DatabaseDownloadSA, "Download SA lottery results"},
    {MenuItem::DatabaseUpdate, "Download UK lottery results"},
    {MenuItem::DatabaseUS, "Download US lottery results"},
    kSeparator,
    {MenuItem::DatabaseCheck, "Check my lottery entries"},
    {MenuItem::DatabaseViewCheck, "Show my lottery entries"},
    {MenuItem::DatabaseStoreDrawsW, "Store my lottery entries"},
};
const MenuEntry kAnalyseItems[] = {
    {MenuItem::AnalysisCommon, "Hot numbers"},
    {MenuItem::AnalyseColdNums, "Cold numbers"},
    {MenuItem::AnalysisSums, "Draw sums"},
    {MenuItem::AnalyseLowHigh, "High/low numbers"},
    {MenuItem::AnalysisAverages, "Number averages"},
    {MenuItem::AnalyseRange, "Number range"},
    {MenuItem::AnalyseNumStats, "Number statistics"},
    {MenuItem::AnalyseOddEven, "Odd/Even ratio"},
    kSeparator,
    {MenuItem::AnalyseBiorhythms, "Biorhythms"},
    {MenuItem::AnalyseWhatIf, "What if...?"},
};
const MenuEntry kPlayItems[] = {
    {MenuItem::PlayAverages, "Averages"},
    {MenuItem::PlayFullSel, "Full selection"},
    {MenuItem::PlayColdNums, "Cold Numbers"},
    {MenuItem::PlayHot, "Hot numbers"},
    {MenuItem::PlayLuckyDip, "Lucky dip"},
    kSeparator,
    {MenuItem::Play1Key, "One key number"},
    {MenuItem::Play2Key, "Two key numbers"},
    {MenuItem::Play3Key, "Three key numbers"},
    kSeparator,
    {MenuItem::PlayBudgetWheels, "Budget wheels"},
    {MenuItem::PlayColdWheels, "ColdWheels"},
    {MenuItem::PlayDIYWheels, "Create-a-wheel"},
    {MenuItem::PlayGuarantee3, "Guaranteed 3-match"},
    {MenuItem::PlayGuarantee4, "Guaranteed 4-match"},
    {MenuItem::PlayGuaranteed, "Guaranteed win wheels"},
    {MenuItem::PlayHotWheels, "Hot wheels"},
    {MenuItem::PlayWheel49, "Wheel 49"},
    {MenuItem::PlayWheel2, "Wheeling pairs"},
    {MenuItem::PlayWheel3, "Wheeling triplets"},
    kSeparator,
    {MenuItem::PlayStarSign, "Astrology"},
    {MenuItem::PlayLucky, "Numerology"},
};
const MenuEntry kSyndicateItems[] = {
    {MenuItem::SyndicateNew, "New syndicate"},        {MenuItem::SyndicateOpen, "Open syndicate"},
    {MenuItem::SyndicatesDelete, "Delete syndicate"}, kSeparator,
    {MenuItem::SyndicateManager, "View manager"},     {MenuItem::SyndicateMembers, "View members"},
    {MenuItem::SyndicatePayments, "View payments"},   {MenuItem::SyndicatesNotes, "Notes and checklist"},
};
const MenuEntry kHelpItems[] = {
    {MenuItem::HelpNewVersion, "Check for new version"},
    {MenuItem::HelpHelp, "Help and tips"},
    {MenuItem::HelpLotteryInfo, "Lottery information"},
    kSeparator,
    {MenuItem::HelpWebSite, "Vantrel website"},
    {MenuItem::HelpBackupSite, "Alternative website"},
    {MenuItem::HelpEmail, "Email technical support"},
    kSeparator,
    {MenuItem::HelpAbout, "About..."},
};

// Toolbar pictures: icon, tip, and the menu item each one runs. Picture 1
// chooses its download window by region; picture 12 opens web link 0.
struct Picture {
    const char* icon;
    const char* tip;
    MenuItem item; // picture 1 chooses by region instead
};
const Picture kPictures[kToolPictures] = {
    {"panels", " Show notes, checklist, etc. ", MenuItem::FileNotes},
    {"download", " Download latest lottery results ", MenuItem::DatabaseUpdate},
    {"databases", " View lottery draws databases ", MenuItem::wDatabaseView},
    {"check", " Check lottery entries to see if you have won ", MenuItem::DatabaseCheck},
    {"enter", " Type in your lottery entries ", MenuItem::DatabaseStoreDrawsW},
    {"hot-chart", " Chart the most common numbers ", MenuItem::AnalysisCommon},
    {"statistics", " Statistical analysis of lottery numbers ", MenuItem::AnalyseNumStats},
    {"odd-even", " Chart odd:even number ratios ", MenuItem::AnalyseOddEven},
    {"full-selection", " Full selection pick ", MenuItem::PlayFullSel},
    {"hot-pick", " Hot numbers pick ", MenuItem::PlayHot},
    {"lucky-dip", " Lucky dip pick ", MenuItem::PlayLucky},
    {"wheel", " Create your own wheel ", MenuItem::PlayDIYWheels},
    {"browse", " Browse the Internet ", MenuItem::LinksLink_0},
    {"information", " Lottery information ", MenuItem::HelpLotteryInfo},
    {"help", " Help ", MenuItem::HelpHelp},
    {"quit", " Quit ", MenuItem::FileExit},
};
// The groups of pictures start at these indexes; a separator stands before each.
constexpr int kGroupStarts[] = {5, 8, 12, 15};

// Items the main window does itself.
bool handledHere(MenuItem item)
{
    return item == MenuItem::FileNotes || item == MenuItem::FileExit || WebLinkIndex(item) >= 0;
}

bool isSyndicateView(MenuItem item)
{
    return item == MenuItem::SyndicateManager || item == MenuItem::SyndicateMembers
        || item == MenuItem::SyndicatePayments || item == MenuItem::SyndicatesNotes;
}

QPixmap iconPixmap(const QString& name, qreal ratio)
{
    QSvgRenderer renderer(QStringLiteral(":/icons/%1.svg").arg(name));
    if (!renderer.isValid())
        return {};
    QPixmap pixmap(QSize(kIconSize, kIconSize) * ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

// The small print of the panels: the Clear buttons and the editing hint.
void makeSmaller(QWidget* widget)
{
    QFont font = widget->font();
    font.setPointSizeF(font.pointSizeF() * 0.85);
    widget->setFont(font);
}

} // namespace

// A toolbar picture: a 24 by 24 icon in a 26 by 26 frame that shows a single
// line border while the mouse is over it. A picture whose window is not built
// yet is drawn greyed and shows its tip only.
class ToolPicture : public QLabel {
public:
    ToolPicture(int index, const QString& icon, QWidget* parent) : QLabel(parent), index_(index), icon_(icon)
    {
        setFixedSize(kPictureSize, kPictureSize);
        setAlignment(Qt::AlignCenter);
        setBorder(false);
        setActive(true);
    }

    void setBorder(bool on)
    {
        setFrameShape(on ? QFrame::Box : QFrame::NoFrame);
        setLineWidth(1);
    }
    bool hasBorder() const { return frameShape() != QFrame::NoFrame; }

    void setActive(bool active)
    {
        active_ = active;
        QPixmap pixmap = iconPixmap(icon_, devicePixelRatioF());
        if (!active && !pixmap.isNull())
            pixmap = QIcon(pixmap).pixmap(QSize(kIconSize, kIconSize), devicePixelRatioF(), QIcon::Disabled);
        setPixmap(pixmap);
        setCursor(active ? Qt::PointingHandCursor : Qt::ArrowCursor);
    }
    bool active() const { return active_; }
    int index() const { return index_; }

private:
    int index_;
    QString icon_;
    bool active_ = true;
};

Vantrel::Vantrel(QWidget* parent) : LoadOnce(parent)
{
    setObjectName("Vantrel");
    setWindowTitle("Vantrel");
    setWindowIcon(QIcon(":/icons/vantrel.svg"));
    if (QApplication::windowIcon().isNull())
        QApplication::setWindowIcon(windowIcon()); // every window of the program wears it

    auto* central = new QWidget(this);
    central->setObjectName("Background");
    central->setMouseTracking(true);
    central->installEventFilter(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildToolbar());
    layout->addWidget(buildPanels(), 1);
    setCentralWidget(central);
    buildMenus();
    setMouseTracking(true);

    SetSettingsLoadedHook([this] {
        ShowWebLinks();
        if (SettingsFileKept())
            SayOnce(keptSettingsSaid_,
                    "The settings file " + kSettingsFile + " could not be read, so the program uses its default "
                        + "settings this time and leaves the file as it is.");
        else
            keptSettingsSaid_.clear();
    });
    SetSaveBeforeCopyingHook([this] { SaveSession(); });
    connect(qApp, &QGuiApplication::commitDataRequest, this, &Vantrel::Form_QueryUnload);

    resize(860, 600);
    // On a small screen, or with the desktop's scaling up, it opens within
    // the screen's area and stays there.
    KeepOnScreen(this);
}

Vantrel::~Vantrel()
{
    SetSettingsLoadedHook({});
    SetSaveBeforeCopyingHook({});
}

// ---------------------------------------------------------------- building

QAction* Vantrel::addItem(QMenu* menu, MenuItem item, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(MenuItemName(item));
    connect(action, &QAction::triggered, this, [this, item] { RunMenuItem(item); });
    items_[std::size_t(item)] = action;
    return action;
}

QAction* Vantrel::Item(MenuItem item) const { return items_[std::size_t(item)]; }

void Vantrel::buildMenus()
{
    auto addMenu = [this](const QString& name, const QString& title, const auto& items) {
        QMenu* menu = menuBar()->addMenu(title);
        menu->setObjectName(name);
        for (const MenuEntry& entry : items) {
            if (!entry.caption)
                menu->addSeparator();
            else
                addItem(menu, entry.item, entry.caption);
        }
        return menu;
    };
    addMenu("FileMenu", " &File", kFileItems);
    addMenu("wDatabase", " &Databases", kDatabaseItems);
    addMenu("AnalysisMenu", " &Analyse", kAnalyseItems);
    addMenu("PlayMenu", " &Play", kPlayItems);
    addMenu("SyndicatesMenu", " &Syndicates", kSyndicateItems);
    QMenu* links = menuBar()->addMenu(" &WebLinks");
    links->setObjectName("LinksMenu");
    for (int i = 0; i < kWebLinks; ++i) {
        LinksLink[i] = addItem(links, WebLinkItem(i), QString());
        LinksLink[i]->setVisible(false);
    }
    addMenu("HelpMenu", " &Help", kHelpItems);
}

QWidget* Vantrel::buildToolbar()
{
    Label1 = new QLabel;
    Label1->setObjectName("Label1");
    Label1->setMouseTracking(true);
    Label1->installEventFilter(this);
    Label1->setFrameShape(QFrame::StyledPanel);
    Label1->setFrameShadow(QFrame::Raised);
    Label1->setAutoFillBackground(true);
    Label1->setFixedHeight(kPictureSize + 12);
    // The running count of the copy commands shows right of the pictures.
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label1->setIndent(12);
    auto* row = new QHBoxLayout(Label1);
    row->setContentsMargins(8, 4, 8, 4);
    row->setSpacing(2);
    for (int i = 0; i < kToolPictures; ++i) {
        if (std::find(std::begin(kGroupStarts), std::end(kGroupStarts), i) != std::end(kGroupStarts)) {
            row->addSpacing(6);
            auto* separator = new QFrame;
            separator->setFrameShape(QFrame::VLine);
            separator->setFrameShadow(QFrame::Sunken);
            separator->setFixedHeight(kPictureSize - 4);
            row->addWidget(separator);
            row->addSpacing(6);
        }
        auto* picture = new ToolPicture(i, kPictures[i].icon, Label1);
        picture->setObjectName(QStringLiteral("Image1_%1").arg(i));
        picture->setToolTip(kPictures[i].tip);
        picture->setMouseTracking(true);
        picture->installEventFilter(this);
        Image1[i] = picture;
        row->addWidget(picture);
    }
    row->addStretch(1);
    return Label1;
}

QWidget* Vantrel::buildPanels()
{
    auto* panels = new QWidget;
    panels->setObjectName("Panels");
    panels->setMouseTracking(true);
    panels->installEventFilter(this);
    auto* grid = new QGridLayout(panels);
    grid->setContentsMargins(16, 12, 16, 12);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(12);

    // Biorhythm, top left.
    Label7 = new QGroupBox("   Biochart:");
    Label7->setObjectName("Label7");
    {
        auto* box = new QVBoxLayout(Label7);
        auto* days = new QHBoxLayout;
        const char* dayCaptions[] = {"Today", "Tomorrow"};
        days->addStretch(1);
        for (int i = 0; i < 2; ++i) {
            Option1[i] = new QRadioButton(dayCaptions[i]);
            Option1[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
            days->addWidget(Option1[i]);
            connect(Option1[i], &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
        }
        days->addStretch(1);
        Option1[0]->setChecked(true);
        box->addLayout(days);

        MSChart1 = new Chart;
        MSChart1->setObjectName("MSChart1");
        MSChart1->setRowCount(4);
        const char* rows[] = {"Intellectual", "Emotional", "Intuition", "Luck"};
        for (int r = 0; r < 4; ++r)
            MSChart1->setRowLabel(r + 1, rows[r]);
        MSChart1->setValueRange(-10, 10);
        MSChart1->setSeriesBrush(1, QColor(46, 110, 180));
        MSChart1->setMinimumSize(300, 150);
        box->addWidget(MSChart1, 1);

        auto* birth = new QHBoxLayout;
        Label4 = NamedLabel(nullptr, "Label4", "Birth date:");
        DTPicker1 = new DatePicker;
        DTPicker1->setObjectName("DTPicker1");
        DTPicker1->setCustomFormat(DatePicker::LongFormat);
        Command1_8 = NamedButton(nullptr, "Command1_8", "Update");
        Command1_17 = NamedButton(nullptr, "Command1_17", "More");
        connect(Command1_8, &QPushButton::clicked, this, [this] { Command1_Click(8); });
        connect(Command1_17, &QPushButton::clicked, this, [this] { Command1_Click(17); });
        birth->addWidget(Label4);
        birth->addWidget(DTPicker1, 1);
        birth->addWidget(Command1_8);
        birth->addWidget(Command1_17);
        box->addLayout(birth);
    }

    // Checklist, top right.
    Label8 = new QGroupBox("  Checklist:");
    Label8->setObjectName("Label8");
    {
        auto* box = new QVBoxLayout(Label8);
        box->setSpacing(2);
        auto* line = new QFrame;
        line->setObjectName("Line2");
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        box->addWidget(line);
        const char* captions[kChecklistItems] = {"Analyse lottery draws",
                                                 "Generate lottery entries",
                                                 "Fill in payslips",
                                                 "Buy lottery tickets",
                                                 "Check results",
                                                 "Collect winnings!",
                                                 "",
                                                 ""};
        const int rowHeight = QCheckBox("X").sizeHint().height();
        for (int i = 0; i < kChecklistItems; ++i) {
            auto* row = new QHBoxLayout;
            Check1[i] = new QCheckBox;
            Check1[i]->setObjectName(QStringLiteral("Check1_%1").arg(i));
            SetChecklistCaption(i, captions[i]);
            Command4[i] = NamedButton(nullptr, QStringLiteral("Command4_%1").arg(i), "Clear", "Clear this item");
            Command4[i]->setFixedHeight(rowHeight);
            Command4[i]->setFixedWidth(Command4[i]->fontMetrics().horizontalAdvance("Clear") + 24);
            makeSmaller(Command4[i]);
            connect(Command4[i], &QPushButton::clicked, this, [this, i] { Command4_Click(i); });
            row->addWidget(Check1[i], 1);
            row->addWidget(Command4[i]);
            box->addLayout(row);
        }
        box->addStretch(1);
        auto* add = new QHBoxLayout;
        Text2 = NamedLineEdit(nullptr, "Text2", "Type in an item and click Add");
        Command3 = NamedButton(nullptr, "Command3", "Add", "Type in a checkist item and click Add");
        connect(Command3, &QPushButton::clicked, this, &Vantrel::Command3_Click);
        add->addWidget(Text2, 1);
        add->addWidget(Command3);
        box->addLayout(add);
    }

    // Databases and syndicate, bottom left.
    Label9 = new QGroupBox("  Databases:");
    Label9->setObjectName("Label9");
    {
        auto* box = new QVBoxLayout(Label9);
        List1 = new QListWidget;
        List1->setObjectName("List1");
        box->addWidget(List1, 1);
        auto* names = new QGridLayout;
        Label2 = NamedLabel(nullptr, "Label2", "Syndicate:");
        Label3 = NamedLabel(nullptr, "Label3", "None selected");
        Label5 = NamedLabel(nullptr, "Label5", "Manager:");
        Label6 = NamedLabel(nullptr, "Label6", QString());
        names->addWidget(Label2, 0, 0);
        names->addWidget(Label3, 0, 1);
        names->addWidget(Label5, 1, 0);
        names->addWidget(Label6, 1, 1);
        names->setColumnStretch(1, 1);
        box->addLayout(names);
    }

    // Notes, bottom right.
    Label13 = new QGroupBox("  Notes:");
    Label13->setObjectName("Label13");
    {
        auto* box = new QVBoxLayout(Label13);
        Label11 = NamedLabel(nullptr, "Label11_0", "(Ctr+C=Copy / Ctrl+X=Cut / Ctrl+V=Paste)");
        makeSmaller(Label11);
        Label11->setAlignment(Qt::AlignRight);
        Text1 = new QPlainTextEdit;
        Text1->setObjectName("Text1");
        box->addWidget(Label11);
        box->addWidget(Text1, 1);
    }

    grid->addWidget(Label7, 0, 0);
    grid->addWidget(Label8, 0, 1);
    grid->addWidget(Label9, 1, 0);
    grid->addWidget(Label13, 1, 1);
    grid->setColumnStretch(0, 6);
    grid->setColumnStretch(1, 5);
    grid->setRowStretch(0, 1);
    grid->setRowStretch(1, 1);

    // The panels are hidden until shown.
    for (QGroupBox* panel : {Label7, Label8, Label9, Label13})
        panel->hide();
    return panels;
}

// ---------------------------------------------------------------- start-up

void Vantrel::Form_Load()
{
    // The pictures are sized when they are built; the background colour the
    // window is built with is remembered by the first skinning.
    NewLine = QStringLiteral("\r\n");
    MakeProgramFolderCurrent();
    if (const QString notCopied = CopyShippedDataFiles(); !notCopied.isEmpty())
        MsgBox(notCopied, vbExclamation, QStringLiteral("Vantrel"));
    if (!QFileInfo::exists("Backup"))
        QDir().mkdir("Backup");
    LoadSettings();
    Skinning();
    if (Settings[PanelsShown] == "1")
        FileNotes_Click();
    if (QFile::exists(kNotesFile))
        ReadNotes();
    showBirthDate();
    DoBiorhythm();
    UpdateSyndicate();
    ListDatabases(List1);
    RefreshItems();
}

void Vantrel::Skinning() { ::Skinning(this, SkinFamily::Main); }

void Vantrel::ShowWebLinks()
{
    for (int i = 0; i < kWebLinks; ++i) {
        const QString& caption = Settings[LinkCaption + i];
        LinksLink[i]->setText(caption);
        LinksLink[i]->setVisible(!caption.isEmpty());
    }
}

// ---------------------------------------------------------------- checklist and notes

QString Vantrel::ChecklistCaption(int index) const
{
    return index >= 0 && index < kChecklistItems ? Check1[index]->property("caption").toString() : QString();
}

void Vantrel::SetChecklistCaption(int index, const QString& caption)
{
    if (index < 0 || index >= kChecklistItems)
        return;
    Check1[index]->setProperty("caption", caption);
    QString shown = caption;
    Check1[index]->setText(shown.replace('&', "&&"));
}

namespace {
// Why a file that is there cannot be read, in the system's words where it
// gives them.
QString UnreadableReason(const QString& name)
{
    if (!QFileInfo(name).isFile())
        return QStringLiteral("it is not a regular file");
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    return QStringLiteral("it could not be read");
}
} // namespace

// "Notes.txt" is a checklist-and-notes file (core/ChecklistFile.h); a file
// with fewer than eight item lines leaves the items it lacks as they are. A
// file that cannot be read is said once and kept as it is: no save writes
// over it until it is read.
void Vantrel::ReadNotes()
{
    const auto text = ReadTextFile(kNotesFile);
    if (!text) {
        notesUnreadable_ = UnreadableReason(kNotesFile);
        notesFailureSaid_.clear();
        MsgBox("Your checklist and notes file " + kNotesFile + " could not be read (" + notesUnreadable_
                   + "). It is left as it is, and nothing is written over it.",
               vbExclamation, "Vantrel");
        return;
    }
    notesUnreadable_.clear();
    const ChecklistNotes content = ParseChecklistNotes(*text, shownNotes());
    for (int i = 0; i < kChecklistItems; ++i) {
        Check1[i]->setChecked(content.items[i].ticked);
        SetChecklistCaption(i, content.items[i].caption);
    }
    Text1->setPlainText(content.notes);
}

ChecklistNotes Vantrel::shownNotes() const
{
    ChecklistNotes content;
    for (int i = 0; i < kChecklistItems; ++i)
        content.items[i] = {Check1[i]->isChecked(), ChecklistCaption(i)};
    content.notes = PlainTextAsHeld(Text1);
    return content;
}

void Vantrel::SaveNotes()
{
    if (!notesUnreadable_.isEmpty()) {
        SayOnce(notesFailureSaid_,
                "Your checklist and notes were not saved: " + kNotesFile + " could not be read (" + notesUnreadable_
                    + "), so it is left as it was.");
        return;
    }
    QString why;
    if (!WriteTextFile(kNotesFile, ChecklistNotesText(shownNotes()), &why))
        SayOnce(notesFailureSaid_, "Your checklist and notes could not be saved in " + kNotesFile + ": " + why + ".");
    else
        notesFailureSaid_.clear();
}

void Vantrel::Command3_Click()
{
    for (int i = 0; i < kChecklistItems; ++i) {
        if (ChecklistCaption(i).isEmpty()) {
            SetChecklistCaption(i, Text2->text());
            return;
        }
    }
}

void Vantrel::Command4_Click(int index)
{
    if (index < 0 || index >= kChecklistItems)
        return;
    SetChecklistCaption(index, QString());
    Check1[index]->setChecked(false);
}

bool Vantrel::PanelsVisible() const { return !Label7->isHidden(); }

void Vantrel::FileNotes_Click()
{
    const bool show = Label7->isHidden();
    for (QGroupBox* panel : {Label7, Label8, Label9, Label13})
        panel->setVisible(show);
    Settings.set(PanelsShown, show ? "1" : "0");
    if (show && isVisible())
        Text1->setFocus();
}

// ---------------------------------------------------------------- syndicate

void Vantrel::UpdateSyndicate()
{
    LoadSyndicate();
    ShowSyndicate();
}

void Vantrel::ShowSyndicate()
{
    Label3->setText(Syndicate[0][SyndicateNameField]);
    Label6->setText(Syndicate[0][NameField]);
    RefreshItems();
    SayNewSyndicateProblem();
}

// ---------------------------------------------------------------- biorhythm

void Vantrel::showBirthDate()
{
    // A birth date the picker cannot show (before 1900, after 2100) is kept
    // as read: the picker shows none and the chart uses the stored date.
    const auto birth = ParseDate(Settings[BirthDate]);
    const QDate stored = birth && birth->isValid() ? *birth : QDate(1970, 1, 1);
    if (DTPicker1->canShow(stored))
        DTPicker1->setValue(stored);
    else
        DTPicker1->setNoValue();
}

void Vantrel::DoBiorhythm()
{
    const QDate birth = BirthDateToChart(DTPicker1->Value(), Settings[BirthDate]);
    const int day = BiorhythmDay(birth, Today(), Option1[1]->isChecked());
    const auto values = BiochartValues(day);
    for (int r = 0; r < 4; ++r) {
        MSChart1->setRow(r + 1);
        MSChart1->setData(values[r]);
    }
    // A stored date the picker cannot show stays as read until one is picked.
    if (DTPicker1->Value().isValid())
        Settings.set(BirthDate, MediumDate(birth));
}

void Vantrel::Command1_Click(int index)
{
    if (index == 8)
        DoBiorhythm();
    else if (index == 17)
        RunMenuItem(MenuItem::AnalyseBiorhythms);
}

void Vantrel::Option1_Click(int index)
{
    Q_UNUSED(index);
    DoBiorhythm();
}

// ---------------------------------------------------------------- menus and toolbar

bool Vantrel::ItemAvailable(MenuItem item) const
{
    if (handledHere(item))
        return true;
    if (!HasWindow(item))
        return false;
    if (isSyndicateView(item))
        return !Syndicate[0][SyndicateNameField].isEmpty() && !Syndicate[0][NameField].isEmpty();
    return true;
}

void Vantrel::RefreshItems()
{
    for (QAction* action : items_)
        if (action)
            action->setEnabled(ItemAvailable(*MenuItemNamed(action->objectName())));
    for (int i = 0; i < kToolPictures; ++i)
        Image1[i]->setActive(ItemAvailable(PictureItem(i)));
    Command1_17->setEnabled(ItemAvailable(MenuItem::AnalyseBiorhythms));
}

MenuItem Vantrel::PictureItem(int index)
{
    if (index == 1) {
        // The player's region: the UK download where its dates are read.
        return ReadsDatesTheUKWay() ? MenuItem::DatabaseUpdate : MenuItem::DatabaseUS;
    }
    return kPictures[std::clamp(index, 0, kToolPictures - 1)].item;
}

void Vantrel::Image1_Click(int index)
{
    if (index < 0 || index >= kToolPictures)
        return;
    // The browse picture opens the first address even while its menu item is
    // hidden for want of a caption.
    if (const int link = WebLinkIndex(PictureItem(index)); link >= 0)
        LinksLink_Click(link);
    else
        RunMenuItem(PictureItem(index));
}

void Vantrel::LinksLink_Click(int index)
{
    if (index < 0 || index >= kWebLinks)
        return;
    OpenWebPage(Settings[LinkAddress + index]);
}

void Vantrel::FileCopyToA_Click() { CopyDataFilesToDisk(this, Label1); }

void Vantrel::FileCopyFromA_Click() { CopyDataFilesFromDisk(this, Label1); }

void Vantrel::FileDeleteSaved_Click() { AskToDeleteSavedEntries(); }

void Vantrel::ReloadDataFiles(const QStringList& names)
{
    auto copied = [&names](const QString& file) { return names.contains(file); };
    if (copied(kSettingsFile)) {
        Skinning();
        if (PanelsVisible() != (Settings[PanelsShown] == "1"))
            FileNotes_Click();
        showBirthDate();
        DoBiorhythm();
    }
    if (copied(kSettingsFile) || copied(Settings[SyndicateFile]))
        ShowSyndicate();
    if (copied(kNotesFile) && QFile::exists(kNotesFile))
        ReadNotes();
    // A lottery copied in may be new, or renamed in its first line.
    if (std::any_of(names.begin(), names.end(), [](const QString& name) {
            return name.startsWith("dbase", Qt::CaseInsensitive) && name.endsWith(".txt", Qt::CaseInsensitive);
        }))
        ListDatabases(List1);
}

void Vantrel::RunMenuItem(MenuItem item)
{
    if (QAction* action = Item(item); action && !action->isEnabled())
        return;
    if (!ItemAvailable(item))
        return;
    if (item == MenuItem::FileNotes)
        FileNotes_Click();
    else if (item == MenuItem::FileExit)
        close();
    else if (const int link = WebLinkIndex(item); link >= 0)
        LinksLink_Click(link);
    else if (OpenWindow(item, this))
        RefreshItems();
}

void Vantrel::ShowHover(int index)
{
    for (int i = 0; i < kToolPictures; ++i)
        Image1[i]->setBorder(i == index);
}

bool Vantrel::eventFilter(QObject* watched, QEvent* event)
{
    if (auto* picture = dynamic_cast<ToolPicture*>(watched)) {
        switch (event->type()) {
        case QEvent::Enter: ShowHover(picture->index()); break;
        case QEvent::MouseMove:
            // Kept here: passed on, it would reach the band, which clears
            // every border.
            ShowHover(picture->index());
            event->accept();
            return true;
        case QEvent::MouseButtonPress: event->accept(); return true;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton
                && picture->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint()))
                Image1_Click(picture->index());
            return true;
        default: break;
        }
    } else if (event->type() == QEvent::MouseMove) {
        // Over the status band or the window's background.
        ShowHover(-1);
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------- shut-down

void Vantrel::Form_QueryUnload() { SaveSession(); }

void Vantrel::SayOnce(QString& said, const QString& text)
{
    if (said == text)
        return;
    said = text;
    MsgBox(text, vbExclamation, "Vantrel");
}

void Vantrel::SaveSession()
{
    SaveNotes();
    QString why;
    if (SaveSettings(&why))
        settingsFailureSaid_.clear();
    else
        SayOnce(settingsFailureSaid_, "Your settings were not saved: " + why + ".");
}

void Vantrel::closeEvent(QCloseEvent* event)
{
    Form_QueryUnload();
    event->accept();
}

// Opening every window of the main window's menus offscreen, as the player
// does, with a full program folder: 20 databases of 2994 draws, 600 saved
// entries, a 100-member syndicate with a 500-record diary. Each window is
// made, loaded (lotteries listed, the first loaded), shown and painted once,
// then closed. Beside it, in the same run, an empty dialog of the same size
// made, shown, painted and closed: the counters give its time (empty_ms)
// and the window's time as a multiple of it (ratio).
#include "app/MenuItems.h"
#include "app/WindowCatalog.h"
#include "core/Settings.h"
#include "databases/SavedEntries.h"
#include "platform/Folder.h"
#include "platform/TextFile.h"
#include "platform/ui/MsgBox.h"
#include "syndicates/Diary.h"
#include "syndicates/SyndicateFile.h"

#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct WindowFixture {
    QTemporaryDir dir;
    WindowFixture()
    {
        SetProgramFolder(dir.path());
        CopyShippedDataFiles();
        MakeProgramFolderCurrent();
        unsigned x = 99;
        auto next = [&x](int max) {
            x = x * 1103515245u + 12345u;
            return int((x >> 16) % unsigned(max) + 1);
        };
        for (int d = 1; d <= 20; ++d) {
            QStringList lines{QStringLiteral("Lotto %1").arg(d), "http://www.national-lottery.co.uk", "6,49,0,0,1"};
            for (int i = 0; i < 2994; ++i) {
                QStringList fields{"05 Mar 05"};
                QList<int> numbers;
                while (numbers.size() < 7) {
                    const int v = next(49);
                    if (!numbers.contains(v))
                        numbers << v;
                }
                for (int c = 0; c < 6; ++c)
                    fields << QString::number(numbers[c]);
                fields << "" << QString::number(numbers[6]);
                lines << fields.join(',');
            }
            WriteLines(QStringLiteral("dbase%1.txt").arg(d, 2, 10, QChar('0')), lines);
        }

        QList<SavedEntry> entries;
        for (int i = 0; i < 600; ++i) {
            SavedEntry entry;
            entry.date = "05 Mar 05";
            for (int c = 0; c < 6; ++c)
                entry.numbers[c] = QString::number(next(49));
            entry.lottery = QStringLiteral("Lotto %1").arg(i % 20 + 1);
            entry.name = "Player";
            entry.dbaseFile = QStringLiteral("dbase%1.txt").arg(i % 20 + 1, 2, 10, QChar('0'));
            entries << entry;
        }
        AppendSavedEntries(entries);

        const QString members = MembersFileName(0);
        Settings.set(SyndicateFile, members);
        SaveSettings();
        ClearSyndicate();
        Syndicate[0][NameField] = "Manager";
        Syndicate[0][SyndicateNameField] = "Office club";
        for (int r = 1; r <= kMaxMembers; ++r) {
            Syndicate[r][NameField] = QStringLiteral("Member %1").arg(r);
            Syndicate[r][AddressField] = QStringLiteral("%1 High Street").arg(r);
            Syndicate[r][PhoneField] = "01234 567890";
            Syndicate[r][AmountPaidField] = "10";
        }
        SaveSyndicate();
        std::vector<DiaryRecord> diary;
        for (int i = 0; i < 500; ++i)
            diary.push_back({"05 Mar 05", "10", "10.00", QString::number(i % 7), QString::number(i), "Weekly"});
        WriteDiary(DiaryFileName(members), diary);
        LoadSyndicate();
        RegisterAllWindows();
    }
};

WindowFixture& windowFixture()
{
    static WindowFixture fixture;
    SetProgramFolder(fixture.dir.path());
    MakeProgramFolderCurrent();
    return fixture;
}

// What the player does with a modal window here: it is shown without
// blocking, painted once and closed.
QSize lastSize;
int ShowAndClose(QDialog* dialog)
{
    dialog->show();
    QCoreApplication::processEvents();
    lastSize = dialog->size();
    dialog->close();
    return QDialog::Rejected;
}

double EmptyDialogMs(const QSize& size)
{
    constexpr int kTimes = 20;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kTimes; ++i) {
        QDialog dialog;
        dialog.resize(size);
        ShowAndClose(&dialog);
    }
    return double(timer.nsecsElapsed()) / 1e6 / kTimes;
}

void OpenOneWindow(benchmark::State& state, MenuItem item)
{
    windowFixture();
    int boxes = 0;
    SetMsgBoxHook([&boxes](const MsgBoxCall& call) {
        ++boxes;
        return MsgBoxCloseAnswer(call.style);
    });
    SetModalHook(ShowAndClose);
    QElapsedTimer timer;
    qint64 spent = 0;
    for (auto _ : state) {
        timer.start();
        OpenWindow(item, nullptr);
        spent += timer.nsecsElapsed();
    }
    const double windowMs = double(spent) / 1e6 / double(state.iterations());
    const double emptyMs = EmptyDialogMs(lastSize);
    state.counters["empty_ms"] = emptyMs;
    state.counters["ratio"] = windowMs / emptyMs;
    state.counters["boxes"] = double(boxes) / double(state.iterations());
    SetModalHook({});
    SetMsgBoxHook({});
}

// The items that open a window (the others run a command or open the
// browser).
constexpr MenuItem kWindowItems[] = {
    MenuItem::FileBackup,         MenuItem::FileDelete,        MenuItem::FileOpen,
    MenuItem::FilePreferences,    MenuItem::FilePrintSetup,    MenuItem::DatabasesCreate,
    MenuItem::wUpdateDbase,       MenuItem::wDatabaseView,     MenuItem::DatabaseDownloadAU,
    MenuItem::DatabaseDownloadSA, MenuItem::DatabaseUpdate,    MenuItem::DatabaseUS,
    MenuItem::DatabaseCheck,      MenuItem::DatabaseViewCheck, MenuItem::DatabaseStoreDrawsW,
    MenuItem::AnalysisCommon,     MenuItem::AnalyseColdNums,   MenuItem::AnalysisSums,
    MenuItem::AnalyseLowHigh,     MenuItem::AnalysisAverages,  MenuItem::AnalyseRange,
    MenuItem::AnalyseNumStats,    MenuItem::AnalyseOddEven,    MenuItem::AnalyseBiorhythms,
    MenuItem::AnalyseWhatIf,      MenuItem::PlayAverages,      MenuItem::PlayFullSel,
    MenuItem::PlayColdNums,       MenuItem::PlayHot,           MenuItem::PlayLuckyDip,
    MenuItem::Play1Key,           MenuItem::Play2Key,          MenuItem::Play3Key,
    MenuItem::PlayBudgetWheels,   MenuItem::PlayColdWheels,    MenuItem::PlayDIYWheels,
    MenuItem::PlayGuarantee3,     MenuItem::PlayGuarantee4,    MenuItem::PlayGuaranteed,
    MenuItem::PlayHotWheels,      MenuItem::PlayWheel49,       MenuItem::PlayWheel2,
    MenuItem::PlayWheel3,         MenuItem::PlayStarSign,      MenuItem::PlayLucky,
    MenuItem::SyndicateNew,       MenuItem::SyndicateOpen,     MenuItem::SyndicatesDelete,
    MenuItem::SyndicateManager,   MenuItem::SyndicateMembers,  MenuItem::SyndicatePayments,
    MenuItem::SyndicatesNotes,    MenuItem::HelpLotteryInfo,   MenuItem::HelpAbout,
};

const bool registered = [] {
    for (MenuItem item : kWindowItems) {
        const std::string name = "BM_OpenWindow/" + MenuItemName(item).toStdString();
        benchmark::RegisterBenchmark(name.c_str(), [item](benchmark::State& state) {
            OpenOneWindow(state, item);
        })->Unit(benchmark::kMillisecond);
    }
    return true;
}();

} // namespace

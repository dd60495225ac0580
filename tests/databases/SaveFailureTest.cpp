// Saves that cannot finish (the files may not grow past 4 KiB, as on a full
// disk): each window keeps the old file whole and tells the player why.

#include "databases/SavedEntries.h"
#include "databases/ui/DbaseUpdateW.h"
#include "databases/ui/SaveEntries.h"
#include "databases/ui/StoreMyDrawsW.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MsgBox.h"
#include "support/ChildProcess.h"
#include "support/SaveDialog.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <vector>

namespace {
class SaveFailureTest : public ProgramFolderTest {};
} // namespace

TEST_F(SaveFailureTest, AWindowsSaveThatCannotFinishKeepsTheFileAndSaysWhy)
{
    QStringList draws;
    for (int d = 0; d < 200; ++d)
        draws << QDate(2004, 1, 3).addDays(7 * (199 - d)).toString("dd MMM yy") + ",1,2,3,4,5,6,,7";
    writeLines("dbase1.txt", DatabaseLines("UK Lotto", "6,49,0,0,1", draws));
    QStringList entries;
    for (int e = 0; e < 100; ++e)
        entries << "07 Mar 05,1,2,3,4,5,6,,,UK Lotto,Ann,dbase1.txt";

    struct Case {
        const char* name;
        QString file;
        std::function<void()> save;
    };
    const std::vector<Case> cases = {
        {"a draw stored by hand", "dbase1.txt",
         [] {
             LoadedWindow<DbaseUpdateW> w;
             w.DTPicker1->setDate(QDate(2009, 1, 3));
             for (int k = 0; k < 6; ++k)
                 w.Text1[k]->setText(QString::number(k + 10));
             w.Text1[7]->setText("40");
             w.Command1_Click();
         }},
        {"entries stored", kSavedEntriesFile,
         [] {
             LoadedWindow<StoreMyDrawsW> w;
             for (int i = 1; i <= 6; ++i)
                 w.Text1[i]->setText(QString::number(i + 20));
             w.findChild<QPushButton*>("Command2")->click();
             w.findChild<QPushButton*>("Command3")->click();
         }},
        {"generated entries saved", kSavedEntriesFile,
         [] {
             FlexGrid grid;
             grid.setRows(3);
             grid.setCols(8);
             for (int c = 1; c <= 6; ++c)
                 grid.setTextMatrix(1, c, QString::number(c));
             ScriptSaveDialog();
             SaveMyEntries(&grid);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeLines(kSavedEntriesFile, entries);
        const QByteArray before = readBytes(c.file);
        const auto said = RunUnderFileSizeLimit(4096, [&c] {
            Harness::ExpectBox(vbOK);
            c.save();
            return Harness::LastBoxText();
        });
        ASSERT_TRUE(said);
        EXPECT_TRUE(said->contains("File too large")) << said->toStdString();
        EXPECT_EQ(readBytes(c.file), before);
        EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList({"dbase1.txt", kSavedEntriesFile}));
    }
}

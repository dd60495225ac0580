// Every file a window rewrites, opened and saved without an edit, is written
// back as it was read, hostile but readable fields included.

#include "core/ChecklistFile.h"
#include "core/Settings.h"
#include "databases/MyDraws.h"
#include "printing/PlaySlipTemplate.h"
#include "support/TestSupport.h"
#include "syndicates/Diary.h"
#include "syndicates/SyndicateFile.h"

#include "platform/TextFile.h"

#include <functional>

namespace {
QString crLf(const QStringList& lines) { return lines.join("\r\n") + "\r\n"; }

QString membersFile()
{
    QStringList lines{R"("quote "inside" here","  ab","a, b",""x"","","","","Cash","","","Club")"};
    while (lines.size() < kSyndicateFileRows)
        lines << R"("","","","","","","","","","","")";
    return crLf(lines);
}

QString templateFile()
{
    QStringList lines{"  My slip, \"A\"  ", " UK Lotto ", " 1 ",      "3,2",    "5,1",     "12,4",          "38.2,71.5",
                      "42.1,27.3",          "3.8,6.39",   "3.8,6.39", "28.1,0", "3.0,5.5", "38.205,71.50,,"};
    while (lines.size() < 72)
        lines << ",,,";
    return crLf(lines);
}

QString settingsFile()
{
    QStringList lines{"  lead", "\"quoted\"", "a,b", "trail  ", "ab\"cd"};
    while (lines.size() < 100)
        lines << "";
    return crLf(lines);
}
} // namespace

class FileRoundTrip : public ProgramFolderTest {};

TEST_F(FileRoundTrip, OpeningAndSavingWritesBackWhatWasRead)
{
    struct Case {
        QString file;
        QString content;
        std::function<void(const QString&)> roundTrip;
    };
    const std::vector<Case> cases{
        {"SMembers.000", membersFile(),
         [](const QString& file) {
             Settings.set(SyndicateFile, file);
             LoadSyndicate();
             ASSERT_TRUE(SaveSyndicate());
         }},
        {"Diary.000",
         crLf({R"("12 Mar 05","2","£2.00","£0.00","-£2.00","quote "inside" here")",
               R"("13 Mar 05","  1","","","",""x" y, z")"}),
         [](const QString& file) { ASSERT_TRUE(WriteDiary(file, *ReadDiary(file))); }},
        {"SNotes.txt",
         crLf({" 1 ,  Buy, \"tickets\"", " 0 ,", " 0 , b", " 0 ,c", " 0 ,d", " 0 ,e", " 0 ,f", " 1 ,g"})
             + "first\r\n\"q\", b",
         [](const QString& file) {
             ASSERT_TRUE(WriteTextFile(file, ChecklistNotesText(ParseChecklistNotes(*ReadTextFile(file), {}))));
         }},
        {"ReVadirav.txt",
         crLf({"05 Mar 05,1,2,3,4,5,6,,,UK Lotto,\"  ab\",dbase100.txt",
               "05 Mar 05,1,2,3,4,5,6,,,UK Lotto,ab\"cd,dbase100.txt",
               "05-Mar-2005,1,2,3,4,5,6,,,\"Lotto, UK\",  Bob ,dbase100.txt", "not, an, entry"}),
         [](const QString& file) { ASSERT_TRUE(SaveMyDrawsFile(*ReadMyDraws(file))); }},
        {"PTemplate.000", templateFile(),
         [](const QString& file) {
             const PlaySlipRead read = ReadPlaySlipTemplate(file);
             ASSERT_TRUE(read.slip) << read.error.toStdString();
             ASSERT_TRUE(WritePlaySlipTemplate(file, *read.slip));
         }},
        {"vantrel.ini", settingsFile(),
         [](const QString&) {
             LoadSettings();
             ASSERT_TRUE(SaveSettings());
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        writeFile(c.file, c.content);
        c.roundTrip(c.file);
        EXPECT_EQ(readFile(c.file), c.content);
    }
}

#include "core/ui/DatabaseList.h"

#include "core/OpenLottery.h"
#include "databases/DatabaseLoader.h"
#include "platform/ui/MsgBox.h"

#include <QListWidget>

namespace {
// Names the files left out of the lists that the player has not been told
// of yet in this run, in one message.
void TellLeftOut(const QStringList& leftOut)
{
    QStringList untold;
    for (const QString& file : leftOut) {
        if (!UnlistedDatabasesTold.contains(file))
            untold << file;
    }
    if (untold.isEmpty())
        return;
    UnlistedDatabasesTold += untold;
    QString text = "These database files are not listed, as a saved entry cannot hold their names (a line "
                   "break, a quote before a comma, or characters that are not UTF-8). Rename them to use "
                   "them.    \r\n";
    // A line each, cut so a long name keeps the box on the screen.
    constexpr int kShownLength = 45;
    for (QString file : untold) {
        file.replace(u'\r', u'?').replace(u'\n', u'?');
        text += "\r\n" + (file.size() > kShownLength ? file.left(kShownLength - 3) + "..." : file);
    }
    MsgBox(text, vbExclamation, "Lottery databases");
}
} // namespace

int ListDatabases(QListWidget* list)
{
    QStringList leftOut;
    const QStringList names = FindDatabases(&leftOut);
    TellLeftOut(leftOut);
    if (list) {
        list->clear(); // rows and DbaseFiles stay aligned
        list->addItems(names);
        list->setCurrentRow(-1);
    }
    return int(names.size());
}

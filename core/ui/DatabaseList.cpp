#include "core/ui/DatabaseList.h"

#include "core/OpenLottery.h"
#include "databases/DatabaseLoader.h"

#include <QListWidget>

int ListDatabases(QListWidget* list)
{
    const QStringList names = FindDatabases();
    if (list) {
        list->clear(); // rows and DbaseFiles stay aligned
        list->addItems(names);
        list->setCurrentRow(-1);
    }
    return int(names.size());
}

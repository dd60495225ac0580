#include "platform/ui/FolderDialog.h"

#include <QDir>
#include <QFileDialog>

namespace {
FolderDialogHook& hook()
{
    static FolderDialogHook h;
    return h;
}
} // namespace

void SetFolderDialogHook(FolderDialogHook h) { hook() = std::move(h); }

QString ChooseFolder(QWidget* parent, const QString& caption, const QString& start)
{
    const QString from = start.isEmpty() ? QDir::homePath() : start;
    if (hook())
        return hook()(caption, from);
    return QFileDialog::getExistingDirectory(parent, caption, from, QFileDialog::ShowDirsOnly);
}

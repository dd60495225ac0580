#pragma once
// The desktop's folder chooser, through a hook that tests replace.

#include <QString>
#include <functional>

class QWidget;

// Asks for a folder, starting at `start` (the home folder when empty). Empty
// when the player cancels.
QString ChooseFolder(QWidget* parent, const QString& caption, const QString& start);

// Tests answer in the player's place: the hook gets the caption and the
// starting folder and returns the folder chosen (empty cancels). An empty hook
// restores the desktop's dialog.
using FolderDialogHook = std::function<QString(const QString& caption, const QString& start)>;
void SetFolderDialogHook(FolderDialogHook hook);

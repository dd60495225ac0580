#include "core/Vantrel.h"

#include "core/Settings.h"
#include "platform/Folder.h"

Vantrel::Vantrel(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("Vantrel");
    setWindowTitle("Vantrel");
    MakeProgramFolderCurrent();
    LoadSettings();
    resize(800, 560);
}

// Vantrel: the application object and the main window.
#include "app/Vantrel.h"
#include "app/WindowCatalog.h"
#include "platform/ui/Printer.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("vantrel");
    QApplication::setApplicationDisplayName("Vantrel");
    InstallFontSubstitutes();
    RegisterAllWindows();
    Vantrel window;
    window.show();
    return app.exec();
}

// Vantrel: the application object and the main window.
#include "app/Application.h"
#include "app/Vantrel.h"
#include "app/WindowCatalog.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    SetUpApplication();
    RegisterAllWindows();
    Vantrel window;
    window.show();
    return app.exec();
}

#include "app/Application.h"

#include "platform/Windows.h"

#include <QApplication>
#include "platform/WindowNames.h"

int runApplication(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zq7310"));
    defineWindows();
    if (!Windows::load(WindowName::MDImain))
        return 1;
    return app.exec();
}

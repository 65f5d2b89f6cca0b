#include "app/application.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Giudizi"));
    QApplication::setQuitOnLastWindowClosed(true);
    if (!giudizi::startApplication())
        return 1;
    return QApplication::exec();
}

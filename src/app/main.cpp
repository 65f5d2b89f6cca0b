#include "app/application.h"
#include "platform/GuardedApplication.h"

int main(int argc, char* argv[])
{
    giudizi::GuardedApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Giudizi"));
    if (!giudizi::startApplication())
        return 1;
    return QApplication::exec();
}

#include "app/application.h"
#include "data/ArchiveStore.h"
#include "platform/GuardedApplication.h"
#include "platform/ScreenRegistry.h"

int main(int argc, char* argv[])
{
    giudizi::GuardedApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Giudizi"));
    if (!giudizi::startApplication())
        return 1;
    const int status = QApplication::exec();
    giudizi::ScreenRegistry::destroyAll();
    giudizi::archiveStore().closeAll();
    return status;
}

#include "app/ServerCommands.h"
#include "app/application.h"
#include "data/ArchiveStore.h"
#include "platform/GuardedApplication.h"
#include "platform/ScreenRegistry.h"
#include "platform/WorkingFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QIcon>
#include <QTimer>
#include <cstdio>

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const giudizi::StartOptions options =
        giudizi::parseStartOptions(arguments, qEnvironmentVariable("GIUDIZI_SERVER"));
    if (options.help || !options.error.isEmpty()) {
        std::fputs(qPrintable(options.error.isEmpty() ? giudizi::startHelp()
                                                      : options.error + QLatin1Char('\n')),
                   options.help ? stdout : stderr);
        return options.help ? 0 : 2;
    }
    if (options.command != giudizi::StartOptions::Command::Run) {
        // The technician's commands: no window, no working folder.
        QCoreApplication app(argc, argv);
        return giudizi::runServerCommand(options);
    }
    const QString folder =
        giudizi::chooseWorkingFolder(options.folder, QDir::currentPath(), QDir::homePath());
    if (!QDir().mkpath(folder) || !QDir::setCurrent(folder)) {
        std::fprintf(stderr, "La cartella di lavoro %s non si può usare.\n", qPrintable(folder));
        return 1;
    }

    giudizi::GuardedApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("giudizi"));
    QApplication::setApplicationDisplayName(QStringLiteral("Giudizi"));
    QGuiApplication::setDesktopFileName(QStringLiteral("giudizi"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/256x256/giudizi.png")));
    if (!giudizi::startApplication(options.server))
        return 1;
    // A smoke test of an installed copy: the first window shown, then out.
    if (qEnvironmentVariableIsSet("GIUDIZI_EXIT_AFTER_START")) {
        QTimer::singleShot(0, [] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible())
                    std::printf("%s\n", qPrintable(w->objectName()));
            giudizi::archiveStore().closeAll();
            std::exit(0);
        });
    }
    const int status = QApplication::exec();
    giudizi::ScreenRegistry::destroyAll();
    giudizi::archiveStore().closeAll();
    return status;
}

#include "platform/WorkingFolder.h"

#include <QDir>
#include <QFileInfo>

namespace giudizi {

StartOptions parseStartOptions(const QStringList& arguments)
{
    // The toolkit's own options, with a value after them, are left to it.
    static const QStringList toolkit = {"platform",        "style",        "stylesheet", "display",
                                        "qwindowgeometry", "qwindowtitle", "qwindowicon"};
    StartOptions options;
    const auto refuse = [&options](const QString& error) {
        if (options.error.isEmpty())
            options.error = error;
    };
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        const QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            options.help = true;
        } else if (argument == QLatin1String("--cartella")) {
            if (i + 1 < arguments.size() && !arguments.at(i + 1).startsWith(QLatin1Char('-')))
                options.folder = arguments.at(++i);
            else
                refuse(QStringLiteral("Manca la cartella dopo --cartella."));
        } else if (argument.startsWith(QLatin1String("--cartella="))) {
            options.folder = argument.mid(11);
            if (options.folder.isEmpty())
                refuse(QStringLiteral("Manca la cartella dopo --cartella."));
        } else if (argument.startsWith(QLatin1Char('-')) && toolkit.contains(name)) {
            ++i;
        } else if (argument.startsWith(QLatin1String("--"))) {
            refuse(QStringLiteral("Opzione sconosciuta: %1").arg(argument));
        }
    }
    return options;
}

QString chooseWorkingFolder(const QString& given, const QString& current, const QString& home)
{
    if (!given.isEmpty())
        return QDir(current).absoluteFilePath(given);
    if (QFileInfo(QDir(current).filePath(QStringLiteral("pergiudix"))).isDir())
        return current;
    return QDir(home).filePath(QStringLiteral("Giudizi"));
}

QString startHelp()
{
    return QStringLiteral(
        "Uso: giudizi [--cartella CARTELLA]\n"
        "\n"
        "Compone, archivia e stampa i giudizi globali degli alunni.\n"
        "\n"
        "I dati stanno nella cartella pergiudix/ della cartella di lavoro:\n"
        "  - la cartella indicata con --cartella, se c'è;\n"
        "  - altrimenti la cartella corrente, se contiene già pergiudix/;\n"
        "  - altrimenti la cartella Giudizi nella cartella personale (creata al primo avvio).\n"
        "\n"
        "Opzioni:\n"
        "  --cartella CARTELLA   usa CARTELLA come cartella di lavoro\n"
        "  -h, --help            mostra questo aiuto ed esce\n");
}

} // namespace giudizi

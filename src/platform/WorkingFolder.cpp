#include "platform/WorkingFolder.h"

#include <QDir>
#include <QFileInfo>

namespace giudizi {

StartOptions parseStartOptions(const QStringList& arguments, const QString& environmentServer)
{
    // The toolkit's own options, with a value after them, are left to it.
    static const QStringList toolkit = {"platform",        "style",        "stylesheet", "display",
                                        "qwindowgeometry", "qwindowtitle", "qwindowicon"};
    StartOptions options;
    const auto refuse = [&options](const QString& error) {
        if (options.error.isEmpty())
            options.error = error;
    };
    // An option followed by its value (or "--option=value").
    const auto valueOf = [&](int& i, const QString& option, QString* value) {
        const QString& argument = arguments.at(i);
        if (argument == option) {
            if (i + 1 < arguments.size() && !arguments.at(i + 1).startsWith(QLatin1Char('-'))) {
                *value = arguments.at(++i);
                return true;
            }
        } else if (argument.startsWith(option + QLatin1Char('='))) {
            *value = argument.mid(option.size() + 1);
            if (!value->isEmpty())
                return true;
        } else {
            return false;
        }
        refuse(QStringLiteral("Manca il servizio del server dopo %1.").arg(option));
        return true;
    };
    const auto isOption = [](const QString& argument, const QString& option) {
        return argument == option || argument.startsWith(option + QLatin1Char('='));
    };
    const QList<QPair<QString, StartOptions::Command>> serverOptions = {
        {QStringLiteral("--server"), StartOptions::Command::Run},
        {QStringLiteral("--prepara-server"), StartOptions::Command::PrepareServer},
        {QStringLiteral("--carica-sul-server"), StartOptions::Command::UploadToServer}};
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        const QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
        bool serverOption = false;
        for (const auto& [option, command] : serverOptions) {
            if (!isOption(argument, option))
                continue;
            serverOption = true;
            valueOf(i, option, &options.server);
            if (command != StartOptions::Command::Run) {
                if (options.command != StartOptions::Command::Run && options.command != command)
                    refuse(QStringLiteral("Un comando alla volta: --prepara-server oppure "
                                          "--carica-sul-server."));
                options.command = command;
            }
        }
        if (serverOption)
            continue;
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
    if (options.server.isEmpty())
        options.server = environmentServer.trimmed();
    if (options.command == StartOptions::Command::UploadToServer && options.folder.isEmpty())
        refuse(QStringLiteral("Con --carica-sul-server indica con --cartella la cartella "
                              "da caricare."));
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
        "Uso: giudizi [--cartella CARTELLA] [--server SERVIZIO]\n"
        "     giudizi --prepara-server SERVIZIO\n"
        "     giudizi --carica-sul-server SERVIZIO --cartella CARTELLA\n"
        "\n"
        "Compone, archivia e stampa i giudizi globali degli alunni.\n"
        "\n"
        "I dati stanno nella cartella pergiudix/ della cartella di lavoro:\n"
        "  - la cartella indicata con --cartella, se c'è;\n"
        "  - altrimenti la cartella corrente, se contiene già pergiudix/;\n"
        "  - altrimenti la cartella Giudizi nella cartella personale (creata al primo avvio).\n"
        "\n"
        "Con --server l'archivio e i cataloghi stanno invece sul server PostgreSQL della\n"
        "scuola, condivisi da tutti i computer; le impostazioni di stampa restano nella\n"
        "cartella di lavoro. SERVIZIO è il nome di un servizio di pg_service.conf (o di\n"
        "~/.pg_service.conf) oppure un indirizzo postgresql://utente@server/database; la\n"
        "password viene da ~/.pgpass o si scrive all'avvio, e non viene mai salvata.\n"
        "Senza --server vale la variabile d'ambiente GIUDIZI_SERVER, se c'è.\n"
        "\n"
        "Opzioni:\n"
        "  --cartella CARTELLA   usa CARTELLA come cartella di lavoro\n"
        "  --server SERVIZIO     tiene l'archivio e i cataloghi sul server SERVIZIO\n"
        "  --prepara-server SERVIZIO\n"
        "                        per il tecnico: prepara il server (tabelle, cataloghi\n"
        "                        predefiniti, gruppo giudizi_docenti) ed esce\n"
        "  --carica-sul-server SERVIZIO --cartella CARTELLA\n"
        "                        per il tecnico: aggiunge sul server i giudizi della\n"
        "                        CARTELLA (che contiene pergiudix/ o i file della copia) ed esce\n"
        "  -h, --help            mostra questo aiuto ed esce\n");
}

} // namespace giudizi

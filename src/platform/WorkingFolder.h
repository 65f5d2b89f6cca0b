#pragma once

#include <QString>
#include <QStringList>

namespace giudizi {

// What the command line asks for: `giudizi [--cartella DIR] [--server SERVIZIO]
// [--help]`, or one of the technician's commands.
struct StartOptions {
    enum class Command { Run, PrepareServer, UploadToServer };
    QString folder; // given with --cartella, else empty
    QString server; // given with --server (or a command), else GIUDIZI_SERVER, else empty
    Command command = Command::Run;
    bool help = false;
    QString error; // an option the program does not know, in Italian
};
// `environmentServer` is the value of GIUDIZI_SERVER.
StartOptions parseStartOptions(const QStringList& arguments,
                               const QString& environmentServer = QString());

// The working folder the data folder pergiudix/ lives in: the folder given
// on the command line; else the current folder when it already holds
// pergiudix/ (started from its folder, as the run script does); else
// Giudizi/ in the home folder (started from the applications menu).
QString chooseWorkingFolder(const QString& given, const QString& current, const QString& home);

// The text of --help, in Italian.
QString startHelp();

} // namespace giudizi

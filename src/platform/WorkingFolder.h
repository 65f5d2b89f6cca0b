#pragma once

#include <QString>
#include <QStringList>

namespace giudizi {

// What the command line asks for: `giudizi [--cartella DIR] [--help]`.
struct StartOptions {
    QString folder; // given with --cartella, else empty
    bool help = false;
    QString error; // an option the program does not know, in Italian
};
StartOptions parseStartOptions(const QStringList& arguments);

// The working folder the data folder pergiudix/ lives in: the folder given
// on the command line; else the current folder when it already holds
// pergiudix/ (started from its folder, as the run script does); else
// Giudizi/ in the home folder (started from the applications menu).
QString chooseWorkingFolder(const QString& given, const QString& current, const QString& home);

// The text of --help, in Italian.
QString startHelp();

} // namespace giudizi

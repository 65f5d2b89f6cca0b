#pragma once

#include <QString>
#include <QStringList>

namespace giudizi {

// Where the three databases live, relative to the working folder.
namespace datafiles {
QString folder();            // "pergiudix"
QString archivePath();       // "pergiudix/Valutazioni.mdb"
QString descriptorPath();    // "pergiudix/DBgiudix2.mdb"
QString printSettingsPath(); // "pergiudix/stampagiudix.mdb"
QStringList allPaths();
// The tables each file must hold.
QStringList requiredTables(const QString& path);
} // namespace datafiles

struct DataFolderResult {
    bool ok = false;
    bool created = false;
    QString error; // the engine's message when !ok
};

// Creates `folderPath` with the three databases and their default data. The
// folder is built aside and renamed into place, so a failure leaves nothing.
bool createDataFolder(const QString& folderPath, QString* error);

// The start-up check: no data folder → create it with the defaults; a folder
// whose files are missing, unreadable or not databases → an error, untouched.
// With the archive on the school server only the print settings are needed.
DataFolderResult prepareDataFolder(bool printSettingsOnly = false);

// Checks that `path` opens as a database holding `tables`.
bool checkDatabaseFile(const QString& path, const QStringList& tables, QString* error);

} // namespace giudizi

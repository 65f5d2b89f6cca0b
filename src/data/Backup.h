#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace giudizi {

class Database;
struct ArchiveStore;

// One database of the backup set and the file name it takes in the folder.
struct BackupItem {
    std::shared_ptr<Database> database;
    QString fileName;
};

// Copies the open databases into `folder` as one consistent, verified set:
// each is copied with the engine's backup interface under a temporary name,
// each copy is opened and must pass the integrity check, and only then do
// the copies take the place of the previous backup (kept aside until all
// three are in place). Any failure leaves the previous backup as it was and
// removes what was written; false with the reason in *error.
bool backUpDatabases(const QList<BackupItem>& items, const QString& folder, QString* error);

// The program's three open databases, each under the name of its data file.
QList<BackupItem> dataFilesOf(const ArchiveStore& store);

// Copies the database files at `sources` into `folder` (which exists) under
// their file names, each through a read-only connection of its own with the
// engine's backup interface, each copy verified and synced. false with the
// reason in *error; the caller removes what was written.
bool copyDataFiles(const QStringList& sources, const QString& folder, QString* error);

// The whole database file `source` written into the open database `target`
// with the engine's backup interface: one transaction, so the file is either
// as it was or as the source, and the program's connection stays valid.
bool copyInto(const QString& source, Database& target, QString* error);

// The database file opens read-only and the engine finds it whole; false
// with the reason in *error.
bool verifyCopy(const QString& file, QString* error);
// Down to the disk: a file's contents, or (`folder`) a folder's list of names.
bool syncToDisk(const QString& path, bool folder);

// For tests: called with every copy just written, before it is verified (a
// test damages it there to see the verdict obeyed). Empty to remove.
void setCopyWrittenHook(std::function<void(const QString& copy)> hook);

} // namespace giudizi

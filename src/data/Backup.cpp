#include "data/Backup.h"

#include "data/ArchiveStore.h"
#include "data/DataFolder.h"
#include "data/Database.h"
#include "data/ServerCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

namespace giudizi {

namespace {

const QString kNewSuffix = QStringLiteral(".nuovo");
const QString kOldSuffix = QStringLiteral(".precedente");

QString engineMessage(sqlite3* handle)
{
    return handle ? QString::fromUtf8(sqlite3_errmsg(handle)) : QStringLiteral("SQLite");
}

std::function<void(const QString&)>& copyWrittenHook()
{
    static std::function<void(const QString&)> hook;
    return hook;
}

// The whole database on the connection `from` copied page by page into
// `target` (a new file).
bool copyConnection(sqlite3* from, const QString& target, QString* error)
{
    sqlite3* to = nullptr;
    QFile::remove(target);
    int rc = sqlite3_open_v2(QFile::encodeName(target).constData(), &to,
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
        if (!backup) {
            rc = sqlite3_errcode(to);
        } else {
            rc = sqlite3_backup_step(backup, -1);
            sqlite3_backup_finish(backup);
        }
    }
    if (rc != SQLITE_OK && rc != SQLITE_DONE)
        *error = QStringLiteral("%1: %2").arg(target, engineMessage(to));
    const bool closed = sqlite3_close(to) == SQLITE_OK;
    const bool copied = (rc == SQLITE_OK || rc == SQLITE_DONE) && closed;
    if (copied && copyWrittenHook())
        copyWrittenHook()(target);
    return copied;
}

bool copyDatabase(Database& source, const QString& fileName, const QString& target, QString* error)
{
    if (source.isServer()) {
        const bool copied = copyServerTables(source, fileName, target, error);
        if (copied && copyWrittenHook())
            copyWrittenHook()(target);
        return copied;
    }
    sqlite3* from = source.rawHandle();
    if (!from) {
        *error = QStringLiteral("%1: database non aperto").arg(source.path());
        return false;
    }
    return copyConnection(from, target, error);
}

// A file not open in the program is read through a connection of its own.
bool copyFile(const QString& source, const QString& target, QString* error)
{
    sqlite3* from = nullptr;
    const bool opened = sqlite3_open_v2(QFile::encodeName(source).constData(), &from,
                                        SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK;
    if (opened)
        sqlite3_busy_timeout(from, 2000);
    const bool copied = opened && copyConnection(from, target, error);
    if (!opened)
        *error = QStringLiteral("%1: %2").arg(source, engineMessage(from));
    sqlite3_close(from);
    return copied;
}

} // namespace

bool verifyCopy(const QString& file, QString* error)
{
    sqlite3* db = nullptr;
    bool ok = sqlite3_open_v2(QFile::encodeName(file).constData(), &db, SQLITE_OPEN_READONLY,
                              nullptr) == SQLITE_OK;
    sqlite3_stmt* check = nullptr;
    if (ok)
        ok = sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &check, nullptr) == SQLITE_OK &&
             sqlite3_step(check) == SQLITE_ROW &&
             qstrcmp(reinterpret_cast<const char*>(sqlite3_column_text(check, 0)), "ok") == 0;
    if (!ok)
        *error = QStringLiteral("%1: la copia non è integra (%2)").arg(file, engineMessage(db));
    sqlite3_finalize(check);
    sqlite3_close(db);
    return ok;
}

namespace {

void removeAll(const QStringList& files)
{
    for (const QString& file : files)
        QFile::remove(file);
}

} // namespace

bool syncToDisk(const QString& path, bool folder)
{
    const int fd =
        ::open(QFile::encodeName(path).constData(), folder ? O_RDONLY | O_DIRECTORY : O_RDONLY);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

namespace {

// A backup replaced halfway by a run that died: the previous copy kept aside
// goes back where it was.
void recoverInterruptedReplace(const QDir& dir, const QList<BackupItem>& items)
{
    for (const BackupItem& item : items) {
        const QString target = dir.filePath(item.fileName);
        if (!QFileInfo::exists(target) && QFileInfo::exists(target + kOldSuffix))
            QFile::rename(target + kOldSuffix, target);
    }
}

} // namespace

QList<BackupItem> dataFilesOf(const ArchiveStore& store)
{
    const auto named = [](const std::shared_ptr<Database>& db, const QString& path) {
        return BackupItem{db, QFileInfo(path).fileName()};
    };
    return {named(store.ArchiveDb, datafiles::archivePath()),
            named(store.DescriptorDb, datafiles::descriptorPath()),
            named(store.PrintSettingsDb, datafiles::printSettingsPath())};
}

bool copyInto(const QString& source, Database& target, QString* error)
{
    sqlite3* to = target.rawHandle();
    sqlite3* from = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(source).constData(), &from, SQLITE_OPEN_READONLY,
                             nullptr);
    if (rc == SQLITE_OK && to) {
        sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
        rc = backup ? sqlite3_backup_step(backup, -1) : sqlite3_errcode(to);
        if (backup)
            sqlite3_backup_finish(backup);
    }
    const bool copied = to && (rc == SQLITE_OK || rc == SQLITE_DONE);
    if (!copied)
        *error = QStringLiteral("%1: %2").arg(target.path(), engineMessage(to ? to : from));
    sqlite3_close(from);
    return copied;
}

void setCopyWrittenHook(std::function<void(const QString&)> hook)
{
    copyWrittenHook() = std::move(hook);
}

bool copyDataFiles(const QStringList& sources, const QString& folder, QString* error)
{
    const QDir dir(folder);
    for (const QString& source : sources) {
        const QString copy = dir.filePath(QFileInfo(source).fileName());
        if (!copyFile(source, copy, error) || !verifyCopy(copy, error) ||
            !syncToDisk(copy, false)) {
            if (error->isEmpty())
                *error = QStringLiteral("%1: la copia non si può scrivere.").arg(copy);
            return false;
        }
    }
    return syncToDisk(dir.absolutePath(), true);
}

bool backUpDatabases(const QList<BackupItem>& items, const QString& folder, QString* error)
{
    QString dummy;
    if (!error)
        error = &dummy;
    const QDir dir(folder);
    if (folder.isEmpty() || !dir.exists()) {
        *error = QStringLiteral("La cartella %1 non esiste.").arg(folder);
        return false;
    }
    recoverInterruptedReplace(dir, items);
    QStringList copies;
    for (const BackupItem& item : items) {
        const QString copy = dir.filePath(QLatin1Char('.') + item.fileName + kNewSuffix);
        copies.append(copy);
        if (!item.database || !copyDatabase(*item.database, item.fileName, copy, error) ||
            !verifyCopy(copy, error) || !syncToDisk(copy, false)) {
            if (error->isEmpty())
                *error = QStringLiteral("%1: la copia non si può scrivere.").arg(copy);
            removeAll(copies);
            return false;
        }
    }
    // All copies are good: they take the place of the previous backup, which
    // is put back if any of them cannot.
    QStringList placed;
    QStringList keptAside;
    for (int i = 0; i < items.size(); ++i) {
        const QString target = dir.filePath(items.at(i).fileName);
        const QString aside = target + kOldSuffix;
        QFile::remove(aside);
        const bool hadOne = QFileInfo::exists(target);
        bool ok = !hadOne || QFile::rename(target, aside);
        if (ok && hadOne)
            keptAside.append(target);
        ok = ok && QFile::rename(copies.at(i), target);
        if (!ok) {
            *error = QStringLiteral("%1: la copia non può prendere il posto della precedente.")
                         .arg(target);
            removeAll(placed);
            for (const QString& previous : keptAside)
                if (!QFile::rename(previous + kOldSuffix, previous))
                    *error += QStringLiteral(" La copia precedente è rimasta in %1.")
                                  .arg(previous + kOldSuffix);
            removeAll(copies);
            return false;
        }
        placed.append(target);
    }
    if (!syncToDisk(dir.absolutePath(), true)) {
        *error = QStringLiteral("%1: la copia non è stata scritta sul supporto.").arg(folder);
        return false;
    }
    for (const QString& previous : keptAside)
        QFile::remove(previous + kOldSuffix);
    syncToDisk(dir.absolutePath(), true); // the leftovers' removal: nice to have on the medium
    return true;
}

} // namespace giudizi

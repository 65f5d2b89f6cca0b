#include "data/Backup.h"

#include "data/Database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

namespace giudizi {

namespace {

const QString kNewSuffix = QStringLiteral(".nuovo");
const QString kOldSuffix = QStringLiteral(".precedente");

QString engineMessage(sqlite3* handle)
{
    return handle ? QString::fromUtf8(sqlite3_errmsg(handle)) : QStringLiteral("SQLite");
}

// The whole database copied page by page into `target` (a new file).
bool copyDatabase(Database& source, const QString& target, QString* error)
{
    sqlite3* from = source.rawHandle();
    sqlite3* to = nullptr;
    if (!from) {
        *error = QStringLiteral("%1: database non aperto").arg(source.path());
        return false;
    }
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
    return (rc == SQLITE_OK || rc == SQLITE_DONE) && closed;
}

// The copy opens and the engine finds it whole.
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

void removeAll(const QStringList& files)
{
    for (const QString& file : files)
        QFile::remove(file);
}

} // namespace

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
    QStringList copies;
    for (const BackupItem& item : items) {
        const QString copy = dir.filePath(QLatin1Char('.') + item.fileName + kNewSuffix);
        copies.append(copy);
        if (!item.database || !copyDatabase(*item.database, copy, error) ||
            !verifyCopy(copy, error)) {
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
                QFile::rename(previous + kOldSuffix, previous);
            removeAll(copies);
            return false;
        }
        placed.append(target);
    }
    for (const QString& previous : keptAside)
        QFile::remove(previous + kOldSuffix);
    return true;
}

} // namespace giudizi

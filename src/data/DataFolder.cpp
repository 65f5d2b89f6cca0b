#include "data/DataFolder.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "data/SqlScript.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

namespace giudizi {

namespace datafiles {

QString folder()
{
    return QStringLiteral("pergiudix");
}
QString archivePath()
{
    return folder() + QStringLiteral("/Valutazioni.mdb");
}
QString descriptorPath()
{
    return folder() + QStringLiteral("/DBgiudix2.mdb");
}
QString printSettingsPath()
{
    return folder() + QStringLiteral("/stampagiudix.mdb");
}
QStringList allPaths()
{
    return {archivePath(), descriptorPath(), printSettingsPath()};
}

QStringList requiredTables(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    if (name.compare(QStringLiteral("Valutazioni.mdb"), Qt::CaseInsensitive) == 0)
        return {QStringLiteral("giudizi"), QStringLiteral("scuola")};
    if (name.compare(QStringLiteral("stampagiudix.mdb"), Qt::CaseInsensitive) == 0)
        return {QStringLiteral("posizione")};
    return {QStringLiteral("classeAq1"),      QStringLiteral("classeAq2"),
            QStringLiteral("classeBq1"),      QStringLiteral("classeBq2"),
            QStringLiteral("socioaffettiv1"), QStringLiteral("socioaffettiv2"),
            QStringLiteral("socioaffettiv3"), QStringLiteral("responsabilit1"),
            QStringLiteral("responsabilit2"), QStringLiteral("responsabilit3"),
            QStringLiteral("cognitivA1"),     QStringLiteral("cognitivA2"),
            QStringLiteral("cognitivA3"),     QStringLiteral("cognitivB1"),
            QStringLiteral("cognitivB2"),     QStringLiteral("cognitivB3")};
}

} // namespace datafiles

namespace {

// The default data of each file: its scripts, run in order.
QStringList scriptsFor(const QString& fileName)
{
    if (fileName == QLatin1String("Valutazioni.mdb"))
        return {QStringLiteral(":/defaults/valutazioni.sql"),
                QStringLiteral(":/defaults/indici_archivio.sql")};
    if (fileName == QLatin1String("stampagiudix.mdb"))
        return {QStringLiteral(":/defaults/stampa.sql")};
    QStringList scripts{QStringLiteral(":/defaults/descrittori.sql")};
    // Catalogue contents: every other catalogo_*.sql file, in name order.
    const QStringList catalogues =
        QDir(QStringLiteral(":/defaults"))
            .entryList({QStringLiteral("catalogo_*.sql")}, QDir::Files, QDir::Name);
    for (const QString& file : catalogues)
        scripts.append(QStringLiteral(":/defaults/") + file);
    return scripts;
}

} // namespace

bool createDataFolder(const QString& folderPath, QString* error)
{
    QString dummy;
    if (!error)
        error = &dummy;
    const QFileInfo target(folderPath);
    const QString staging = target.absolutePath() + QStringLiteral("/.") + target.fileName() +
                            QStringLiteral("-new-") +
                            QUuid::createUuid().toString(QUuid::WithoutBraces).left(8);
    if (!QDir().mkpath(staging)) {
        *error = QStringLiteral("Impossibile creare la cartella %1").arg(staging);
        return false;
    }
    bool ok = true;
    for (const QString& name : {QStringLiteral("Valutazioni.mdb"), QStringLiteral("DBgiudix2.mdb"),
                                QStringLiteral("stampagiudix.mdb")}) {
        auto db = Database::create(staging + QLatin1Char('/') + name, error);
        if (!db || !runSqlScripts(*db, scriptsFor(name), error)) {
            ok = false;
            break;
        }
    }
    if (ok && !QDir().rename(staging, target.absoluteFilePath())) {
        *error = QStringLiteral("Impossibile creare la cartella %1").arg(folderPath);
        ok = false;
    }
    if (!ok)
        QDir(staging).removeRecursively();
    return ok;
}

namespace {
std::shared_ptr<Database> openChecked(const QString& path, const QStringList& tables,
                                      QString* error)
{
    auto db = Database::open(path, error);
    if (!db)
        return nullptr;
    for (const QString& table : tables) {
        if (!db->hasTable(table)) {
            if (error)
                *error = QStringLiteral("%1: la tabella '%2' non esiste").arg(path, table);
            return nullptr;
        }
    }
    return db;
}
} // namespace

bool checkDatabaseFile(const QString& path, const QStringList& tables, QString* error)
{
    return openChecked(path, tables, error) != nullptr;
}

DataFolderResult prepareDataFolder(bool printSettingsOnly)
{
    DataFolderResult result;
    if (!QFileInfo(datafiles::folder()).exists()) {
        result.created = true;
        result.ok = createDataFolder(datafiles::folder(), &result.error);
        return result;
    }
    const QStringList paths =
        printSettingsOnly ? QStringList{datafiles::printSettingsPath()} : datafiles::allPaths();
    for (const QString& path : paths) {
        auto db = openChecked(path, datafiles::requiredTables(path), &result.error);
        if (!db)
            return result;
        // Archives made before the searches had their indexes gain them now.
        if (path == datafiles::archivePath())
            ensureArchiveIndexes(*db);
    }
    result.ok = true;
    return result;
}

} // namespace giudizi

#include "data/Restore.h"

#include "data/Backup.h"
#include "data/DataFolder.h"
#include "data/Database.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTemporaryDir>
#include <cstdio>
#include <sqlite3.h>
#include <utility>

namespace giudizi::restore {

namespace {

const QString kMarker = QStringLiteral(".ripristino-in-corso");
const QString kStaging = QStringLiteral(".ripristino.tmp");
const QString kAsidePrefix = QStringLiteral("prima-del-ripristino-");

std::function<bool(int, bool)>& renameHook()
{
    static std::function<bool(int, bool)> hook;
    return hook;
}

QString& lastAside()
{
    static QString folder;
    return folder;
}

QStringList fileNames()
{
    QStringList names;
    for (const QString& path : datafiles::allPaths())
        names << QFileInfo(path).fileName();
    return names;
}

QString inData(const QString& name)
{
    return QDir(datafiles::folder()).filePath(name);
}

// A read-only connection to a database file, closed with the object.
class ReadOnly {
public:
    explicit ReadOnly(const QString& path)
    {
        if (sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, SQLITE_OPEN_READONLY,
                            nullptr) != SQLITE_OK) {
            sqlite3_close(m_db);
            m_db = nullptr;
        }
    }
    ~ReadOnly() { sqlite3_close(m_db); }
    ReadOnly(const ReadOnly&) = delete;
    ReadOnly& operator=(const ReadOnly&) = delete;
    bool isOpen() const { return m_db != nullptr; }

    // The first column of every row of `sql`, as text.
    QStringList column(const QString& sql) const
    {
        QStringList values;
        sqlite3_stmt* statement = nullptr;
        if (m_db && sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &statement, nullptr) ==
                        SQLITE_OK)
            while (sqlite3_step(statement) == SQLITE_ROW)
                values << QString::fromUtf8(
                    reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
        sqlite3_finalize(statement);
        return values;
    }
    QStringList columnsOf(const QString& table) const
    {
        // pragma_table_info takes the table as a value, so no name is spliced.
        QStringList names;
        sqlite3_stmt* statement = nullptr;
        if (m_db && sqlite3_prepare_v2(m_db, "SELECT name FROM pragma_table_info(?1)", -1,
                                       &statement, nullptr) == SQLITE_OK) {
            const QByteArray name = table.toUtf8();
            sqlite3_bind_text(statement, 1, name.constData(), -1, SQLITE_TRANSIENT);
            while (sqlite3_step(statement) == SQLITE_ROW)
                names << QString::fromUtf8(
                    reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
        }
        sqlite3_finalize(statement);
        return names;
    }

private:
    sqlite3* m_db = nullptr;
};

// The columns of this program's tables, read once from a new data folder.
const QHash<QString, QStringList>& expectedColumns()
{
    static const QHash<QString, QStringList> columns = [] {
        QHash<QString, QStringList> found;
        QTemporaryDir scratch;
        const QString folder = scratch.filePath(QStringLiteral("pergiudix"));
        if (!createDataFolder(folder, nullptr))
            return found;
        for (const QString& path : datafiles::allPaths()) {
            const ReadOnly db(QDir(folder).filePath(QFileInfo(path).fileName()));
            for (const QString& table : datafiles::requiredTables(path))
                found.insert(table, db.columnsOf(table));
        }
        return found;
    }();
    return columns;
}

bool hasProgramTables(const QString& file, const QString& dataPath, QString* error)
{
    const ReadOnly db(file);
    const QString name = QFileInfo(file).fileName();
    for (const QString& table : datafiles::requiredTables(dataPath)) {
        const QStringList present = db.columnsOf(table);
        if (present.isEmpty()) {
            *error = QStringLiteral("Il file %1 non è di questo programma: manca la tabella %2.")
                         .arg(name, table);
            return false;
        }
        for (const QString& column : expectedColumns().value(table))
            if (!present.contains(column, Qt::CaseInsensitive)) {
                *error = QStringLiteral(
                             "Il file %1 non è di questo programma: nella tabella %2 manca la "
                             "colonna %3.")
                             .arg(name, table, column);
                return false;
            }
    }
    return true;
}

// rename() puts the whole file in place of the old one at once.
bool renameOver(const QString& from, const QString& to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// At start, nothing open: each file of `from` copied over the data file of
// its name, whole or not at all. A journal left by the run that died belongs
// to the file being replaced and goes first.
// One file of `from` copied over the data file of its name (no connection
// may hold it), whole or not at all; `from` keeps its file.
bool copyOver(const QString& from, const QString& name)
{
    const QString beside = inData(QLatin1Char('.') + name + QStringLiteral(".indietro"));
    QFile::remove(inData(name) + QStringLiteral("-journal"));
    QFile::remove(beside);
    const bool ok = QFile::copy(QDir(from).filePath(name), beside) && syncToDisk(beside, false) &&
                    renameOver(beside, inData(name));
    QFile::remove(beside);
    return ok;
}

bool putBack(const QString& from)
{
    bool ok = true;
    for (const QString& name : fileNames())
        ok = copyOver(from, name) && ok;
    syncToDisk(datafiles::folder(), true);
    return ok;
}

void removeLeftovers()
{
    const QDir data(datafiles::folder());
    QDir(data.filePath(kStaging)).removeRecursively();
    for (const QString& name : data.entryList(
             {QStringLiteral(".") + kAsidePrefix + QStringLiteral("*")}, QDir::Dirs | QDir::Hidden))
        QDir(data.filePath(name)).removeRecursively();
}

bool writeMarker(const QString& aside)
{
    QFile marker(inData(kMarker));
    if (!marker.open(QIODevice::WriteOnly) || marker.write(aside.toUtf8()) < 0)
        return false;
    marker.close();
    return syncToDisk(marker.fileName(), false) && syncToDisk(datafiles::folder(), true);
}

// Each data file becomes the file of its name in `from`: written into the
// program's open connection when there is one, renamed in otherwise.
// `keepSource`: the files of `from` are copied, never moved (the set-aside
// folder keeps the archive of before).
bool replaceDataFiles(const QString& from, const QList<BackupItem>& open, bool keepSource,
                      QString* error)
{
    const QStringList names = fileNames();
    for (int i = 0; i < names.size(); ++i) {
        const QString source = QDir(from).filePath(names.at(i));
        Database* connection = nullptr;
        for (const BackupItem& item : open)
            if (item.fileName == names.at(i) && item.database && item.database->isOpen())
                connection = item.database.get();
        QString engine;
        const bool allowed = !renameHook() || renameHook()(i, keepSource);
        const bool replaced = allowed && (connection   ? copyInto(source, *connection, &engine)
                                          : keepSource ? copyOver(from, names.at(i))
                                                       : renameOver(source, inData(names.at(i))));
        if (!replaced) {
            *error = QStringLiteral("Il file %1 non ha potuto prendere il posto di quello di "
                                    "adesso.")
                         .arg(names.at(i));
            return false;
        }
    }
    return syncToDisk(datafiles::folder(), true);
}

} // namespace

std::optional<CopyFacts> checkCopy(const QString& folder, QString* error)
{
    QString ignored;
    if (!error)
        error = &ignored;
    for (const QString& path : datafiles::allPaths()) {
        const QString name = QFileInfo(path).fileName();
        const QString file = QDir(folder).filePath(name);
        QString engine;
        if (!QFileInfo(file).isFile()) {
            *error = QStringLiteral("Nella copia manca il file %1.").arg(name);
            return std::nullopt;
        }
        if (!verifyCopy(file, &engine)) {
            *error = QStringLiteral("Il file %1 della copia è danneggiato.").arg(name);
            return std::nullopt;
        }
        if (!hasProgramTables(file, path, error))
            return std::nullopt;
    }
    const QString archive = QDir(folder).filePath(QFileInfo(datafiles::archivePath()).fileName());
    const ReadOnly db(archive);
    CopyFacts facts;
    facts.date = QFileInfo(archive).lastModified().date();
    facts.judgments = db.column(QStringLiteral("SELECT COUNT(*) FROM giudizi")).value(0).toInt();
    facts.newestYear =
        db.column(QStringLiteral("SELECT MAX(anno) FROM giudizi WHERE anno <> ''")).value(0);
    return facts;
}

Outcome restoreFrom(const QString& folder, const QList<BackupItem>& open, QString* error)
{
    const QDir data(datafiles::folder());
    removeLeftovers();
    // The copy, verified, beside the data files.
    const QString staging = data.filePath(kStaging);
    QStringList sources;
    for (const QString& name : fileNames())
        sources << QDir(folder).filePath(name);
    if (!QDir().mkpath(staging) || !copyDataFiles(sources, staging, error)) {
        if (error->isEmpty())
            *error = QStringLiteral("La copia non si può scrivere nella cartella dei dati.");
        removeLeftovers();
        return Outcome::Unchanged;
    }
    // The files of now, whole, in a folder of their own.
    // A second restore within the same second gets a folder of its own.
    const QString stamp =
        kAsidePrefix + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString asideName = stamp;
    for (int n = 2; data.exists(asideName); ++n)
        asideName = stamp + QStringLiteral("-%1").arg(n);
    const QString building = data.filePath(QLatin1Char('.') + asideName);
    QStringList current;
    for (const QString& name : fileNames())
        current << inData(name);
    if (!QDir().mkpath(building) || !copyDataFiles(current, building, error) ||
        !QDir().rename(building, data.filePath(asideName)) || !writeMarker(asideName)) {
        if (error->isEmpty())
            *error = QStringLiteral("L'archivio di adesso non si può mettere da parte.");
        removeLeftovers();
        return Outcome::Unchanged;
    }
    lastAside() = data.filePath(asideName);
    if (!replaceDataFiles(staging, open, false, error)) {
        // The previous files back the same way, into the open connections.
        QString again;
        if (!replaceDataFiles(lastAside(), open, true, &again)) {
            // Never under the open connections: the marker stays, and the
            // next start puts the previous files back before anything opens.
            *error += QStringLiteral(" Il programma deve chiudersi: al prossimo avvio l'archivio "
                                     "di prima tornerà al suo posto.");
            return Outcome::RestartNeeded;
        }
        QFile::remove(inData(kMarker));
        removeLeftovers();
        return Outcome::Unchanged;
    }
    QFile::remove(inData(kMarker));
    syncToDisk(datafiles::folder(), true);
    removeLeftovers();
    return Outcome::Restored;
}

void finishInterrupted()
{
    QFile marker(inData(kMarker));
    if (marker.open(QIODevice::ReadOnly)) {
        const QString aside = QString::fromUtf8(marker.readAll()).trimmed();
        marker.close();
        const QString from = QDir(datafiles::folder()).filePath(aside);
        // The marker is written only once the previous files are whole aside.
        if (aside.startsWith(kAsidePrefix) && !aside.contains(QLatin1Char('/')) &&
            QFileInfo(from).isDir() && putBack(from))
            QFile::remove(inData(kMarker));
    }
    if (!QFileInfo::exists(inData(kMarker)))
        removeLeftovers();
}

QString setAsideFolder()
{
    return lastAside();
}

void setRenameHook(std::function<bool(int, bool)> hook)
{
    renameHook() = std::move(hook);
}

} // namespace giudizi::restore

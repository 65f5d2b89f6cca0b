#include "data/Database.h"

#include "data/DbError.h"

#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <atomic>
#include <sqlite3.h>

namespace giudizi {

namespace {
constexpr int kBusyTimeoutMs = 2000;

QString nextConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("giudizi-%1").arg(++counter);
}
} // namespace

Database::Database(const QString& path, const QString& connection)
    : m_path(path)
    , m_connection(connection)
{
}

Database::~Database()
{
    close();
}

std::shared_ptr<Database> Database::open(const QString& path, QString* error)
{
    return openConnection(path, true, error);
}

std::shared_ptr<Database> Database::create(const QString& path, QString* error)
{
    return openConnection(path, false, error);
}

std::shared_ptr<Database> Database::openConnection(const QString& path, bool mustExist,
                                                   QString* error)
{
    const QString name = nextConnectionName();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        if (mustExist) {
            // mode=rw makes the engine refuse a missing file instead of creating it.
            QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
            url.setQuery(QStringLiteral("mode=rw"));
            db.setDatabaseName(url.toString());
            // Another program writing the file (a copy, say) is waited for a
            // moment, then the teacher is told.
            db.setConnectOptions(
                QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
        } else {
            db.setDatabaseName(path);
        }
        bool ok = db.open();
        QString message;
        if (!ok) {
            message = db.lastError().text();
        } else {
            // Opening is lazy: the first read tells whether the file is a database at all.
            QSqlQuery probe(db);
            if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
                ok = false;
                message = probe.lastError().text();
            } else {
                // One self-contained file per database, so copying the files is a backup.
                probe.exec(QStringLiteral("PRAGMA journal_mode=DELETE"));
                probe.exec(QStringLiteral("PRAGMA synchronous=FULL"));
            }
        }
        if (!ok) {
            db.close();
            if (error)
                *error = QStringLiteral("%1: %2").arg(path, message.trimmed());
        }
        if (!ok) {
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            return nullptr;
        }
    }
    return std::shared_ptr<Database>(new Database(path, name));
}

QSqlDatabase Database::handle() const
{
    return QSqlDatabase::database(m_connection, false);
}

bool Database::isOpen() const
{
    return !m_connection.isEmpty() && handle().isOpen();
}

void Database::close()
{
    if (m_connection.isEmpty())
        return;
    finalizeStatements();
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
    m_connection.clear();
}

sqlite3* Database::rawHandle() const
{
    if (!isOpen())
        return nullptr;
    const QVariant handle = this->handle().driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}

namespace {
std::function<void(const Database&)>& changeHook()
{
    static std::function<void(const Database&)> hook;
    return hook;
}
} // namespace

void Database::setChangeHook(std::function<void(const Database&)> hook)
{
    changeHook() = std::move(hook);
}

void Database::aboutToChange() const
{
    if (changeHook())
        changeHook()(*this);
}

bool Database::inTransaction() const
{
    sqlite3* raw = rawHandle();
    return raw && sqlite3_get_autocommit(raw) == 0;
}

sqlite3_stmt* Database::takeStatement(const QString& sql)
{
    return m_statements.take(sql);
}

void Database::returnStatement(const QString& sql, sqlite3_stmt* statement)
{
    if (!statement)
        return;
    if (m_connection.isEmpty() || m_statements.contains(sql))
        sqlite3_finalize(statement);
    else
        m_statements.insert(sql, statement);
}

void Database::finalizeStatements()
{
    for (sqlite3_stmt* statement : std::as_const(m_statements))
        sqlite3_finalize(statement);
    m_statements.clear();
}

bool Database::hasTable(const QString& table) const
{
    return handle().tables().contains(table, Qt::CaseInsensitive);
}

void Database::exec(const QString& sql)
{
    QSqlQuery query(handle());
    if (!query.exec(sql))
        throw DbError::fromSqlError(query.lastError());
}

Database::Transaction::Transaction(Database& db)
    : m_db(db)
{
    if (!m_db.handle().transaction())
        throw DbError::fromSqlError(m_db.handle().lastError());
}

Database::Transaction::~Transaction()
{
    if (!m_done)
        m_db.handle().rollback();
}

void Database::Transaction::commit()
{
    if (!m_db.handle().commit())
        throw DbError::fromSqlError(m_db.handle().lastError());
    m_done = true;
}

} // namespace giudizi

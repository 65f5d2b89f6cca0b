#include "data/Database.h"

#include "data/DbError.h"
#include "data/ServerSchema.h"
#include "data/SqlDialect.h"

#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>
#include <atomic>
#include <libpq-fe.h>
#include <sqlite3.h>

namespace giudizi {

namespace {
constexpr int kBusyTimeoutMs = 2000;

QString nextConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("giudizi-%1").arg(++counter);
}

PGconn* serverHandle(const QSqlDatabase& db)
{
    if (!db.isOpen())
        return nullptr;
    const QVariant handle = db.driver()->handle();
    // The driver declares the type by its typedef; Qt names it by the struct.
    if (!handle.isValid() ||
        (qstrcmp(handle.typeName(), "PGconn*") != 0 && qstrcmp(handle.typeName(), "pg_conn*") != 0))
        return nullptr;
    return *static_cast<PGconn* const*>(handle.constData());
}

constexpr int kLockWaitSeconds = 15;

// Opens the connection: the settings go to libpq as they are, the password
// (typed, or from a URI) through the driver, which keeps it in memory only
// and quotes it whole. Empty on success, else the teacher's message.
QString openServer(QSqlDatabase& db, const ServerAddress& address)
{
    ServerAddress settings = address;
    QString password = address.password;
    for (int i = settings.settings.size() - 1; i >= 0; --i)
        if (settings.settings.at(i).first == QLatin1String("password")) {
            if (password.isEmpty())
                password = settings.settings.at(i).second;
            settings.settings.removeAt(i);
        }
    settings.password.clear();
    db.setConnectOptions(QString::fromUtf8(settings.connectionString()));
    db.setPassword(password);
    if (!db.open())
        return serverFailureMessage(address, db.lastError().databaseText().isEmpty()
                                                 ? db.lastError().text()
                                                 : db.lastError().databaseText());
    // Quiet notices; and a colleague's program gone silent in the middle of a
    // change holds nobody for long: the wait ends with a message.
    QSqlQuery(QStringLiteral("SET client_min_messages = warning"), db);
    QSqlQuery(QStringLiteral("SET lock_timeout = '%1s'").arg(kLockWaitSeconds), db);
    return QString();
}

const QString kConnectionLost =
    QStringLiteral("Il collegamento con il server si è interrotto: nulla è stato scritto. "
                   "Riprova: il programma si ricollega da solo.");
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
    return openConnection(path, OpenMode::Existing, error);
}

std::shared_ptr<Database> Database::openReadOnly(const QString& path, QString* error)
{
    return openConnection(path, OpenMode::ReadOnly, error);
}

std::shared_ptr<Database> Database::create(const QString& path, QString* error)
{
    return openConnection(path, OpenMode::Create, error);
}

std::shared_ptr<Database> Database::openConnection(const QString& path, OpenMode mode,
                                                   QString* error)
{
    const bool mustExist = mode != OpenMode::Create;
    const QString name = nextConnectionName();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        if (mustExist) {
            // mode=rw makes the engine refuse a missing file instead of creating it.
            QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
            url.setQuery(mode == OpenMode::ReadOnly ? QStringLiteral("mode=ro")
                                                    : QStringLiteral("mode=rw"));
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

std::shared_ptr<Database> Database::connect(const ServerAddress& address, QString* error)
{
    const QString name = nextConnectionName();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        const QString refusal = openServer(db, address);
        if (!refusal.isEmpty()) {
            if (error)
                *error = refusal;
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            return nullptr;
        }
    }
    std::shared_ptr<Database> database(new Database(address.describe(), name));
    database->m_server = address;
    return database;
}

bool Database::reconnectIfLost()
{
    if (!isServer() || m_connection.isEmpty())
        return false;
    QSqlDatabase db = handle();
    PGconn* raw = serverHandle(db);
    if (!m_lost && raw && PQstatus(raw) == CONNECTION_OK)
        return false;
    // Statements of a transaction begun on the lost connection must not go
    // on, one by one, on a new one: the transaction fails as a whole.
    if (m_openTransactions > 0)
        throw DbError(kConnectionLost);
    m_lost = true; // until a connection is made again
    m_serverQueries.clear();
    db.close();
    const QString refusal = openServer(db, *m_server);
    if (!refusal.isEmpty())
        throw DbError(refusal);
    m_lost = false;
    return true;
}

DbError Database::failure(const QSqlError& error)
{
    if (!isServer())
        return DbError::fromSqlError(error);
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    PGconn* raw = serverHandle(handle());
    if (!raw || PQstatus(raw) != CONNECTION_OK || isConnectionLoss(text)) {
        m_lost = true;
        return DbError(kConnectionLost + QStringLiteral("\n(%1)").arg(text.trimmed()));
    }
    return DbError::fromServer(text, error.nativeErrorCode());
}

std::shared_ptr<QSqlQuery> Database::runServerQuery(const QString& sql, const QVariantList& binds)
{
    reconnectIfLost();
    std::shared_ptr<QSqlQuery> query = m_serverQueries.take(sql);
    if (!query) {
        query = std::make_shared<QSqlQuery>(handle());
        // Rows stream in (a copy of the archive reads them all); keys come in
        // one value (Recordset::readKeys).
        query->setForwardOnly(true);
        if (!query->prepare(serverSql(sql)))
            throw failure(query->lastError());
    }
    for (int i = 0; i < binds.size(); ++i)
        query->bindValue(i, binds.at(i));
    if (!query->exec())
        throw failure(query->lastError());
    return query;
}

void Database::returnServerQuery(const QString& sql, std::shared_ptr<QSqlQuery> query)
{
    if (!query || m_connection.isEmpty() || m_serverQueries.contains(sql))
        return;
    query->finish();
    m_serverQueries.insert(sql, std::move(query));
}

QString Database::quotedTable(const QString& table) const
{
    // Server tables are made with unquoted (folded) names.
    return handle().driver()->escapeIdentifier(isServer() ? table.toLower() : table,
                                               QSqlDriver::TableName);
}

QString Database::keyColumn(const QString& table) const
{
    if (!isServer())
        return QStringLiteral("rowid");
    return server::keyColumn(table);
}

QStringList Database::columns(const QString& table) const
{
    auto cached = m_columns.constFind(table);
    if (cached != m_columns.constEnd())
        return *cached;
    const QSqlRecord record = handle().record(isServer() ? table.toLower() : table);
    QStringList names;
    for (int i = 0; i < record.count(); ++i)
        if (!isServer() || !server::isServerOnlyColumn(table, record.fieldName(i)))
            names.append(record.fieldName(i));
    if (!names.isEmpty())
        m_columns.insert(table, names);
    return names;
}

bool Database::keepsVersions(const QString& table) const
{
    return isServer() && server::keepsVersions(table);
}

QString Database::dialect(const QString& sql) const
{
    return isServer() ? serverSql(sql) : sql;
}

void Database::lockKey(const QString& key)
{
    if (!isServer())
        return;
    auto query = runServerQuery(
        QStringLiteral("SELECT pg_advisory_xact_lock(hashtextextended(?, 0))"), {key});
    returnServerQuery(QStringLiteral("SELECT pg_advisory_xact_lock(hashtextextended(?, 0))"),
                      std::move(query));
}

QSqlDatabase Database::handle() const
{
    return QSqlDatabase::database(m_connection, false);
}

bool Database::isOpen() const
{
    // A server connection that was lost is still this program's: the next
    // statement makes it again.
    return !m_connection.isEmpty() && (isServer() || handle().isOpen());
}

void Database::close()
{
    if (m_connection.isEmpty())
        return;
    finalizeStatements();
    m_serverQueries.clear();
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
    if (isServer()) {
        PGconn* connection = serverHandle(handle());
        const PGTransactionStatusType status =
            connection ? PQtransactionStatus(connection) : PQTRANS_UNKNOWN;
        // (ACTIVE is the driver not yet having collected a finished result.)
        return status == PQTRANS_INTRANS || status == PQTRANS_INERROR;
    }
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
    reconnectIfLost();
    QSqlQuery query(handle());
    if (!query.exec(dialect(sql)))
        throw failure(query.lastError());
}

Database::Transaction::Transaction(Database& db)
    : m_db(db)
{
    m_db.reconnectIfLost();
    if (!m_db.handle().transaction())
        throw m_db.failure(m_db.handle().lastError());
    ++m_db.m_openTransactions;
}

Database::Transaction::~Transaction()
{
    if (m_done)
        return;
    --m_db.m_openTransactions;
    m_db.handle().rollback();
}

void Database::Transaction::commit()
{
    m_done = true;
    --m_db.m_openTransactions;
    if (!m_db.handle().commit()) {
        DbError error = m_db.failure(m_db.handle().lastError());
        if (m_db.m_lost)
            // The server may or may not have had the commit: say so.
            error = DbError(QStringLiteral("Il collegamento con il server si è interrotto proprio "
                                           "mentre salvavo: non so se il server ha ricevuto le "
                                           "modifiche. Riapri il documento per vedere com'è "
                                           "rimasto; il programma si ricollega da solo."));
        m_db.handle().rollback(); // a commit the server refused leaves nothing open
        throw error;
    }
}

} // namespace giudizi

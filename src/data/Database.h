#pragma once

#include "data/ServerAddress.h"

#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

struct sqlite3;
struct sqlite3_stmt;
class QSqlError;
class QSqlQuery;

namespace giudizi {

class DbError;

// One open database: a SQLite file of the working folder, or the school's
// PostgreSQL server. The file must already exist: opening never creates one,
// so a teacher's missing or damaged file is reported, not silently replaced.
// The cursors and searches speak through this class and never ask which
// engine holds the rows.
class Database {
public:
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens an existing database file; on failure returns null and puts the
    // engine's message into *error.
    static std::shared_ptr<Database> open(const QString& path, QString* error);
    // The same, for reading only: nothing of the file can change.
    static std::shared_ptr<Database> openReadOnly(const QString& path, QString* error);
    // Creates a new, empty database file (used only for a brand-new data folder).
    static std::shared_ptr<Database> create(const QString& path, QString* error);
    // Connects to the school's server; on failure returns null and puts the
    // teacher's message into *error.
    static std::shared_ptr<Database> connect(const ServerAddress& address, QString* error);

    bool isServer() const { return m_server.has_value(); }

    QSqlDatabase handle() const;
    QString path() const { return m_path; }
    bool isOpen() const;
    void close();

    bool hasTable(const QString& table) const;
    // A table's name as statements write it.
    QString quotedTable(const QString& table) const;
    // The column that names a row: SQLite's rowid; on the server `data` of
    // giudizi and a key column of its own elsewhere.
    QString keyColumn(const QString& table) const;
    // The columns a teacher's data has, in table order: on the server the
    // key and version columns it adds are left out.
    QStringList columns(const QString& table) const;
    // Whether the table's rows carry a version the server raises on each
    // change (so a save can tell that a colleague changed the row meanwhile).
    bool keepsVersions(const QString& table) const;
    // A statement written for the local files, as this engine reads it.
    QString dialect(const QString& sql) const;
    // Inside a transaction: waits for, then holds until the transaction ends,
    // the lock named `key`, so that two programs doing the same thing to the
    // same rows take turns. Nothing to wait for in a local folder, which one
    // program uses at a time.
    void lockKey(const QString& key);
    // A prepared statement of the server, run with `binds`; throws DbError.
    // Kept for reuse: give it back with returnServerQuery().
    std::shared_ptr<QSqlQuery> runServerQuery(const QString& sql, const QVariantList& binds);
    void returnServerQuery(const QString& sql, std::shared_ptr<QSqlQuery> query);
    // The engine's refusal as the teacher is told it; a lost server
    // connection is said so, and the next statement connects again.
    DbError failure(const QSqlError& error);
    // The engine's own connection, for the statements the cursors run straight.
    sqlite3* rawHandle() const;
    // Prepared statements kept for reuse (SqliteStatement): taken while in
    // use, returned reset; all finalized when the database closes.
    sqlite3_stmt* takeStatement(const QString& sql);
    void returnStatement(const QString& sql, sqlite3_stmt* statement);
    // Runs one statement; throws DbError on failure.
    void exec(const QString& sql);
    // Whether a transaction is open on the connection.
    bool inTransaction() const;

    // Called by the cursors before each change they write (an insert, update
    // or delete), with the database changed. One hook for the program.
    static void setChangeHook(std::function<void(const Database&)> hook);
    void aboutToChange() const;

    // A scope that commits when commit() is called and rolls back otherwise.
    class Transaction {
    public:
        explicit Transaction(Database& db);
        ~Transaction();
        void commit();

    private:
        Database& m_db;
        bool m_done = false;
    };

private:
    Database(const QString& path, const QString& connection);
    bool reconnectIfLost();
    enum class OpenMode { Existing, ReadOnly, Create };
    static std::shared_ptr<Database> openConnection(const QString& path, OpenMode mode,
                                                    QString* error);

    void finalizeStatements();

    QString m_path;
    QString m_connection;
    QHash<QString, sqlite3_stmt*> m_statements;
    std::optional<ServerAddress> m_server;
    QHash<QString, std::shared_ptr<QSqlQuery>> m_serverQueries;
    mutable QHash<QString, QStringList> m_columns;
    bool m_lost = false;
    int m_openTransactions = 0;
};

} // namespace giudizi

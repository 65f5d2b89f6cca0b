#pragma once

#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <functional>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

namespace giudizi {

// One open SQLite file. The file must already exist: opening never creates one,
// so a teacher's missing or damaged file is reported, not silently replaced.
class Database {
public:
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens an existing database file; on failure returns null and puts the
    // engine's message into *error.
    static std::shared_ptr<Database> open(const QString& path, QString* error);
    // Creates a new, empty database file (used only for a brand-new data folder).
    static std::shared_ptr<Database> create(const QString& path, QString* error);

    QSqlDatabase handle() const;
    QString path() const { return m_path; }
    bool isOpen() const;
    void close();

    bool hasTable(const QString& table) const;
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
    static std::shared_ptr<Database> openConnection(const QString& path, bool mustExist,
                                                    QString* error);

    void finalizeStatements();

    QString m_path;
    QString m_connection;
    QHash<QString, sqlite3_stmt*> m_statements;
};

} // namespace giudizi

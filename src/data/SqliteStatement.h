#pragma once

#include <QString>
#include <QVariant>

struct sqlite3_stmt;

namespace giudizi {

class Database;

// A read statement run straight on the engine: the cursors read keys and rows
// this way, without a generic driver's cost on every row. Prepared statements
// are kept by their database and reused; each use is stepped to its end (or
// dropped) and reset when this object dies, so no statement stays open
// between two events. Every value is bound. Failures throw DbError.
class SqliteStatement {
public:
    SqliteStatement(Database& db, const QString& sql, const QVariantList& binds = {});
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    // Moves to the next row; false after the last one.
    bool next();
    int columnCount() const;
    QString columnName(int column) const;
    qint64 int64(int column) const;
    // The value as the engine holds it: integer, real, text, bytes, or an
    // invalid QVariant for null.
    QVariant value(int column) const;

private:
    Database& m_db;
    QString m_sql;
    sqlite3_stmt* m_statement = nullptr;
};

} // namespace giudizi

#pragma once

#include <QString>
#include <QVariant>
#include <memory>
#include <optional>

class QSqlQuery;

namespace giudizi {

class Database;
class SqliteStatement;

// A read statement on either engine: straight on SQLite's own handle for the
// local files, a kept prepared statement of Qt's driver on the server. Rows
// come as the engine holds them, integers as qlonglong and null as an invalid
// QVariant on both. Each use is read to its end (or dropped) when this object
// dies, so no statement stays open between two events. Failures throw DbError.
class Query {
public:
    Query(Database& db, const QString& sql, const QVariantList& binds = {});
    ~Query();
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    bool next();
    int columnCount() const;
    QString columnName(int column) const;
    qint64 int64(int column) const;
    QVariant value(int column) const;

private:
    Database& m_db;
    QString m_sql;
    std::unique_ptr<SqliteStatement> m_local;
    std::shared_ptr<QSqlQuery> m_server;
};

} // namespace giudizi

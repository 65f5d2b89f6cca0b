#include "data/Query.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "data/SqliteStatement.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace giudizi {

Query::Query(Database& db, const QString& sql, const QVariantList& binds)
    : m_db(db)
    , m_sql(sql)
{
    if (db.isServer())
        m_server = db.runServerQuery(sql, binds);
    else
        m_local = std::make_unique<SqliteStatement>(db, sql, binds);
}

Query::~Query()
{
    // The server streams rows: what was not read is read off here, so the
    // connection is idle again before the next event.
    while (m_server && m_server->isActive() && m_server->next()) {
    }
    if (m_server)
        m_db.returnServerQuery(m_sql, std::move(m_server));
}

bool Query::next()
{
    if (m_local)
        return m_local->next();
    if (m_server->next())
        return true;
    if (m_server->lastError().isValid())
        throw m_db.failure(m_server->lastError());
    return false;
}

int Query::columnCount() const
{
    return m_local ? m_local->columnCount() : m_server->record().count();
}

QString Query::columnName(int column) const
{
    return m_local ? m_local->columnName(column) : m_server->record().fieldName(column);
}

qint64 Query::int64(int column) const
{
    return m_local ? m_local->int64(column) : m_server->value(column).toLongLong();
}

QVariant Query::value(int column) const
{
    if (m_local)
        return m_local->value(column);
    const QVariant value = m_server->value(column);
    if (value.isNull())
        return QVariant();
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::LongLong:
        return QVariant(value.toLongLong());
    default:
        return value;
    }
}

} // namespace giudizi

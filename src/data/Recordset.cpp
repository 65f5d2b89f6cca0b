#include "data/Recordset.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "data/SqliteStatement.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>
#include <optional>

namespace giudizi {

namespace {

QString quoted(const Database& db, const QString& identifier)
{
    return db.handle().driver()->escapeIdentifier(identifier, QSqlDriver::TableName);
}

QSqlQuery prepared(const Database& db, const QString& sql, const QVariantList& binds)
{
    QSqlQuery query(db.handle());
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw DbError::fromSqlError(query.lastError());
    for (const QVariant& value : binds)
        query.addBindValue(value);
    if (!query.exec())
        throw DbError::fromSqlError(query.lastError());
    return query;
}

} // namespace

Recordset::Recordset(std::shared_ptr<Database> db, const QString& table)
    : m_db(std::move(db))
    , m_table(table)
{
}

std::shared_ptr<Recordset> Recordset::openTable(std::shared_ptr<Database> db, const QString& table)
{
    return open(std::move(db), table, QString(), {}, QString());
}

std::shared_ptr<Recordset> Recordset::open(std::shared_ptr<Database> db, const QString& table,
                                           const QString& where, const QVariantList& binds,
                                           const QString& orderBy)
{
    if (!db || !db->isOpen())
        throw DbError(QStringLiteral("Database non aperto"));
    std::shared_ptr<Recordset> rs(new Recordset(db, table));
    try {
        rs->loadKeys(where, binds, orderBy);
    } catch (const DbError&) {
        if (!db->hasTable(table))
            throw DbError(
                QStringLiteral("La tabella '%1' non esiste in %2").arg(table, db->path()));
        throw;
    }
    return rs;
}

QString Recordset::keyQuery(const Database& db, const QString& table, const QString& where,
                            const QString& orderBy)
{
    QString sql = QStringLiteral("SELECT rowid FROM %1").arg(quoted(db, table));
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where;
    // rowid last keeps equal rows in insertion order, as the old engine did.
    sql += QStringLiteral(" ORDER BY ") + (orderBy.isEmpty() ? QString() : orderBy + ", ") +
           QStringLiteral("rowid");
    return sql;
}

void Recordset::loadKeys(const QString& where, const QVariantList& binds, const QString& orderBy)
{
    SqliteStatement query(*m_db, keyQuery(*m_db, m_table, where, orderBy), binds);
    m_keys.clear();
    while (query.next())
        m_keys.append(query.int64(0));
    m_pos = 0;
    m_loaded = false;
}

bool Recordset::eof() const
{
    return m_pos >= m_keys.size();
}

bool Recordset::bof() const
{
    return m_pos < 0 || m_keys.isEmpty();
}

void Recordset::moveFirst()
{
    m_pos = 0;
    m_afterDelete = false;
    m_loaded = false;
}

void Recordset::moveLast()
{
    m_pos = m_keys.isEmpty() ? 0 : m_keys.size() - 1;
    m_afterDelete = false;
    m_loaded = false;
}

void Recordset::moveNext()
{
    if (m_afterDelete)
        m_afterDelete = false; // the next row has already slid into place
    else if (m_pos < m_keys.size())
        ++m_pos;
    m_loaded = false;
}

void Recordset::movePrevious()
{
    m_afterDelete = false;
    if (m_pos >= 0)
        --m_pos;
    m_loaded = false;
}

bool Recordset::hasCurrentRow() const
{
    return !m_afterDelete && m_pos >= 0 && m_pos < m_keys.size();
}

void Recordset::requireRow() const
{
    if (!hasCurrentRow())
        throw DbError(QStringLiteral("Nessun record corrente."));
}

void Recordset::loadCurrent() const
{
    if (m_loaded)
        return;
    requireRow();
    SqliteStatement query(
        *m_db, QStringLiteral("SELECT * FROM %1 WHERE rowid = ?").arg(quoted(*m_db, m_table)),
        {m_keys.at(m_pos)});
    if (!query.next())
        throw MissingRowError();
    m_columns.clear();
    m_values.clear();
    for (int i = 0; i < query.columnCount(); ++i) {
        m_columns.append(query.columnName(i));
        m_values.append(query.value(i));
    }
    m_loaded = true;
}

QVariant Recordset::field(const QString& column) const
{
    if (m_mode != Mode::None && m_pending.contains(column))
        return m_pending.value(column);
    if (m_mode == Mode::Add)
        return QVariant();
    loadCurrent();
    const int index = m_columns.indexOf(column);
    if (index < 0)
        throw DbError(QStringLiteral("Campo sconosciuto: %1").arg(column));
    return m_values.at(index);
}

bool Recordset::isNull(const QString& column) const
{
    const QVariant value = field(column);
    return !value.isValid() || value.isNull();
}

QString Recordset::text(const QString& column) const
{
    return isNull(column) ? QString() : field(column).toString();
}

QStringList Recordset::fieldNames() const
{
    QSqlRecord record = m_db->handle().record(m_table);
    QStringList names;
    for (int i = 0; i < record.count(); ++i)
        names.append(record.fieldName(i));
    return names;
}

void Recordset::readEach(const QStringList& columns,
                         const std::function<bool(const QVector<QVariant>&)>& visit) const
{
    QStringList quotedColumns;
    for (const QString& column : columns)
        quotedColumns.append(quoted(*m_db, column));
    const QString sql = QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?")
                            .arg(quotedColumns.join(QLatin1Char(',')), quoted(*m_db, m_table));
    // Rows are read a batch at a time under one read lock (a lock a row costs
    // more than the reading); the lock is gone before `visit` runs.
    constexpr int kBatch = 256;
    QVector<QVector<QVariant>> batch;
    batch.reserve(kBatch);
    // A copy: `visit` may run events in which this cursor is changed.
    const QVector<Bookmark> keys = m_keys;
    for (int first = 0; first < keys.size(); first += kBatch) {
        batch.clear();
        {
            std::optional<Database::Transaction> readLock;
            if (!m_db->inTransaction())
                readLock.emplace(*m_db);
            const int end = std::min<int>(first + kBatch, keys.size());
            for (int i = first; i < end; ++i) {
                SqliteStatement query(*m_db, sql, {keys.at(i)});
                if (!query.next())
                    continue; // deleted meanwhile
                QVector<QVariant> values(columns.size());
                for (int c = 0; c < values.size(); ++c)
                    values[c] = query.value(c);
                batch.append(std::move(values));
            }
        }
        for (const QVector<QVariant>& values : std::as_const(batch))
            if (!visit(values))
                return;
    }
}

void Recordset::edit()
{
    requireRow();
    m_mode = Mode::Edit;
    m_pending.clear();
    m_pendingOrder.clear();
}

void Recordset::addNew()
{
    m_mode = Mode::Add;
    m_pending.clear();
    m_pendingOrder.clear();
}

void Recordset::setField(const QString& column, const QVariant& value)
{
    if (m_mode == Mode::None)
        throw DbError(QStringLiteral("Aggiornamento senza Edit o AddNew."));
    if (!m_pending.contains(column))
        m_pendingOrder.append(column);
    m_pending.insert(column, value);
}

void Recordset::update()
{
    if (m_mode == Mode::None)
        throw DbError(QStringLiteral("Aggiornamento senza Edit o AddNew."));
    try {
        write();
    } catch (...) {
        cancel(); // a failed write leaves no edit behind to be read as data
        throw;
    }
}

void Recordset::write()
{
    m_db->aboutToChange();
    QVariantList binds;
    for (const QString& column : m_pendingOrder)
        binds.append(m_pending.value(column));

    if (m_mode == Mode::Add) {
        QString sql;
        if (m_pendingOrder.isEmpty()) {
            sql = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoted(*m_db, m_table));
        } else {
            QStringList columns, marks;
            for (const QString& column : m_pendingOrder) {
                columns.append(quoted(*m_db, column));
                marks.append(QStringLiteral("?"));
            }
            sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(quoted(*m_db, m_table), columns.join(QLatin1Char(',')),
                           marks.join(QLatin1Char(',')));
        }
        QSqlQuery query = prepared(*m_db, sql, binds);
        m_lastModified = query.lastInsertId().toLongLong();
        m_keys.append(m_lastModified);
    } else {
        requireRow();
        if (!m_pendingOrder.isEmpty()) {
            QStringList sets;
            for (const QString& column : m_pendingOrder)
                sets.append(quoted(*m_db, column) + QStringLiteral(" = ?"));
            binds.append(m_keys.at(m_pos));
            const QSqlQuery query =
                prepared(*m_db,
                         QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                             .arg(quoted(*m_db, m_table), sets.join(QStringLiteral(", "))),
                         binds);
            if (query.numRowsAffected() < 1)
                throw MissingRowError();
        } else {
            m_loaded = false;
            loadCurrent(); // nothing to write, but the row must still be there
        }
        m_lastModified = m_keys.at(m_pos);
    }
    m_mode = Mode::None;
    m_pending.clear();
    m_pendingOrder.clear();
    m_loaded = false;
}

bool Recordset::currentRowExists() const
{
    if (!hasCurrentRow())
        return false;
    m_loaded = false;
    try {
        loadCurrent();
    } catch (const MissingRowError&) {
        return false;
    }
    return true;
}

Recordset::KeepPosition::KeepPosition(Recordset& rows)
    : m_rows(rows)
    , m_key(rows.hasCurrentRow() ? rows.bookmark() : -1)
{
}

Recordset::KeepPosition::~KeepPosition()
{
    if (m_key < 0)
        return;
    try {
        m_rows.setBookmark(m_key);
    } catch (const DbError&) {
        // the row has left the keyset: the cursor stays where it is
    }
}

void Recordset::cancel()
{
    m_mode = Mode::None;
    m_pending.clear();
    m_pendingOrder.clear();
}

void Recordset::remove()
{
    requireRow();
    m_db->aboutToChange();
    const QSqlQuery query = prepared(
        *m_db, QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quoted(*m_db, m_table)),
        {m_keys.at(m_pos)});
    if (query.numRowsAffected() < 1)
        throw MissingRowError();
    m_keys.removeAt(m_pos);
    m_afterDelete = true;
    m_loaded = false;
}

Recordset::Bookmark Recordset::bookmark() const
{
    requireRow();
    return m_keys.at(m_pos);
}

void Recordset::setBookmark(Bookmark key)
{
    const int index = m_keys.indexOf(key);
    if (index < 0)
        throw DbError(QStringLiteral("Segnalibro non valido."));
    m_pos = index;
    m_afterDelete = false;
    m_loaded = false;
}

void Recordset::refresh()
{
    m_loaded = false;
}

void Recordset::forget(Bookmark key)
{
    const int index = m_keys.indexOf(key);
    if (index < 0)
        return;
    m_keys.removeAt(index);
    if (m_pos > index)
        --m_pos;
    m_loaded = false;
}

} // namespace giudizi

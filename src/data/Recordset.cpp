#include "data/Recordset.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "data/Query.h"
#include "data/ServerSchema.h"

#include <QSet>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>
#include <optional>

namespace giudizi {

namespace {

// On the server a search reads its first keys at once and the rest only when
// the cursor goes past them, so the first row of a large archive shows at once.
constexpr int kFirstKeys = 200;

QString quoted(const Database& db, const QString& identifier)
{
    return db.handle().driver()->escapeIdentifier(identifier, QSqlDriver::FieldName);
}

// Runs one change; the rows it reached, and the key it returned if asked.
struct Written {
    int rows = 0;
    qint64 key = -1;
};

Written runChange(Database& db, const QString& sql, const QVariantList& binds, bool returnsKey)
{
    Written written;
    if (db.isServer()) {
        auto query = db.runServerQuery(sql, binds);
        if (returnsKey) {
            // A change by key returns its one row (the count of a streamed
            // result is not known before it is read).
            if (query->next()) {
                written.key = query->value(0).toLongLong();
                written.rows = 1;
            }
            while (query->next()) {
            }
        } else {
            written.rows = query->numRowsAffected();
        }
        db.returnServerQuery(sql, std::move(query));
        return written;
    }
    QSqlQuery query(db.handle());
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw db.failure(query.lastError());
    for (const QVariant& value : binds)
        query.addBindValue(value);
    if (!query.exec())
        throw db.failure(query.lastError());
    written.rows = query.numRowsAffected();
    if (returnsKey)
        written.key = query.lastInsertId().toLongLong();
    return written;
}

// SQLite puts nulls first in an ascending order; the server is told to.
QString serverOrder(const QString& orderBy)
{
    QStringList terms = orderBy.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (QString& term : terms)
        term = term.trimmed() + QStringLiteral(" NULLS FIRST");
    return terms.join(QStringLiteral(", "));
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
        // (On the server a failure is mostly the connection: said as it is.)
        if (!db->isServer() && !db->hasTable(table))
            throw DbError(
                QStringLiteral("La tabella '%1' non esiste in %2").arg(table, db->path()));
        throw;
    }
    return rs;
}

QString Recordset::keyQuery(const Database& db, const QString& table, const QString& where,
                            const QString& orderBy)
{
    const QString key = db.keyColumn(table);
    QString sql = QStringLiteral("SELECT %1 FROM %2").arg(key, db.quotedTable(table));
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where;
    const QString order = db.isServer() ? serverOrder(orderBy) : orderBy;
    // The key last keeps equal rows in insertion order, as the old engine did.
    sql += QStringLiteral(" ORDER BY ") + (order.isEmpty() ? QString() : order + ", ") + key;
    return sql;
}

QVector<Recordset::Bookmark> Recordset::readKeys(Database& db, const QString& keyQuery,
                                                 const QVariantList& binds)
{
    QVector<Bookmark> keys;
    if (!db.isServer()) {
        Query query(db, keyQuery, binds);
        while (query.next())
            keys.append(query.int64(0));
        return keys;
    }
    // One value, the keys in order, rather than a row each: a row costs the
    // driver more than the key in it.
    Query query(db, QStringLiteral("SELECT ARRAY(%1)").arg(keyQuery), binds);
    if (!query.next())
        return keys;
    const QString text = query.value(0).toString();
    const QStringView list = QStringView(text).mid(1, std::max<qsizetype>(0, text.size() - 2));
    keys.reserve(static_cast<int>(list.count(QLatin1Char(',')) + 1));
    for (const QStringView key : list.split(QLatin1Char(','), Qt::SkipEmptyParts))
        keys.append(key.toLongLong());
    return keys;
}

void Recordset::loadKeys(const QString& where, const QVariantList& binds, const QString& orderBy)
{
    m_keyQuery = keyQuery(*m_db, m_table, where, orderBy);
    m_keyBinds = binds;
    m_complete = !m_db->isServer();
    m_keys = readKeys(
        *m_db, m_complete ? m_keyQuery : m_keyQuery + QStringLiteral(" LIMIT %1").arg(kFirstKeys),
        binds);
    if (m_keys.size() < kFirstKeys)
        m_complete = true;
    m_pos = 0;
    m_loaded = false;
}

void Recordset::completeKeys() const
{
    if (m_complete)
        return;
    // The cursor keeps its row, or, past the first keys, goes on after the
    // last row it passed (rows added or deleted meanwhile do not shift it).
    const Bookmark current = m_pos >= 0 && m_pos < m_keys.size() ? m_keys.at(m_pos) : -1;
    const Bookmark passed = m_pos > 0 && m_pos - 1 < m_keys.size() ? m_keys.at(m_pos - 1) : -1;
    const int position = m_pos;
    m_keys = readKeys(*m_db, m_keyQuery, m_keyBinds);
    m_complete = true;
    // Rows this cursor added stay in it, as after update(), even where its
    // search would not find them.
    if (!m_added.isEmpty()) {
        const QSet<Bookmark> found(m_keys.cbegin(), m_keys.cend());
        for (const Bookmark key : std::as_const(m_added))
            if (!found.contains(key))
                m_keys.append(key);
    }
    if (const int found = current >= 0 ? m_keys.indexOf(current) : -1; found >= 0)
        m_pos = found;
    else if (const int before = passed >= 0 ? m_keys.indexOf(passed) : -1; before >= 0)
        m_pos = before + 1;
    else
        m_pos = std::min<int>(position, m_keys.size());
}

int Recordset::recordCount() const
{
    completeKeys();
    return m_keys.size();
}

bool Recordset::eof() const
{
    if (m_pos >= m_keys.size())
        completeKeys();
    return m_pos >= m_keys.size();
}

bool Recordset::bof() const
{
    return m_pos < 0 || m_keys.isEmpty();
}

void Recordset::moveFirst()
{
    m_versionKey = -1;
    m_pos = 0;
    m_afterDelete = false;
    m_loaded = false;
}

void Recordset::moveLast()
{
    m_versionKey = -1;
    completeKeys();
    m_pos = m_keys.isEmpty() ? 0 : m_keys.size() - 1;
    m_afterDelete = false;
    m_loaded = false;
}

void Recordset::moveNext()
{
    m_versionKey = -1;
    if (m_afterDelete)
        m_afterDelete = false; // the next row has already slid into place
    else if (m_pos < m_keys.size())
        ++m_pos;
    if (m_pos >= m_keys.size())
        completeKeys();
    m_loaded = false;
}

void Recordset::movePrevious()
{
    m_versionKey = -1;
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
    const bool versioned = m_db->keepsVersions(m_table);
    if (m_rowQuery.isEmpty()) { // the same statement for every row of the cursor
        m_columns = m_db->columns(m_table);
        QStringList selected;
        for (const QString& column : std::as_const(m_columns))
            selected.append(quoted(*m_db, column));
        if (versioned)
            selected.append(server::kVersionColumn);
        m_rowQuery = QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?")
                         .arg(selected.join(QLatin1Char(',')), m_db->quotedTable(m_table),
                              m_db->keyColumn(m_table));
    }
    Query query(*m_db, m_rowQuery, {m_keys.at(m_pos)});
    if (!query.next())
        throw MissingRowError();
    m_values.clear();
    for (int i = 0; i < m_columns.size(); ++i)
        m_values.append(query.value(i));
    m_version = versioned ? query.int64(m_columns.size()) : kNoCheck;
    m_versionKey = m_keys.at(m_pos);
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
    return m_db->columns(m_table);
}

qint64 Recordset::versionOrUnknown() const
{
    try {
        return version();
    } catch (const DbError&) {
        return kUnknownVersion;
    }
}

qint64 Recordset::version() const
{
    if (!m_db->keepsVersions(m_table))
        return kNoCheck;
    requireRow();
    if (m_loaded || m_versionKey != m_keys.at(m_pos))
        loadCurrent();
    return m_version;
}

void Recordset::readEach(const QStringList& columns,
                         const std::function<bool(const QVector<QVariant>&)>& visit) const
{
    completeKeys();
    if (m_db->isServer()) {
        readEachFromServer(columns, visit);
        return;
    }
    QStringList quotedColumns;
    for (const QString& column : columns)
        quotedColumns.append(quoted(*m_db, column));
    const QString sql = QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?")
                            .arg(quotedColumns.join(QLatin1Char(',')), m_db->quotedTable(m_table));
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
                Query query(*m_db, sql, {keys.at(i)});
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

QHash<Recordset::Bookmark, QVector<QVariant>> Recordset::readRows(Database& db,
                                                                  const QString& table,
                                                                  const QStringList& columns,
                                                                  const QVector<Bookmark>& keys)
{
    QStringList quotedColumns, marks;
    for (const QString& column : columns)
        quotedColumns.append(quoted(db, column));
    QVariantList binds;
    for (const Bookmark key : keys) {
        binds.append(key);
        marks.append(QStringLiteral("?"));
    }
    QHash<Bookmark, QVector<QVariant>> rows;
    Query query(db,
                QStringLiteral("SELECT %1, %2 FROM %3 WHERE %1 IN (%4)")
                    .arg(db.keyColumn(table), quotedColumns.join(QLatin1Char(',')),
                         db.quotedTable(table), marks.join(QLatin1Char(','))),
                binds);
    while (query.next()) {
        QVector<QVariant> values(columns.size());
        for (int c = 0; c < values.size(); ++c)
            values[c] = query.value(c + 1);
        rows.insert(query.int64(0), std::move(values));
    }
    return rows;
}

void Recordset::readEachFromServer(const QStringList& columns,
                                   const std::function<bool(const QVector<QVariant>&)>& visit) const
{
    // A round trip costs more than a row: a batch of rows by their keys at
    // once, put back in the keyset's order.
    constexpr int kBatch = 256;
    const QVector<Bookmark> keys = m_keys;
    for (int first = 0; first < keys.size(); first += kBatch) {
        const QVector<Bookmark> batch = keys.mid(first, kBatch);
        const auto rows = readRows(*m_db, m_table, columns, batch);
        for (const Bookmark key : batch) {
            const auto found = rows.constFind(key);
            if (found != rows.constEnd() && !visit(*found))
                return;
        }
    }
}

void Recordset::edit()
{
    requireRow();
    m_mode = Mode::Edit;
    m_pending.clear();
    m_pendingOrder.clear();
    m_expectedVersion = kNoCheck;
}

void Recordset::editExpecting(qint64 version)
{
    edit();
    m_expectedVersion = version;
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
            sql = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(m_db->quotedTable(m_table));
        } else {
            QStringList columns, marks;
            for (const QString& column : m_pendingOrder) {
                columns.append(quoted(*m_db, column));
                marks.append(QStringLiteral("?"));
            }
            sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(m_db->quotedTable(m_table), columns.join(QLatin1Char(',')),
                           marks.join(QLatin1Char(',')));
        }
        if (m_db->isServer())
            sql += QStringLiteral(" RETURNING ") + m_db->keyColumn(m_table);
        m_lastModified = runChange(*m_db, sql, binds, true).key;
        m_keys.append(m_lastModified);
        m_added.append(m_lastModified);
    } else {
        requireRow();
        if (!m_pendingOrder.isEmpty()) {
            QStringList sets;
            for (const QString& column : m_pendingOrder)
                sets.append(quoted(*m_db, column) + QStringLiteral(" = ?"));
            const bool versioned = m_db->keepsVersions(m_table);
            if (versioned)
                sets.append(QStringLiteral("%1 = %1 + 1").arg(server::kVersionColumn));
            QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?")
                              .arg(m_db->quotedTable(m_table), sets.join(QStringLiteral(", ")),
                                   m_db->keyColumn(m_table));
            binds.append(m_keys.at(m_pos));
            // An unknown version (kUnknownVersion) matches no row: the
            // teacher is asked rather than a colleague's text overwritten.
            const bool checked = versioned && m_expectedVersion != kNoCheck;
            if (checked) {
                sql += QStringLiteral(" AND %1 = ?").arg(server::kVersionColumn);
                binds.append(m_expectedVersion);
            }
            if (versioned)
                sql += QStringLiteral(" RETURNING ") + server::kVersionColumn;
            const Written written = runChange(*m_db, sql, binds, versioned);
            if (written.rows < 1) {
                if (checked && currentRowExists())
                    throw ConflictError();
                throw MissingRowError();
            }
            if (versioned) { // the version this very change gave the row
                m_version = written.key;
                m_versionKey = m_keys.at(m_pos);
            }
        } else {
            m_loaded = false;
            loadCurrent(); // nothing to write, but the row must still be there
        }
        m_lastModified = m_keys.at(m_pos);
    }
    m_mode = Mode::None;
    m_pending.clear();
    m_pendingOrder.clear();
    m_expectedVersion = kNoCheck;
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
    const QString sql = QStringLiteral("DELETE FROM %1 WHERE %2 = ?")
                            .arg(m_db->quotedTable(m_table), m_db->keyColumn(m_table));
    if (runChange(*m_db, sql, {m_keys.at(m_pos)}, false).rows < 1)
        throw MissingRowError();
    m_added.removeAll(m_keys.at(m_pos));
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
    int index = m_keys.indexOf(key);
    if (index < 0 && !m_complete) {
        completeKeys();
        index = m_keys.indexOf(key);
    }
    if (index < 0)
        throw DbError(QStringLiteral("Segnalibro non valido."));
    if (index != m_pos)
        m_versionKey = -1;
    m_pos = index;
    m_afterDelete = false;
    m_loaded = false;
}

void Recordset::requery()
{
    m_complete = false;
    completeKeys();
    m_afterDelete = false;
    m_loaded = false;
}

void Recordset::refresh()
{
    m_loaded = false;
}

void Recordset::forget(Bookmark key)
{
    m_added.removeAll(key);
    const int index = m_keys.indexOf(key);
    if (index < 0)
        return;
    m_keys.removeAt(index);
    if (m_pos > index)
        --m_pos;
    m_loaded = false;
}

} // namespace giudizi

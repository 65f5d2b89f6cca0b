#include "data/SqliteStatement.h"

#include "data/Database.h"
#include "data/DbError.h"

#include <QByteArray>
#include <sqlite3.h>

namespace giudizi {

namespace {

DbError engineError(sqlite3* handle)
{
    return DbError::fromEngine(QString::fromUtf8(sqlite3_errmsg(handle)), sqlite3_errcode(handle));
}

void bindValue(sqlite3_stmt* statement, int index, const QVariant& value)
{
    int rc = SQLITE_OK;
    if (!value.isValid() || value.isNull()) {
        rc = sqlite3_bind_null(statement, index);
    } else {
        switch (value.typeId()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Long:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
            rc = sqlite3_bind_int64(statement, index, value.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            rc = sqlite3_bind_double(statement, index, value.toDouble());
            break;
        case QMetaType::QByteArray: {
            const QByteArray bytes = value.toByteArray();
            rc = sqlite3_bind_blob(statement, index, bytes.constData(),
                                   static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QString text = value.toString();
            rc = sqlite3_bind_text16(statement, index, text.utf16(),
                                     static_cast<int>(text.size() * sizeof(char16_t)),
                                     SQLITE_TRANSIENT);
        }
        }
    }
    if (rc != SQLITE_OK)
        throw engineError(sqlite3_db_handle(statement));
}

} // namespace

SqliteStatement::SqliteStatement(Database& db, const QString& sql, const QVariantList& binds)
    : m_db(db)
    , m_sql(sql)
{
    m_statement = db.takeStatement(sql);
    if (!m_statement) {
        sqlite3* handle = db.rawHandle();
        if (!handle)
            throw DbError(QStringLiteral("Database non aperto"));
        const QByteArray text = sql.toUtf8();
        if (sqlite3_prepare_v3(handle, text.constData(), static_cast<int>(text.size()),
                               SQLITE_PREPARE_PERSISTENT, &m_statement, nullptr) != SQLITE_OK) {
            const DbError error = engineError(handle);
            sqlite3_finalize(m_statement);
            m_statement = nullptr;
            throw error;
        }
    }
    try {
        for (int i = 0; i < binds.size(); ++i)
            bindValue(m_statement, i + 1, binds.at(i));
    } catch (...) {
        sqlite3_reset(m_statement);
        sqlite3_clear_bindings(m_statement);
        db.returnStatement(sql, m_statement);
        throw;
    }
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
    m_db.returnStatement(m_sql, m_statement);
}

bool SqliteStatement::next()
{
    const int rc = sqlite3_step(m_statement);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    throw engineError(sqlite3_db_handle(m_statement));
}

int SqliteStatement::columnCount() const
{
    return sqlite3_column_count(m_statement);
}

QString SqliteStatement::columnName(int column) const
{
    return QString::fromUtf8(sqlite3_column_name(m_statement, column));
}

qint64 SqliteStatement::int64(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

QVariant SqliteStatement::value(int column) const
{
    switch (sqlite3_column_type(m_statement, column)) {
    case SQLITE_INTEGER:
        return QVariant(static_cast<qlonglong>(sqlite3_column_int64(m_statement, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_statement, column));
    case SQLITE_TEXT: {
        const auto* text = static_cast<const char16_t*>(sqlite3_column_text16(m_statement, column));
        const int bytes = sqlite3_column_bytes16(m_statement, column);
        return QVariant(QString(reinterpret_cast<const QChar*>(text), bytes / 2));
    }
    case SQLITE_BLOB: {
        const char* data = static_cast<const char*>(sqlite3_column_blob(m_statement, column));
        return QVariant(QByteArray(data, sqlite3_column_bytes(m_statement, column)));
    }
    default:
        return QVariant();
    }
}

} // namespace giudizi

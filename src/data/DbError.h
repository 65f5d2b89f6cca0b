#pragma once

#include <QString>

class QSqlError;
#include <stdexcept>

namespace giudizi {

// Raised by the data layer when the database engine refuses an operation.
// text() is what the teacher is told.
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString& text)
        : std::runtime_error(text.toStdString())
        , m_text(text)
    {
    }
    QString text() const { return m_text; }

    // The engine's refusal: what the common causes mean, in Italian (a busy
    // or locked file, a full disk, a read-only or damaged file), else the
    // engine's own message. `code` is SQLite's result code.
    static DbError fromEngine(const QString& engineText, int code);
    // The same, for an error reported by Qt's SQL driver.
    static DbError fromSqlError(const QSqlError& error);
    // The server's refusal, from its message and SQLSTATE code.
    static DbError fromServer(const QString& engineText, const QString& sqlState);

private:
    QString m_text;
};

// A write or read addressed a row that is no longer in its table.
class MissingRowError : public DbError {
public:
    MissingRowError()
        : DbError(QStringLiteral("Il documento non c'è più nell'archivio: nel frattempo è stato "
                                 "eliminato."))
    {
    }
};

// A save addressed a row that a colleague changed after it was read: nothing
// was written.
class ConflictError : public DbError {
public:
    ConflictError()
        : DbError(QStringLiteral("Nel frattempo un altro insegnante ha modificato questo "
                                 "giudizio."))
    {
    }
    // What the teacher is asked: Yes writes over the colleague's change.
    static QString question()
    {
        return QStringLiteral("Nel frattempo un altro insegnante ha modificato questo giudizio. "
                              "Salvo il tuo testo al posto del suo?");
    }
};

} // namespace giudizi

#pragma once

#include <QString>
#include <stdexcept>

namespace giudizi {

// Raised by the data layer when the database engine refuses an operation.
// text() carries the engine's own message, shown to the teacher as it is.
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString& text)
        : std::runtime_error(text.toStdString())
        , m_text(text)
    {
    }
    QString text() const { return m_text; }

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

} // namespace giudizi

#include "data/DbError.h"

#include <QSqlError>
#include <sqlite3.h>

namespace giudizi {

DbError DbError::fromSqlError(const QSqlError& error)
{
    return fromEngine(error.text(), error.nativeErrorCode().toInt());
}

DbError DbError::fromEngine(const QString& engineText, int code)
{
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return DbError(QStringLiteral("L'archivio è occupato da un altro programma (per esempio "
                                      "una copia in corso): riprova fra qualche istante."));
    case SQLITE_FULL:
        return DbError(QStringLiteral(
            "Il disco è pieno: libera un po' di spazio e riprova. Nulla è cambiato."));
    case SQLITE_READONLY:
        return DbError(
            QStringLiteral("L'archivio non si può modificare: il file è di sola lettura."));
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return DbError(QStringLiteral("Il file dell'archivio è danneggiato (%1).").arg(engineText));
    case SQLITE_IOERR:
        return DbError(
            QStringLiteral("Errore di lettura o di scrittura sul disco (%1).").arg(engineText));
    default:
        return DbError(engineText);
    }
}

} // namespace giudizi

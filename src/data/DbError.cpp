#include "data/DbError.h"

#include <QSqlError>
#include <sqlite3.h>

namespace giudizi {

DbError DbError::fromSqlError(const QSqlError& error)
{
    return fromEngine(error.text(), error.nativeErrorCode().toInt());
}

DbError DbError::fromServer(const QString& engineText, const QString& sqlState)
{
    if (sqlState == QLatin1String("42501"))
        return DbError(QStringLiteral("Il tuo nome utente del server non ha il permesso di farlo: "
                                      "chiedi al tecnico della scuola di aggiungerti al gruppo "
                                      "giudizi_docenti.\n(%1)")
                           .arg(engineText.trimmed()));
    if (sqlState == QLatin1String("40001") || sqlState == QLatin1String("40P01") ||
        sqlState == QLatin1String("55P03"))
        return DbError(QStringLiteral("Un collega sta modificando gli stessi dati: riprova fra "
                                      "qualche istante. Nulla è cambiato."));
    if (sqlState == QLatin1String("53100"))
        return DbError(QStringLiteral("Il disco del server è pieno: avvisa il tecnico della "
                                      "scuola. Nulla è cambiato."));
    return DbError(engineText.trimmed());
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

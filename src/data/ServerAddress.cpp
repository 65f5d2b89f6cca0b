#include "data/ServerAddress.h"

#include <libpq-fe.h>

namespace giudizi {

namespace {

QByteArray quotedValue(const QString& value)
{
    QByteArray bytes = value.toUtf8();
    bytes.replace('\\', "\\\\");
    bytes.replace('\'', "\\'");
    return '\'' + bytes + '\'';
}

bool looksLikeConnectionString(const QString& text)
{
    return text.startsWith(QLatin1String("postgresql://")) ||
           text.startsWith(QLatin1String("postgres://")) || text.contains(QLatin1Char('='));
}

} // namespace

QString ServerAddress::setting(const QString& keyword) const
{
    for (const auto& pair : settings)
        if (pair.first == keyword)
            return pair.second;
    return QString();
}

QString ServerAddress::describe() const
{
    const QString service = setting(QStringLiteral("service"));
    if (!service.isEmpty())
        return service;
    const QString dbname = setting(QStringLiteral("dbname"));
    const QString host = setting(QStringLiteral("host"));
    if (dbname.isEmpty())
        return host.isEmpty() ? QStringLiteral("predefinito") : host;
    return host.isEmpty() ? dbname : QStringLiteral("%1 su %2").arg(dbname, host);
}

QByteArray ServerAddress::connectionString() const
{
    QByteArray text;
    for (const auto& pair : settings) {
        if (pair.first == QLatin1String("password") && !password.isEmpty())
            continue;
        text += pair.first.toUtf8() + '=' + quotedValue(pair.second) + ' ';
    }
    if (!password.isEmpty())
        text += "password=" + quotedValue(password);
    return text.trimmed();
}

std::optional<ServerAddress> parseServerAddress(const QString& text, QString* error)
{
    ServerAddress address;
    address.given = text.trimmed();
    if (address.given.isEmpty()) {
        if (error)
            *error = QStringLiteral("Manca il nome del servizio del server.");
        return std::nullopt;
    }
    if (!looksLikeConnectionString(address.given)) {
        address.settings.append({QStringLiteral("service"), address.given});
        return address;
    }
    char* message = nullptr;
    PQconninfoOption* options = PQconninfoParse(address.given.toUtf8().constData(), &message);
    if (!options) {
        if (error)
            *error = QStringLiteral("Non capisco l'indirizzo del server «%1»: %2")
                         .arg(address.given, QString::fromUtf8(message).trimmed());
        PQfreemem(message);
        return std::nullopt;
    }
    for (PQconninfoOption* o = options; o->keyword; ++o)
        if (o->val)
            address.settings.append({QString::fromUtf8(o->keyword), QString::fromUtf8(o->val)});
    PQconninfoFree(options);
    return address;
}

ServerProbe probeServer(const ServerAddress& address, QString* error)
{
    PGconn* connection = PQconnectdb(address.connectionString().constData());
    ServerProbe result = ServerProbe::Ok;
    if (PQstatus(connection) != CONNECTION_OK) {
        const QString text = QString::fromUtf8(PQerrorMessage(connection)).toLower();
        // The server asked for the typed password and refused it (in whatever
        // language it says so), and not for want of the database.
        const bool refused =
            PQconnectionUsedPassword(connection) && !address.password.isEmpty() &&
            !(text.contains(QLatin1String("database")) && text.contains(QLatin1String("exist")));
        result = PQconnectionNeedsPassword(connection) ? ServerProbe::NeedsPassword
                 : refused                             ? ServerProbe::WrongPassword
                                                       : ServerProbe::Failed;
        if (error)
            *error = QString::fromUtf8(PQerrorMessage(connection)).trimmed();
    }
    PQfinish(connection);
    return result;
}

QString serverFailureMessage(const ServerAddress& address, const QString& engineText)
{
    const QString name = address.describe();
    const QString lower = engineText.toLower();
    QString meaning;
    if (lower.contains(QLatin1String("ssl")) &&
        (lower.contains(QLatin1String("not support")) || lower.contains(QLatin1String("required"))))
        meaning = QStringLiteral("Il server «%1» non accetta connessioni cifrate, ma il servizio "
                                 "le richiede (sslmode). Chiedi al tecnico della scuola di "
                                 "attivare SSL sul server.")
                      .arg(name);
    else if (lower.contains(QLatin1String("password authentication failed")))
        meaning = QStringLiteral("La password per il server «%1» non è giusta.").arg(name);
    else if (lower.contains(QLatin1String("definition of service")))
        meaning = QStringLiteral("Il servizio «%1» non è descritto né in pg_service.conf né in "
                                 "~/.pg_service.conf.")
                      .arg(name);
    else if (lower.contains(QLatin1String("database")) &&
             lower.contains(QLatin1String("does not exist")))
        meaning = QStringLiteral("Sul server non c'è l'archivio del servizio «%1».").arg(name);
    else if (isConnectionLoss(engineText) || lower.contains(QLatin1String("could not connect")) ||
             lower.contains(QLatin1String("connection refused")) ||
             lower.contains(QLatin1String("timeout")))
        meaning = QStringLiteral("Il server «%1» non risponde: controlla la rete o chiedi al "
                                 "tecnico della scuola.")
                      .arg(name);
    else
        meaning = QStringLiteral("Non riesco a collegarmi al server «%1».").arg(name);
    return engineText.trimmed().isEmpty()
               ? meaning
               : meaning + QStringLiteral("\n(%1)").arg(engineText.trimmed());
}

bool isConnectionLoss(const QString& engineText)
{
    const QString lower = engineText.toLower();
    return lower.contains(QLatin1String("server closed the connection")) ||
           lower.contains(QLatin1String("no connection to the server")) ||
           lower.contains(QLatin1String("terminating connection")) ||
           lower.contains(QLatin1String("connection to server")) ||
           lower.contains(QLatin1String("could not send data")) ||
           lower.contains(QLatin1String("could not receive data")) ||
           lower.contains(QLatin1String("broken pipe")) ||
           lower.contains(QLatin1String("connection reset"));
}

} // namespace giudizi

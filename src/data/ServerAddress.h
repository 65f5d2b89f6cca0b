#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <optional>

namespace giudizi {

// Where the school's archive lives on a PostgreSQL server, read by libpq's
// own rules: a service name of pg_service.conf (or ~/.pg_service.conf), a
// postgresql:// URI, or "key=value" settings. Everything else (sslmode,
// timeouts, the password file) is the service's.
struct ServerAddress {
    QString given;                           // as typed on the command line
    QList<QPair<QString, QString>> settings; // libpq keywords and values
    QString password;                        // typed at the login dialog; kept in memory only

    QString setting(const QString& keyword) const;
    // How messages name the server: the service, or the database and host,
    // never a password.
    QString describe() const;
    // All settings (and the typed password) as one libpq connection string.
    QByteArray connectionString() const;
};

// Parses what follows --server; nothing (and *error in Italian) when libpq
// cannot read it.
std::optional<ServerAddress> parseServerAddress(const QString& text, QString* error);

// A first connection made with libpq alone, before the program's own.
enum class ServerProbe { Ok, NeedsPassword, WrongPassword, Failed };
ServerProbe probeServer(const ServerAddress& address, QString* error);

// What a failure to connect means, in Italian, with the engine's words after it.
QString serverFailureMessage(const ServerAddress& address, const QString& engineText);

// Whether an engine error says the connection itself is gone (the server
// restarted, the network fell).
bool isConnectionLoss(const QString& engineText);

} // namespace giudizi

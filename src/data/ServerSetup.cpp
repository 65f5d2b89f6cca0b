#include "data/ServerSetup.h"

#include "data/DataFolder.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "data/Query.h"
#include "data/ServerSchema.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>

namespace giudizi {

namespace {

const QString kReady = QStringLiteral("Il server è già pronto: non ho cambiato nulla.");

QStringList missingTables(const Database& server)
{
    QStringList missing;
    for (const QString& table : server::archiveTables() + server::catalogueTables())
        if (!server.hasTable(table.toLower()))
            missing.append(table);
    return missing;
}

bool roleExists(Database& server)
{
    Query role(server, QStringLiteral("SELECT 1 FROM pg_roles WHERE rolname = ?"),
               {server::kTeachersRole});
    return role.next();
}

QString singleValue(Database& server, const QString& sql, const QVariantList& binds = {})
{
    Query query(server, sql, binds);
    return query.next() ? query.value(0).toString() : QString();
}

// Reading and changing rows, and taking the next key: nothing else (no
// CREATE, ALTER, DROP or TRUNCATE, which only the tables' owner has).
void grantTeachers(Database& server)
{
    const QString role = server::kTeachersRole;
    const QString schema = server.handle().driver()->escapeIdentifier(
        singleValue(server, QStringLiteral("SELECT current_schema()")), QSqlDriver::TableName);
    server.exec(QStringLiteral("GRANT USAGE ON SCHEMA %1 TO %2").arg(schema, role));
    for (const QString& table : server::archiveTables() + server::catalogueTables()) {
        const QString name = table.toLower();
        server.exec(
            QStringLiteral("GRANT SELECT, INSERT, UPDATE, DELETE ON %1 TO %2").arg(name, role));
        const QString sequence =
            singleValue(server, QStringLiteral("SELECT pg_get_serial_sequence(?, ?)"),
                        {name, server::keyColumn(table)});
        if (!sequence.isEmpty())
            server.exec(
                QStringLiteral("GRANT USAGE, SELECT ON SEQUENCE %1 TO %2").arg(sequence, role));
    }
}

void createEverything(Database& server)
{
    Database::Transaction transaction(server);
    if (!roleExists(server))
        server.exec(QStringLiteral("CREATE ROLE %1 NOLOGIN").arg(server::kTeachersRole));
    for (const QString& statement : server::createStatements())
        server.exec(statement);
    for (const QString& statement : server::indexStatements())
        server.exec(statement);
    for (const QString& statement : server::defaultRowStatements())
        server.exec(statement);
    grantTeachers(server);
    transaction.commit();
}

} // namespace

SetupReport prepareServer(Database& server)
{
    SetupReport report;
    try {
        const QStringList missing = missingTables(server);
        const int all = server::archiveTables().size() + server::catalogueTables().size();
        if (missing.isEmpty() && roleExists(server)) {
            report.ok = true;
            report.text = kReady;
            return report;
        }
        if (!missing.isEmpty() && missing.size() < all) {
            report.text = QStringLiteral("Sul server ci sono già alcune tabelle del programma, "
                                         "ma mancano: %1. Non ho cambiato nulla: controlla il "
                                         "database del servizio.")
                              .arg(missing.join(QStringLiteral(", ")));
            return report;
        }
        if (missing.isEmpty()) {
            // Tables made by an earlier preparation whose role was dropped since.
            Database::Transaction transaction(server);
            server.exec(QStringLiteral("CREATE ROLE %1 NOLOGIN").arg(server::kTeachersRole));
            grantTeachers(server);
            transaction.commit();
        } else {
            try {
                createEverything(server);
            } catch (const DbError&) {
                // Another preparation (of another database of the same server)
                // may have made the group meanwhile: once more, finding it.
                if (!roleExists(server))
                    throw;
                createEverything(server);
            }
        }
    } catch (const DbError& e) {
        report.text = QStringLiteral("Non ho potuto preparare il server: %1\nNon ho cambiato "
                                     "nulla.")
                          .arg(e.text());
        return report;
    }
    report.ok = true;
    report.text =
        QStringLiteral(
            "Ho preparato il server «%1»: le tabelle dell'archivio e dei cataloghi, i loro "
            "indici, i cataloghi predefiniti e il gruppo %2, che può leggere, aggiungere, "
            "modificare ed eliminare le righe e nient'altro.\n"
            "Per ogni insegnante che userà il programma, esegui sul server (per esempio con "
            "psql) questa riga, con il suo nome utente al posto di nome_utente:\n"
            "    GRANT %2 TO nome_utente;\n"
            "La password iniziale del programma è «scuola».")
            .arg(server.path(), server::kTeachersRole);
    return report;
}

QString archiveFileIn(const QString& folder)
{
    const QString name = QFileInfo(datafiles::archivePath()).fileName();
    const QDir dir(folder);
    for (const QString& candidate : {dir.filePath(datafiles::archivePath()), dir.filePath(name)})
        if (QFileInfo(candidate).isFile())
            return candidate;
    return QString();
}

SetupReport uploadToServer(Database& server, const QString& folder)
{
    SetupReport report;
    const QString file = archiveFileIn(folder);
    if (file.isEmpty()) {
        report.text = QStringLiteral("Nella cartella %1 non trovo l'archivio dei giudizi (%2 o "
                                     "pergiudix/%2).")
                          .arg(QDir::toNativeSeparators(folder),
                               QFileInfo(datafiles::archivePath()).fileName());
        return report;
    }
    if (!missingTables(server).isEmpty()) {
        report.text = QStringLiteral("Il server non è ancora pronto: esegui prima giudizi "
                                     "--prepara-server.");
        return report;
    }
    QString error;
    auto local = Database::openReadOnly(file, &error);
    if (!local) {
        report.text = error;
        return report;
    }
    const QString table = QStringLiteral("giudizi");
    // The columns both have; `data` the server gives each row of its own.
    const QStringList serverColumns = server.columns(table);
    QStringList columns;
    for (const QString& column : local->columns(table))
        if (column != QLatin1String("data") && serverColumns.contains(column))
            columns.append(column);
    QStringList marks;
    for (int i = 0; i < columns.size(); ++i)
        marks.append(QStringLiteral("?"));
    const QString insert = QStringLiteral("INSERT INTO giudizi (%1) VALUES (%2)")
                               .arg(columns.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
    // The data-entry duplicate check's key and the text, an empty (null)
    // value matching an empty one, so a second run adds nothing again.
    const QString present = QStringLiteral(
        "SELECT 1 FROM giudizi WHERE lower(nome) IS NOT DISTINCT FROM lower(CAST(? AS text) "
        "COLLATE \"C\") AND lower(sezione) IS NOT DISTINCT FROM lower(CAST(? AS text) COLLATE "
        "\"C\") AND classe IS NOT DISTINCT FROM ? AND lower(anno) IS NOT DISTINCT FROM "
        "lower(CAST(? AS text) COLLATE \"C\") AND quadrimestre IS NOT DISTINCT FROM ? AND "
        "giudizio IS NOT DISTINCT FROM ?");
    int added = 0, skipped = 0;
    try {
        Database::Transaction transaction(server);
        Query rows(*local, QStringLiteral("SELECT %1 FROM giudizi ORDER BY data")
                               .arg(columns.join(QLatin1Char(','))));
        while (rows.next()) {
            QVariantMap row;
            QVariantList values;
            for (int c = 0; c < columns.size(); ++c) {
                row.insert(columns.at(c), rows.value(c));
                values.append(rows.value(c));
            }
            const QVariantList key = {
                row.value(QStringLiteral("nome")), row.value(QStringLiteral("sezione")),
                row.value(QStringLiteral("classe")), row.value(QStringLiteral("anno")),
                row.value(QStringLiteral("quadrimestre"))};
            if (Query(server, present, key + QVariantList{row.value(QStringLiteral("giudizio"))})
                    .next()) {
                ++skipped;
                continue;
            }
            try {
                Query(server, insert, values).next();
            } catch (const DbError& e) {
                throw DbError(QStringLiteral("il giudizio di %1 (classe %2 %3, %4) non si può "
                                             "caricare: %5")
                                  .arg(row.value(QStringLiteral("nome")).toString(),
                                       row.value(QStringLiteral("classe")).toString(),
                                       row.value(QStringLiteral("sezione")).toString(),
                                       row.value(QStringLiteral("anno")).toString(), e.text()));
            }
            ++added;
        }
        transaction.commit();
    } catch (const DbError& e) {
        report.text = QStringLiteral("Non ho caricato nulla: %1").arg(e.text());
        return report;
    }
    report.ok = true;
    report.text = QStringLiteral("Ho caricato sul server «%1» i giudizi di %2: %3 aggiunti, %4 "
                                 "tralasciati perché già presenti.")
                      .arg(server.path(), QDir::toNativeSeparators(file))
                      .arg(added)
                      .arg(skipped);
    return report;
}

} // namespace giudizi

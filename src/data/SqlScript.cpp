#include "data/SqlScript.h"

#include "data/Database.h"
#include "data/DbError.h"

#include <QFile>

namespace giudizi {

QStringList splitSqlScript(const QString& script)
{
    QStringList statements;
    QString current;
    bool inQuote = false;
    for (int i = 0; i < script.size(); ++i) {
        const QChar c = script.at(i);
        if (!inQuote && c == QLatin1Char('-') && i + 1 < script.size() &&
            script.at(i + 1) == QLatin1Char('-')) {
            while (i < script.size() && script.at(i) != QLatin1Char('\n'))
                ++i;
            current += QLatin1Char('\n');
            continue;
        }
        if (c == QLatin1Char('\''))
            inQuote = !inQuote; // a doubled '' toggles twice and stays inside
        if (c == QLatin1Char(';') && !inQuote) {
            if (!current.trimmed().isEmpty())
                statements.append(current.trimmed());
            current.clear();
            continue;
        }
        current += c;
    }
    if (!current.trimmed().isEmpty())
        statements.append(current.trimmed());
    return statements;
}

QStringList readSqlScript(const QString& script)
{
    QFile file(script);
    if (!file.open(QIODevice::ReadOnly))
        throw DbError(QStringLiteral("Dati predefiniti mancanti: %1").arg(script));
    return splitSqlScript(QString::fromUtf8(file.readAll()));
}

bool runSqlScripts(Database& db, const QStringList& scripts, QString* error)
{
    try {
        Database::Transaction transaction(db);
        for (const QString& script : scripts)
            for (const QString& statement : readSqlScript(script))
                db.exec(statement);
        transaction.commit();
    } catch (const DbError& e) {
        *error = e.text();
        return false;
    }
    return true;
}

void ensureArchiveIndexes(Database& archive)
{
    QString ignored;
    runSqlScripts(archive, {QStringLiteral(":/defaults/indici_archivio.sql")}, &ignored);
}

} // namespace giudizi

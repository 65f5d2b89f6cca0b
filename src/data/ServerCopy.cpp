#include "data/ServerCopy.h"

#include "data/DataFolder.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "data/Query.h"
#include "data/ServerSchema.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>

namespace giudizi {

namespace {

bool isArchiveFile(const QString& fileName)
{
    return fileName.compare(QFileInfo(datafiles::archivePath()).fileName(), Qt::CaseInsensitive) ==
           0;
}

void copyTable(Database& server, Database& local, const QString& table)
{
    const QStringList columns = server.columns(table);
    QStringList names, marks;
    for (const QString& column : columns) {
        names.append(server.handle().driver()->escapeIdentifier(column, QSqlDriver::FieldName));
        marks.append(QStringLiteral("?"));
    }
    const QString insert =
        QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
            .arg(table, names.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
    Query rows(server, QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
                           .arg(names.join(QLatin1Char(',')), server.quotedTable(table),
                                server.keyColumn(table)));
    while (rows.next()) {
        QVariantList values;
        for (int c = 0; c < columns.size(); ++c)
            values.append(rows.value(c));
        Query(local, insert, values).next();
    }
}

} // namespace

bool copyServerTables(Database& server, const QString& fileName, const QString& target,
                      QString* error)
{
    QFile::remove(target);
    auto local = Database::create(target, error);
    if (!local)
        return false;
    try {
        Database::Transaction snapshot(server);
        server.exec(QStringLiteral("SET TRANSACTION ISOLATION LEVEL REPEATABLE READ READ ONLY"));
        Database::Transaction writing(*local);
        for (const QString& statement : server::localLayout(isArchiveFile(fileName)))
            local->exec(statement);
        const QStringList tables =
            isArchiveFile(fileName) ? server::archiveTables() : server::catalogueTables();
        for (const QString& table : tables)
            copyTable(server, *local, table);
        writing.commit();
        snapshot.commit();
    } catch (const DbError& e) {
        *error = QStringLiteral("%1: %2").arg(target, e.text());
        return false;
    }
    local->close();
    return true;
}

} // namespace giudizi

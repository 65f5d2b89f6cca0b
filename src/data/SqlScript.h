#pragma once

#include <QStringList>

namespace giudizi {

// Splits an SQL script into statements at semicolons that stand outside quoted
// text, dropping "--" comment lines. Phrases may contain ';' and "--".
QStringList splitSqlScript(const QString& script);
// The statements of a script file (a Qt resource or a file); DbError when
// it cannot be read.
QStringList readSqlScript(const QString& file);

class Database;

// Runs the statements of the script files (Qt resources or files), in order,
// in one transaction: all of them or none. False with the engine's message.
bool runSqlScripts(Database& db, const QStringList& scripts, QString* error);

// The archive's indexes (each search walks one of them). Run when the archive
// opens, so an archive made by an earlier version gains them. A file that
// cannot be written (read-only) keeps the indexes it has: only speed is lost.
void ensureArchiveIndexes(Database& archive);

} // namespace giudizi

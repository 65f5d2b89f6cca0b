#pragma once

#include <QString>
#include <QStringList>

namespace giudizi::server {

// What the server adds to the tables of the local files: each row a key of
// its own (giudizi keeps `data`), and the archive's rows a version raised on
// each change. Neither is ever shown or exported.
inline const QString kKeyColumn = QStringLiteral("chiave");
inline const QString kVersionColumn = QStringLiteral("versione");
// The group role whose members are the school's teachers.
inline const QString kTeachersRole = QStringLiteral("giudizi_docenti");

QString keyColumn(const QString& table);
bool isServerOnlyColumn(const QString& table, const QString& column);
bool keepsVersions(const QString& table);

// The tables the server holds: the archive's and the catalogues'.
QStringList archiveTables();
QStringList catalogueTables();

// The statements that make an empty server database hold the program's
// tables, as the local files have them, with the server's additions; built
// from the very scripts that make a new local folder, so the columns cannot
// drift apart.
QStringList createStatements();
// The indexes of the searches (the same shapes as the local archive's).
QStringList indexStatements();
// The default rows (school, catalogues), as the local scripts insert them.
QStringList defaultRowStatements();
// The tables and indexes of a local file (the archive's, or the catalogues'),
// without its default rows: what a copy of the server's rows is written into.
QStringList localLayout(bool archive);

} // namespace giudizi::server

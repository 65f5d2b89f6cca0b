#pragma once

#include <QString>

namespace giudizi {

class Database;

// What a command for the technician did, as it prints it.
struct SetupReport {
    bool ok = false;
    QString text; // Italian, one or more lines
};

// Makes the server's database ready for the program: the tables of the
// archive and the catalogues, their indexes, the default catalogues and
// school row, and the group role of the teachers with the rights on them
// and nothing more. All in one transaction. A server that has them already
// is left as it is (ok, and said so).
SetupReport prepareServer(Database& server);

// Adds to the server's archive the judgments of a working folder (holding
// pergiudix/) or of a folder holding the backup's files. A row is skipped
// when the server has one of the same pupil, class, section, year and term
// with the same text; the others get a new `data`. All or nothing.
SetupReport uploadToServer(Database& server, const QString& folder);

// The archive file of such a folder, or empty when it holds none.
QString archiveFileIn(const QString& folder);

} // namespace giudizi

#pragma once

#include <QString>

namespace giudizi {

class Database;

// Writes what the server holds for one data file (`fileName`: the archive's
// or the catalogues') into a new local database file `target`, laid out as
// the program makes that file, so it opens in any computer's own folder. The
// server's rows are read in one snapshot; its key and version columns stay
// behind. false with the reason in *error (the caller removes the file).
bool copyServerTables(Database& server, const QString& fileName, const QString& target,
                      QString* error);

} // namespace giudizi

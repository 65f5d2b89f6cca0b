#pragma once

#include "data/ServerAddress.h"

#include <QString>
#include <memory>

namespace giudizi {

class Database;

// Where this run keeps the archive and the catalogues: the working folder's
// own files (the default) or the school's server. The print settings always
// stay in the working folder: they belong to the printer next to the computer.
namespace datasource {

void useLocalFolder();
void useServer(const ServerAddress& address);
bool onServer();
// The server of this run; only when onServer().
const ServerAddress& server();

// Open the run's databases; null with the teacher's message in *error.
std::shared_ptr<Database> openArchive(QString* error);
std::shared_ptr<Database> openCatalogues(QString* error);
std::shared_ptr<Database> openPrintSettings(QString* error);

} // namespace datasource
} // namespace giudizi

#include "data/DataSource.h"

#include "data/DataFolder.h"
#include "data/Database.h"

#include <optional>

namespace giudizi::datasource {

namespace {
std::optional<ServerAddress>& chosenServer()
{
    static std::optional<ServerAddress> server;
    return server;
}
} // namespace

void useLocalFolder()
{
    chosenServer().reset();
}

void useServer(const ServerAddress& address)
{
    chosenServer() = address;
}

bool onServer()
{
    return chosenServer().has_value();
}

const ServerAddress& server()
{
    return *chosenServer();
}

std::shared_ptr<Database> openArchive(QString* error)
{
    return onServer() ? Database::connect(server(), error)
                      : Database::open(datafiles::archivePath(), error);
}

std::shared_ptr<Database> openCatalogues(QString* error)
{
    return onServer() ? Database::connect(server(), error)
                      : Database::open(datafiles::descriptorPath(), error);
}

std::shared_ptr<Database> openPrintSettings(QString* error)
{
    return Database::open(datafiles::printSettingsPath(), error);
}

} // namespace giudizi::datasource

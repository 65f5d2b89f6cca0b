#pragma once

#include "shared/CatalogueFile.h"

#include <memory>

namespace giudizi {

class Database;

// Every row of every table of a model's catalogue, table by table (rigid:
// aspect by aspect), in ascending number. Throws DbError.
QVector<CatalogueEntry> loadCatalogue(const std::shared_ptr<Database>& db, CatalogueModel model);

// Replaces the whole catalogue of a model with `entries` (as
// readCatalogueFile gives them) in one transaction: every table of the model
// is emptied and filled again. Throws DbError; a failure leaves every table
// as it was.
void replaceCatalogue(const std::shared_ptr<Database>& db, CatalogueModel model,
                      const QVector<CatalogueEntry>& entries);

} // namespace giudizi

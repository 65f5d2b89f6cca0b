#include "screens/descriptors/CatalogueSharing.h"

#include "data/ArchiveStore.h"
#include "data/CatalogueTransfer.h"
#include "data/DbError.h"
#include "platform/MessageBox.h"
#include "platform/SaveFile.h"

#include <QFile>
#include <QFileInfo>

namespace giudizi {

namespace {
const QString kCsvFilter = QStringLiteral("File CSV (*.csv)");
} // namespace

void exportCatalogue(QWidget* parent, CatalogueModel model)
{
    QVector<CatalogueEntry> entries;
    try {
        entries = loadCatalogue(archiveStore().DescriptorDb, model);
    } catch (const DbError& e) {
        msg::info(parent,
                  QStringLiteral("Non ho esportato il catalogo: non si legge.\n%1").arg(e.text()));
        return;
    }
    const std::optional<QString> path =
        chooseSaveFile(parent, catalogueFileName(model), kCsvFilter);
    if (!path)
        return;
    if (!writeCatalogueFile(*path, model, entries)) {
        msg::info(parent, fileNotWrittenMessage(*path));
        return;
    }
    msg::info(parent, QStringLiteral("Ho esportato il catalogo del modello %1 (%2 descrittori) "
                                     "nel file «%3».")
                          .arg(catalogueModelWord(model))
                          .arg(entries.size())
                          .arg(QFileInfo(*path).fileName()));
}

bool importCatalogue(QWidget* parent, CatalogueModel model)
{
    const std::optional<QString> path = chooseOpenFile(parent, kCsvFilter);
    if (!path)
        return false;
    const QString name = QFileInfo(*path).fileName();
    const QString unchanged =
        QStringLiteral("Non ho importato il file «%1»: il catalogo è rimasto com'era.\n").arg(name);
    QFile file(*path);
    if (!file.open(QIODevice::ReadOnly)) {
        msg::info(parent, unchanged + QStringLiteral("Il file non si può leggere."));
        return false;
    }
    const CatalogueReading reading = readCatalogueFile(file.readAll(), model);
    if (!reading.ok()) {
        msg::info(parent, unchanged + reading.error);
        return false;
    }
    if (!msg::yesNo(parent,
                    QStringLiteral("Il catalogo del modello %1 verrà sostituito da quello del "
                                   "file «%2» (%3 descrittori). Continuo?")
                        .arg(catalogueModelWord(model), name)
                        .arg(reading.entries.size()),
                    msg::Default::No))
        return false;
    try {
        replaceCatalogue(archiveStore().DescriptorDb, model, reading.entries);
    } catch (const DbError& e) {
        msg::info(parent, unchanged + e.text());
        return false;
    }
    msg::info(parent, QStringLiteral("Ho importato il catalogo del modello %1: %2 descrittori.")
                          .arg(catalogueModelWord(model))
                          .arg(reading.entries.size()));
    return true;
}

} // namespace giudizi

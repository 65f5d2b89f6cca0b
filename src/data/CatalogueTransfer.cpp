#include "data/CatalogueTransfer.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "data/DescriptorEditing.h"
#include "data/Recordset.h"

namespace giudizi {

namespace {
QString textColumn(CatalogueModel model)
{
    return model == CatalogueModel::Rigid ? QStringLiteral("indicatore")
                                          : QStringLiteral("descrittori");
}
} // namespace

QVector<CatalogueEntry> loadCatalogue(const std::shared_ptr<Database>& db, CatalogueModel model)
{
    const bool rigid = model == CatalogueModel::Rigid;
    const QStringList columns =
        rigid ? QStringList{QStringLiteral("tipo"), QStringLiteral("ordine"), textColumn(model),
                            QStringLiteral("area"), QStringLiteral("inizio")}
              : QStringList{QStringLiteral("ordine"), textColumn(model)};
    QVector<CatalogueEntry> entries;
    for (const QString& table : catalogueTables(model)) {
        auto rows = Recordset::open(db, table, QString(), {},
                                    rigid ? QStringLiteral("tipo, ordine ASC")
                                          : QStringLiteral("ordine ASC"));
        rows->readEach(columns, [&](const QVector<QVariant>& values) {
            CatalogueEntry entry;
            entry.table = table;
            int column = 0;
            if (rigid)
                entry.tipo = values.at(column++).toInt();
            entry.ordine = values.at(column++).toInt();
            entry.text = values.at(column++).toString();
            if (rigid) {
                entry.area = values.at(column++).toString();
                entry.inizio = values.at(column).toString();
            }
            entries.append(entry);
            return true;
        });
    }
    return entries;
}

void replaceCatalogue(const std::shared_ptr<Database>& db, CatalogueModel model,
                      const QVector<CatalogueEntry>& entries)
{
    const bool rigid = model == CatalogueModel::Rigid;
    const QStringList tables = catalogueTables(model);
    db->aboutToChange();
    Database::Transaction transaction(*db);
    // No renumbering of a colleague runs in the middle of the replacement.
    for (const QString& table : tables)
        if (rigid)
            for (int aspect = 1; aspect <= 10; ++aspect)
                db->lockKey(renumberingLockKey({table, textColumn(model), aspect}));
        else
            db->lockKey(renumberingLockKey({table, textColumn(model), std::nullopt}));
    for (const QString& table : tables)
        db->exec(QStringLiteral("DELETE FROM %1").arg(table)); // the program's own names
    for (const QString& table : tables) {
        auto rows = Recordset::open(db, table, QStringLiteral("1 = 0"), {}, QString());
        for (const CatalogueEntry& entry : entries) {
            if (entry.table != table)
                continue;
            rows->addNew();
            if (rigid) {
                rows->setField(QStringLiteral("tipo"), entry.tipo);
                // A row without a title keeps its columns null, as the editors leave them.
                if (!entry.area.isEmpty())
                    rows->setField(QStringLiteral("area"), entry.area);
                if (!entry.inizio.isEmpty())
                    rows->setField(QStringLiteral("inizio"), entry.inizio);
            }
            rows->setField(QStringLiteral("ordine"), entry.ordine);
            rows->setField(textColumn(model), entry.text);
            rows->update();
        }
    }
    transaction.commit();
}

} // namespace giudizi

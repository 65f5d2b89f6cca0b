#include "data/DescriptorEditing.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "shared/Renumbering.h"

namespace giudizi {

namespace {

const QString kOrdine = QStringLiteral("ordine");

std::shared_ptr<Recordset> openRows(const std::shared_ptr<Database>& db, const CatalogueKind& kind,
                                    const QString& order)
{
    if (kind.tipo)
        return Recordset::open(db, kind.table, QStringLiteral("tipo = ?"), {*kind.tipo}, order);
    return Recordset::open(db, kind.table, QString(), {}, order);
}

// Gives the rows the numbers the renumbering chose.
void storeNumbers(Recordset& rows, const QVector<CatalogueRow>& read,
                  const QVector<NumberedRow>& numbered, const QList<int>& changed)
{
    for (int index : changed) {
        rows.setBookmark(read.at(index).key);
        rows.edit();
        rows.setField(kOrdine, numbered.at(index).ordine);
        rows.update();
    }
}

void takeRenumberingTurn(Database& db, const CatalogueKind& kind)
{
    db.lockKey(renumberingLockKey(kind));
}

QVector<NumberedRow> numbered(const QVector<CatalogueRow>& rows)
{
    QVector<NumberedRow> result;
    for (const CatalogueRow& row : rows)
        result.append({row.ordine, row.text});
    return result;
}

} // namespace

QString renumberingLockKey(const CatalogueKind& kind)
{
    return QStringLiteral("catalogo:%1:%2")
        .arg(kind.table.toLower())
        .arg(kind.tipo ? *kind.tipo : 0);
}

QVector<CatalogueRow> catalogueRows(Recordset& workingSet, const CatalogueKind& kind)
{
    const Recordset::KeepPosition keep(workingSet);
    QVector<CatalogueRow> rows;
    for (workingSet.moveFirst(); !workingSet.eof(); workingSet.moveNext()) {
        CatalogueRow row;
        row.key = workingSet.bookmark();
        row.ordine = workingSet.field(kOrdine).toInt();
        row.text = workingSet.text(kind.textColumn);
        if (kind.tipo) {
            row.area = workingSet.text(QStringLiteral("area"));
            row.inizio = workingSet.text(QStringLiteral("inizio"));
        }
        rows.append(row);
    }
    return rows;
}

void addDescriptor(Recordset& workingSet, const CatalogueKind& kind, const QString& text)
{
    workingSet.addNew();
    if (kind.tipo)
        workingSet.setField(QStringLiteral("tipo"), *kind.tipo);
    workingSet.setField(kOrdine, 99);
    workingSet.setField(kind.textColumn, text);
    workingSet.update();
}

void saveDescriptor(Recordset& workingSet, const CatalogueKind& kind, const DescriptorEdit& edit)
{
    // Whatever happens, the working set stands again on the row saved.
    const Recordset::KeepPosition keep(workingSet);
    Database::Transaction transaction(*workingSet.database());
    takeRenumberingTurn(*workingSet.database(), kind);
    // On the server colleagues may have added or deleted rows since the
    // working set was read: the renumbering takes the catalogue as it is now.
    if (workingSet.database()->isServer())
        workingSet.requery();
    workingSet.edit();
    workingSet.setField(kOrdine, edit.ordine);
    if (kind.tipo && edit.ordine == 0) {
        workingSet.setField(QStringLiteral("area"), edit.area);
        workingSet.setField(QStringLiteral("inizio"), edit.inizio);
    }
    workingSet.setField(kind.textColumn, edit.text);
    if (kind.tipo)
        workingSet.setField(QStringLiteral("tipo"), *kind.tipo);
    workingSet.update();

    const QVector<CatalogueRow> rows = catalogueRows(workingSet, kind);
    QVector<NumberedRow> numbers = numbered(rows);
    const QList<int> changed = Riordina(numbers, edit.ordine, edit.text);
    storeNumbers(workingSet, rows, numbers, changed);
    transaction.commit();
}

std::optional<DeletedDescriptor> deleteDescriptor(const std::shared_ptr<Database>& db,
                                                  const CatalogueKind& kind, const QString& text,
                                                  const QString& title, const QString& opening)
{
    Database::Transaction transaction(*db);
    takeRenumberingTurn(*db, kind);
    const QString where = kind.tipo ? QStringLiteral("%1 = ? AND tipo = ?").arg(kind.textColumn)
                                    : QStringLiteral("%1 = ?").arg(kind.textColumn);
    QVariantList binds{text};
    if (kind.tipo)
        binds.append(*kind.tipo);
    auto found = Recordset::open(db, kind.table, where, binds, QString());
    if (found->isEmpty())
        return std::nullopt;
    found->moveFirst();
    DeletedDescriptor deleted;
    if (kind.tipo) {
        deleted.area = found->text(QStringLiteral("area"));
        deleted.inizio = found->text(QStringLiteral("inizio"));
    }
    found->remove();

    auto rows = openRows(db, kind, QStringLiteral("ordine ASC"));
    const QVector<CatalogueRow> read = catalogueRows(*rows, kind);
    QVector<NumberedRow> numbers = numbered(read);
    storeNumbers(*rows, read, numbers, RiordinaElimina(numbers));
    // A deleted title row hands its title on to the row that is now first.
    const QString handedTitle = deleted.area.isEmpty() ? title : deleted.area;
    const QString handedOpening = deleted.area.isEmpty() ? opening : deleted.inizio;
    if (kind.tipo && !read.isEmpty() && read.first().area.isEmpty() &&
        read.first().inizio.isEmpty() && !(handedTitle.isEmpty() && handedOpening.isEmpty())) {
        rows->setBookmark(read.first().key);
        rows->edit();
        rows->setField(QStringLiteral("area"), handedTitle);
        rows->setField(QStringLiteral("inizio"), handedOpening);
        rows->setField(QStringLiteral("tipo"), *kind.tipo);
        rows->update();
    }
    transaction.commit();
    return deleted;
}

} // namespace giudizi

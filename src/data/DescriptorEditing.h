#pragma once

#include <QString>
#include <QVector>
#include <memory>
#include <optional>

namespace giudizi {

class Database;
class Recordset;

// Writing the descriptor catalogues: the flexible ones keep their phrase in
// `descrittori`, the rigid ones in `indicatore` with the aspect in `tipo` and,
// on an aspect's title row (number 0), its title `area` and opening words
// `inizio`. Every change is one transaction: a failure leaves the catalogue
// as it was. Texts are bound, so phrases with apostrophes are like any other.
struct CatalogueKind {
    QString table;
    QString textColumn;      // "descrittori" or "indicatore"
    std::optional<int> tipo; // rigid: the aspect number (1 to 10)
};

// Two editors renumbering the same catalogue (on the school server) take
// turns on the lock of this name: the second reads the numbers the first wrote.
QString renumberingLockKey(const CatalogueKind& kind);

// A row of a working set, as the grid shows it.
struct CatalogueRow {
    qint64 key = 0;
    int ordine = 0;
    QString text;
    QString area;
    QString inizio;
};

// The rows of a working set in its order; its position is kept.
QVector<CatalogueRow> catalogueRows(Recordset& workingSet, const CatalogueKind& kind);

// A new row numbered 99 with `text` at the end of the working set.
void addDescriptor(Recordset& workingSet, const CatalogueKind& kind, const QString& text);

// The save of the row the working set stands on: its number and text (and,
// for the rigid catalogues, its aspect, and the title when numbered 0), then
// the renumbering of the working set (Riordina).
struct DescriptorEdit {
    int ordine = 0;
    QString text;
    QString area;   // rigid, number 0: the title it takes
    QString inizio; // and the opening words
};
void saveDescriptor(Recordset& workingSet, const CatalogueKind& kind, const DescriptorEdit& edit);

// What a deletion removed: the title and opening words of the row.
struct DeletedDescriptor {
    QString area;
    QString inizio;
};
// Deletes the first row of the table (rigid: of the aspect) with `text`, then
// numbers the rows (rigid: of the aspect) 0, 1, 2, ... in ascending order; in
// a rigid aspect the new first row takes `title` and `opening` when it has
// neither. Nothing when no row has that text (nothing is changed then).
std::optional<DeletedDescriptor> deleteDescriptor(const std::shared_ptr<Database>& db,
                                                  const CatalogueKind& kind, const QString& text,
                                                  const QString& title, const QString& opening);

} // namespace giudizi

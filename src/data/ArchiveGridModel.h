#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QStringList>
#include <QVector>
#include <memory>

namespace giudizi {

class Database;

// Every row of giudizi with every column, read-only, for the panorama grid.
// refresh() reads only the row keys, in the order of class, section and name;
// the values of a row are read when the view asks for it, a block of rows at
// a time, and only a limited number of blocks is kept, so a large archive is
// never all in memory. Values are the stored ones, judgments whole.
class ArchiveGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ArchiveGridModel(QObject* parent = nullptr);

    // Re-runs the query on `archive` (null empties the model). Throws DbError.
    void refresh(const std::shared_ptr<Database>& archive);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Rows read at once, and blocks kept.
    static constexpr int kBlockRows = 64;
    static constexpr int kCachedBlocks = 32;

private:
    using Row = QVector<QVariant>;
    const Row* rowAt(int row) const;
    void loadBlock(int block) const;

    std::shared_ptr<Database> m_db;
    QStringList m_columns;
    QVector<qint64> m_keys;
    mutable QHash<int, QVector<Row>> m_blocks;
    mutable QVector<int> m_blockOrder; // oldest first
};

} // namespace giudizi

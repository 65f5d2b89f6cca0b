#include "data/ArchiveGridModel.h"

#include "data/ArchiveSearch.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "data/Recordset.h"

namespace giudizi {

ArchiveGridModel::ArchiveGridModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void ArchiveGridModel::refresh(const std::shared_ptr<Database>& archive)
{
    QStringList columns;
    QVector<qint64> keys;
    if (archive && archive->isOpen()) {
        columns = archive->columns(QStringLiteral("giudizi"));
        keys =
            Recordset::readKeys(*archive, Recordset::keyQuery(*archive, QStringLiteral("giudizi"),
                                                              kPanorama.where, kPanorama.orderBy));
    }
    beginResetModel();
    m_db = archive;
    m_columns = columns;
    m_keys = std::move(keys);
    m_blocks.clear();
    m_blockOrder.clear();
    endResetModel();
}

int ArchiveGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_keys.size());
}

int ArchiveGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant ArchiveGridModel::data(const QModelIndex& index, int role) const
{
    // The judgment column is narrow for its text: the whole text is its tooltip.
    const bool tip = role == Qt::ToolTipRole && index.isValid() &&
                     index.column() < m_columns.size() &&
                     m_columns.at(index.column()) == QLatin1String("giudizio");
    if (!index.isValid() || (role != Qt::DisplayRole && !tip) || index.row() >= m_keys.size() ||
        index.column() >= m_columns.size())
        return QVariant();
    const Row* row = rowAt(index.row());
    return row ? row->at(index.column()) : QVariant();
}

QVariant ArchiveGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < m_columns.size() ? m_columns.at(section) : QVariant();
    return QString(); // the fixed column only marks the rows
}

Qt::ItemFlags ArchiveGridModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

const ArchiveGridModel::Row* ArchiveGridModel::rowAt(int row) const
{
    const int block = row / kBlockRows;
    if (!m_blocks.contains(block)) {
        try {
            loadBlock(block);
        } catch (const DbError&) {
            return nullptr; // the view shows an empty row; the next refresh reads again
        }
    }
    const QVector<Row>& rows = m_blocks[block];
    const int offset = row % kBlockRows;
    return offset < rows.size() ? &rows.at(offset) : nullptr;
}

void ArchiveGridModel::loadBlock(int block) const
{
    const int first = block * kBlockRows;
    const int count = std::min(kBlockRows, static_cast<int>(m_keys.size()) - first);
    const QHash<qint64, Row> byKey =
        Recordset::readRows(*m_db, QStringLiteral("giudizi"), m_columns, m_keys.mid(first, count));
    QVector<Row> rows(count);
    for (int i = 0; i < count; ++i)
        rows[i] = byKey.value(m_keys.at(first + i), Row(m_columns.size()));

    if (m_blockOrder.size() >= kCachedBlocks)
        m_blocks.remove(m_blockOrder.takeFirst());
    m_blocks.insert(block, rows);
    m_blockOrder.append(block);
}

} // namespace giudizi

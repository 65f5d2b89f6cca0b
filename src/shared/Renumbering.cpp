#include "shared/Renumbering.h"

#include <algorithm>

namespace giudizi {

QList<int> Riordina(QVector<NumberedRow>& rows, int k, QString text)
{
    QList<int> changed;
    const int count = static_cast<int>(rows.size());
    for (int pass = 1;; ++pass) {
        bool moved = false;
        for (int j = 0; j < count; ++j) {
            NumberedRow& row = rows[j];
            if (row.ordine == k && row.text != text) {
                row.ordine = j + 1;
                if (!changed.contains(j))
                    changed.append(j);
                k = j + 1;
                text = row.text;
                moved = true;
            }
        }
        // A pass that moved nothing leaves the next one nothing to move
        // either: stopping there gives the same numbers, and always ends.
        if (!moved || pass >= count - k - 1)
            break;
    }
    return changed;
}

QList<int> RiordinaElimina(QVector<NumberedRow>& rows)
{
    QList<int> changed;
    for (int j = 0; j < rows.size(); ++j) {
        if (rows.at(j).ordine != j) {
            rows[j].ordine = j;
            changed.append(j);
        }
    }
    return changed;
}

} // namespace giudizi

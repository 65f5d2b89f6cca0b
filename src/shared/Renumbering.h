#pragma once

#include <QList>
#include <QString>
#include <QVector>

namespace giudizi {

// A descriptor as the renumbering passes see it: its display number and text.
struct NumberedRow {
    int ordine = 0;
    QString text;
};

// After a save of number `k` and text `text` (Riordina): rows are visited in
// working-set order, position j from 0; a row numbered k whose text differs
// receives j + 1, and k and the text follow it. Passes repeat, at least one,
// until their count reaches N - k - 1. Returns the rows whose number changed.
QList<int> Riordina(QVector<NumberedRow>& rows, int k, QString text);

// After a deletion (RiordinaElimina): the rows, in ascending number, are
// numbered 0, 1, 2, ... Returns the rows whose number changed.
QList<int> RiordinaElimina(QVector<NumberedRow>& rows);

} // namespace giudizi

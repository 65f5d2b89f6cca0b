#pragma once

#include "shared/PlainTextLayout.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

namespace giudizi {

// The printed grids of the descriptor catalogues, as lines of text.

// One term of the flexible catalogues: the title, then the four areas' phrases
// numbered from 0 in their order, two empty lines between areas and a new page
// before the third.
QList<TextLine> flexibleGridLines(const QString& title, const QList<QStringList>& areas);

// A row of a rigid catalogue, in the order of aspect and number.
struct RigidGridRow {
    int ordine = 0;
    QString indicatore;
    QString area;
    QString inizio;
};
// A whole rigid catalogue: "Griglia " and the subtitle, each aspect's title
// and opening words, each descriptor with its number; one longer than 122
// characters is cut there and goes on, indented, on a second line. The line
// counter of the old printout forces a new page where it lands on 66 or 132.
QList<TextLine> rigidGridLines(const QString& subtitle, const QVector<RigidGridRow>& rows);

} // namespace giudizi

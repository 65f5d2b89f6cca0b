#pragma once

#include "data/ArchiveRow.h"

#include <QList>
#include <QStringList>

namespace giudizi {

class Recordset;

// The pupils of a whole-class print job, read from a result set in its
// order, and the rows left out of it.
struct ClassRoll {
    struct Pupil {
        qint64 key = 0;
        ShownJudgment row;
    };
    QList<Pupil> pupils;     // rows of the level with a judgment
    QStringList withoutText; // names of rows without a judgment
    int otherLevel = 0;      // rows of the other school level
    int deleted = 0;         // rows deleted meanwhile

    // The Italian closing lines about the rows left out (none when none was).
    QStringList leftOutLines() const;
};

// Reads every row of `rows` (the cursor is put back where it stood). A row
// belongs to `level` ("Medie" or "Elementari") unless its scuola names the
// other one.
ClassRoll readClassRoll(Recordset& rows, const QString& level);

} // namespace giudizi

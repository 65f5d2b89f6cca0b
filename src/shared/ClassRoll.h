#pragma once

#include "shared/PrintJob.h"

#include <QList>
#include <QStringList>

namespace giudizi {

class Recordset;

// The pupils of a whole-class print job, read from a result set in its
// order, and the rows left out of it.
struct ClassRoll {
    struct Pupil {
        qint64 key = 0;
        QString name;
        QString judgment;
    };
    QList<Pupil> pupils;     // rows of the level with a judgment
    QStringList withoutText; // names of rows without a judgment
    int otherLevel = 0;      // rows of the other school level
    int deleted = 0;         // rows deleted meanwhile
    PupilRef classOf;        // class, section, year and term of the first pupil

    // The Italian closing lines about the rows left out (none when none was).
    QStringList leftOutLines() const;
    // What the teacher is told when `what` ("schede") of every pupil printed.
    QString doneMessage(const QString& what) const;
    // What the teacher is told when the job stopped at pupil `index`.
    QString stoppedMessage(int index, const QString& reason) const;
};

// Reads every row of `rows`, a batch at a time, without moving its cursor. A
// row belongs to `level` ("Medie" or "Elementari") unless its scuola names
// the other one.
ClassRoll readClassRoll(const Recordset& rows, const QString& level);

} // namespace giudizi

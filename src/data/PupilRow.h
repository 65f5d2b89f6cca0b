#pragma once

#include <QString>
#include <memory>
#include <optional>

namespace giudizi {

class Database;
class Recordset;

// The identity columns data entry writes into a giudizi row.
struct PupilData {
    QString nome; // as stored: upper-cased and trimmed
    QString sex;
    QString scuola;
    int classe = 0;
    QString sezione;
    QString anno;
    QString seclinstra;
    int quadrimestre = 0;
    QString nomeopz1;
    QString nomeopz2;
};

// A pupil's name as the archive stores and searches it: upper-cased, trimmed.
QString storedPupilName(const QString& typed);

// The rows of the same pupil, section, class, year and term.
std::shared_ptr<Recordset> findSamePupil(const std::shared_ptr<Database>& archive,
                                         const PupilData& pupil);
// Writes the ten identity columns into the current row of `rows`.
void writePupilRow(Recordset& rows, const PupilData& pupil);
// Adds an empty row to `rows`, moves onto it and writes the pupil into it, all
// in one transaction: a failure leaves the archive as it was.
void addPupilRow(Recordset& rows, const PupilData& pupil);
// The duplicate check of data entry and the insert as one step: when the
// archive has no row of the same pupil and term, adds one as addPupilRow()
// does and returns null; otherwise adds nothing and returns those rows. Two
// programs entering the same pupil at once take turns on a lock of the key,
// so the second one finds the first one's row.
std::shared_ptr<Recordset> addPupilUnlessPresent(Recordset& rows, const PupilData& pupil);
// The name of that lock (the duplicate check's key, its case folded).
QString pupilLockKey(const PupilData& pupil);

} // namespace giudizi

#pragma once

#include "shared/PrintJob.h"

#include <QString>
#include <optional>
#include <variant>

namespace giudizi {

class Recordset;

// A giudizi row as the archive screens show it: every column as text.
struct ShownJudgment {
    QString nome;
    QString classe;
    QString seclinstra;
    QString sezione;
    QString anno;
    QString quadrimestre;
    QString nomeopz1;
    QString nomeopz2;
    QString giudizio;
    std::optional<QString> scuola; // nothing when null: the caption keeps its text
};

// The current row of `rows`, column by column. A column that is null or
// cannot be read (the row was deleted meanwhile) stays empty.
ShownJudgment readShownJudgment(const Recordset& rows);

// The pupil of a row, as a printout or a file is named after it; from the
// current row of `rows`, empty columns when it cannot be read.
PupilRef pupilRefOf(const ShownJudgment& row);
PupilRef pupilRefOf(const Recordset& rows);

// A correction typed into the row display, as it is written back.
struct JudgmentCorrection {
    QString giudizio;
    QString nome; // upper-cased and trimmed
    int classe = 0;
    int quadrimestre = 0;
    QString sezione;
    QString anno;
    std::optional<QString> seclinstra; // Media only
    QString nomeopz1;
    QString nomeopz2;
};

enum class CorrectionProblem { EmptyText, ClassNotNumber, TermNotNumber };

// What `typed` becomes in the archive, or why it cannot be stored.
std::variant<JudgmentCorrection, CorrectionProblem> correctionOf(const ShownJudgment& typed,
                                                                 bool media);
// Writes the correction into the current row of `rows` (one statement);
// throws DbError (MissingRowError when the row is gone). With `expected` a
// row version (see Recordset::version()), nothing is written when a colleague
// changed the row since (ConflictError); -1 writes in any case.
void writeCorrection(Recordset& rows, const JudgmentCorrection& correction,
                     qint64 expected = -1 /* Recordset::kNoCheck */);

} // namespace giudizi

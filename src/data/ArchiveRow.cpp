#include "data/ArchiveRow.h"

#include "data/DbError.h"
#include "data/PupilRow.h"
#include "data/Recordset.h"
#include "shared/TypedNumbers.h"

namespace giudizi {

namespace {
QString readText(const Recordset& rows, const QString& column)
{
    try {
        return rows.text(column);
    } catch (const DbError&) {
        return QString();
    }
}
} // namespace

ShownJudgment readShownJudgment(const Recordset& rows)
{
    ShownJudgment shown;
    shown.giudizio = readText(rows, QStringLiteral("giudizio"));
    shown.nome = readText(rows, QStringLiteral("nome"));
    shown.classe = readText(rows, QStringLiteral("classe"));
    shown.seclinstra = readText(rows, QStringLiteral("seclinstra"));
    shown.sezione = readText(rows, QStringLiteral("sezione"));
    shown.anno = readText(rows, QStringLiteral("anno"));
    shown.quadrimestre = readText(rows, QStringLiteral("quadrimestre"));
    shown.nomeopz1 = readText(rows, QStringLiteral("nomeopz1"));
    shown.nomeopz2 = readText(rows, QStringLiteral("nomeopz2"));
    try {
        if (!rows.isNull(QStringLiteral("scuola")))
            shown.scuola = rows.text(QStringLiteral("scuola"));
    } catch (const DbError&) {
    }
    return shown;
}

std::variant<JudgmentCorrection, CorrectionProblem> correctionOf(const ShownJudgment& typed,
                                                                 bool media)
{
    if (typed.giudizio.isEmpty())
        return CorrectionProblem::EmptyText;
    const auto classe = parseClassOrTerm(typed.classe);
    if (!classe)
        return CorrectionProblem::ClassNotNumber;
    const auto term = parseClassOrTerm(typed.quadrimestre);
    if (!term)
        return CorrectionProblem::TermNotNumber;
    JudgmentCorrection c;
    c.giudizio = typed.giudizio;
    c.nome = storedPupilName(typed.nome);
    c.classe = *classe;
    c.quadrimestre = *term;
    c.sezione = typed.sezione.trimmed();
    c.anno = typed.anno.trimmed();
    if (media)
        c.seclinstra = typed.seclinstra.trimmed();
    c.nomeopz1 = typed.nomeopz1.trimmed();
    c.nomeopz2 = typed.nomeopz2.trimmed();
    return c;
}

void writeCorrection(Recordset& rows, const JudgmentCorrection& c, qint64 expected)
{
    rows.editExpecting(expected);
    rows.setField(QStringLiteral("giudizio"), c.giudizio);
    rows.setField(QStringLiteral("nome"), c.nome);
    rows.setField(QStringLiteral("classe"), c.classe);
    rows.setField(QStringLiteral("quadrimestre"), c.quadrimestre);
    rows.setField(QStringLiteral("sezione"), c.sezione);
    rows.setField(QStringLiteral("anno"), c.anno);
    if (c.seclinstra)
        rows.setField(QStringLiteral("seclinstra"), *c.seclinstra);
    rows.setField(QStringLiteral("nomeopz1"), c.nomeopz1);
    rows.setField(QStringLiteral("nomeopz2"), c.nomeopz2);
    rows.update();
}

PupilRef pupilRefOf(const ShownJudgment& row)
{
    return PupilRef{row.nome, row.classe, row.sezione, row.anno, row.quadrimestre};
}

PupilRef pupilRefOf(const Recordset& rows)
{
    return PupilRef{
        readText(rows, QStringLiteral("nome")), readText(rows, QStringLiteral("classe")),
        readText(rows, QStringLiteral("sezione")), readText(rows, QStringLiteral("anno")),
        readText(rows, QStringLiteral("quadrimestre"))};
}

} // namespace giudizi

#include "data/PupilRow.h"

#include "data/Database.h"
#include "data/Recordset.h"

namespace giudizi {

std::optional<int> parseClassOrTerm(const QString& text)
{
    bool ok = false;
    const QString trimmed = text.trimmed();
    const int value = trimmed.toInt(&ok);
    if (!ok || trimmed.startsWith(QLatin1Char('+')) || trimmed.startsWith(QLatin1Char('-')) ||
        value < 1 || value > 32767)
        return std::nullopt;
    return value;
}

std::shared_ptr<Recordset> findSamePupil(const std::shared_ptr<Database>& archive,
                                         const PupilData& pupil)
{
    return Recordset::open(
        archive, QStringLiteral("giudizi"),
        // Text compares without regard to case, as the archive always has.
        QStringLiteral("nome = ? COLLATE NOCASE AND sezione = ? COLLATE NOCASE AND classe = ? AND "
                       "anno = ? COLLATE NOCASE AND quadrimestre = ?"),
        {pupil.nome, pupil.sezione, pupil.classe, pupil.anno, pupil.quadrimestre}, QString());
}

void writePupilRow(Recordset& rows, const PupilData& pupil)
{
    rows.edit();
    rows.setField(QStringLiteral("nome"), pupil.nome);
    rows.setField(QStringLiteral("sex"), pupil.sex);
    rows.setField(QStringLiteral("scuola"), pupil.scuola);
    rows.setField(QStringLiteral("classe"), pupil.classe);
    rows.setField(QStringLiteral("sezione"), pupil.sezione);
    rows.setField(QStringLiteral("anno"), pupil.anno);
    rows.setField(QStringLiteral("seclinstra"), pupil.seclinstra);
    rows.setField(QStringLiteral("quadrimestre"), pupil.quadrimestre);
    rows.setField(QStringLiteral("nomeopz1"), pupil.nomeopz1);
    rows.setField(QStringLiteral("nomeopz2"), pupil.nomeopz2);
    rows.update();
}

void addPupilRow(Recordset& rows, const PupilData& pupil)
{
    const Recordset::Bookmark previous = rows.hasCurrentRow() ? rows.bookmark() : -1;
    Database::Transaction transaction(*rows.database());
    rows.addNew();
    rows.update();
    const Recordset::Bookmark added = rows.lastModified();
    try {
        rows.setBookmark(added);
        writePupilRow(rows, pupil);
        transaction.commit();
    } catch (...) {
        // The row is gone with the rollback: the cursor must not show it.
        rows.cancel();
        rows.forget(added);
        if (previous >= 0)
            rows.setBookmark(previous);
        throw;
    }
}

} // namespace giudizi

#include "data/PupilRow.h"

#include "data/ArchiveSearch.h"
#include "data/Database.h"
#include "data/Recordset.h"

namespace giudizi {

QString storedPupilName(const QString& typed)
{
    return typed.toUpper().trimmed();
}

std::shared_ptr<Recordset> findSamePupil(const std::shared_ptr<Database>& archive,
                                         const PupilData& pupil)
{
    return Recordset::open(
        archive, QStringLiteral("giudizi"), kSamePupil.where,
        {pupil.nome, pupil.sezione, pupil.classe, pupil.anno, pupil.quadrimestre},
        kSamePupil.orderBy);
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

QString pupilLockKey(const PupilData& pupil)
{
    return QStringList{QStringLiteral("giudizi"), pupil.nome.toUpper(),
                       pupil.sezione.toUpper(),   QString::number(pupil.classe),
                       pupil.anno.toUpper(),      QString::number(pupil.quadrimestre)}
        .join(QLatin1Char('|'));
}

namespace {

void addInTransaction(Recordset& rows, const PupilData& pupil, Database::Transaction& transaction)
{
    const Recordset::Bookmark previous = rows.hasCurrentRow() ? rows.bookmark() : -1;
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

} // namespace

void addPupilRow(Recordset& rows, const PupilData& pupil)
{
    Database::Transaction transaction(*rows.database());
    addInTransaction(rows, pupil, transaction);
}

std::shared_ptr<Recordset> addPupilUnlessPresent(Recordset& rows, const PupilData& pupil)
{
    const std::shared_ptr<Database> archive = rows.database();
    Database::Transaction transaction(*archive);
    archive->lockKey(pupilLockKey(pupil));
    auto same = findSamePupil(archive, pupil);
    if (!same->isEmpty())
        return same; // nothing written; the lock goes with the transaction
    addInTransaction(rows, pupil, transaction);
    return nullptr;
}

} // namespace giudizi

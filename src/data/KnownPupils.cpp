#include "data/KnownPupils.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "data/Query.h"

namespace giudizi {

namespace {

// Both walk giudizi_per_anno and elenco_per_classe; a name of an imported
// list keeps its sex (an empty one sorts first, so MAX takes it).
// (Each value is bound once per use, so the statements read alike on both engines.)
const QString kClassNames = QStringLiteral(
    "SELECT nome, MAX(sesso) FROM ("
    "SELECT nome, '' AS sesso FROM giudizi WHERE anno = ? COLLATE NOCASE AND classe = ? "
    "AND sezione = ? COLLATE NOCASE AND nome <> '' "
    "UNION ALL SELECT nome, sesso FROM elenco WHERE anno = ? COLLATE NOCASE AND classe = ? "
    "AND sezione = ? COLLATE NOCASE) AS nomi GROUP BY nome ORDER BY nome");
const QString kYearNames = QStringLiteral(
    "SELECT nome, MAX(sesso) FROM ("
    "SELECT nome, '' AS sesso FROM giudizi WHERE anno = ? COLLATE NOCASE AND nome <> '' "
    "UNION ALL SELECT nome, sesso FROM elenco WHERE anno = ? COLLATE NOCASE) AS nomi "
    "GROUP BY nome ORDER BY nome");

QList<KnownPupil> readNames(Database& archive, const QString& sql, const QVariantList& binds)
{
    QList<KnownPupil> pupils;
    Query names(archive, sql, binds);
    while (names.next())
        pupils.append({names.value(0).toString(), names.value(1).toString()});
    return pupils;
}

void run(Database& archive, const QString& sql, const QVariantList& binds)
{
    Query change(archive, sql, binds);
    change.next();
}

} // namespace

QList<KnownPupil> knownPupils(Database& archive, const ClassKey& key)
{
    QList<KnownPupil> pupils =
        readNames(archive, kClassNames,
                  {key.anno, key.classe, key.sezione, key.anno, key.classe, key.sezione});
    if (pupils.isEmpty())
        pupils = readNames(archive, kYearNames, {key.anno, key.anno});
    return pupils;
}

void replaceClassList(Database& archive, const ClassKey& key, const QList<KnownPupil>& pupils)
{
    archive.aboutToChange();
    Database::Transaction transaction(archive);
    run(archive,
        QStringLiteral("DELETE FROM elenco WHERE anno = ? COLLATE NOCASE AND classe = ? AND "
                       "sezione = ? COLLATE NOCASE"),
        {key.anno, key.classe, key.sezione});
    const QString insert = QStringLiteral(
        "INSERT INTO elenco (nome, classe, sezione, anno, sesso) VALUES (?, ?, ?, ?, ?)");
    for (const KnownPupil& pupil : pupils)
        run(archive, insert,
            {pupil.nome, key.classe, key.sezione, key.anno,
             pupil.sesso.isNull() ? QStringLiteral("") : pupil.sesso});
    transaction.commit();
}

} // namespace giudizi

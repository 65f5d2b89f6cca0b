#include "data/KnownPupils.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "data/SqliteStatement.h"

#include <QSqlError>
#include <QSqlQuery>

namespace giudizi {

namespace {

// Both walk giudizi_per_anno and elenco_per_classe; a name of an imported
// list keeps its sex (an empty one sorts first, so MAX takes it).
const QString kClassNames = QStringLiteral(
    "SELECT nome, MAX(sesso) FROM ("
    "SELECT nome, '' AS sesso FROM giudizi WHERE anno = ?1 COLLATE NOCASE AND classe = ?2 "
    "AND sezione = ?3 COLLATE NOCASE AND nome <> '' "
    "UNION ALL SELECT nome, sesso FROM elenco WHERE anno = ?1 COLLATE NOCASE AND classe = ?2 "
    "AND sezione = ?3 COLLATE NOCASE) GROUP BY nome ORDER BY nome");
const QString kYearNames = QStringLiteral(
    "SELECT nome, MAX(sesso) FROM ("
    "SELECT nome, '' AS sesso FROM giudizi WHERE anno = ?1 COLLATE NOCASE AND nome <> '' "
    "UNION ALL SELECT nome, sesso FROM elenco WHERE anno = ?1 COLLATE NOCASE) "
    "GROUP BY nome ORDER BY nome");

QList<KnownPupil> readNames(Database& archive, const QString& sql, const QVariantList& binds)
{
    QList<KnownPupil> pupils;
    SqliteStatement names(archive, sql, binds);
    while (names.next())
        pupils.append({names.value(0).toString(), names.value(1).toString()});
    return pupils;
}

QSqlQuery prepared(Database& archive, const QString& sql)
{
    QSqlQuery query(archive.handle());
    if (!query.prepare(sql))
        throw DbError::fromSqlError(query.lastError());
    return query;
}

void run(QSqlQuery& query, const QVariantList& binds)
{
    for (const QVariant& value : binds)
        query.addBindValue(value);
    if (!query.exec())
        throw DbError::fromSqlError(query.lastError());
}

} // namespace

QList<KnownPupil> knownPupils(Database& archive, const ClassKey& key)
{
    QList<KnownPupil> pupils = readNames(archive, kClassNames, {key.anno, key.classe, key.sezione});
    if (pupils.isEmpty())
        pupils = readNames(archive, kYearNames, {key.anno});
    return pupils;
}

void replaceClassList(Database& archive, const ClassKey& key, const QList<KnownPupil>& pupils)
{
    archive.aboutToChange();
    Database::Transaction transaction(archive);
    QSqlQuery remove = prepared(archive, QStringLiteral("DELETE FROM elenco WHERE anno = ? COLLATE "
                                                        "NOCASE AND classe = ? AND sezione = ? "
                                                        "COLLATE NOCASE"));
    run(remove, {key.anno, key.classe, key.sezione});
    QSqlQuery insert =
        prepared(archive, QStringLiteral("INSERT INTO elenco (nome, classe, sezione, "
                                         "anno, sesso) VALUES (?, ?, ?, ?, ?)"));
    for (const KnownPupil& pupil : pupils)
        run(insert, {pupil.nome, key.classe, key.sezione, key.anno,
                     pupil.sesso.isNull() ? QStringLiteral("") : pupil.sesso});
    transaction.commit();
}

} // namespace giudizi

#include "data/ArchiveSearch.h"

#include "data/PupilRow.h"
#include "data/Recordset.h"
#include "shared/TypedNumbers.h"

namespace giudizi {

namespace {
const QString kTable = QStringLiteral("giudizi");
} // namespace

const SearchShape kPupilSearch{QStringLiteral("nome = ? COLLATE NOCASE"),
                               QStringLiteral("sezione, classe, quadrimestre")};
const SearchShape kClassSearch{QStringLiteral("sezione = ? COLLATE NOCASE AND classe = ? AND "
                                              "anno = ? COLLATE NOCASE AND quadrimestre = ?"),
                               QStringLiteral("nome")};
const SearchShape kWholeArchive{QString(), QStringLiteral("sezione, classe, nome")};
const SearchShape kPanorama{QString(), QStringLiteral("classe, sezione, nome")};
const SearchShape kSamePupil{
    QStringLiteral("nome = ? COLLATE NOCASE AND sezione = ? COLLATE NOCASE "
                   "AND classe = ? AND anno = ? COLLATE NOCASE AND "
                   "quadrimestre = ?"),
    QString()};

const QString kChooseClass = QStringLiteral("Scegli la classe");
const QString kChooseSection = QStringLiteral("Scegli la sezione");
const QString kChooseYear = QStringLiteral("Scegli l'anno");
const QString kChooseTerm = QStringLiteral("Scegli il quadrimestre");

std::shared_ptr<Recordset> searchPupil(const std::shared_ptr<Database>& archive,
                                       const QString& typedName)
{
    return Recordset::open(archive, kTable, kPupilSearch.where, {storedPupilName(typedName)},
                           kPupilSearch.orderBy);
}

std::optional<ClassQuery> classQuery(const ClassChoice& choice)
{
    if (choice.classe == kChooseClass || choice.sezione.trimmed() == kChooseSection ||
        choice.anno.trimmed() == kChooseYear || choice.quadrimestre == kChooseTerm)
        return std::nullopt;
    ClassQuery query;
    query.classe = leadingNumber(choice.classe);
    query.sezione = choice.sezione.trimmed();
    query.anno = choice.anno.trimmed();
    query.quadrimestre = leadingNumber(choice.quadrimestre);
    return query;
}

std::shared_ptr<Recordset> searchClass(const std::shared_ptr<Database>& archive,
                                       const ClassQuery& query)
{
    return Recordset::open(archive, kTable, kClassSearch.where,
                           {query.sezione, query.classe, query.anno, query.quadrimestre},
                           kClassSearch.orderBy);
}

std::shared_ptr<Recordset> openWholeArchive(const std::shared_ptr<Database>& archive)
{
    return Recordset::open(archive, kTable, kWholeArchive.where, {}, kWholeArchive.orderBy);
}

} // namespace giudizi

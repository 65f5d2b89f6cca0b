#include "data/ArchiveSearch.h"

#include "data/Recordset.h"

namespace giudizi {

namespace {
const QString kTable = QStringLiteral("giudizi");
} // namespace

std::shared_ptr<Recordset> searchPupil(const std::shared_ptr<Database>& archive,
                                       const QString& typedName)
{
    return Recordset::open(archive, kTable, QStringLiteral("nome = ? COLLATE NOCASE"),
                           {typedName.toUpper().trimmed()},
                           QStringLiteral("sezione, classe, quadrimestre"));
}

int leadingNumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    int end = 0;
    if (end < trimmed.size() &&
        (trimmed.at(0) == QLatin1Char('-') || trimmed.at(0) == QLatin1Char('+')))
        ++end;
    while (end < trimmed.size() && trimmed.at(end).isDigit() && trimmed.at(end).unicode() < 128)
        ++end;
    bool ok = false;
    const int value = trimmed.left(end).toInt(&ok);
    return ok ? value : 0;
}

std::optional<ClassQuery> classQuery(const ClassChoice& choice)
{
    if (choice.classe == QLatin1String("Scegli la classe") ||
        choice.sezione.trimmed() == QLatin1String("Scegli la sezione") ||
        choice.anno.trimmed() == QLatin1String("Scegli l'anno") ||
        choice.quadrimestre == QLatin1String("Scegli il quadrimestre"))
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
    return Recordset::open(archive, kTable,
                           QStringLiteral("sezione = ? COLLATE NOCASE AND classe = ? AND "
                                          "anno = ? COLLATE NOCASE AND quadrimestre = ?"),
                           {query.sezione, query.classe, query.anno, query.quadrimestre},
                           QStringLiteral("nome"));
}

std::shared_ptr<Recordset> openWholeArchive(const std::shared_ptr<Database>& archive)
{
    return Recordset::open(archive, kTable, QString(), {}, QStringLiteral("sezione, classe, nome"));
}

} // namespace giudizi

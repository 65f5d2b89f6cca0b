#include "shared/ClassListImport.h"

#include "data/PupilRow.h"
#include "shared/CsvReader.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>

namespace giudizi {

namespace {

// The columns of the header, by what they hold; -1 when missing.
struct Columns {
    int surname = -1;
    int firstName = -1;
    int fullName = -1;
    int sex = -1;
    bool hasName() const { return fullName >= 0 || (surname >= 0 && firstName >= 0); }
};

Columns findColumns(const QStringList& header)
{
    Columns columns;
    for (int i = 0; i < header.size(); ++i) {
        const QString title = header.at(i).trimmed().toLower();
        if (title == QLatin1String("cognome"))
            columns.surname = i;
        else if (title == QLatin1String("nome"))
            columns.firstName = i;
        else if (title == QLatin1String("alunno") || title == QLatin1String("cognome e nome"))
            columns.fullName = i;
        else if (title == QLatin1String("sesso"))
            columns.sex = i;
    }
    return columns;
}

QString nameOf(const QStringList& fields, const Columns& columns)
{
    if (columns.surname >= 0 && columns.firstName >= 0)
        return storedPupilName(fields.at(columns.surname).trimmed() + QLatin1Char(' ') +
                               fields.at(columns.firstName).trimmed());
    return storedPupilName(fields.at(columns.fullName));
}

QString sexOf(const QStringList& fields, const Columns& columns)
{
    if (columns.sex < 0)
        return QString();
    const QString sex = fields.at(columns.sex).trimmed().toUpper();
    return sex == QLatin1String("M") || sex == QLatin1String("F") ? sex : QString();
}

bool isBlank(const QStringList& fields)
{
    for (const QString& field : fields)
        if (!field.trimmed().isEmpty())
            return false;
    return true;
}

ClassListFile failure(const QString& error)
{
    ClassListFile file;
    file.error = error;
    return file;
}

} // namespace

QString decodeClassListText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder windows("windows-1252");
    // Without the engine that knows it, Latin-1 differs only in 0x80-0x9F.
    if (!windows.isValid())
        return QString::fromLatin1(bytes);
    return windows.decode(bytes);
}

ClassListFile parseClassList(const QByteArray& bytes)
{
    const QString text = decodeClassListText(bytes);
    qsizetype headerEnd = 0;
    while (headerEnd < text.size() && text.at(headerEnd) != QLatin1Char('\n') &&
           text.at(headerEnd) != QLatin1Char('\r'))
        ++headerEnd;
    const QChar separator = detectSeparator(QStringView(text).left(headerEnd));
    const CsvContent split = splitCsv(text, separator);
    if (!split.ok())
        return failure(QStringLiteral("Riga %1: una virgoletta (\") apre un campo che non si "
                                      "chiude correttamente.")
                           .arg(split.errorLine));
    if (split.records.isEmpty() || isBlank(split.records.constFirst().fields))
        return failure(QStringLiteral("Riga 1: il file è vuoto o non ha l'intestazione delle "
                                      "colonne."));
    const QStringList& header = split.records.constFirst().fields;
    const Columns columns = findColumns(header);
    if (!columns.hasName())
        return failure(QStringLiteral("Riga 1: non trovo la colonna dei nomi. Servono le colonne "
                                      "«Cognome» e «Nome», oppure una colonna «Alunno» o "
                                      "«Cognome e nome»."));
    ClassListFile file;
    QSet<QString> seen;
    for (qsizetype r = 1; r < split.records.size(); ++r) {
        const CsvRecord& record = split.records.at(r);
        if (isBlank(record.fields))
            continue;
        if (record.fields.size() != header.size())
            return failure(QStringLiteral("Riga %1: il numero dei campi (%2) non è quello "
                                          "dell'intestazione (%3).")
                               .arg(record.line)
                               .arg(record.fields.size())
                               .arg(header.size()));
        const QString name = nameOf(record.fields, columns);
        if (name.isEmpty() || seen.contains(name))
            continue;
        seen.insert(name);
        file.pupils.append({name, sexOf(record.fields, columns)});
    }
    if (file.pupils.isEmpty())
        return failure(QStringLiteral("Il file non contiene nessun nome di alunno."));
    return file;
}

ClassListFile readClassList(const QString& path)
{
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError)
        return failure(QStringLiteral("Non riesco a leggere il file «%1»: %2")
                           .arg(QFileInfo(path).fileName(), file.errorString()));
    return parseClassList(bytes);
}

} // namespace giudizi

#include "shared/CatalogueFile.h"

#include "shared/Catalogues.h"
#include "shared/CsvReader.h"
#include "shared/CsvWriter.h"
#include "shared/Renumbering.h"

#include <QSaveFile>
#include <algorithm>
#include <optional>
#include <tuple>

namespace giudizi {

namespace {

constexpr int kAspects = 10;

CatalogueModel otherModel(CatalogueModel model)
{
    return model == CatalogueModel::Flexible ? CatalogueModel::Rigid : CatalogueModel::Flexible;
}

QString faultMessage(int line, const QString& text)
{
    return line > 0 ? QStringLiteral("Riga %1: %2").arg(line).arg(text) : text;
}

std::optional<int> wholeNumber(const QString& field)
{
    bool ok = false;
    const int value = field.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

std::optional<QString> tooLong(const QString& what, const QString& text)
{
    if (text.size() <= kMaxCatalogueText)
        return std::nullopt;
    return QStringLiteral("%1 è troppo lungo: %2 caratteri, al massimo %3.")
        .arg(what)
        .arg(text.size())
        .arg(kMaxCatalogueText);
}

// One data row of the file, checked: the entry, or what is wrong with it.
std::optional<QString> readRow(const CsvRecord& record, CatalogueModel model, CatalogueEntry& entry)
{
    const bool rigid = model == CatalogueModel::Rigid;
    const int expected = static_cast<int>(catalogueHeader(model).size());
    const QStringList& f = record.fields;
    const QString modelWord = f.value(0).trimmed();
    if (modelWord.compare(catalogueModelWord(otherModel(model)), Qt::CaseInsensitive) == 0)
        return QStringLiteral("è una riga di un catalogo del modello %1, non del modello %2.")
            .arg(catalogueModelWord(otherModel(model)), catalogueModelWord(model));
    if (f.size() != expected)
        return QStringLiteral("ci sono %1 campi invece di %2.").arg(f.size()).arg(expected);
    if (modelWord.compare(catalogueModelWord(model), Qt::CaseInsensitive) != 0)
        return QStringLiteral("il modello «%1» non esiste: qui va «%2».")
            .arg(modelWord, catalogueModelWord(model));

    const QStringList tables = catalogueTables(model);
    const auto table = std::find_if(tables.begin(), tables.end(), [&](const QString& name) {
        return name.compare(f.at(1).trimmed(), Qt::CaseInsensitive) == 0;
    });
    if (table == tables.end())
        return QStringLiteral("la tabella «%1» non è un catalogo del modello %2.")
            .arg(f.at(1), catalogueModelWord(model));
    entry.table = *table; // the program's own spelling, never the file's
    int column = 2;
    if (rigid) {
        const auto tipo = wholeNumber(f.at(column++));
        if (!tipo || *tipo < 1 || *tipo > kAspects)
            return QStringLiteral("l'aspetto «%1» non esiste: gli aspetti vanno da 1 a %2.")
                .arg(f.at(2))
                .arg(kAspects);
        entry.tipo = *tipo;
    }
    const auto ordine = wholeNumber(f.at(column));
    if (!ordine)
        return QStringLiteral("il numero d'ordine «%1» non è un numero intero.").arg(f.at(column));
    entry.ordine = *ordine;
    entry.text = f.at(column + 1);
    if (entry.text.trimmed().isEmpty())
        return QStringLiteral("il descrittore è vuoto.");
    if (auto fault = tooLong(QStringLiteral("il descrittore"), entry.text))
        return fault;
    if (rigid) {
        entry.area = f.at(column + 2);
        entry.inizio = f.at(column + 3);
        if (auto fault = tooLong(QStringLiteral("il titolo"), entry.area))
            return fault;
        if (auto fault = tooLong(QStringLiteral("l'inizio"), entry.inizio))
            return fault;
    }
    return std::nullopt;
}

// Sorts the rows into their lists (a table; rigid: an aspect of it) by
// number, the file's order among equal numbers, and numbers each list from 0.
void arrange(QVector<CatalogueEntry>& entries, CatalogueModel model)
{
    const QStringList tables = catalogueTables(model);
    const auto list = [&](const CatalogueEntry& e) {
        return std::make_pair(tables.indexOf(e.table), e.tipo);
    };
    std::stable_sort(
        entries.begin(), entries.end(), [&](const CatalogueEntry& a, const CatalogueEntry& b) {
            return std::make_tuple(list(a), a.ordine) < std::make_tuple(list(b), b.ordine);
        });
    for (int first = 0; first < entries.size();) {
        int end = first;
        QVector<NumberedRow> numbers;
        while (end < entries.size() && list(entries.at(end)) == list(entries.at(first))) {
            numbers.append({entries.at(end).ordine, entries.at(end).text});
            ++end;
        }
        RiordinaElimina(numbers);
        for (int i = first; i < end; ++i)
            entries[i].ordine = numbers.at(i - first).ordine;
        first = end;
    }
}

} // namespace

QString catalogueModelWord(CatalogueModel model)
{
    return model == CatalogueModel::Flexible ? QStringLiteral("flessibile")
                                             : QStringLiteral("rigido");
}

QStringList catalogueTables(CatalogueModel model)
{
    QStringList tables;
    if (model == CatalogueModel::Rigid) {
        // Group A (class 1) and group B (class 3), first term and the rest.
        for (int currentClass : {1, 3})
            for (int term : {1, 2})
                tables.append(rigidTable(currentClass, term));
        return tables;
    }
    for (int area = 0; area < 4; ++area)
        for (int term = 1; term <= 3; ++term)
            tables.append(flexibleTable(term, area));
    return tables;
}

QString catalogueFileName(CatalogueModel model)
{
    return model == CatalogueModel::Flexible ? QStringLiteral("Catalogo flessibile.csv")
                                             : QStringLiteral("Catalogo rigido.csv");
}

QStringList catalogueHeader(CatalogueModel model)
{
    if (model == CatalogueModel::Flexible)
        return {QStringLiteral("Modello"), QStringLiteral("Tabella"), QStringLiteral("Ordine"),
                QStringLiteral("Descrittore")};
    return {QStringLiteral("Modello"), QStringLiteral("Tabella"),     QStringLiteral("Aspetto"),
            QStringLiteral("Ordine"),  QStringLiteral("Descrittore"), QStringLiteral("Titolo"),
            QStringLiteral("Inizio")};
}

QStringList catalogueFields(CatalogueModel model, const CatalogueEntry& entry)
{
    if (model == CatalogueModel::Flexible)
        return {catalogueModelWord(model), entry.table, QString::number(entry.ordine), entry.text};
    return {catalogueModelWord(model),
            entry.table,
            QString::number(entry.tipo),
            QString::number(entry.ordine),
            entry.text,
            entry.area,
            entry.inizio};
}

bool writeCatalogueFile(const QString& path, CatalogueModel model,
                        const QVector<CatalogueEntry>& entries)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    CsvWriter csv(file);
    csv.writeRow(catalogueHeader(model));
    for (const CatalogueEntry& entry : entries)
        csv.writeRow(catalogueFields(model, entry));
    return csv.finish() && file.commit();
}

CatalogueReading readCatalogueFile(const QByteArray& bytes, CatalogueModel model)
{
    CatalogueReading reading;
    const CsvContent csv = readCsv(bytes);
    if (!csv.ok()) {
        reading.error = faultMessage(csv.errorLine, csv.error);
        return reading;
    }
    if (csv.records.isEmpty()) {
        reading.error = QStringLiteral("Il file è vuoto.");
        return reading;
    }
    const auto trimmed = [](QStringList fields) {
        for (QString& field : fields)
            field = field.trimmed();
        return fields;
    };
    const CsvRecord& header = csv.records.first();
    if (trimmed(header.fields) != catalogueHeader(model)) {
        const CatalogueModel other = otherModel(model);
        reading.error = faultMessage(
            header.line,
            trimmed(header.fields) == catalogueHeader(other)
                ? QStringLiteral("è un catalogo del modello %1, non del modello %2.")
                      .arg(catalogueModelWord(other), catalogueModelWord(model))
                : QStringLiteral("la prima riga di un catalogo del modello %1 è «%2».")
                      .arg(catalogueModelWord(model), catalogueHeader(model).join(';')));
        return reading;
    }
    for (int i = 1; i < csv.records.size(); ++i) {
        CatalogueEntry entry;
        if (auto fault = readRow(csv.records.at(i), model, entry)) {
            reading.error = faultMessage(csv.records.at(i).line, *fault);
            return reading;
        }
        reading.entries.append(entry);
    }
    if (reading.entries.isEmpty()) {
        reading.error = QStringLiteral("Il file non ha nessun descrittore.");
        return reading;
    }
    arrange(reading.entries, model);
    return reading;
}

} // namespace giudizi

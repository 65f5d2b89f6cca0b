#include "data/AttestatoData.h"

#include "data/Database.h"

#include "data/DbError.h"
#include "data/Recordset.h"

namespace giudizi {

namespace {
std::optional<QString> optionalText(const Recordset& row, const QString& column)
{
    if (row.isNull(column))
        return std::nullopt;
    return row.text(column);
}

// Edit, the columns, update: one statement.
template <class Fill> void writeRow(Recordset& row, Fill fill)
{
    row.edit();
    fill();
    row.update();
}
} // namespace

std::shared_ptr<Recordset> openSchoolRow(const std::shared_ptr<Database>& archive)
{
    auto school = Recordset::openTable(archive, QStringLiteral("scuola"));
    if (school->recordCount() == 0) {
        school->addNew();
        school->update();
    }
    school->moveFirst();
    return school;
}

SchoolData readSchoolData(const Recordset& school)
{
    SchoolData data;
    data.titolosc = optionalText(school, QStringLiteral("titolosc"));
    data.nomesc = optionalText(school, QStringLiteral("nomesc"));
    data.indirizzosc = optionalText(school, QStringLiteral("indirizzosc"));
    data.dirigentesc = optionalText(school, QStringLiteral("dirigentesc"));
    data.trimquad = optionalText(school, QStringLiteral("trimquad"));
    return data;
}

void storeSchoolField(Recordset& school, const QString& column, const QString& value)
{
    writeRow(school, [&] { school.setField(column, value); });
}

void storeSchoolData(Recordset& school, const SchoolData& data)
{
    writeRow(school, [&] {
        school.setField(QStringLiteral("titolosc"), data.titolosc.value_or(QString()));
        school.setField(QStringLiteral("nomesc"), data.nomesc.value_or(QString()));
        school.setField(QStringLiteral("indirizzosc"), data.indirizzosc.value_or(QString()));
        school.setField(QStringLiteral("dirigentesc"), data.dirigentesc.value_or(QString()));
        school.setField(QStringLiteral("trimquad"), data.trimquad.value_or(QString()));
    });
}

SchoolData editedSchoolData(const SchoolData& typed)
{
    const auto trimmed = [](const std::optional<QString>& value) {
        return value.value_or(QString()).trimmed();
    };
    SchoolData data;
    data.titolosc = trimmed(typed.titolosc).toUpper();
    data.nomesc = trimmed(typed.nomesc).toUpper();
    data.indirizzosc = trimmed(typed.indirizzosc);
    data.dirigentesc = trimmed(typed.dirigentesc);
    data.trimquad = trimmed(typed.trimquad).toUpper();
    return data;
}

std::shared_ptr<Recordset> openSheetRow(const std::shared_ptr<Database>& archive, qint64 key)
{
    auto row = Recordset::open(
        archive, QStringLiteral("giudizi"),
        archive->keyColumn(QStringLiteral("giudizi")) + QStringLiteral(" = ?"), {key}, QString());
    if (row->recordCount() == 0)
        throw MissingRowError();
    row->moveFirst();
    return row;
}

PupilOnSheet readPupilOnSheet(const Recordset& row)
{
    PupilOnSheet pupil;
    pupil.anno = row.text(QStringLiteral("anno"));
    pupil.quadrimestre = row.text(QStringLiteral("quadrimestre"));
    pupil.term = row.field(QStringLiteral("quadrimestre")).toInt();
    pupil.nome = row.text(QStringLiteral("nome"));
    pupil.classe = row.text(QStringLiteral("classe"));
    pupil.sezione = row.text(QStringLiteral("sezione"));
    pupil.giudizio = row.text(QStringLiteral("giudizio"));
    pupil.seclinstra = row.text(QStringLiteral("seclinstra"));
    pupil.nomeopz1 = row.text(QStringLiteral("nomeopz1")).trimmed();
    pupil.nomeopz2 = row.text(QStringLiteral("nomeopz2")).trimmed();
    return pupil;
}

QStringList markColumns(bool media)
{
    if (media)
        return {"ita", "sto", "geo", "ing", "ls2", "mat", "sci",
                "ete", "ear", "emu", "efi", "rel", "info"};
    return {"ita", "sto", "mat", "sci", "ing", "ear", "geo", "ete", "rel", "emu", "efi"};
}

SheetMarks readMarks(const Recordset& row, bool media)
{
    SheetMarks marks;
    for (const QString& column : markColumns(media))
        marks.boxes.append(row.text(column));
    marks.opz1 = row.text(QStringLiteral("opz1"));
    marks.opz2 = row.text(QStringLiteral("opz2"));
    return marks;
}

void writeMarks(Recordset& row, bool media, const SheetMarks& marks)
{
    const QStringList columns = markColumns(media);
    writeRow(row, [&] {
        for (int box = 0; box < columns.size(); ++box)
            row.setField(columns.at(box), marks.boxes.value(box));
        if (!marks.opz1.isEmpty())
            row.setField(QStringLiteral("opz1"), marks.opz1);
        if (!marks.opz2.isEmpty())
            row.setField(QStringLiteral("opz2"), marks.opz2);
    });
}

} // namespace giudizi

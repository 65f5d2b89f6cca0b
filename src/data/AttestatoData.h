#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

namespace giudizi {

class Database;
class Recordset;

// The school data of the attestato header: the first row of `scuola`. A
// field without value (null) is nothing; an empty text is a value.
struct SchoolData {
    std::optional<QString> titolosc;
    std::optional<QString> nomesc;
    std::optional<QString> indirizzosc;
    std::optional<QString> dirigentesc;
    std::optional<QString> trimquad;
};

// The scuola table, first row current (one is added when the table is empty).
std::shared_ptr<Recordset> openSchoolRow(const std::shared_ptr<Database>& archive);
SchoolData readSchoolData(const Recordset& school);
// Writes one field of the school row now (one statement).
void storeSchoolField(Recordset& school, const QString& column, const QString& value);
// Writes the five fields as the editor frame gives them (one statement).
void storeSchoolData(Recordset& school, const SchoolData& data);
// What the editor frame stores of what was typed: every field trimmed; title,
// name and division of the year also upper-cased.
SchoolData editedSchoolData(const SchoolData& typed);

// The row the attestato is for: a cursor of its own on exactly that row
// (`key` is its data); throws MissingRowError when it is gone.
std::shared_ptr<Recordset> openSheetRow(const std::shared_ptr<Database>& archive, qint64 key);

// What the sheet shows of the pupil's row.
struct PupilOnSheet {
    QString anno;
    QString quadrimestre;
    int term = 0;
    QString nome;
    QString classe;
    QString sezione;
    QString giudizio;
    QString seclinstra;
    QString nomeopz1; // trimmed
    QString nomeopz2;
};
PupilOnSheet readPupilOnSheet(const Recordset& row);

// The giudizi columns of the mark boxes, in box order: 13 for Media (ita ...
// info), 11 for Elementare (no ls2, no info).
QStringList markColumns(bool media);

// The marks of a row as a sheet shows them: one text per box (empty for a
// column without value), then opz1 and opz2.
struct SheetMarks {
    QStringList boxes;
    QString opz1;
    QString opz2;
};
SheetMarks readMarks(const Recordset& row, bool media);
// Writes every subject column from its box (an empty box writes an empty
// text) and opz1, opz2 only when their boxes are not empty; one statement.
void writeMarks(Recordset& row, bool media, const SheetMarks& marks);

} // namespace giudizi

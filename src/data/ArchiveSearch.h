#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <variant>

namespace giudizi {

class Database;
class Recordset;

// The searches of the archive screens. Every value is bound, so a name with
// an apostrophe ("D'ANGELO") is searched like any other. Text compares
// without regard to case, as the archive always has.

// The rows of one pupil, by section, class and term. `typedName` is taken as
// the teacher typed it: it is upper-cased and trimmed here.
std::shared_ptr<Recordset> searchPupil(const std::shared_ptr<Database>& archive,
                                       const QString& typedName);

// The four choices of a class search, as texts of the combo boxes.
struct ClassChoice {
    QString classe;
    QString sezione;
    QString anno;
    QString quadrimestre;
};
// A class search the screen may run: numbers and trimmed texts.
struct ClassQuery {
    int classe = 0;
    QString sezione;
    QString anno;
    int quadrimestre = 0;
};
// Nothing when a choice still shows its prompt ("Scegli la classe", ...).
std::optional<ClassQuery> classQuery(const ClassChoice& choice);
// The rows of a class, section, year and term, by name.
std::shared_ptr<Recordset> searchClass(const std::shared_ptr<Database>& archive,
                                       const ClassQuery& query);
// Every row, by section, class and name ("Vedo TUTTO").
std::shared_ptr<Recordset> openWholeArchive(const std::shared_ptr<Database>& archive);

// The number a text starts with, as the old Val() read it: "3" and " 3a" give
// 3, "" and "x" give 0.
int leadingNumber(const QString& text);

} // namespace giudizi

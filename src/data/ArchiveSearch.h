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

// Where and in what order each search reads the archive: the shapes the
// archive's indexes are made for.
struct SearchShape {
    QString where;
    QString orderBy;
};
extern const SearchShape kPupilSearch;
extern const SearchShape kClassSearch;
extern const SearchShape kWholeArchive;
// The panorama's order, and the duplicate check of data entry.
extern const SearchShape kPanorama;
extern const SearchShape kSamePupil;

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
// What the four boxes show until the teacher chooses.
extern const QString kChooseClass;
extern const QString kChooseSection;
extern const QString kChooseYear;
extern const QString kChooseTerm;
// Nothing when a choice still shows its prompt.
std::optional<ClassQuery> classQuery(const ClassChoice& choice);
// The rows of a class, section, year and term, by name.
std::shared_ptr<Recordset> searchClass(const std::shared_ptr<Database>& archive,
                                       const ClassQuery& query);
// Every row, by section, class and name ("Vedo TUTTO").
std::shared_ptr<Recordset> openWholeArchive(const std::shared_ptr<Database>& archive);

} // namespace giudizi

#pragma once

#include <QList>
#include <QString>

namespace giudizi {

class Database;

// The pupils the archive already knows for a class: from its judgments and
// from the class lists imported from the school's register (table elenco).

struct ClassKey {
    int classe = 0;
    QString sezione; // trimmed
    QString anno;    // trimmed
};

struct KnownPupil {
    QString nome;  // as stored
    QString sesso; // "M" or "F" from an imported list, else empty
};

// The distinct names of the class, section and year, in name order; those of
// the whole year when the class has none. Section and year compare without
// regard to case, as the searches do.
QList<KnownPupil> knownPupils(Database& archive, const ClassKey& key);

// Puts `pupils` in place of the class's imported list, in one transaction.
// Judgments are not touched. Throws DbError.
void replaceClassList(Database& archive, const ClassKey& key, const QList<KnownPupil>& pupils);

} // namespace giudizi

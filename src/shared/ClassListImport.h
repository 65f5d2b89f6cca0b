#pragma once

#include "data/KnownPupils.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace giudizi {

// A class list exported from the school's register (CSV or tab-separated
// text), read into the names the archive stores.

struct ClassListFile {
    // In file order, each name once, as the archive stores names (upper-cased,
    // trimmed); the sex "M", "F" or empty.
    QList<KnownPupil> pupils;
    QString error; // Italian, "Riga N: …" when a line is at fault
    bool ok() const { return error.isEmpty(); }
};

// The text of a file: UTF-8 (with or without its byte-order mark), or
// Windows-1252 when the bytes are not valid UTF-8.
QString decodeClassListText(const QByteArray& bytes);

// The pupils of a class list. The separator comes from the header line; the
// columns are found by their header (case and blanks aside): "Cognome" and
// "Nome", or one of "Alunno", "Cognome e nome"; "Sesso" (M/F) when present.
// Any broken line makes the whole file an error: no pupils are returned.
ClassListFile parseClassList(const QByteArray& bytes);

// The same from a file on disk.
ClassListFile readClassList(const QString& path);

} // namespace giudizi

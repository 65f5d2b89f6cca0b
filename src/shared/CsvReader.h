#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVector>

namespace giudizi {

// One row of a CSV file and the line of the file it starts on (from 1).
struct CsvRecord {
    int line = 0;
    QStringList fields;
};

// What a CSV file holds, or the first fault in it: `errorLine` is the line
// the faulty row starts on (0 when the fault is the whole file's).
struct CsvContent {
    QVector<CsvRecord> records;
    int errorLine = 0;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// The reading side of CsvWriter, and of the files spreadsheets and school
// registers save (RFC 4180): fields between `separator`s (a null separator
// reads each line as one field), rows ended by CR LF, LF or CR, fields
// between quotes holding separators, doubled quotes and line breaks. Blank
// lines are passed over. A quote that is never closed, or a quote that stands
// inside an unquoted field or after a closing one, is a fault.
CsvContent splitCsv(QStringView text, QChar separator);
// The same over ';', from text or from UTF-8 bytes (with or without a
// byte-order mark; other bytes are a fault).
CsvContent readCsv(QStringView text);
CsvContent readCsv(const QByteArray& bytes);

// The separator of a header line: the most frequent of ';', tab and ','
// outside quotes (';' first on a tie); null when it has none.
QChar detectSeparator(QStringView headerLine);

} // namespace giudizi

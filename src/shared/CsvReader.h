#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
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

// Reads the CSV files CsvWriter writes and the ones spreadsheets save:
// UTF-8 with or without a byte-order mark, ';' between fields, rows ended by
// CR LF, LF or CR, fields between quotes (RFC 4180) holding ';', doubled
// quotes and line breaks. Blank lines are passed over. A quote that is never
// closed, or a quote that stands inside an unquoted field or after a closing
// one, is a fault.
CsvContent readCsv(const QByteArray& bytes);
CsvContent readCsv(QStringView text);

} // namespace giudizi

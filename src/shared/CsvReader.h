#pragma once

#include <QList>
#include <QStringList>
#include <QStringView>

namespace giudizi {

// The reading side of CsvWriter: records of a delimited text (RFC 4180).
// Fields stand between separators; a field between quotes may hold
// separators, line ends and doubled quotes (""). Records end at LF, CR LF or
// CR outside quotes.
struct CsvRecord {
    int line = 0; // the line of the text the record starts on, from 1
    QStringList fields;
};

struct CsvRecords {
    QList<CsvRecord> records;
    // The line where a field broke the rules (a quote never closed, text
    // after a closing quote); 0 when the whole text was read.
    int brokenLine = 0;
};

// A null `separator` reads each line as one field.
CsvRecords splitCsv(QStringView text, QChar separator);

// The separator of a header line: the most frequent of ';', tab and ','
// outside quotes (';' first on a tie); null when it has none.
QChar detectSeparator(QStringView headerLine);

} // namespace giudizi

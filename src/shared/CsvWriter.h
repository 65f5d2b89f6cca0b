#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QIODevice;

namespace giudizi {

// Writes a CSV file the way spreadsheets set up for Italian open it at once:
// UTF-8 with a byte-order mark, ';' between fields, CR LF after each row. A
// field holding ';', '"', CR or LF goes between quotes with its quotes
// doubled (RFC 4180), so a judgment of several lines stays one field.
// Output is buffered: call finish() before committing the device.
class CsvWriter {
public:
    explicit CsvWriter(QIODevice& out);
    CsvWriter(const CsvWriter&) = delete;
    CsvWriter& operator=(const CsvWriter&) = delete;

    void writeRow(const QStringList& fields);
    // The same a field at a time: fields, then endRow().
    void writeField(QStringView field);
    void endRow();
    // Sends what is buffered; false when the device refused any of it.
    bool finish();

private:
    void send();

    QIODevice& m_out;
    QString m_pending;
    bool m_rowStarted = false;
    bool m_ok = true;
};

// One field as it stands in the file: quoted only when it has to be.
QString csvField(QStringView field);

} // namespace giudizi

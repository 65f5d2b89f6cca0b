#include "shared/CsvWriter.h"

#include <QIODevice>

namespace giudizi {

namespace {
constexpr QChar kSeparator = QLatin1Char(';');
constexpr QChar kQuote = QLatin1Char('"');
// Enough text to make a write worth its call, small enough to stay in cache.
constexpr qsizetype kSendAt = 64 * 1024;

bool needsQuotes(QStringView field)
{
    for (const QChar c : field)
        if (c == kSeparator || c == kQuote || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            return true;
    return false;
}

void appendField(QString& out, QStringView field)
{
    if (!needsQuotes(field)) {
        out += field;
        return;
    }
    out += kQuote;
    for (const QChar c : field) {
        if (c == kQuote)
            out += kQuote;
        out += c;
    }
    out += kQuote;
}
} // namespace

QString csvField(QStringView field)
{
    QString out;
    appendField(out, field);
    return out;
}

CsvWriter::CsvWriter(QIODevice& out)
    : m_out(out)
{
    m_pending.reserve(kSendAt + 4096);
    m_pending += QChar(0xFEFF); // UTF-8 byte-order mark, once
}

void CsvWriter::writeRow(const QStringList& fields)
{
    for (const QString& field : fields)
        writeField(field);
    endRow();
}

void CsvWriter::writeField(QStringView field)
{
    if (m_rowStarted)
        m_pending += kSeparator;
    m_rowStarted = true;
    appendField(m_pending, field);
}

void CsvWriter::endRow()
{
    m_pending += QLatin1String("\r\n");
    m_rowStarted = false;
    if (m_pending.size() >= kSendAt)
        send();
}

void CsvWriter::send()
{
    if (m_pending.isEmpty())
        return;
    const QByteArray bytes = m_pending.toUtf8();
    if (m_ok && m_out.write(bytes) != bytes.size())
        m_ok = false;
    m_pending.resize(0); // keeps the room for the next rows
}

bool CsvWriter::finish()
{
    send();
    return m_ok;
}

} // namespace giudizi

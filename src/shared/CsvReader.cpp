#include "shared/CsvReader.h"

#include <QStringDecoder>

namespace giudizi {

namespace {
constexpr QChar kQuote = QLatin1Char('"');
constexpr QChar kCR = QLatin1Char('\r');
constexpr QChar kLF = QLatin1Char('\n');

// Walks the text once, a character at a time.
class Parser {
public:
    Parser(QStringView text, QChar separator)
        : m_text(text)
        , m_separator(separator)
    {
    }

    CsvContent run()
    {
        for (m_pos = 0; m_pos < m_text.size() && m_content.ok(); ++m_pos)
            step(m_text.at(m_pos));
        if (!m_content.ok())
            return m_content;
        if (m_inQuotes)
            return fault(m_recordLine, QStringLiteral("le virgolette aperte non si chiudono più."));
        endRecord();
        return m_content;
    }

private:
    QChar next() const { return m_pos + 1 < m_text.size() ? m_text.at(m_pos + 1) : QChar(); }

    // A CR LF pair is one line break; a lone CR or LF is one too.
    bool lineBreakAt(QChar c)
    {
        if (c == kLF)
            return true;
        return c == kCR && next() != kLF;
    }

    void step(QChar c)
    {
        if (m_inQuotes) {
            if (c == kQuote && next() == kQuote) {
                m_field += kQuote;
                ++m_pos;
            } else if (c == kQuote) {
                m_inQuotes = false;
                m_closed = true;
            } else {
                m_field += c;
                if (lineBreakAt(c))
                    ++m_line;
            }
            return;
        }
        if (!m_separator.isNull() && c == m_separator) {
            endField();
        } else if (c == kCR || c == kLF) {
            if (c == kCR && next() == kLF)
                ++m_pos;
            endRecord();
            ++m_line;
            m_recordLine = m_line;
        } else if (m_closed) {
            fault(m_line, QStringLiteral("dopo le virgolette di chiusura deve venire il "
                                         "separatore o la fine della riga."));
        } else if (c == kQuote && m_field.isEmpty()) {
            m_inQuotes = true;
            m_quoted = true;
        } else if (c == kQuote) {
            fault(m_line, QStringLiteral("un campo con le virgolette dentro va scritto tutto tra "
                                         "virgolette, con le virgolette raddoppiate."));
        } else {
            m_field += c;
        }
    }

    void endField()
    {
        m_fields.append(m_field);
        m_field.clear();
        m_quoted = false;
        m_closed = false;
    }

    void endRecord()
    {
        const bool blank = m_fields.isEmpty() && m_field.isEmpty() && !m_quoted;
        endField();
        if (!blank)
            m_content.records.append({m_recordLine, m_fields});
        m_fields.clear();
    }

    CsvContent fault(int line, const QString& text)
    {
        m_content.records.clear();
        m_content.errorLine = line;
        m_content.error = text;
        return m_content;
    }

    QStringView m_text;
    QChar m_separator;
    qsizetype m_pos = 0;
    int m_line = 1;
    int m_recordLine = 1;
    QStringList m_fields;
    QString m_field;
    bool m_inQuotes = false;
    bool m_quoted = false; // the field opened with a quote
    bool m_closed = false; // and its closing quote has come
    CsvContent m_content;
};
} // namespace

CsvContent splitCsv(QStringView text, QChar separator)
{
    if (text.startsWith(QChar(0xFEFF)))
        text = text.mid(1);
    return Parser(text, separator).run();
}

CsvContent readCsv(QStringView text)
{
    return splitCsv(text, QLatin1Char(';'));
}

CsvContent readCsv(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        CsvContent content;
        content.error = QStringLiteral("il file non è un testo UTF-8: salvalo come «CSV UTF-8» e "
                                       "riprova.");
        return content;
    }
    return readCsv(QStringView(text));
}

QChar detectSeparator(QStringView headerLine)
{
    const QChar candidates[] = {QLatin1Char(';'), QLatin1Char('\t'), QLatin1Char(',')};
    int counts[3] = {0, 0, 0};
    bool quoted = false;
    for (const QChar c : headerLine) {
        if (c == kQuote)
            quoted = !quoted;
        for (int k = 0; k < 3 && !quoted; ++k)
            if (c == candidates[k])
                ++counts[k];
    }
    int best = 0;
    for (int k = 1; k < 3; ++k)
        if (counts[k] > counts[best])
            best = k;
    return counts[best] > 0 ? candidates[best] : QChar();
}

} // namespace giudizi

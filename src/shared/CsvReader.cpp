#include "shared/CsvReader.h"

namespace giudizi {

namespace {
constexpr QChar kQuote = QLatin1Char('"');

bool isLineEnd(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

// Steps over one line end (CR LF counts as one) and counts it.
qsizetype skipLineEnd(QStringView text, qsizetype i, int& line)
{
    if (text.at(i) == QLatin1Char('\r') && i + 1 < text.size() &&
        text.at(i + 1) == QLatin1Char('\n'))
        ++i;
    ++line;
    return i + 1;
}
} // namespace

CsvRecords splitCsv(QStringView text, QChar separator)
{
    const auto isSeparator = [separator](QChar c) { return !separator.isNull() && c == separator; };
    CsvRecords result;
    int line = 1;
    qsizetype i = 0;
    while (i < text.size()) {
        CsvRecord record;
        record.line = line;
        for (;;) {
            QString field;
            if (i < text.size() && text.at(i) == kQuote) {
                const int opened = line;
                ++i;
                for (;;) {
                    if (i >= text.size()) {
                        result.brokenLine = opened;
                        return result;
                    }
                    const QChar c = text.at(i);
                    if (c == kQuote) {
                        if (i + 1 < text.size() && text.at(i + 1) == kQuote) {
                            field += kQuote;
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    if (isLineEnd(c)) {
                        const qsizetype next = skipLineEnd(text, i, line);
                        field += QLatin1Char('\n');
                        i = next;
                        continue;
                    }
                    field += c;
                    ++i;
                }
                // After the closing quote only a separator or the line end.
                if (i < text.size() && !isSeparator(text.at(i)) && !isLineEnd(text.at(i))) {
                    result.brokenLine = line;
                    return result;
                }
            } else {
                const qsizetype start = i;
                while (i < text.size() && !isSeparator(text.at(i)) && !isLineEnd(text.at(i)))
                    ++i;
                field = text.mid(start, i - start).toString();
            }
            record.fields.append(field);
            if (i < text.size() && isSeparator(text.at(i))) {
                ++i;
                continue;
            }
            break;
        }
        if (i < text.size())
            i = skipLineEnd(text, i, line);
        result.records.append(record);
    }
    return result;
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

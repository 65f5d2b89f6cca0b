#include "shared/PlainTextLayout.h"

#include <QHash>
#include <QRegularExpression>
#include <memory>
#include <optional>

namespace giudizi {

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ');
}

QString withoutTrailingBlanks(const QString& text)
{
    int end = static_cast<int>(text.size());
    while (end > 0 && isBlank(text.at(end - 1)))
        --end;
    return text.left(end);
}

// The longest start of `word` (at least one character, never half a
// surrogate pair) that fits after `lead` on a line narrower than `width`.
template <class Measure>
int fittingPrefix(const QString& lead, const QString& word, double width, Measure& measure)
{
    int low = 1;
    int high = static_cast<int>(word.size());
    while (low < high) { // widths grow with the prefix: binary search
        const int middle = (low + high + 1) / 2;
        if (measure(lead + word.left(middle)) < width)
            low = middle;
        else
            high = middle - 1;
    }
    if (low < word.size() && word.at(low - 1).isHighSurrogate())
        low = low > 1 ? low - 1 : low + 1;
    return low;
}

} // namespace

QString ParolaSeguente(const QString& paragraph, int start)
{
    if (start < 0 || start >= paragraph.size())
        return QString();
    int end = start;
    while (end < paragraph.size() && !isBlank(paragraph.at(end)))
        ++end;
    while (end < paragraph.size() && isBlank(paragraph.at(end)))
        ++end;
    return paragraph.mid(start, end - start);
}

QStringList paragraphsOf(const QString& text)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
    return text.split(lineEnd);
}

namespace {

// The measure with a memory: the widths of short texts (words come back
// again and again) and the kerning of pairs of characters.
class Widths {
public:
    explicit Widths(const TextMeasure& measure)
        : m_measure(measure)
    {
    }

    double operator()(const QString& text)
    {
        if (text.size() > 32)
            return m_measure(text);
        const auto known = m_widths.constFind(text);
        if (known != m_widths.constEnd())
            return *known;
        if (m_widths.size() > 100000)
            m_widths.clear();
        const double width = m_measure(text);
        m_widths.insert(text, width);
        return width;
    }

    // What `first` set after `last` adds beyond their two widths; nothing
    // where characters do not stand alone (halves of a pair, marks).
    std::optional<double> joint(QChar last, QChar first)
    {
        for (const QChar c : {last, first})
            if (c.isSurrogate() || c.isMark())
                return std::nullopt;
        const quint32 key = (quint32(last.unicode()) << 16) | first.unicode();
        const auto known = m_joints.constFind(key);
        if (known != m_joints.constEnd())
            return *known;
        const QString a(last);
        const QString b(first);
        const double joint = m_measure(a + b) - (*this)(a) - (*this)(b);
        m_joints.insert(key, joint);
        return joint;
    }

private:
    TextMeasure m_measure;
    QHash<QString, double> m_widths;
    QHash<quint32, double> m_joints;
};

// The line being filled. Its width is kept as the sum of its words' widths
// and of the kerning where each word meets the line, and only a line that
// ends near the margin is measured whole: long texts wrap fast, and no line
// passes the margin.
class LineFiller {
public:
    LineFiller(double width, Widths& measure, const QString& continuation)
        : m_width(width)
        , m_measure(measure)
        , m_continuation(continuation)
        , m_slack(std::max(width * 0.005, 0.0))
    {
    }

    // Whether `word` can join the line without its visible part reaching the
    // margin. Blanks are invisible: they always join.
    bool fits(const QString& word) const
    {
        const QString visible = withoutTrailingBlanks(word);
        if (visible.isEmpty())
            return true;
        const std::optional<double> meeting = joint(visible);
        if (!meeting)
            return m_measure(withoutTrailingBlanks(m_line + word)) < m_width;
        const double estimate = m_lineWidth + *meeting + m_measure(visible);
        if (estimate < m_width - m_slack)
            return true;
        if (estimate >= m_width + m_slack)
            return false;
        return m_measure(withoutTrailingBlanks(m_line + word)) < m_width;
    }
    void append(const QString& word)
    {
        const std::optional<double> meeting = joint(word);
        m_line += word;
        m_lineWidth = meeting ? m_lineWidth + *meeting + m_measure(word) : m_measure(m_line);
        m_hasWords = m_hasWords || !word.isEmpty();
    }
    // Ends the line; the next starts with the continuation indent.
    QString take()
    {
        QString line = m_line;
        m_line = m_continuation;
        m_lineWidth = m_continuation.isEmpty() ? 0 : m_measure(m_continuation);
        m_hasWords = false;
        return line;
    }
    const QString& line() const { return m_line; }
    bool hasWords() const { return m_hasWords; }

private:
    // What joining `word` to the line adds beyond the two widths: the kerning
    // of the line's last character with the word's first.
    std::optional<double> joint(const QString& word) const
    {
        if (m_line.isEmpty() || word.isEmpty())
            return 0.0;
        return m_measure.joint(m_line.back(), word.front());
    }

    double m_width;
    Widths& m_measure;
    QString m_continuation;
    double m_slack;
    QString m_line;
    double m_lineWidth = 0;
    bool m_hasWords = false;
};

} // namespace

namespace {
QStringList wrapWith(const QString& paragraph, double width, Widths& measure,
                     const QString& continuation = QString())
{
    QStringList lines;
    LineFiller filler(width, measure, continuation);
    int position = 0;
    do {
        QString word = ParolaSeguente(paragraph, position);
        position += static_cast<int>(word.size());
        if (filler.fits(word)) {
            filler.append(word);
            continue;
        }
        if (filler.hasWords())
            lines.append(filler.take());
        // A word wider than a whole line: broken at the margin.
        while (!filler.fits(word)) {
            const int cut = fittingPrefix(filler.line(), word, width, measure);
            QString piece = word.left(cut);
            word = word.mid(cut);
            if (withoutTrailingBlanks(word).isEmpty()) { // its blanks stay on its line
                piece += word;
                word.clear();
            }
            filler.append(piece);
            lines.append(filler.take());
            if (word.isEmpty())
                break;
        }
        filler.append(word);
    } while (position < paragraph.size());
    if (filler.hasWords() || lines.isEmpty())
        lines.append(filler.take());
    return lines;
}
} // namespace

QStringList wrapParagraph(const QString& paragraph, double width, const TextMeasure& measure,
                          const QString& continuation)
{
    Widths widths(measure);
    return wrapWith(paragraph, width, widths, continuation);
}

namespace {
// Whether a page holding `onPage` lines, the next one at `y`, takes no more.
bool pageFull(const TextFrame& frame, int onPage, double y)
{
    return (frame.maxLinesPerPage > 0 && onPage >= frame.maxLinesPerPage) ||
           y + frame.lineHeight > frame.bottom + 1e-9;
}
} // namespace

int printedLineCount(const QList<TextLine>& lines)
{
    int count = static_cast<int>(lines.size());
    while (count > 0 && lines.at(count - 1).text.trimmed().isEmpty())
        --count;
    return count;
}

int firstPageCapacity(const TextFrame& frame)
{
    // The same steps as paginate(), so the two never disagree at the edge.
    int onPage = 1; // every page takes one line
    double y = frame.firstPageTop + frame.lineHeight;
    while (frame.lineHeight > 0 && !pageFull(frame, onPage, y)) {
        ++onPage;
        y += frame.lineHeight;
    }
    return onPage;
}

QList<PlacedLine> paginate(const QList<TextLine>& lines, const TextFrame& frame)
{
    const int count = printedLineCount(lines);
    QList<PlacedLine> placed;
    int page = 0;
    int onPage = 0;
    double y = frame.firstPageTop;
    for (int i = 0; i < count; ++i) {
        const TextLine& line = lines.at(i);
        if (onPage > 0 && (pageFull(frame, onPage, y) || line.newPageBefore)) {
            ++page;
            onPage = 0;
            y = frame.top;
        }
        placed.append({page, y, line.text});
        y += frame.lineHeight;
        ++onPage;
    }
    return placed;
}

QList<TextLine> wrapText(const QString& text, double width, const TextMeasure& measure)
{
    Widths widths(measure);
    QList<TextLine> lines;
    for (const QString& paragraph : paragraphsOf(text))
        for (const QString& line : wrapWith(paragraph, width, widths))
            lines.append({line, false});
    return lines;
}

QList<TextLine> fitLines(const QList<TextLine>& lines, double width, const TextMeasure& measure)
{
    Widths widths(measure);
    QList<TextLine> fitted;
    for (const TextLine& line : lines) {
        const QStringList pieces = wrapWith(line.text, width, widths, line.continuation);
        for (int i = 0; i < pieces.size(); ++i)
            fitted.append({pieces.at(i), i == 0 && line.newPageBefore});
    }
    return fitted;
}

} // namespace giudizi

// The plain-text layout: every character of a paragraph is on exactly one of
// its lines, in order; no line is wider than the page but for a single
// character that alone does not fit; no line reaches below the bottom margin
// unless not even one line fits on a page; the paging ends; the first page
// holds what firstPageCapacity() says.
#include "FuzzInput.h"

#include "shared/PlainTextLayout.h"

#include <cstdlib>

using namespace giudizi;

namespace {
double measure(const QString& text)
{
    double width = 0;
    for (QChar c : text)
        width += c == QLatin1Char(' ') ? 0.7 : c.isUpper() ? 1.3 : 1.0;
    return width;
}

QString visible(QString text)
{
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    const double width = input.number(0, 400) / 4.0;
    const QString continuation = input.flag() ? QStringLiteral("   ") : QString();
    const QString text = input.text(3000);
    QList<TextLine> lines;
    for (const QString& paragraph : paragraphsOf(text)) {
        const QStringList wrapped = wrapParagraph(paragraph, width, measure, continuation);
        QString joined;
        for (int i = 0; i < wrapped.size(); ++i) {
            const QString& line = wrapped.at(i);
            const QString own = i == 0 ? line : line.mid(continuation.size());
            if (i > 0 && !line.startsWith(continuation))
                std::abort();
            joined += own;
            const QString shown = visible(line);
            const int ownCharacters = static_cast<int>(visible(own).size());
            if (measure(shown) >= width && ownCharacters > 1)
                std::abort();
            lines.append(TextLine(line, input.flag() && input.flag()));
        }
        if (joined != paragraph)
            std::abort();
    }
    TextFrame frame;
    frame.top = input.number(0, 50);
    frame.firstPageTop = frame.top + input.number(0, 30);
    frame.bottom = frame.top + input.number(0, 200);
    frame.lineHeight = input.number(1, 20);
    frame.maxLinesPerPage = input.number(0, 80);
    const QList<PlacedLine> placed = paginate(lines, frame);
    if (placed.size() > lines.size())
        std::abort();
    int onPage = 0;
    for (int i = 0; i < placed.size(); ++i) {
        const PlacedLine& line = placed.at(i);
        if (line.text != lines.at(i).text)
            std::abort();
        onPage = i > 0 && placed.at(i - 1).page == line.page ? onPage + 1 : 1;
        if (onPage > 1 && line.y + frame.lineHeight > frame.bottom + 1e-6)
            std::abort();
    }
    // The room known before printing is what paging gives the first page.
    const int room = firstPageCapacity(frame);
    QList<TextLine> unbroken;
    for (int i = 0; i <= room; ++i)
        unbroken.append(TextLine(QStringLiteral("x")));
    const QList<PlacedLine> first = paginate(unbroken, frame);
    if (first.at(room - 1).page != 0 || first.at(room).page != 1)
        std::abort();
    return 0;
}

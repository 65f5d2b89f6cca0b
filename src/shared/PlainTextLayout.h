#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace giudizi {

// Lays plain text into printed lines and pages: word wrap between two margins
// and paging by the printed height. No device here: widths come from a
// measuring function, all lengths in one unit (the printers use millimetres).
// The class list, the attestato, the guide and the catalogue grids all print
// through it.

// Printed width of a text.
using TextMeasure = std::function<double(const QString&)>;

// The next word of `paragraph` from `start` (0-based): the characters up to
// the first blank, followed by the run of blanks after them. Blanks at the
// start position are a word of their own. Empty past the end.
QString ParolaSeguente(const QString& paragraph, int start);

// The paragraphs of a text: split at every line end (CR LF, LF or CR).
QStringList paragraphsOf(const QString& text);

// The printed lines of one paragraph, at most `width` wide: words are joined
// while the line stays narrower than `width`; a word wider than a whole line
// is broken at the margin. Blanks at the end of a word stay at the end of its
// line and do not count as overflowing. `continuation` starts every line
// after the first (an indent). An empty paragraph is one empty line.
QStringList wrapParagraph(const QString& paragraph, double width, const TextMeasure& measure,
                          const QString& continuation = QString());

// One line to be placed on the pages.
struct TextLine {
    TextLine(QString text = QString(), bool newPageBefore = false, QString continuation = QString())
        : text(std::move(text))
        , newPageBefore(newPageBefore)
        , continuation(std::move(continuation))
    {
    }
    QString text;
    bool newPageBefore = false; // a page break the document asks for
    QString continuation;       // where it is too wide: the indent of what goes on
};

// Where lines may go on a page.
struct TextFrame {
    double top = 0;          // top of the first line of every page
    double firstPageTop = 0; // the first page may start lower (below a picture)
    double bottom = 0;       // no line may reach below this
    double lineHeight = 1;
    int maxLinesPerPage = 0; // 0: no limit but the height
};

struct PlacedLine {
    int page = 0; // from 0
    double y = 0; // top of the line
    QString text;
};

// Puts the lines on pages, top to bottom: a new page starts when the next
// line would reach below `bottom`, when a page holds `maxLinesPerPage` lines,
// or where a line asks for it. Every page takes at least one line, so paging
// always ends. Empty lines at the very end are dropped (no blank last page).
QList<PlacedLine> paginate(const QList<TextLine>& lines, const TextFrame& frame);
// How many lines paginate() puts on the first page when nothing asks for a break.
int firstPageCapacity(const TextFrame& frame);
// The lines that print: all but the empty ones at the very end.
int printedLineCount(const QList<TextLine>& lines);

// Paragraphs of `text` wrapped to `width`, one TextLine per printed line.
QList<TextLine> wrapText(const QString& text, double width, const TextMeasure& measure);
// Lines built by the caller, fitted to `width`: a line wider than that goes
// on on the next line after its continuation indent; a page break it asks
// for stays with its first piece.
QList<TextLine> fitLines(const QList<TextLine>& lines, double width, const TextMeasure& measure);

} // namespace giudizi

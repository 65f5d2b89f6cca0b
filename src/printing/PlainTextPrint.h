#pragma once

#include "printing/PrintOutcome.h"
#include "shared/PlainTextLayout.h"

#include <QImage>
#include <QPointF>
#include <QString>

namespace giudizi {

class PrinterDevice;

// How a plain text goes on paper. Lengths in millimetres from the edges of
// the printable area.
struct PlainTextPage {
    QString fontName = QStringLiteral("Arial");
    double fontSize = 10;
    double left = 15;
    double right = 20;
    double top = 20;
    double bottom = 30;
    int maxLinesPerPage = 0; // 0: paging by the printed height alone
    QImage picture;          // drawn once, on the first page, in its own size
    QPointF picturePosition;
};

// The plain-text printer: word wrap between the margins of `page`, paging by
// the printed height (no line below the bottom margin), lines drawn on the
// device. The device gives the widths, so what is laid out is what prints.
class PlainTextPrinter {
public:
    PlainTextPrinter(PrinterDevice& printer, const PlainTextPage& page);

    // The width a line may take and the measure of a text, for callers that
    // build and wrap their own lines.
    double printableWidth() const;
    TextMeasure measure() const;
    // Where lines go: under the picture on the first page when the top
    // margin would put them over it.
    TextFrame frame() const;
    // The lines `text` prints once wrapped, and how many the first page holds.
    int printedLineCount(const QString& text) const;
    int firstPageCapacity() const;

    // Wraps `text` (paragraphs at its line ends) and prints it as one job.
    PrintOutcome printText(const QString& text);
    // Prints lines already built, as one job.
    PrintOutcome printLines(const QList<TextLine>& lines);
    // Prints lines built by the caller, as one job; a line wider than the
    // page goes on on the next line, after its continuation indent.
    PrintOutcome printFittedLines(const QList<TextLine>& lines);

    // Draws the picture and the wrapped `text` from the current sheet of a
    // job already started, on new sheets as needed; the caller ends the job.
    PrintOutcome drawText(const QString& text);
    PrintOutcome drawLines(const QList<TextLine>& lines);

private:
    PrinterDevice& m_printer;
    PlainTextPage m_page;
};

} // namespace giudizi

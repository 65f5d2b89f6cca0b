#include "printing/PlainTextPrint.h"

#include "platform/PrinterDevice.h"

namespace giudizi {

namespace {
constexpr double kMillimetresPerInch = 25.4;
} // namespace

PlainTextPrinter::PlainTextPrinter(PrinterDevice& printer, const PlainTextPage& page)
    : m_printer(printer)
    , m_page(page)
{
    m_printer.setScaleMode(PrinterDevice::ScaleMode::Millimetres);
    m_printer.setFontName(page.fontName);
    m_printer.setFontSize(page.fontSize);
}

double PlainTextPrinter::printableWidth() const
{
    return m_printer.printableSize().width() - m_page.left - m_page.right;
}

TextMeasure PlainTextPrinter::measure() const
{
    return [&printer = m_printer](const QString& text) { return printer.textWidth(text); };
}

TextFrame PlainTextPrinter::frame() const
{
    TextFrame frame;
    frame.top = m_page.top;
    frame.firstPageTop = m_page.top;
    if (!m_page.picture.isNull()) {
        const double dotsPerMillimetre = m_page.picture.dotsPerMeterY() > 0
                                             ? m_page.picture.dotsPerMeterY() / 1000.0
                                             : 96.0 / kMillimetresPerInch;
        const double pictureBottom =
            m_page.picturePosition.y() + m_page.picture.height() / dotsPerMillimetre;
        frame.firstPageTop = std::max(m_page.top, pictureBottom);
    }
    frame.bottom = m_printer.printableSize().height() - m_page.bottom;
    frame.lineHeight = m_printer.textHeight();
    frame.maxLinesPerPage = m_page.maxLinesPerPage;
    return frame;
}

int PlainTextPrinter::printedLineCount(const QString& text) const
{
    return giudizi::printedLineCount(wrapText(text, printableWidth(), measure()));
}

int PlainTextPrinter::firstPageCapacity() const
{
    return giudizi::firstPageCapacity(frame());
}

PrintOutcome PlainTextPrinter::printText(const QString& text)
{
    return printLines(wrapText(text, printableWidth(), measure()));
}

PrintOutcome PlainTextPrinter::printFittedLines(const QList<TextLine>& lines)
{
    return printLines(fitLines(lines, printableWidth(), measure()));
}

PrintOutcome PlainTextPrinter::printLines(const QList<TextLine>& lines)
{
    if (!m_printer.isAvailable() || !m_printer.startDocument())
        return deviceFailure(m_printer);
    const PrintOutcome drawn = drawLines(lines);
    if (drawn != PrintOutcome::Printed)
        return drawn;
    return m_printer.endDocument() ? PrintOutcome::Printed : deviceFailure(m_printer);
}

PrintOutcome PlainTextPrinter::drawText(const QString& text)
{
    return drawLines(wrapText(text, printableWidth(), measure()));
}

PrintOutcome PlainTextPrinter::drawLines(const QList<TextLine>& lines)
{
    if (!m_printer.isPrinting())
        return deviceFailure(m_printer);
    if (!m_page.picture.isNull()) {
        m_printer.setCurrentX(m_page.picturePosition.x());
        m_printer.setCurrentY(m_page.picturePosition.y());
        m_printer.drawPicture(m_page.picture);
    }
    int page = 0;
    for (const PlacedLine& line : paginate(lines, frame())) {
        if (line.page != page) {
            if (!m_printer.newPage())
                return deviceFailure(m_printer);
            page = line.page;
        }
        m_printer.setCurrentX(m_page.left);
        m_printer.setCurrentY(line.y);
        if (!m_printer.printLine(line.text))
            return deviceFailure(m_printer);
    }
    return PrintOutcome::Printed;
}

} // namespace giudizi

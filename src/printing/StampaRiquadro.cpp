#include "printing/StampaRiquadro.h"

#include "platform/FormatRange.h"
#include "platform/PrinterDevice.h"
#include "printing/PrintPosition.h"

#include <QApplication>
#include <QTextDocument>
#include <QTextEdit>

namespace giudizi {

QRectF frameRect(const FrameMargins& margins, const QSizeF& paper, const QPointF& offset,
                 const QSizeF& printable)
{
    const QRectF frame(QPointF(margins.left - offset.x(), margins.top - offset.y()),
                       QPointF(paper.width() - margins.right - offset.x(),
                               paper.height() - margins.bottom - offset.y()));
    if (!frame.isValid())
        return QRectF();
    return frame.intersected(QRectF(QPointF(0, 0), printable));
}

namespace {

PrintOutcome tell(PrintOutcome outcome)
{
    reportPrintOutcome(QApplication::activeWindow(), outcome);
    return outcome;
}

// Ends a job cut short: what was printed stays a complete document.
PrintOutcome stop(PrinterDevice& printer, PrintOutcome outcome)
{
    printer.endDocument();
    return tell(outcome);
}

} // namespace

QRectF framePixels(PrinterDevice& printer, const FrameMargins& margins)
{
    printer.setScaleMode(PrinterDevice::ScaleMode::Twips);
    return printer.toPixels(
        frameRect(margins, printer.paperSize(), printer.physicalOffset(), printer.printableSize()));
}

bool fitsInFrame(const PrinterDevice& printer, const QString& text, const QFont& font,
                 const QRectF& frame)
{
    return !frame.isEmpty() && measureRange(printer.paintDevice(), text, 0, font, frame) > 0;
}

PrintOutcome drawInFrame(PrinterDevice& printer, const QString& text, const QFont& font,
                         const QRectF& frame)
{
    const int length = static_cast<int>(text.size());
    int start = 0;
    for (;;) {
        const int next = formatRange(*printer.painter(), text, start, font, frame);
        if (next >= length)
            return PrintOutcome::Printed;
        // Each page must take the text further, or the job would never end.
        if (next <= start || measureRange(printer.paintDevice(), text, next, font, frame) <= next)
            return PrintOutcome::FrameTooSmall;
        if (!printer.newPage())
            return deviceFailure(printer);
        start = next;
    }
}

PrintOutcome StampaRiquadro(QTextEdit* box, int left, double top, double right, double bottom,
                            PrinterDevice& printer)
{
    const QString text = box->toPlainText();
    const QFont font = box->document()->defaultFont();
    if (!printer.isAvailable())
        return tell(deviceFailure(printer));

    FrameMargins margins;
    margins.left = left;
    margins.top = top;
    margins.right = right;
    margins.bottom = bottom;
    const QRectF frame = framePixels(printer, margins);
    if (text.isEmpty())
        return PrintOutcome::Printed;
    // Checked before the job starts, so a hopeless frame costs no paper.
    if (!fitsInFrame(printer, text, font, frame))
        return tell(PrintOutcome::FrameTooSmall);

    if (!printer.startDocument())
        return tell(deviceFailure(printer));
    const PrintOutcome drawn = drawInFrame(printer, text, font, frame);
    if (drawn != PrintOutcome::Printed)
        return stop(printer, drawn);
    if (!printer.endDocument())
        return tell(deviceFailure(printer));
    return PrintOutcome::Printed;
}

} // namespace giudizi

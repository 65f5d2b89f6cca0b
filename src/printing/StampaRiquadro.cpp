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

PrintOutcome StampaRiquadro(QTextEdit* box, int left, double top, double right, double bottom)
{
    PrinterDevice printer;
    return StampaRiquadro(box, left, top, right, bottom, printer);
}

PrintOutcome StampaRiquadro(QTextEdit* box, int left, double top, double right, double bottom,
                            PrinterDevice& printer)
{
    const QString text = box->toPlainText();
    const QFont font = box->document()->defaultFont();
    if (!printer.isAvailable())
        return tell(PrintOutcome::PrinterFailure);
    printer.setScaleMode(PrinterDevice::ScaleMode::Twips);

    FrameMargins margins;
    margins.left = left;
    margins.top = top;
    margins.right = right;
    margins.bottom = bottom;
    const QRectF frame = printer.toPixels(
        frameRect(margins, printer.paperSize(), printer.physicalOffset(), printer.printableSize()));
    const int length = static_cast<int>(text.size());
    if (length == 0)
        return PrintOutcome::Printed;
    // Checked before the job starts, so a hopeless frame costs no paper.
    if (frame.isEmpty() || measureRange(printer.paintDevice(), text, 0, font, frame) == 0)
        return tell(PrintOutcome::FrameTooSmall);

    if (!printer.startDocument())
        return tell(PrintOutcome::PrinterFailure);
    int start = 0;
    for (;;) {
        const int next = formatRange(*printer.painter(), text, start, font, frame);
        if (next >= length)
            break;
        // Each page must take the text further, or the job would never end.
        if (next <= start || measureRange(printer.paintDevice(), text, next, font, frame) <= next)
            return stop(printer, PrintOutcome::FrameTooSmall);
        if (!printer.newPage())
            return stop(printer, PrintOutcome::PrinterFailure);
        start = next;
    }
    if (!printer.endDocument())
        return tell(PrintOutcome::PrinterFailure);
    return PrintOutcome::Printed;
}

} // namespace giudizi

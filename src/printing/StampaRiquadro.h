#pragma once

#include "printing/PrintOutcome.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QTextEdit;

namespace giudizi {

class PrinterDevice;
struct FrameMargins;

// The rectangle, relative to the printable area and in twips, that margins
// measured from the paper edges leave once the printer's unprintable strip
// (`offset`) is taken off. Clipped to the printable area: text in the strip
// would be lost. Empty when the margins leave no room.
QRectF frameRect(const FrameMargins& margins, const QSizeF& paper, const QPointF& offset,
                 const QSizeF& printable);

// Prints the plain text of `box`, in the box's font, into the frame the four
// margins (twips from the paper edges) leave, continuing on new pages in the
// same frame until all of it is printed. Reports problems itself: a printer
// that fails, or a frame in which not even one character fits (no pages are
// printed then, rather than endless empty ones).
PrintOutcome StampaRiquadro(QTextEdit* box, int left, double top, double right, double bottom);
PrintOutcome StampaRiquadro(QTextEdit* box, int left, double top, double right, double bottom,
                            PrinterDevice& printer);

} // namespace giudizi

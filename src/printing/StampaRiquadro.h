#pragma once

#include "printing/PrintOutcome.h"

#include <QFont>
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

// The frame of the four margins (twips from the paper edges) on `printer`,
// in device pixels; empty when they leave no room. Sets the twips scale.
QRectF framePixels(PrinterDevice& printer, const FrameMargins& margins);

// Whether at least the first character of `text` fits in `frame`.
bool fitsInFrame(const PrinterDevice& printer, const QString& text, const QFont& font,
                 const QRectF& frame);

// Draws `text` into `frame` on the job already started, continuing on new
// pages in the same frame until all of it is printed. FrameTooSmall when a
// page would take the text no further (rather than endless empty pages).
PrintOutcome drawInFrame(PrinterDevice& printer, const QString& text, const QFont& font,
                         const QRectF& frame);

// Prints the plain text of `box`, in the box's font, as one job into the
// frame the four margins leave. Reports problems itself: a printer that
// fails, or a frame in which not even one character fits (no pages are
// printed then).
PrintOutcome StampaRiquadro(QTextEdit* box, int left, double top, double right, double bottom,
                            PrinterDevice& printer);

} // namespace giudizi

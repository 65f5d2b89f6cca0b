#pragma once

#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;
class QPaintDevice;

namespace giudizi {

// Fills `rect` (device pixels of `painter`) with the characters of `text` from
// `start` on, in `font`, word-wrapped, keeping the teacher's line breaks, and
// returns the position of the first character that did not fit: text.size()
// when everything fits, `start` when not even one line does (too small a
// rectangle, or a character wider than it), so a caller's page loop can stop.
// A word wider than the rectangle is broken.
int formatRange(QPainter& painter, const QString& text, int start, const QFont& font,
                const QRectF& rect);

// The same layout on `device` without drawing: where the next range would start.
int measureRange(const QPaintDevice* device, const QString& text, int start, const QFont& font,
                 const QRectF& rect);

// How `text` sits in `rect` with that layout: the lines the whole text takes
// at the rectangle's width, and the lines the rectangle holds.
struct RangeFill {
    int lines = 0;
    int capacity = 0;
};
RangeFill measureFill(const QPaintDevice* device, const QString& text, const QFont& font,
                      const QRectF& rect);

} // namespace giudizi

#include "platform/FormatRange.h"

#include <QPainter>
#include <QTextLayout>
#include <QVector>

namespace giudizi {

namespace {

// Rounding slack, in device pixels, when a line exactly fills the rectangle.
constexpr double kSlack = 0.01;

// Length of the line break at `i`: 0 for none, 2 for "\r\n".
int breakLength(const QString& text, int i)
{
    if (i >= text.size())
        return 0;
    const QChar c = text.at(i);
    if (c == QLatin1Char('\r'))
        return i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n') ? 2 : 1;
    return c == QLatin1Char('\n') || c == QChar::ParagraphSeparator || c == QChar::LineSeparator
               ? 1
               : 0;
}

int layoutRange(QPainter* painter, const QPaintDevice* device, const QString& text, int start,
                const QFont& font, const QRectF& rect, int* lines = nullptr)
{
    const int length = static_cast<int>(text.size());
    start = qBound(0, start, length);
    if (start == length)
        return length;
    if (!(rect.width() > 0) || !(rect.height() > 0))
        return start;

    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // QTextLayout only reads metrics from the device.
    auto* metricsDevice = const_cast<QPaintDevice*>(device);
    double y = 0;
    int pos = start;
    while (pos < length) {
        int end = pos;
        while (end < length && breakLength(text, end) == 0)
            ++end;

        QTextLayout layout(text.mid(pos, end - pos), font, metricsDevice);
        layout.setTextOption(option);
        layout.beginLayout();
        QVector<QTextLine> placed;
        int leftOver = -1; // offset in the paragraph of the first character that did not fit
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(rect.width());
            // The engine puts at least one character on a line even when it is
            // wider than the rectangle: that character does not fit.
            const bool tooWide = line.naturalTextWidth() > rect.width() + kSlack;
            if (tooWide || y + line.height() > rect.height() + kSlack) {
                leftOver = line.textStart();
                break;
            }
            line.setPosition(QPointF(0, y));
            y += line.height();
            placed.append(line);
            if (lines)
                ++*lines;
        }
        layout.endLayout();
        if (painter) {
            for (const QTextLine& line : placed)
                line.draw(painter, rect.topLeft());
        }
        if (leftOver >= 0)
            return pos + leftOver;
        pos = end + breakLength(text, end);
    }
    return length;
}

} // namespace

int formatRange(QPainter& painter, const QString& text, int start, const QFont& font,
                const QRectF& rect)
{
    return layoutRange(&painter, painter.device(), text, start, font, rect);
}

int measureRange(const QPaintDevice* device, const QString& text, int start, const QFont& font,
                 const QRectF& rect)
{
    return layoutRange(nullptr, device, text, start, font, rect);
}

RangeFill measureFill(const QPaintDevice* device, const QString& text, const QFont& font,
                      const QRectF& rect)
{
    RangeFill fill;
    if (!(rect.width() > 0) || !(rect.height() > 0))
        return fill;
    // One line of the font, as the layout makes it, gives the rectangle's room.
    QTextLayout probe(QStringLiteral("X"), font, const_cast<QPaintDevice*>(device));
    probe.beginLayout();
    QTextLine line = probe.createLine();
    line.setLineWidth(rect.width());
    probe.endLayout();
    if (line.height() > 0)
        fill.capacity = static_cast<int>((rect.height() + kSlack) / line.height());
    // The whole text in a rectangle as tall as it needs.
    const QRectF unbounded(rect.topLeft(), QSizeF(rect.width(), 1e12));
    layoutRange(nullptr, device, text, 0, font, unbounded, &fill.lines);
    return fill;
}

} // namespace giudizi

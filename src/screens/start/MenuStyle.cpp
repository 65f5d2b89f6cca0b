#include "screens/start/MenuStyle.h"

#include "platform/ClickLabel.h"

#include <QPainter>
#include <QPainterPath>

namespace giudizi {

QPixmap menuEmblem(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    // Two pages of an open register.
    p.setPen(QPen(QColor(96, 0, 96), s / 60));
    p.setBrush(QColor(250, 245, 255));
    QPainterPath left, right;
    left.moveTo(s * 0.5, s * 0.3);
    left.cubicTo(s * 0.38, s * 0.22, s * 0.2, s * 0.22, s * 0.08, s * 0.28);
    left.lineTo(s * 0.08, s * 0.8);
    left.cubicTo(s * 0.2, s * 0.74, s * 0.38, s * 0.74, s * 0.5, s * 0.82);
    left.closeSubpath();
    right = left.translated(0, 0);
    QTransform mirror;
    mirror.translate(s, 0);
    mirror.scale(-1, 1);
    right = mirror.map(left);
    p.drawPath(left);
    p.drawPath(right);
    // Lines of text.
    p.setPen(QPen(QColor(192, 0, 192), s / 90));
    for (int i = 0; i < 6; ++i) {
        const qreal y = s * (0.36 + i * 0.07);
        p.drawLine(QPointF(s * 0.14, y), QPointF(s * 0.44, y));
        p.drawLine(QPointF(s * 0.56, y), QPointF(s * 0.86, y));
    }
    // A pen across the right page.
    p.setPen(QPen(QColor(60, 60, 60), s / 60));
    p.setBrush(QColor(128, 0, 128));
    QPolygonF pen;
    pen << QPointF(s * 0.62, s * 0.7) << QPointF(s * 0.9, s * 0.16) << QPointF(s * 0.95, s * 0.19)
        << QPointF(s * 0.67, s * 0.73) << QPointF(s * 0.6, s * 0.78);
    p.drawPolygon(pen);
    return pixmap;
}

void styleChoiceLabel(ClickLabel* label)
{
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumHeight(44);
    label->setStyleSheet(QStringLiteral(
        "QLabel { font-size: 13pt; font-weight: bold; color: #400040; background: #f4e6f4;"
        " border: 1px solid #c000c0; border-radius: 6px; padding: 6px; }"
        "QLabel:hover { background: #ead0ea; }"
        "QLabel:focus { border: 2px solid #800080; }"));
}

void styleMenuTile(ClickLabel* label, const QString& color)
{
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setMinimumSize(150, 64);
    label->setStyleSheet(QStringLiteral("QLabel { font-size: 12pt; font-weight: bold; color: white;"
                                        " background: %1; border-radius: 8px; padding: 8px; }"
                                        "QLabel:hover { border: 3px solid #ffe080; }"
                                        "QLabel:focus { border: 3px solid #ffe080; }"
                                        "QLabel:disabled { background: #b8b0b8; color: #eeeeee; }")
                             .arg(color));
}

} // namespace giudizi

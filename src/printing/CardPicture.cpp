#include "printing/CardPicture.h"

#include "printing/PrintPosition.h"

#include <QLabel>
#include <QPainter>
#include <cmath>

namespace giudizi {

namespace {
// A4 in paper twips, reduced as the outline is (25 on screen for 110 on paper).
constexpr double kPaperWidth = 11906;
constexpr double kPaperHeight = 16838;
constexpr double kReduction = kOutlineStep / kPrintStep;

int toPixels(double screenTwips)
{
    return static_cast<int>(std::lround(screenTwips / CardPicture::kTwipsPerPixel));
}
} // namespace

CardPicture::CardPicture(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("cardPicture"));
    setFixedSize(toPixels(kPaperWidth * kReduction), toPixels(kPaperHeight * kReduction));
    m_area = new QLabel(QStringLiteral("Area di stampa e posizione attuali"), this);
    m_area->setObjectName(QStringLiteral("AREAstampa"));
    m_area->setWordWrap(true);
    m_area->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_area->setStyleSheet(QStringLiteral("QLabel#AREAstampa { border: 2px solid #c00000; "
                                         "background: rgba(255, 230, 230, 160); color: #800000; "
                                         "font-size: 8pt; }"));
}

void CardPicture::setOutline(const Outline& outline)
{
    m_outline = outline;
    // The text's last line stays above the fixed bottom margin of the card.
    const double bottom = kTop + (kPaperHeight - kFrameBottomMargin) * kReduction;
    const int x = toPixels(outline.left - kLeft);
    const int y = toPixels(outline.top - kTop);
    const int w = std::max(1, toPixels(outline.width));
    const int h = std::max(6, toPixels(bottom - outline.top));
    m_area->setGeometry(x, y, w, h);
    m_area->setProperty("outlineLeft", outline.left);
    m_area->setProperty("outlineWidth", outline.width);
    m_area->setProperty("outlineTop", outline.top);
}

void CardPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect sheet = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(sheet, Qt::white);
    painter.setPen(QColor(120, 120, 120));
    painter.drawRect(sheet);
    // The pre-printed card: a heading, the judgment's frame and the signatures.
    painter.setPen(QColor(190, 190, 190));
    const int w = width();
    for (int i = 0; i < 3; ++i)
        painter.drawLine(w / 4, 10 + i * 5, w * 3 / 4, 10 + i * 5);
    const double frameTop = (kPaperHeight * 0.16) * kReduction / kTwipsPerPixel;
    const double frameBottom =
        (kPaperHeight - kFrameBottomMargin + 200) * kReduction / kTwipsPerPixel;
    painter.drawRect(QRectF(10, frameTop, w - 20, frameBottom - frameTop));
    const int signatures = static_cast<int>(frameBottom) + 12;
    painter.drawLine(12, signatures, w / 2 - 12, signatures);
    painter.drawLine(w / 2 + 12, signatures, w - 12, signatures);
}

} // namespace giudizi

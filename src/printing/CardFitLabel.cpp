#include "printing/CardFitLabel.h"

#include "platform/PrinterDevice.h"
#include "printing/CardPrint.h"

#include <QTextEdit>

namespace giudizi {

namespace {
// Typing pauses this long before the figures are worked out.
constexpr int kPauseMs = 300;
} // namespace

CardFitLabel::CardFitLabel(QTextEdit* box, std::function<int()> term, QWidget* parent)
    : QLabel(parent)
    , m_box(box)
    , m_term(std::move(term))
{
    setObjectName(QStringLiteral("LabSpazio"));
    m_pause.setSingleShot(true);
    m_pause.setInterval(kPauseMs);
    connect(&m_pause, &QTimer::timeout, this, &CardFitLabel::refresh);
    connect(box, &QTextEdit::textChanged, &m_pause, qOverload<>(&QTimer::start));
}

CardFitLabel::~CardFitLabel() = default;

void CardFitLabel::showEvent(QShowEvent* event)
{
    QLabel::showEvent(event);
    m_pause.start(); // the term or the margins may have changed meanwhile
}

void CardFitLabel::refresh()
{
    m_pause.stop();
    const std::optional<FrameSetting> frame = cardFrameToCome(m_term());
    if (!frame) {
        clear();
        return;
    }
    // The device of the card print, made once: the same metrics every time.
    if (!m_device)
        m_device = std::make_unique<PrinterDevice>();
    const CardFit fit = cardFit(*m_device, *frame, m_box->toPlainText());
    if (fit.fits()) {
        setText(QStringLiteral("Nel riquadro: %1 righe su %2").arg(fit.lines).arg(fit.capacity));
        setStyleSheet(QString());
    } else {
        setText(QStringLiteral("Non entra nel riquadro: %1 righe su %2, continua su un altro "
                               "foglio")
                    .arg(fit.lines)
                    .arg(fit.capacity));
        setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
    }
}

} // namespace giudizi

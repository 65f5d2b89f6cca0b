#include "screens/attestato/frmPrintText.h"

#include "platform/PrinterDevice.h"
#include "platform/ScreenRegistry.h"
#include "platform/Widgets.h"

#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextDocument>

namespace giudizi {

namespace {
constexpr int kDotsPerMetreAt72Dpi = 2835;
} // namespace

frmPrintText::frmPrintText()
    : Screen(QStringLiteral("Printing Plain Text"))
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 8, 8, 8);
    m_picture = makeLabel(QStringLiteral("Picture1"), QString(), this);
    m_picture->setPixmap(QPixmap::fromImage(emblem()));
    grid->addWidget(m_picture, 0, 0, Qt::AlignHCenter);
    m_text = new QPlainTextEdit(QStringLiteral("Text1"), this);
    m_text->setObjectName(QStringLiteral("TxtMain"));
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Lines wrap where the paper's do: 190 mm between the margins.
    m_text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_text->document()->setDocumentMargin(0);
    m_text->setFixedWidth(qRound(190 / 25.4 * logicalDpiX()) +
                          m_text->verticalScrollBar()->sizeHint().width() +
                          2 * m_text->frameWidth());
    grid->addWidget(m_text, 1, 0, Qt::AlignHCenter);
    auto* close =
        makeButton(QStringLiteral("Command1"), QStringLiteral("Chiudi Anteprima di stampa"), this);
    close->setDefault(true);
    grid->addWidget(close, 1, 1, Qt::AlignBottom);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(0, 1);
    connect(close, &QPushButton::clicked, this, &frmPrintText::Command1_Click);
    Form_Load();
}

void frmPrintText::Form_Load()
{
    fillScreen(this);
}

QImage frmPrintText::emblem()
{
    QImage image(QStringLiteral(":/attestato/emblema.png"));
    image.setDotsPerMeterX(kDotsPerMetreAt72Dpi);
    image.setDotsPerMeterY(kDotsPerMetreAt72Dpi);
    return image;
}

PlainTextPage frmPrintText::page() const
{
    PlainTextPage page;
    page.fontName = QStringLiteral("Arial");
    page.fontSize = m_fontSize;
    page.left = 10;
    page.right = 10;
    page.top = 20;
    page.bottom = 30;
    page.picture = emblem();
    page.picturePosition = QPointF(95, 8);
    return page;
}

void frmPrintText::setText(const QString& text, int points)
{
    m_fontSize = points;
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(points);
    m_text->setFont(font);
    m_text->setPlainText(text);
}

PrintOutcome frmPrintText::outputAttestato(AttestatoPage sheet, bool print, const PrintJob& job,
                                           QWidget* parent)
{
    m_fontSize = 12;
    // The page is fitted on the device it prints on.
    PrinterDevice printer(job);
    if (print && !printer.chooseDestination(parent))
        return PrintOutcome::Cancelled;
    {
        // Room for the page under the emblem: the fillers give way, so the
        // signature stays on the sheet.
        const PlainTextPrinter plain(printer, page());
        fitPage(
            sheet, [&plain](const QString& text) { return plain.printedLineCount(text); },
            plain.firstPageCapacity());
    }
    setText(sheet.text(), 12);
    if (print)
        return StampaTesto(printer);
    ScreenRegistry::open(QString::fromLatin1(Name));
    return PrintOutcome::Printed;
}

PrintOutcome frmPrintText::drawAttestato(AttestatoPage sheet, PrinterDevice& printer)
{
    m_fontSize = 12;
    PlainTextPrinter plain(printer, page());
    fitPage(
        sheet, [&plain](const QString& text) { return plain.printedLineCount(text); },
        plain.firstPageCapacity());
    setText(sheet.text(), 12);
    return plain.drawText(sheet.text());
}

PrintOutcome frmPrintText::CopiaHelp(const QString& guide, QWidget* parent)
{
    PrinterDevice printer(guideJob());
    if (!printer.chooseDestination(parent))
        return PrintOutcome::Cancelled;
    setText(guide, 10);
    return StampaTesto(printer);
}

PrintOutcome frmPrintText::StampaTesto(PrinterDevice& printer)
{
    PlainTextPrinter plain(printer, page());
    return plain.printText(m_text->toPlainText());
}

void frmPrintText::Command1_Click()
{
    hide();
}

} // namespace giudizi

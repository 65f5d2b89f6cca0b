#include "platform/PrinterDevice.h"

#include "platform/Environment.h"
#include "platform/MessageBox.h"
#include "platform/PrintDestination.h"
#include "platform/SaveFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>

#include <cstdio>

namespace giudizi {

namespace {
constexpr double kTwipsPerInch = 1440.0;
constexpr double kMillimetresPerInch = 25.4;
// Pictures that do not say their resolution are taken as screen pictures.
constexpr double kDefaultPictureDpi = 96.0;

const QString kNoPrinterQuestion =
    QStringLiteral("Su questo computer non c'è nessuna stampante. Salvo la stampa in un file PDF?");

// PDF output: A4 without unprintable strip, PDF/A-1b (fonts embedded), with
// the job's title and the program as creator.
std::unique_ptr<QPrinter> pdfPrinter(const PrintJob& job)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageOrientation(QPageLayout::Portrait);
    printer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    printer->setCreator(QStringLiteral("Giudizi"));
    printer->setDocName(job.title.isEmpty() ? QStringLiteral("Giudizi") : job.title);
    return printer;
}
} // namespace

PrinterDevice::PrinterDevice(PrintJob job)
    : m_job(std::move(job))
    , m_pdfDirectory(environment::pdfDirectory())
    , m_font(QStringLiteral("Arial"), 12)
{
    if (!m_pdfDirectory.isEmpty()) {
        m_printer = pdfPrinter(m_job);
        return;
    }
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull() || info.printerName().isEmpty()) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_failure = QStringLiteral("Nessuna stampante predefinita è installata.");
        return;
    }
    m_printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    // A4 unless the printer says it holds another paper.
    const QPageSize reported = info.defaultPageSize();
    m_printer->setPageSize(reported.isValid() ? reported : QPageSize(QPageSize::A4));
}

PrinterDevice::~PrinterDevice()
{
    if (isPrinting())
        m_painter->end();
    discardPartialFile();
}

bool PrinterDevice::chooseDestination(QWidget* parent)
{
    if (!m_pdfDirectory.isEmpty() || isPrinting())
        return true;
    PrintDestination destination = printDestination();
    if (destination != PrintDestination::PdfFile &&
        QPrinterInfo::availablePrinterNames().isEmpty()) {
        if (!msg::yesNo(parent, kNoPrinterQuestion, msg::Default::Yes))
            return false;
        destination = PrintDestination::PdfFile;
    }
    switch (destination) {
    case PrintDestination::DefaultPrinter:
        return true;
    case PrintDestination::ChooseEachTime: {
        if (!m_failure.isEmpty()) {
            // No default printer: the dialog offers the others.
            m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            m_failure.clear();
        }
        m_printer->setDocName(m_job.title);
        QPrintDialog dialog(m_printer.get(), parent);
        dialog.setObjectName(QStringLiteral("sceltaStampante"));
        if (dialog.exec() != QDialog::Accepted)
            return false;
        m_deviceFont.reset();
        return true;
    }
    case PrintDestination::PdfFile: {
        const auto file = chooseSaveFile(parent, m_job.fileName + QStringLiteral(".pdf"),
                                         QStringLiteral("File PDF (*.pdf)"));
        if (!file)
            return false;
        usePdfFile(*file);
        return true;
    }
    }
    return false;
}

void PrinterDevice::usePdfFile(const QString& path)
{
    m_printer = pdfPrinter(m_job);
    m_pdfTarget = path;
    m_failure.clear();
    m_deviceFont.reset();
}

bool PrinterDevice::isAvailable() const
{
    return m_failure.isEmpty() || isPrinting();
}

void PrinterDevice::setUnprintableMargins(const QMarginsF& millimetres)
{
    if ((!m_pdfDirectory.isEmpty() || writesFile()) && !isPrinting())
        m_printer->setPageMargins(millimetres, QPageLayout::Millimeter);
}

bool PrinterDevice::startDocument()
{
    if (isPrinting())
        return true;
    if (!m_failure.isEmpty())
        return false;
    if (!m_pdfDirectory.isEmpty()) {
        if (!QDir().mkpath(m_pdfDirectory)) {
            m_failure = QStringLiteral("La cartella %1 non si può creare.").arg(m_pdfDirectory);
            return false;
        }
        m_outputFile = nextPdfFile();
        m_printer->setOutputFileName(m_outputFile);
    }
    if (writesFile()) {
        const QFileInfo target(m_pdfTarget);
        m_outputFile = m_pdfTarget;
        m_partialFile = target.dir().filePath(QStringLiteral(".%1.part").arg(target.fileName()));
        m_printer->setOutputFileName(m_partialFile);
    }
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(m_printer.get())) {
        m_failure = writesFile() ? fileNotWrittenMessage(m_pdfTarget)
                                 : QStringLiteral("La stampante non ha accettato il lavoro.");
        discardPartialFile();
        return false;
    }
    m_painter = std::move(painter);
    m_x = 0;
    m_y = 0;
    return true;
}

bool PrinterDevice::isPrinting() const
{
    return m_painter && m_painter->isActive();
}

bool PrinterDevice::newPage()
{
    if (!isPrinting() || !m_printer->newPage()) {
        m_failure = QStringLiteral("La stampante non ha accettato una nuova pagina.");
        return false;
    }
    m_x = 0;
    m_y = 0;
    return true;
}

bool PrinterDevice::endDocument()
{
    if (!isPrinting())
        return false;
    const bool ended = m_painter->end();
    m_painter.reset();
    if (!ended) {
        m_failure = QStringLiteral("La stampante non ha completato il lavoro.");
        discardPartialFile();
        return false;
    }
    if (!m_partialFile.isEmpty()) {
        // rename() puts the whole file in place of an older one at once.
        if (std::rename(QFile::encodeName(m_partialFile).constData(),
                        QFile::encodeName(m_pdfTarget).constData()) != 0) {
            m_failure = fileNotWrittenMessage(m_pdfTarget);
            discardPartialFile();
            return false;
        }
        m_partialFile.clear();
    }
    return true;
}

void PrinterDevice::abortDocument()
{
    if (!isPrinting())
        return;
    m_printer->abort();
    m_painter->end();
    m_painter.reset();
    discardPartialFile();
    // A numbered PDF stands for paper that never came out.
    if (!m_pdfDirectory.isEmpty() && !m_outputFile.isEmpty())
        QFile::remove(m_outputFile);
}

void PrinterDevice::discardPartialFile()
{
    if (!m_partialFile.isEmpty())
        QFile::remove(m_partialFile);
    m_partialFile.clear();
}

void PrinterDevice::setFontName(const QString& name)
{
    m_font.setFamily(name);
    m_deviceFont.reset();
}

void PrinterDevice::setFontSize(double points)
{
    if (points > 0)
        m_font.setPointSizeF(points);
    m_deviceFont.reset();
}

const PrinterDevice::DeviceFont& PrinterDevice::deviceFont() const
{
    if (!m_deviceFont) {
        const QFont sized(m_font, paintDevice());
        m_deviceFont.emplace(DeviceFont{sized, QFontMetricsF(sized, paintDevice())});
    }
    return *m_deviceFont;
}

QFont PrinterDevice::font() const
{
    return deviceFont().font;
}

double PrinterDevice::textWidth(const QString& text) const
{
    return fromPixels(deviceFont().metrics.horizontalAdvance(text));
}

double PrinterDevice::textHeight() const
{
    return fromPixels(deviceFont().metrics.lineSpacing());
}

bool PrinterDevice::printLine(const QString& text)
{
    if (!isPrinting())
        return false;
    const DeviceFont& sized = deviceFont();
    if (m_painter->font() != sized.font)
        m_painter->setFont(sized.font);
    m_painter->drawText(QPointF(toPixels(m_x), toPixels(m_y) + sized.metrics.ascent()), text);
    m_x = 0;
    m_y += fromPixels(sized.metrics.lineSpacing());
    return true;
}

bool PrinterDevice::drawPicture(const QImage& picture)
{
    if (!isPrinting() || picture.isNull())
        return false;
    const auto inches = [](int pixels, int dotsPerMetre) {
        const double dpi =
            dotsPerMetre > 0 ? dotsPerMetre * 0.0254 : kDefaultPictureDpi; // 1 in = 0.0254 m
        return pixels / dpi;
    };
    const double dpi = m_printer->resolution();
    const QRectF target(toPixels(m_x), toPixels(m_y),
                        inches(picture.width(), picture.dotsPerMeterX()) * dpi,
                        inches(picture.height(), picture.dotsPerMeterY()) * dpi);
    if (!picture.hasAlphaChannel()) {
        m_painter->drawImage(target, picture);
        return true;
    }
    // Laid on white, as on paper: PDF/A-1b allows no transparency.
    QImage opaque(picture.size(), QImage::Format_RGB32);
    opaque.setDotsPerMeterX(picture.dotsPerMeterX());
    opaque.setDotsPerMeterY(picture.dotsPerMeterY());
    opaque.fill(Qt::white);
    QPainter(&opaque).drawImage(0, 0, picture);
    m_painter->drawImage(target, opaque);
    return true;
}

// The driver's page geometry in device pixels, as the painter uses it.
QRect PrinterDevice::paperPixels() const
{
    return m_printer->pageLayout().fullRectPixels(m_printer->resolution());
}

QRect PrinterDevice::printablePixels() const
{
    return m_printer->pageLayout().paintRectPixels(m_printer->resolution());
}

QPointF PrinterDevice::physicalOffset() const
{
    const QPoint offset = printablePixels().topLeft() - paperPixels().topLeft();
    return QPointF(fromPixels(offset.x()), fromPixels(offset.y()));
}

QSizeF PrinterDevice::paperSize() const
{
    return QSizeF(fromPixels(paperPixels().width()), fromPixels(paperPixels().height()));
}

QSizeF PrinterDevice::printableSize() const
{
    return QSizeF(fromPixels(printablePixels().width()), fromPixels(printablePixels().height()));
}

QPaintDevice* PrinterDevice::paintDevice() const
{
    return m_printer.get();
}

double PrinterDevice::toPixels(double units) const
{
    const double perInch = m_scale == ScaleMode::Twips ? kTwipsPerInch : kMillimetresPerInch;
    return units / perInch * m_printer->resolution();
}

double PrinterDevice::fromPixels(double pixels) const
{
    const double perInch = m_scale == ScaleMode::Twips ? kTwipsPerInch : kMillimetresPerInch;
    return pixels / m_printer->resolution() * perInch;
}

QRectF PrinterDevice::toPixels(const QRectF& units) const
{
    return QRectF(toPixels(units.left()), toPixels(units.top()), toPixels(units.width()),
                  toPixels(units.height()));
}

QString PrinterDevice::nextPdfFile() const
{
    static const QRegularExpression numbered(QStringLiteral("^(\\d+)\\.pdf$"),
                                             QRegularExpression::CaseInsensitiveOption);
    int highest = 0;
    const QDir dir(m_pdfDirectory);
    for (const QString& name : dir.entryList(QDir::Files)) {
        const QRegularExpressionMatch match = numbered.match(name);
        if (match.hasMatch())
            highest = std::max(highest, match.captured(1).toInt());
    }
    return dir.filePath(QStringLiteral("%1.pdf").arg(highest + 1, 4, 10, QLatin1Char('0')));
}

} // namespace giudizi

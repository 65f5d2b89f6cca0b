#pragma once

#include "shared/PrintJob.h"

#include <QFont>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <memory>
#include <optional>

class QImage;
class QPainter;
class QPaintDevice;
class QPrinter;
class QWidget;

namespace giudizi {

// The printer as the printing routines see it: a scale (twips or millimetres),
// a font, a current position, lines and pictures, pages. Coordinates are
// relative to the printable area, like the paper a driver hands out; the
// physical offset tells where that area starts on the sheet.
//
// A device starts on the system's default printer, or, when
// environment::pdfDirectory() is set, on the next numbered PDF file there
// (0001.pdf, 0002.pdf, ...). chooseDestination() then applies the teacher's
// print settings. Without a printer, starting a job fails and failure() says
// why. PDF files are PDF/A-1b, A4, titled after the job.
class PrinterDevice {
public:
    enum class ScaleMode { Twips, Millimetres };

    explicit PrinterDevice(PrintJob job = {});
    ~PrinterDevice(); // ends a job still open; a PDF file cut short is not left
    PrinterDevice(const PrinterDevice&) = delete;
    PrinterDevice& operator=(const PrinterDevice&) = delete;

    // Where the job goes, as set in the print settings: the default printer,
    // a printer chosen in the print dialog, or a PDF file named in a save
    // dialog; without any printer the teacher is offered a PDF file. Asks
    // before anything is measured or printed. False when the teacher
    // cancelled or declined: nothing is printed and nothing more is said.
    bool chooseDestination(QWidget* parent);

    // A printer or a PDF file is there to print to.
    bool isAvailable() const;
    QString failure() const { return m_failure; }
    // The job goes to a PDF file the teacher named.
    bool writesFile() const { return !m_pdfTarget.isEmpty(); }

    // PDF output only, before the job starts: the strip a real printer cannot
    // print on, in millimetres (none by default).
    void setUnprintableMargins(const QMarginsF& millimetres);

    // Starts the document; false (with failure()) when the printer refuses.
    bool startDocument();
    bool isPrinting() const;
    bool newPage();
    bool endDocument();
    // Ends a job cut short: nothing more reaches the printer, a PDF file
    // being written is discarded.
    void abortDocument();
    // The PDF file of the current or last job (empty when printing on paper).
    QString outputFile() const { return m_outputFile; }

    void setScaleMode(ScaleMode mode) { m_scale = mode; }
    ScaleMode scaleMode() const { return m_scale; }
    void setFontName(const QString& name);
    QString fontName() const { return m_font.family(); }
    void setFontSize(double points);
    double fontSize() const { return m_font.pointSizeF(); }
    // The font as set, sized for this device.
    QFont font() const;

    double currentX() const { return m_x; }
    double currentY() const { return m_y; }
    void setCurrentX(double x) { m_x = x; }
    void setCurrentY(double y) { m_y = y; }

    double textWidth(const QString& text) const;
    double textHeight() const;
    // Prints `text` with its top at the current position, then moves to the
    // start of the next line.
    bool printLine(const QString& text);
    // Draws a picture at the current position in its own physical size.
    bool drawPicture(const QImage& picture);

    // Where the printable area starts on the sheet, in scale units.
    QPointF physicalOffset() const;
    QSizeF paperSize() const;
    QSizeF printableSize() const;

    // The device context: valid while a job is open.
    QPainter* painter() const { return m_painter.get(); }
    QPaintDevice* paintDevice() const;
    // Scale units to device pixels and back.
    double toPixels(double units) const;
    double fromPixels(double pixels) const;
    QRectF toPixels(const QRectF& units) const;

private:
    QRect paperPixels() const;
    QRect printablePixels() const;
    QString nextPdfFile() const;
    void usePdfFile(const QString& path);
    void discardPartialFile();

    PrintJob m_job;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainter> m_painter;
    QString m_failure;
    QString m_pdfDirectory;
    QString m_outputFile;
    // A file the teacher named: written beside it, renamed in when whole.
    QString m_pdfTarget;
    QString m_partialFile;
    ScaleMode m_scale = ScaleMode::Twips;
    QFont m_font;
    // The font sized for the device and its metrics, made again when the font
    // changes (measuring and printing a line must not rebuild them).
    struct DeviceFont {
        QFont font;
        QFontMetricsF metrics;
    };
    mutable std::optional<DeviceFont> m_deviceFont;
    const DeviceFont& deviceFont() const;
    double m_x = 0;
    double m_y = 0;
};

} // namespace giudizi

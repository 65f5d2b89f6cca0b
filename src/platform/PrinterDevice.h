#pragma once

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

namespace giudizi {

// The printer as the printing routines see it: a scale (twips or millimetres),
// a font, a current position, lines and pictures, pages. Coordinates are
// relative to the printable area, like the paper a driver hands out; the
// physical offset tells where that area starts on the sheet.
//
// Jobs go to the system's default printer, or, when environment::pdfDirectory()
// is set, each to the next numbered PDF file there (0001.pdf, 0002.pdf, ...).
// Without either, starting a job fails and failure() says why.
class PrinterDevice {
public:
    enum class ScaleMode { Twips, Millimetres };

    PrinterDevice();
    ~PrinterDevice(); // ends a job still open
    PrinterDevice(const PrinterDevice&) = delete;
    PrinterDevice& operator=(const PrinterDevice&) = delete;

    // A printer or a PDF folder is there to print to.
    bool isAvailable() const;
    QString failure() const { return m_failure; }

    // PDF output only, before the job starts: the strip a real printer cannot
    // print on, in millimetres (none by default).
    void setUnprintableMargins(const QMarginsF& millimetres);

    // Starts the document; false (with failure()) when the printer refuses.
    bool startDocument();
    bool isPrinting() const;
    bool newPage();
    bool endDocument();
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

    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainter> m_painter;
    QString m_failure;
    QString m_pdfDirectory;
    QString m_outputFile;
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

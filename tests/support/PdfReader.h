#pragma once

#include <QImage>
#include <QList>
#include <QSizeF>
#include <QString>
#include <QStringList>

namespace giudizi::test {

// One word of a PDF as poppler's pdftotext -bbox places it, in points from
// the top-left corner of its page (1 pt = 20 twips).
struct PdfWord {
    int page = 0; // from 0
    QString text;
    double xMin = 0;
    double yMin = 0;
    double xMax = 0;
    double yMax = 0;

    double height() const { return yMax - yMin; }
    // The font size the word's box stands for, in points: pdftotext boxes
    // span ascent + descent, 1.117 em in Arial (Liberation Sans).
    double arialPointSize() const { return height() / 1.117; }
};

struct PdfText {
    QList<QSizeF> pages; // page sizes in points
    QList<PdfWord> words;
    QString error; // empty when the file was read

    bool ok() const { return error.isEmpty(); }
    int pageCount() const { return static_cast<int>(pages.size()); }
    QList<PdfWord> wordsOnPage(int page) const;
    // The words of every page joined by single blanks.
    QString joinedText() const;
};

// The numbered PDF files of a folder (0001.pdf, 0002.pdf, ...) in order.
QStringList pdfFiles(const QString& folder);
// The highest-numbered PDF of a folder, or empty.
QString lastPdf(const QString& folder);
// Runs pdftotext -bbox on a file and parses its words.
PdfText readPdf(const QString& file);
// One page (from 0) of a PDF drawn by poppler's pdftoppm at `dpi`, or a null image.
QImage renderPdfPage(const QString& file, int page, int dpi);

} // namespace giudizi::test

// Printing a judgment into the frame of the ministerial card: the format-range
// engine and the printer device on their own, then the card print of both
// composition screens, read back from the PDF files it writes.
#include "data/AppState.h"
#include "data/ArchiveStore.h"
#include "platform/FormatRange.h"
#include "platform/PrinterDevice.h"
#include "printing/StampaRiquadro.h"
#include "support/PdfReader.h"
#include "support/TestSupport.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>

using namespace giudizi;
using namespace giudizi::test;

namespace {

const QString kExpectedNoPrinter =
    QStringLiteral("Su questo computer non c'è nessuna stampante. Salvo la stampa in un file PDF?");
const QString kExpectedFrameTooSmall = QStringLiteral(
    "Il riquadro di stampa è troppo piccolo: controlla i margini nelle Opzioni di stampa.");

constexpr double kHalfMm = 72.0 / 25.4 / 2; // half a millimetre, in points
constexpr double kBottomMargin = 2440;      // twips

double pt(double twips)
{
    return twips / 20.0;
}

// A judgment of ordinary words, about `characters` long.
QString judgment(int characters)
{
    static const QStringList words = {
        "l'alunno",    "partecipa", "con",      "interesse",    "alle",       "attività",
        "della",       "classe",    "e",        "si",           "impegna",    "in",
        "modo",        "costante",  "nello",    "studio",       "delle",      "discipline",
        "rispettando", "le",        "regole",   "della",        "convivenza", "scolastica",
        "ha",          "acquisito", "un",       "metodo",       "di",         "lavoro",
        "autonomo",    "ed",        "efficace", "raggiungendo", "risultati",  "buoni."};
    QStringList out;
    int length = 0;
    for (int i = 0; length < characters; ++i) {
        out.append(words.at(i % words.size()));
        length += static_cast<int>(out.last().size()) + 1;
    }
    return out.join(QLatin1Char(' '));
}

// The bounding box of everything not white.
QRect inkBounds(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 160)
                box |= QRect(x, y, 1, 1);
    return box;
}

QImage blankImage()
{
    QImage image(600, 400, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780); // 96 dpi
    image.setDotsPerMeterY(3780);
    image.fill(Qt::white);
    return image;
}

QFont arial12()
{
    return QFont(QStringLiteral("Arial"), 12);
}

struct Extent {
    double left = 1e9, top = 1e9, right = -1e9, bottom = -1e9;
};

Extent extentOf(const QList<PdfWord>& words)
{
    Extent e;
    for (const PdfWord& w : words) {
        e.left = std::min(e.left, w.xMin);
        e.top = std::min(e.top, w.yMin);
        e.right = std::max(e.right, w.xMax);
        e.bottom = std::max(e.bottom, w.yMax);
    }
    return e;
}

int lineCount(const QList<PdfWord>& words)
{
    QList<double> tops;
    for (const PdfWord& w : words)
        if (std::none_of(tops.begin(), tops.end(),
                         [&](double t) { return qAbs(t - w.yMin) < 1.0; }))
            tops.append(w.yMin);
    return static_cast<int>(tops.size());
}

double medianWordHeight(const QList<PdfWord>& words)
{
    QList<double> heights;
    for (const PdfWord& w : words)
        heights.append(w.height());
    std::sort(heights.begin(), heights.end());
    return heights.isEmpty() ? 0 : heights.at(heights.size() / 2);
}

QStringList wordsOf(const QString& text)
{
    return text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

} // namespace

class TestCardPrinting : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_pdfDir;
    std::unique_ptr<ProgramRun> m_run;
    QString m_compose;

    QString pdfDir() const { return m_pdfDir->path(); }

    // A Media pupil of `term` on the composition screen of `model`, with
    // `text` saved, so that "Stampa SCHEDA" is enabled.
    void composeAndSave(const QString& model, int term, const QString& text)
    {
        m_run = std::make_unique<ProgramRun>();
        chooseStart(model, QStringLiteral("Medie"), 0);
        const bool rigid = model == QLatin1String("Rigido");
        m_compose = rigid ? QStringLiteral("FgiudixRIGID") : QStringLiteral("Fgiudix2");
        click(rigid ? QStringLiteral("FavviogiudixRIG") : QStringLiteral("Favviogiudix2"),
              rigid ? QStringLiteral("LabAq1") : QStringLiteral("Labprimo"));
        click(m_compose, QStringLiteral("cmdsuccessivo"));
        auto* name = find<QLineEdit>(QStringLiteral("Fimmissio2"), QStringLiteral("Text1"));
        auto* termBox = find<QComboBox>(QStringLiteral("Fimmissio2"), QStringLiteral("Combo4"));
        QVERIFY(name && termBox);
        name->setText(QStringLiteral("Rossi Mario"));
        termBox->setEditText(QString::number(term));
        click(QStringLiteral("Fimmissio2"), QStringLiteral("LabM"));
        click(QStringLiteral("Fimmissio2"), QStringLiteral("cmdfatto"));
        QCOMPARE(appState().currentTerm, term);
        auto* box = composeBox();
        QVERIFY(box);
        box->setPlainText(text);
        click(m_compose, QStringLiteral("cmdmaiuscole"));
        QVERIFY(find<QWidget>(m_compose, QStringLiteral("CmdSTAMPO"))->isEnabled());
    }

    QTextEdit* composeBox() const { return find<QTextEdit>(m_compose, QStringLiteral("RTextB1")); }

    // Clicks the card print and reads the one new PDF.
    void printCard(PdfText& pdf)
    {
        const auto before = pdfFiles(pdfDir()).size();
        ModalAnswer unexpected(QMessageBox::Ok);
        click(m_compose, QStringLiteral("CmdSTAMPO"));
        QVERIFY2(!unexpected.answered(), qPrintable(unexpected.text()));
        const QStringList files = pdfFiles(pdfDir());
        QCOMPARE(files.size(), before + 1);
        pdf = readPdf(files.last());
        QVERIFY2(pdf.ok(), qPrintable(pdf.error));
        QVERIFY(!pdf.words.isEmpty());
    }

    // Every word of a page inside the frame of the margins, the first line at
    // the top margin, lines starting at the left margin and reaching the right.
    static void checkFrame(const PdfText& pdf, int page, double left, double top, double right)
    {
        const QList<PdfWord> words = pdf.wordsOnPage(page);
        QVERIFY(!words.isEmpty());
        const Extent e = extentOf(words);
        const QSizeF paper = pdf.pages.at(page);
        QVERIFY2(qAbs(e.left - pt(left)) <= kHalfMm,
                 qPrintable(QStringLiteral("left %1, expected %2").arg(e.left).arg(pt(left))));
        QVERIFY2(qAbs(e.top - pt(top)) <= kHalfMm,
                 qPrintable(QStringLiteral("top %1, expected %2").arg(e.top).arg(pt(top))));
        const double rightEdge = paper.width() - pt(right);
        QVERIFY2(e.right <= rightEdge + kHalfMm,
                 qPrintable(QStringLiteral("right %1 past %2").arg(e.right).arg(rightEdge)));
        // A wrapped line leaves less than its next word (and a blank) free.
        QVERIFY2(e.right >= rightEdge - 60,
                 qPrintable(QStringLiteral("right %1, far from %2").arg(e.right).arg(rightEdge)));
        QVERIFY(e.bottom <= paper.height() - pt(kBottomMargin) + kHalfMm);
    }

private slots:
    void init()
    {
        m_pdfDir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_pdfDir->isValid());
        qputenv("GIUDIZI_PDF_DIR", m_pdfDir->path().toLocal8Bit());
    }
    void cleanup()
    {
        m_run.reset();
        qunsetenv("GIUDIZI_PDF_DIR");
        m_pdfDir.reset();
    }

    // ---- format range, on an image, without any window ----

    void formatRangeFitsOrStopsAtAWord_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("lines"); // height of the rectangle in lines
        QTest::addColumn<bool>("fits");
        QTest::newRow("short text") << QStringLiteral("Buongiorno a tutti") << 2.0 << true;
        QTest::newRow("long text, three lines") << judgment(600) << 3.5 << false;
        QTest::newRow("long text, room enough") << judgment(600) << 30.0 << true;
    }
    void formatRangeFitsOrStopsAtAWord()
    {
        QFETCH(QString, text);
        QFETCH(double, lines);
        QFETCH(bool, fits);
        QImage image = blankImage();
        const QFont font = arial12();
        const QRectF rect(20, 30, 300, QFontMetricsF(font, &image).lineSpacing() * lines);
        QPainter painter(&image);
        const int next = formatRange(painter, text, 0, font, rect);
        painter.end();
        const QRect ink = inkBounds(image);
        QVERIFY(!ink.isEmpty());
        QVERIFY2(rect.adjusted(-1, -1, 1, 1).contains(ink),
                 qPrintable(QStringLiteral("ink outside the rectangle")));
        if (fits) {
            QCOMPARE(next, text.size());
            return;
        }
        QVERIFY(next > 0 && next < text.size());
        // The rest starts at a word, and a measure agrees with the drawing.
        QCOMPARE(text.at(next - 1), QLatin1Char(' '));
        QVERIFY(text.at(next) != QLatin1Char(' '));
        QCOMPARE(measureRange(&image, text, 0, font, rect), next);
        // Range after range, the whole text goes through.
        int start = next;
        int ranges = 1;
        while (start < text.size() && ranges < 100) {
            const int after = measureRange(&image, text, start, font, rect);
            QVERIFY(after > start);
            start = after;
            ++ranges;
        }
        QCOMPARE(start, text.size());
        QVERIFY(ranges > 1);
    }

    void formatRangeKeepsTheTeachersLineBreaks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("lines");
        QTest::addColumn<int>("expected"); // -1: the whole text
        QTest::newRow("break at the edge")
            << QStringLiteral("prima riga\nseconda riga") << 1.5 << 11;
        QTest::newRow("windows break at the edge")
            << QStringLiteral("prima riga\r\nseconda riga") << 1.5 << 12;
        QTest::newRow("empty line takes a line") << QStringLiteral("prima\n\nterza") << 2.5 << 7;
        QTest::newRow("break ends the text") << QStringLiteral("prima riga\n") << 1.5 << -1;
        QTest::newRow("all lines fit") << QStringLiteral("uno\ndue\ntre") << 3.5 << -1;
    }
    void formatRangeKeepsTheTeachersLineBreaks()
    {
        QFETCH(QString, text);
        QFETCH(double, lines);
        QFETCH(int, expected);
        QImage image = blankImage();
        const QFont font = arial12();
        // Wide enough for every line: only the breaks make new lines.
        const QRectF rect(0, 0, 500, QFontMetricsF(font, &image).lineSpacing() * lines);
        QPainter painter(&image);
        const int next = formatRange(painter, text, 0, font, rect);
        QCOMPARE(next, expected < 0 ? text.size() : expected);
    }

    void formatRangeBreaksAWordLongerThanTheRectangle()
    {
        const QString word = QStringLiteral("Precipitevolissimevolmente");
        QImage image = blankImage();
        const QFont font = arial12();
        const double line = QFontMetricsF(font, &image).lineSpacing();
        QVERIFY(QFontMetricsF(font, &image).horizontalAdvance(word) > 60);
        const QRectF rect(10, 10, 60, line * 10);
        QPainter painter(&image);
        QCOMPARE(formatRange(painter, word, 0, font, rect), word.size());
        painter.end();
        const QRect ink = inkBounds(image);
        QVERIFY(rect.adjusted(-1, -1, 1, 1).contains(ink));
        QVERIFY2(ink.height() > line * 1.5, "the word was not broken over lines");
        // One line of it: part of the word, then the rest.
        const int part = measureRange(&image, word, 0, font, QRectF(10, 10, 60, line * 1.2));
        QVERIFY(part > 0 && part < word.size());
    }

    void formatRangeMakesNoProgressInTooSmallARectangle_data()
    {
        QTest::addColumn<QRectF>("rect");
        QTest::addColumn<int>("start");
        QTest::newRow("no width") << QRectF(10, 10, 0, 200) << 0;
        QTest::newRow("no height") << QRectF(10, 10, 300, 0) << 5;
        QTest::newRow("negative size") << QRectF(10, 10, -50, -50) << 0;
        QTest::newRow("lower than a line") << QRectF(10, 10, 300, 6) << 3;
        QTest::newRow("narrower than a letter") << QRectF(10, 10, 3, 200) << 0;
    }
    void formatRangeMakesNoProgressInTooSmallARectangle()
    {
        QFETCH(QRectF, rect);
        QFETCH(int, start);
        const QString text = QStringLiteral("Mario Wagner è bravo");
        QImage image = blankImage();
        QPainter painter(&image);
        QCOMPARE(formatRange(painter, text, start, arial12(), rect), start);
        painter.end();
        QVERIFY(inkBounds(image).isEmpty());
        // At the end of the text there is nothing left, whatever the rectangle.
        QCOMPARE(measureRange(&image, text, text.size(), arial12(), rect), text.size());
    }

    // ---- the printer device ----

    void pdfJobsAreNumberedAfterTheHighestFile()
    {
        // Files that are not numbered PDFs do not count.
        for (const char* name : {"0007.pdf", "appunti.pdf", "0012.txt"}) {
            QFile f(QDir(pdfDir()).filePath(QString::fromLatin1(name)));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        for (const char* expected : {"0008.pdf", "0009.pdf"}) {
            PrinterDevice printer;
            QVERIFY(printer.isAvailable());
            QVERIFY(printer.startDocument());
            QVERIFY(printer.printLine(QStringLiteral("prova")));
            QVERIFY(printer.endDocument());
            QCOMPARE(QFileInfo(printer.outputFile()).fileName(), QString::fromLatin1(expected));
            QVERIFY(QFileInfo(printer.outputFile()).size() > 0);
        }
        QCOMPARE(lastPdf(pdfDir()), QDir(pdfDir()).filePath(QStringLiteral("0009.pdf")));
    }

    void deviceLinesPicturesAndPagesLandWhereAsked()
    {
        PrinterDevice printer;
        printer.setUnprintableMargins(QMarginsF(5, 5, 5, 5));
        printer.setScaleMode(PrinterDevice::ScaleMode::Twips);
        // PDF paper is A4 (11906 x 16838 twips); 5 mm are 283.5 twips, which the
        // driver keeps to the nearest point.
        QVERIFY(qAbs(printer.paperSize().width() - 11906) < 10);
        QVERIFY(qAbs(printer.paperSize().height() - 16838) < 10);
        QVERIFY2(qAbs(printer.physicalOffset().x() - 283.5) < 10,
                 qPrintable(QString::number(printer.physicalOffset().x())));
        QVERIFY(qAbs(printer.printableSize().width() - (11906 - 567)) < 10);

        printer.setScaleMode(PrinterDevice::ScaleMode::Millimetres);
        printer.setFontName(QStringLiteral("Arial"));
        printer.setFontSize(12);
        QVERIFY(printer.startDocument());
        printer.setCurrentX(20);
        printer.setCurrentY(30);
        const double lineHeight = printer.textHeight();
        const double width = printer.textWidth(QStringLiteral("Prima riga"));
        QVERIFY(printer.printLine(QStringLiteral("Prima riga")));
        QCOMPARE(printer.currentX(), 0.0);
        QVERIFY(qAbs(printer.currentY() - (30 + lineHeight)) < 1e-6);
        QVERIFY(printer.printLine(QStringLiteral("Seconda")));
        QVERIFY(printer.newPage());
        printer.setScaleMode(PrinterDevice::ScaleMode::Twips);
        printer.setCurrentX(1440);
        printer.setCurrentY(1440);
        QImage square(96, 96, QImage::Format_RGB32); // one inch at 96 dpi
        square.setDotsPerMeterX(3780);
        square.setDotsPerMeterY(3780);
        square.fill(Qt::black);
        QVERIFY(printer.drawPicture(square));
        QVERIFY(printer.endDocument());

        const PdfText pdf = readPdf(printer.outputFile());
        QVERIFY2(pdf.ok(), qPrintable(pdf.error));
        QCOMPARE(pdf.pageCount(), 2);
        const double mm = 72 / 25.4;
        const double strip = 5 * mm;
        const QList<PdfWord> words = pdf.wordsOnPage(0);
        QCOMPARE(words.size(), 3);
        QCOMPARE(words.at(0).text, QStringLiteral("Prima"));
        QVERIFY(qAbs(words.at(0).xMin - (strip + 20 * mm)) < kHalfMm);
        QVERIFY(qAbs(words.at(0).yMin - (strip + 30 * mm)) < kHalfMm);
        QVERIFY(qAbs(words.at(1).xMax - words.at(0).xMin - width * mm) < kHalfMm);
        QCOMPARE(words.at(2).text, QStringLiteral("Seconda"));
        QVERIFY(qAbs(words.at(2).xMin - strip) < kHalfMm);
        QVERIFY(qAbs(words.at(2).yMin - words.at(0).yMin - lineHeight * mm) < kHalfMm);

        // The picture: one inch square, one inch from the printable area's corner.
        const QImage page = renderPdfPage(printer.outputFile(), 1, 72);
        QVERIFY(!page.isNull());
        const QRect ink = inkBounds(page);
        const double corner = 72 + strip;
        QVERIFY2(qAbs(ink.left() - corner) <= 2 && qAbs(ink.top() - corner) <= 2,
                 qPrintable(QStringLiteral("picture at %1,%2").arg(ink.left()).arg(ink.top())));
        QVERIFY2(qAbs(ink.width() - 72) <= 2 && qAbs(ink.height() - 72) <= 2,
                 qPrintable(QStringLiteral("picture %1x%2").arg(ink.width()).arg(ink.height())));
    }

    // ---- the frame, whatever the printer's unprintable strip ----

    void frameIsMeasuredFromThePaperEdges_data()
    {
        QTest::addColumn<double>("strip"); // millimetres
        QTest::addColumn<double>("topStrip");
        QTest::addColumn<int>("left");
        QTest::addColumn<double>("top");
        QTest::addColumn<double>("right");
        QTest::addColumn<double>("expectedLeft"); // twips from the paper edge
        QTest::addColumn<double>("expectedTop");
        QTest::newRow("no strip") << 0.0 << 0.0 << 1500 << 2835.0 << 1500.0 << 1500.0 << 2835.0;
        QTest::newRow("laser strip")
            << 4.23 << 4.23 << 1500 << 2835.0 << 1500.0 << 1500.0 << 2835.0;
        QTest::newRow("inkjet strip")
            << 6.35 << 6.35 << 1700 << 4000.0 << 1200.0 << 1700.0 << 4000.0;
        // Strips of different widths on the left and at the top.
        QTest::newRow("unequal strips")
            << 3.0 << 12.0 << 1500 << 2835.0 << 1500.0 << 1500.0 << 2835.0;
        // Margins inside the strip: the text starts where the printer can print.
        QTest::newRow("margin in the strip")
            << 10.0 << 10.0 << 300 << 400.0 << 1500.0 << 10 * 1440 / 25.4 << 10 * 1440 / 25.4;
    }
    void frameIsMeasuredFromThePaperEdges()
    {
        QFETCH(double, strip);
        QFETCH(double, topStrip);
        QFETCH(int, left);
        QFETCH(double, top);
        QFETCH(double, right);
        QFETCH(double, expectedLeft);
        QFETCH(double, expectedTop);
        QTextEdit box;
        box.document()->setDefaultFont(arial12());
        box.setPlainText(judgment(700));
        PrinterDevice printer;
        printer.setUnprintableMargins(QMarginsF(strip, topStrip, strip, strip));
        QCOMPARE(StampaRiquadro(&box, left, top, right, kBottomMargin, printer),
                 PrintOutcome::Printed);
        const PdfText pdf = readPdf(lastPdf(pdfDir()));
        QVERIFY2(pdf.ok(), qPrintable(pdf.error));
        QCOMPARE(pdf.pageCount(), 1);
        checkFrame(pdf, 0, expectedLeft, expectedTop, std::max(right, strip * 1440 / 25.4));
    }

    // ---- the card print of the composition screens ----

    void cardPrintUsesTheMarginsOfTheTerm_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("term");
        QTest::newRow("flessibile, 1° periodo") << QStringLiteral("Flessibile") << 1;
        QTest::newRow("flessibile, 2° periodo") << QStringLiteral("Flessibile") << 2;
        QTest::newRow("flessibile, 3° trimestre") << QStringLiteral("Flessibile") << 3;
        QTest::newRow("rigido, 1° periodo") << QStringLiteral("Rigido") << 1;
        QTest::newRow("rigido, 3° trimestre") << QStringLiteral("Rigido") << 3;
    }
    void cardPrintUsesTheMarginsOfTheTerm()
    {
        QFETCH(QString, model);
        QFETCH(int, term);
        composeAndSave(model, term, judgment(700));
        if (QTest::currentTestFailed())
            return;
        // Three different frames; the verbale's row must not be read.
        const QString scheda = QStringLiteral("scheda");
        setPosition(scheda, {{"sinistra", 1500}, {"alto", 2835}, {"destra", 1500}});
        setPosition(scheda, {{"sinistra2", 1900}, {"alto2", 3300}, {"destra2", 2100}});
        setPosition(scheda, {{"sinistra3", 2300}, {"alto3", 3900}, {"destra3", 1300}});
        setPosition(QStringLiteral("verbale"), {{"sinistra", 1000}, {"alto", 1000}});
        const QString suffix = term == 1 ? QString() : QString::number(term);
        const double left = positionRow(scheda).value("sinistra" + suffix).toDouble();
        const double top = positionRow(scheda).value("alto" + suffix).toDouble();
        const double right = positionRow(scheda).value("destra" + suffix).toDouble();
        const QString shown = composeBox()->toPlainText();

        PdfText pdf;
        printCard(pdf);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(pdf.pageCount(), 1);
        QCOMPARE(pdf.pages.at(0).toSize(), QSize(595, 842)); // A4
        checkFrame(pdf, 0, left, top, right);
        QCOMPARE(wordsOf(pdf.joinedText()), wordsOf(shown));
        // The teacher's box is left as it was.
        QCOMPARE(composeBox()->toPlainText(), shown);
    }

    void longJudgmentContinuesInTheSameFrame()
    {
        composeAndSave(QStringLiteral("Flessibile"), 1, judgment(9000));
        if (QTest::currentTestFailed())
            return;
        setPosition(QStringLiteral("scheda"),
                    {{"sinistra", 1600}, {"alto", 3000}, {"destra", 1400}});
        PdfText pdf;
        printCard(pdf);
        if (QTest::currentTestFailed())
            return;
        QVERIFY2(pdf.pageCount() >= 3, "the judgment should take three frames");
        for (int page = 0; page < pdf.pageCount(); ++page) {
            const QList<PdfWord> words = pdf.wordsOnPage(page);
            QVERIFY(!words.isEmpty());
            const Extent e = extentOf(words);
            QVERIFY(qAbs(e.left - pt(1600)) <= kHalfMm);
            QVERIFY(qAbs(e.top - pt(3000)) <= kHalfMm);
            QVERIFY(e.right <= pdf.pages.at(page).width() - pt(1400) + kHalfMm);
            QVERIFY(e.bottom <= pdf.pages.at(page).height() - pt(kBottomMargin) + kHalfMm);
        }
        // The first page is full: its last line is within a line of the bottom margin.
        const Extent first = extentOf(pdf.wordsOnPage(0));
        QVERIFY(first.bottom > pdf.pages.at(0).height() - pt(kBottomMargin) - 2 * 14);
        // Every word once, in order, across the pages.
        QCOMPARE(wordsOf(pdf.joinedText()), wordsOf(composeBox()->toPlainText()));
    }

    void fontSizeChosenOnThePositionScreenIsPrinted()
    {
        composeAndSave(QStringLiteral("Flessibile"), 1, judgment(1200));
        if (QTest::currentTestFailed())
            return;
        const int boxSize = composeBox()->font().pointSize();
        PdfText at12;
        printCard(at12);
        if (QTest::currentTestFailed())
            return;

        click(m_compose, QStringLiteral("cmdopzioni"));
        click(QStringLiteral("FimpostaSTAMPA"), QStringLiteral("Labterzo"));
        auto* sizes =
            find<QComboBox>(QStringLiteral("FimpostaSTAMPA"), QStringLiteral("ComboOPZIONI"));
        QVERIFY(sizes);
        chooseFromList(sizes, QStringLiteral("10"));
        click(QStringLiteral("FimpostaSTAMPA"), QStringLiteral("Labtorna"));
        QCOMPARE(positionRow(QStringLiteral("scheda")).value(QStringLiteral("DimCar")).toInt(), 10);

        PdfText at10;
        printCard(at10);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(appState().printFontSize, qint16(10));
        const double h12 = medianWordHeight(at12.words);
        const double h10 = medianWordHeight(at10.words);
        QVERIFY2(qAbs(h12 / 1.117 - 12) < 0.3, qPrintable(QString::number(h12)));
        QVERIFY2(qAbs(h10 / 1.117 - 10) < 0.3, qPrintable(QString::number(h10)));
        // Smaller letters: the same judgment takes fewer lines.
        QVERIFY(lineCount(at10.words) < lineCount(at12.words));
        QCOMPARE(wordsOf(at10.joinedText()), wordsOf(composeBox()->toPlainText()));
        QCOMPARE(composeBox()->font().pointSize(), boxSize);
    }

    void emptyFontSizePrintsAtTwelveAndStoresIt()
    {
        composeAndSave(QStringLiteral("Flessibile"), 2, judgment(300));
        if (QTest::currentTestFailed())
            return;
        setPosition(QStringLiteral("scheda"), {{"DimCar", QVariant()}});
        QVERIFY(positionRow(QStringLiteral("scheda")).value(QStringLiteral("DimCar")).isNull());
        appState().printFontSize = 0;
        PdfText pdf;
        printCard(pdf);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(positionRow(QStringLiteral("scheda")).value(QStringLiteral("DimCar")).toInt(), 12);
        QCOMPARE(appState().printFontSize, qint16(12));
        QVERIFY(qAbs(medianWordHeight(pdf.words) / 1.117 - 12) < 0.3);
        // Only the card's row is given the default.
        QCOMPARE(positionRow(QStringLiteral("verbale")).value(QStringLiteral("DimCar")).toInt(),
                 12);
    }

    void tooSmallAFrameEndsWithAMessage_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("top");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("pages"); // of the PDF left behind; 0: no job at all
        QTest::newRow("margins overlap") << 6000 << 6000 << 2835 << judgment(200) << 0;
        QTest::newRow("narrower than a letter") << 5900 << 5900 << 2835 << judgment(200) << 0;
        QTest::newRow("lower than a line") << 1500 << 1500 << 14300 << judgment(200) << 0;
        // "Il" fits in 8 pt, a W does not: the job stops after the first page.
        QTest::newRow("stuck after a page")
            << 5873 << 5873 << 2835 << QStringLiteral("il WWW") << 1;
    }
    void tooSmallAFrameEndsWithAMessage()
    {
        QFETCH(int, left);
        QFETCH(int, right);
        QFETCH(int, top);
        QFETCH(QString, text);
        QFETCH(int, pages);
        composeAndSave(QStringLiteral("Flessibile"), 1, text);
        if (QTest::currentTestFailed())
            return;
        setPosition(QStringLiteral("scheda"),
                    {{"sinistra", left}, {"destra", right}, {"alto", top}});
        ModalAnswer answer(QMessageBox::Ok);
        click(m_compose, QStringLiteral("CmdSTAMPO"));
        QVERIFY(answer.answered());
        QCOMPARE(answer.text(), kExpectedFrameTooSmall);
        const QStringList files = pdfFiles(pdfDir());
        QCOMPARE(files.size(), pages > 0 ? 1 : 0);
        if (pages > 0) {
            const PdfText pdf = readPdf(files.first());
            QCOMPARE(pdf.pageCount(), pages);
            QCOMPARE(pdf.joinedText(), QStringLiteral("Il"));
        }
    }

    void missingPrinterIsReported()
    {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this machine has a default printer");
        composeAndSave(QStringLiteral("Flessibile"), 1, judgment(300));
        if (QTest::currentTestFailed())
            return;
        const QString shown = composeBox()->toPlainText();
        qunsetenv("GIUDIZI_PDF_DIR");
        // Without any printer the teacher is offered a PDF file; No prints nothing.
        ModalAnswer answer(QMessageBox::No);
        click(m_compose, QStringLiteral("CmdSTAMPO"));
        QVERIFY(answer.answered());
        QCOMPARE(answer.text(), kExpectedNoPrinter);
        QCOMPARE(answer.defaultButtons(), QList<int>{QMessageBox::Yes});
        QCOMPARE(composeBox()->toPlainText(), shown);
        QVERIFY(pdfFiles(pdfDir()).isEmpty());
        // The device says so too, without a crash.
        PrinterDevice printer;
        QVERIFY(!printer.isAvailable());
        QVERIFY(!printer.startDocument());
        QVERIFY(!printer.failure().isEmpty());
    }
};

QTEST_MAIN(TestCardPrinting)
#include "tst_card_printing.moc"

// Printing: one judgment on the card to PDF (position row, holder, layout, PDF
// file) against the layout engine alone on the same text. Whole classes are
// in bench_class_printing.
#include "QtBenchmarkMain.h"

#include "data/AppState.h"
#include "data/ArchiveStore.h"
#include "data/DataFolder.h"
#include "data/Database.h"
#include "platform/FormatRange.h"
#include "platform/PrinterDevice.h"
#include "printing/CardPrint.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace giudizi;

namespace {

// About 1,500 characters, as a full judgment of the flexible model.
QString judgment()
{
    const QString sentence = QStringLiteral(
        "L'alunno partecipa con interesse alle attività della classe e si impegna in modo "
        "costante nello studio delle discipline, rispettando le regole della convivenza. ");
    QString text;
    while (text.size() < 1500)
        text += sentence;
    return text.left(1500);
}

// A working folder with fresh databases and a folder for the PDF files.
struct Setup {
    QTemporaryDir work;
    QTemporaryDir pdf;
    Setup()
    {
        QDir::setCurrent(work.path());
        qputenv("GIUDIZI_PDF_DIR", pdf.path().toLocal8Bit());
        QString error;
        if (!createDataFolder(QStringLiteral("pergiudix"), &error))
            qFatal("%s", qPrintable(error));
        archiveStore().PrintSettingsDb = Database::open(datafiles::printSettingsPath(), &error);
        if (!archiveStore().PrintSettingsDb)
            qFatal("%s", qPrintable(error));
        appState().currentTerm = 1;
    }
};

void BM_CardPrintToPdf(benchmark::State& state)
{
    static Setup setup;
    const QString text = judgment();
    for (auto _ : state) {
        if (printOnCard(text, PupilRef{}, nullptr) != PrintOutcome::Printed)
            state.SkipWithError("the card was not printed");
        state.PauseTiming();
        // Keep the folder small: the next job's number comes from its contents.
        for (const QString& name : QDir(setup.pdf.path()).entryList(QDir::Files))
            QFile::remove(QDir(setup.pdf.path()).filePath(name));
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_CardPrintToPdf)->Unit(benchmark::kMillisecond);

// The layout engine alone, at the printer's resolution, into the card's frame.
void BM_MeasureRangeOnPrinter(benchmark::State& state)
{
    const QString text = judgment();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QFont font(QStringLiteral("Arial"), 12);
    const double perTwip = printer.resolution() / 1440.0;
    const QRectF frame(1500 * perTwip, 2835 * perTwip, 8906 * perTwip, 11563 * perTwip);
    for (auto _ : state)
        benchmark::DoNotOptimize(measureRange(&printer, text, 0, font, frame));
    state.SetItemsProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_MeasureRangeOnPrinter)->Unit(benchmark::kMicrosecond);

// The format-range call drawing into an image, as on a page.
void BM_FormatRangeOnImage(benchmark::State& state)
{
    const QString text = judgment();
    QImage image(794, 1123, QImage::Format_RGB32); // A4 at 96 dpi
    const QFont font(QStringLiteral("Arial"), 12);
    const QRectF frame(100, 189, 594, 771);
    for (auto _ : state) {
        state.PauseTiming();
        image.fill(Qt::white);
        state.ResumeTiming();
        QPainter painter(&image);
        benchmark::DoNotOptimize(formatRange(painter, text, 0, font, frame));
    }
    state.SetItemsProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_FormatRangeOnImage)->Unit(benchmark::kMicrosecond);

// LabSpazio's figures for a 2,000-character judgment (the whole text laid out
// at the frame's width, the frame's room) beside the
// card print's own layout of it without drawing (page after page into the
// same frame on the same device).
QString longJudgment()
{
    QString text;
    while (text.size() < 2000)
        text += judgment() + QLatin1Char(' ');
    return text.left(2000);
}

void BM_CardFitFigures(benchmark::State& state)
{
    static Setup setup;
    const QString text = longJudgment();
    PrinterDevice printer;
    const std::optional<FrameSetting> frame = cardFrameToCome(1);
    if (!frame)
        state.SkipWithError("no frame");
    for (auto _ : state)
        benchmark::DoNotOptimize(cardFit(printer, *frame, text).lines);
}
BENCHMARK(BM_CardFitFigures)->Unit(benchmark::kMicrosecond);

// What the label reads besides: the frame of the current term.
void BM_CardFrameRead(benchmark::State& state)
{
    static Setup setup;
    for (auto _ : state)
        benchmark::DoNotOptimize(cardFrameToCome(1).has_value());
}
BENCHMARK(BM_CardFrameRead)->Unit(benchmark::kMicrosecond);

void BM_CardLayoutWithoutDrawing(benchmark::State& state)
{
    static Setup setup;
    const QString text = longJudgment();
    PrinterDevice printer;
    const std::optional<FrameSetting> frame = cardFrameToCome(1);
    printer.setFontName(QStringLiteral("Arial"));
    printer.setFontSize(frame->fontSize);
    const QFont font(QStringLiteral("Arial"), frame->fontSize);
    const QRectF rect = framePixels(printer, frame->margins);
    for (auto _ : state) {
        int start = 0;
        while (start < text.size()) {
            const int next = measureRange(printer.paintDevice(), text, start, font, rect);
            if (next <= start)
                break;
            start = next;
        }
        benchmark::DoNotOptimize(start);
    }
}
BENCHMARK(BM_CardLayoutWithoutDrawing)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return bench::runBenchmarks(argc, argv);
}

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

} // namespace

int main(int argc, char** argv)
{
    return bench::runBenchmarks(argc, argv);
}

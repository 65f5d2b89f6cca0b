// Printing a whole class, with the program started as the teacher starts it
// (data folder, password, Flessibile, Medie, attestato with marks on blank
// sheets) and every job written to numbered PDF files:
//   class list    1,000 judgments of about 1 KB through the class-list window
//                 vs the same lines at the same places drawn into a QPdfWriter
//   attestati     30 attestati of a class in one job
//                 vs each pupil's attestato printed on its own (30 files)
#include "QtBenchmarkMain.h"

#include "app/application.h"
#include "data/AppState.h"
#include "data/ArchiveRow.h"
#include "data/ArchiveSearch.h"
#include "data/ArchiveStore.h"
#include "data/Database.h"
#include "data/Recordset.h"
#include "platform/ClickLabel.h"
#include "platform/PrinterDevice.h"
#include "platform/ProgramEnd.h"
#include "platform/ScreenRegistry.h"
#include "printing/PlainTextPrint.h"
#include "screens/Handovers.h"
#include "shared/ClassList.h"
#include "shared/ClassRoll.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <memory>

using namespace giudizi;

namespace {

constexpr int kListRows = 1000;
constexpr int kClassPupils = 30;
// Two classes at the first term of a QUADRIMESTRE year: not the last term,
// so no admission note.
const ClassQuery kListClass{3, QStringLiteral("B"), QStringLiteral("2024-2025"), 1};
const ClassQuery kAttestatoClass{2, QStringLiteral("A"), QStringLiteral("2025-2026"), 1};

QString judgment()
{
    return QStringLiteral("L'alunno partecipa con interesse alle attività della classe e si "
                          "impegna in modo costante nello studio delle discipline, rispettando "
                          "le regole della convivenza. ")
        .repeated(7)
        .left(1000);
}

QWidget* window(const QString& name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name)
            return w;
    qFatal("window %s not found", qPrintable(name));
    return nullptr;
}

template <class T> T* control(const QString& windowName, const QString& name)
{
    auto* found = window(windowName)->findChild<T*>(name);
    if (!found)
        qFatal("control %s not found", qPrintable(name));
    return found;
}

void insertClass(const ClassQuery& query, int pupils)
{
    QSqlQuery insert(archiveStore().ArchiveDb->handle());
    insert.prepare(QStringLiteral(
        "INSERT INTO giudizi (nome, sex, scuola, classe, sezione, anno, quadrimestre, seclinstra, "
        "nomeopz1, nomeopz2, ita, sto, geo, ing, ls2, mat, sci, ete, ear, emu, efi, rel, info, "
        "giudizio) VALUES (?, ?, 'Medie', ?, ?, ?, ?, 'Francese', 'Nessuna', 'Nessuna', "
        "'otto', 'sette', 'sette', 'otto', 'sei', 'nove', 'otto', 'sette', 'otto', 'dieci', "
        "'otto', 'buono', 'sette', ?)"));
    const QString text = judgment();
    for (int i = 0; i < pupils; ++i) {
        insert.addBindValue(QStringLiteral("ALUNNO %1").arg(i, 4, 10, QLatin1Char('0')));
        insert.addBindValue(i % 2 ? QStringLiteral("M") : QStringLiteral("F"));
        insert.addBindValue(query.classe);
        insert.addBindValue(query.sezione);
        insert.addBindValue(query.anno);
        insert.addBindValue(query.quadrimestre);
        insert.addBindValue(text);
        if (!insert.exec())
            qFatal("insert failed");
    }
}

// The program started in a fresh working folder and taken to the writing
// menu as a teacher does; the school data filled so nothing is asked.
struct Program {
    QTemporaryDir work;
    QTemporaryDir pdf;
    QTimer watchdog;
    Program()
    {
        QDir::setCurrent(work.path());
        qputenv("GIUDIZI_PDF_DIR", pdf.path().toLocal8Bit());
        setEndProgramHandler([](int status) { qFatal("the program ended (%d)", status); });
        // A message box would wait for an answer forever: stop instead.
        QObject::connect(&watchdog, &QTimer::timeout, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                qFatal("unexpected message: %s", qPrintable(box->text()));
        });
        watchdog.start(500);
        if (!startApplication())
            qFatal("the program did not start");
        control<QLineEdit>(QStringLiteral("Favvio"), QStringLiteral("TXTpassword"))
            ->setText(QStringLiteral("scuola"));
        control<QAbstractButton>(QStringLiteral("Favvio"), QStringLiteral("CmdEntra"))->click();
        emit control<ClickLabel>(QStringLiteral("Favvio"), QStringLiteral("LabFlessibile"))
            ->clicked();
        emit control<ClickLabel>(QStringLiteral("Favvio"), QStringLiteral("LaMedie"))->clicked();
        control<QAbstractButton>(QStringLiteral("Favvio"), QStringLiteral("Option1(3)"))->click();
        if (appState().printTarget != QLatin1String("AttestatoCON") ||
            !archiveStore().PrintSettingsDb)
            qFatal("the writing menu was not reached");
        QSqlQuery school(archiveStore().ArchiveDb->handle());
        if (!school.exec(QStringLiteral(
                "UPDATE scuola SET titolosc = 'ISTITUTO COMPRENSIVO', nomesc = 'GIRASOLE', "
                "indirizzosc = 'VIA ROMA 1', dirigentesc = 'NERI', trimquad = 'QUADRIMESTRE'")))
            qFatal("school data not written");
        insertClass(kListClass, kListRows);
        insertClass(kAttestatoClass, kClassPupils);
    }
    ~Program()
    {
        ScreenRegistry::destroyAll();
        archiveStore().reset();
        resetAppState();
        releaseDataFolder();
    }

    // The numbered files are counted from the folder: keep it empty.
    qint64 clearPdfFolder() const
    {
        qint64 bytes = 0;
        const QDir dir(pdf.path());
        for (const QFileInfo& file : dir.entryInfoList(QDir::Files)) {
            bytes += file.size();
            QFile::remove(file.filePath());
        }
        return bytes;
    }
};

// Made on first use, ended before the QApplication is.
std::unique_ptr<Program>& programHolder()
{
    static std::unique_ptr<Program> p;
    return p;
}

Program& program()
{
    if (!programHolder())
        programHolder() = std::make_unique<Program>();
    return *programHolder();
}

// Empties the PDF folder with the clock stopped; the bytes the job wrote.
qint64 untimedClear(benchmark::State& state)
{
    state.PauseTiming();
    const qint64 bytes = program().clearPdfFolder();
    state.ResumeTiming();
    return bytes;
}

// Timed: the class search opened (row keys), then the class-list window's
// own print: every row read, the list text built and shown in its text box,
// a PDF/A device made, the text wrapped, paged, drawn and the file written.
void BM_ClassListToPdf(benchmark::State& state)
{
    program();
    auto* list = ScreenRegistry::as<ClassListWindow>(QStringLiteral("frmPrintGiudizi"));
    qint64 bytes = 0;
    for (auto _ : state) {
        archiveStore().HandedJudgments = searchClass(archiveStore().ArchiveDb, kListClass);
        if (list->CopiaPagina(nullptr) != PrintOutcome::Printed)
            state.SkipWithError("the list was not printed");
        bytes = untimedClear(state);
    }
    state.counters["pdf_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ClassListToPdf)->Unit(benchmark::kMillisecond);

// The baseline. Not timed: the same list read, wrapped and placed by the
// program's layout on a device like the window's (Arial 10, margins 15 and
// 20 mm, 66 lines a page at most). Timed: a QPdfWriter, A4, PDF/A-1b, 1200
// dpi like the program's, drawing those lines at the same places. Reading the
// rows, building and showing the text, wrapping and paging count on the
// program's side only.
void BM_ClassListBaselineQPdfWriter(benchmark::State& state)
{
    Program& run = program();
    QList<PlacedLine> placed;
    PlainTextPage page;
    page.maxLinesPerPage = 66;
    {
        auto rows = searchClass(archiveStore().ArchiveDb, kListClass);
        PrinterDevice printer;
        PlainTextPrinter plain(printer, page);
        placed = paginate(wrapText(classListText(*rows), plain.printableWidth(), plain.measure()),
                          plain.frame());
    }
    const QString file = QDir(run.pdf.path()).filePath(QStringLiteral("baseline.pdf"));
    qint64 bytes = 0;
    for (auto _ : state) {
        {
            QPdfWriter writer(file);
            writer.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
            writer.setResolution(1200);
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
            QPainter painter(&writer);
            QFont font(page.fontName);
            font.setPointSizeF(page.fontSize);
            const QFont sized(font, &writer);
            painter.setFont(sized);
            const double ascent = QFontMetricsF(sized, &writer).ascent();
            const double perMm = writer.resolution() / 25.4;
            int sheet = 0;
            for (const PlacedLine& line : placed) {
                if (line.page != sheet) {
                    writer.newPage();
                    sheet = line.page;
                }
                painter.drawText(QPointF(page.left * perMm, line.y * perMm + ascent), line.text);
            }
        }
        bytes = untimedClear(state);
    }
    state.counters["pdf_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ClassListBaselineQPdfWriter)->Unit(benchmark::kMillisecond);

// The parts of the program's side the baseline does not time, so a change
// in the ratio can be traced: the list text read from the class search, and
// that text wrapped on the class list's device.
void BM_ClassListText(benchmark::State& state)
{
    program();
    for (auto _ : state) {
        const auto rows = searchClass(archiveStore().ArchiveDb, kListClass);
        benchmark::DoNotOptimize(classListText(*rows).size());
    }
}
BENCHMARK(BM_ClassListText)->Unit(benchmark::kMillisecond);

void BM_ClassListWrap(benchmark::State& state)
{
    program();
    const QString text = classListText(*searchClass(archiveStore().ArchiveDb, kListClass));
    PlainTextPage page;
    page.maxLinesPerPage = 66;
    PrinterDevice printer;
    const PlainTextPrinter plain(printer, page);
    for (auto _ : state)
        benchmark::DoNotOptimize(wrapText(text, plain.printableWidth(), plain.measure()).size());
}
BENCHMARK(BM_ClassListWrap)->Unit(benchmark::kMillisecond);

struct AttestatoScreens {
    AttestatoSheetScreen* sheet;
    PagePreview* preview;
    QString target;
};

AttestatoScreens attestatoScreens()
{
    program();
    auto* sheet = ScreenRegistry::as<AttestatoSheetScreen>(attestatoScreenFor(appState()));
    auto* preview = ScreenRegistry::as<PagePreview>(QStringLiteral("frmPrintText"));
    if (!sheet || !preview)
        qFatal("attestato screens missing");
    return {sheet, preview, appState().printTarget};
}

// The class of the attestati searched and handed over, as the archive
// screen does.
std::shared_ptr<Recordset> handedClass()
{
    auto results = searchClass(archiveStore().ArchiveDb, kAttestatoClass);
    archiveStore().HandedJudgments = results;
    return results;
}

// Timed, the calls of the archive's class job: the class search, the roll
// read, one PDF/A job, and for each pupil the cursor on the pupil, the sheet
// composed after the hand-over, a new sheet and the page fitted and drawn.
// Left out: the progress dialog and the closing message.
void BM_ClassAttestatiOneJob(benchmark::State& state)
{
    const AttestatoScreens screens = attestatoScreens();
    qint64 bytes = 0;
    for (auto _ : state) {
        const auto results = handedClass();
        const ClassRoll roll = readClassRoll(*results, QStringLiteral("Medie"));
        PrinterDevice printer(classAttestatiJob(roll.classOf));
        bool printed = printer.startDocument();
        for (int i = 0; printed && i < roll.pupils.size(); ++i) {
            results->setBookmark(roll.pupils.at(i).key);
            const auto page = screens.sheet->pageAfterHandover(screens.target);
            printed = page && (i == 0 || printer.newPage()) &&
                      screens.preview->drawAttestato(page->page, printer) == PrintOutcome::Printed;
        }
        if (!printed || !printer.endDocument() || roll.pupils.size() != kClassPupils)
            state.SkipWithError("the class was not printed");
        bytes = untimedClear(state);
    }
    state.counters["pdf_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ClassAttestatiOneJob)->Unit(benchmark::kMillisecond);

// The baseline, timed: the class search, then for each pupil the attestato
// screen's own print: the sheet composed after the hand-over, then the page
// fitted and printed as a job of its own (30 PDF/A files).
void BM_ClassAttestatiEachOnItsOwn(benchmark::State& state)
{
    const AttestatoScreens screens = attestatoScreens();
    qint64 bytes = 0;
    for (auto _ : state) {
        const auto results = handedClass();
        int printed = 0;
        for (results->moveFirst(); !results->eof(); results->moveNext()) {
            const auto page = screens.sheet->pageAfterHandover(screens.target);
            if (page && screens.preview->outputAttestato(
                            page->page, true, attestatoJob(pupilRefOf(readShownJudgment(*results))),
                            nullptr) == PrintOutcome::Printed)
                ++printed;
        }
        if (printed != kClassPupils)
            state.SkipWithError("an attestato was not printed");
        bytes = untimedClear(state);
    }
    state.counters["pdf_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ClassAttestatiEachOnItsOwn)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return bench::runBenchmarks(argc, argv, [] { programHolder().reset(); });
}

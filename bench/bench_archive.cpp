// The archive on 100,000 judgments of about 1 KB: each way the program opens
// it, beside the raw SQLite baseline of the same query in the same run.
//   "Vedo TUTTO"   Recordset over the whole archive + the first row shown
//                  vs the raw scan of the row keys in the same order
//   pupil search   searchPupil + the first row shown
//                  vs the same indexed query, raw
//   panorama       the grid model refreshed + the first screen of rows read
//                  vs the raw scan of the row keys in the panorama's order
//   CSV export     "Vedo TUTTO" opened and exported to a CSV file
//                  vs one raw ordered statement written with QTextStream
// The panorama's memory is measured by bench_panorama_memory (see there).
#include "ArchiveGenerator.h"
#include "CoreBenchmarkMain.h"

#include "data/ArchiveGridModel.h"
#include "data/ArchiveRow.h"
#include "data/ArchiveSearch.h"
#include "data/Database.h"
#include "data/Recordset.h"
#include "shared/JudgmentExport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <vector>

using namespace giudizi;

namespace {

constexpr int kRows = 100000;
constexpr int kFirstScreenRows = 30;

bench::GeneratedArchive& archive()
{
    static bench::GeneratedArchive a(kRows);
    return a;
}

// The baseline: prepare, bind, step through every row collecting the keys.
std::vector<sqlite3_int64> rawKeys(const char* sql, const char* bind = nullptr)
{
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(archive().raw, sql, -1, &statement, nullptr);
    if (bind)
        sqlite3_bind_text(statement, 1, bind, -1, SQLITE_STATIC);
    std::vector<sqlite3_int64> keys;
    while (sqlite3_step(statement) == SQLITE_ROW)
        keys.push_back(sqlite3_column_int64(statement, 0));
    sqlite3_finalize(statement);
    return keys;
}

void BM_VedoTutto(benchmark::State& state)
{
    for (auto _ : state) {
        auto rows = openWholeArchive(archive().db);
        rows->moveFirst();
        benchmark::DoNotOptimize(readShownJudgment(*rows).giudizio.size());
    }
}
BENCHMARK(BM_VedoTutto)->Unit(benchmark::kMillisecond);

void BM_RawKeysWholeArchive(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(
            rawKeys("SELECT rowid FROM giudizi ORDER BY sezione, classe, nome, rowid").size());
}
BENCHMARK(BM_RawKeysWholeArchive)->Unit(benchmark::kMillisecond);

void BM_PupilSearch(benchmark::State& state)
{
    for (auto _ : state) {
        auto rows = searchPupil(archive().db, QStringLiteral("alunno 050000"));
        rows->moveFirst();
        benchmark::DoNotOptimize(readShownJudgment(*rows).giudizio.size());
    }
}
BENCHMARK(BM_PupilSearch)->Unit(benchmark::kMicrosecond);

void BM_RawPupilQuery(benchmark::State& state)
{
    for (auto _ : state) {
        // The same query, then the row's values, as the screen shows them.
        const auto keys = rawKeys("SELECT rowid FROM giudizi WHERE nome = ? COLLATE NOCASE "
                                  "ORDER BY sezione, classe, quadrimestre, rowid",
                                  "ALUNNO 050000");
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(archive().raw, "SELECT * FROM giudizi WHERE rowid = ?", -1, &statement,
                           nullptr);
        sqlite3_bind_int64(statement, 1, keys.at(0));
        sqlite3_step(statement);
        benchmark::DoNotOptimize(sqlite3_column_bytes(statement, 8));
        sqlite3_finalize(statement);
    }
}
BENCHMARK(BM_RawPupilQuery)->Unit(benchmark::kMicrosecond);

void BM_PanoramaFirstScreen(benchmark::State& state)
{
    ArchiveGridModel model;
    for (auto _ : state) {
        model.refresh(archive().db);
        for (int r = 0; r < kFirstScreenRows; ++r)
            for (int c = 0; c < model.columnCount(); ++c)
                benchmark::DoNotOptimize(model.index(r, c).data());
    }
}
BENCHMARK(BM_PanoramaFirstScreen)->Unit(benchmark::kMillisecond);

void BM_RawKeysPanorama(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(
            rawKeys("SELECT rowid FROM giudizi ORDER BY classe, sezione, nome, rowid").size());
}
BENCHMARK(BM_RawKeysPanorama)->Unit(benchmark::kMillisecond);

// Where both exports write, beside the archive.
QString exportPath()
{
    return archive().dir.filePath(QStringLiteral("export.csv"));
}

void BM_CsvExport(benchmark::State& state)
{
    for (auto _ : state) {
        auto rows = openWholeArchive(archive().db);
        const ExportResult result = exportJudgments(*rows, exportPath());
        if (result.outcome != ExportOutcome::Written || result.rows != kRows)
            state.SkipWithError("export failed");
    }
}
BENCHMARK(BM_CsvExport)->Unit(benchmark::kMillisecond);

// The same file by hand: one ordered statement, fields quoted the same way.
void BM_RawCsvExport(benchmark::State& state)
{
    const auto field = [](const QString& text) {
        for (const QChar c : text)
            if (c == u';' || c == u'"' || c == u'\r' || c == u'\n')
                return QLatin1Char('"') + QString(text).replace(u'"', QStringLiteral("\"\"")) +
                       QLatin1Char('"');
        return text;
    };
    for (auto _ : state) {
        QFile file(exportPath());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            state.SkipWithError("cannot write");
        QTextStream out(&file);
        out.setGenerateByteOrderMark(true);
        out << "Alunno;Classe;Sezione;Anno scolastico;Periodo;Scuola;Giudizio\r\n";
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(archive().raw,
                           "SELECT nome, classe, sezione, anno, quadrimestre, scuola, giudizio "
                           "FROM giudizi ORDER BY sezione, classe, nome, rowid",
                           -1, &statement, nullptr);
        while (sqlite3_step(statement) == SQLITE_ROW) {
            for (int c = 0; c < 7; ++c) {
                if (c > 0)
                    out << ';';
                out << field(QString::fromUtf8(
                    reinterpret_cast<const char*>(sqlite3_column_text(statement, c)),
                    sqlite3_column_bytes(statement, c)));
            }
            out << "\r\n";
        }
        sqlite3_finalize(statement);
        out.flush();
    }
}
BENCHMARK(BM_RawCsvExport)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return bench::runCoreBenchmarks(argc, argv, [] { archive(); });
}

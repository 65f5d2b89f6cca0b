// The archive on the school server, 100,000 judgments of about 1 KB: each way
// the program opens it, beside the same work sent by hand with libpq in the
// same run.
//   pupil search   searchPupil + the first row shown
//                  vs the same indexed query and row read, by hand
//   "Vedo TUTTO"   the whole archive opened + the first row shown
//                  vs the first block of a server-side cursor over the same
//                  ordered query (the yardstick only: the program keeps no
//                  cursor open between events)
//   panorama       the grid model refreshed + the first screen of rows read
//                  vs the same key query and first block of rows, by hand
// Needs a server: GIUDIZI_BENCH_SERVER holds its settings as the cluster's
// owner (tools/bench-server.sh starts a private one and runs this).
#include "CoreBenchmarkMain.h"

#include "data/ArchiveGridModel.h"
#include "data/ArchiveRow.h"
#include "data/ArchiveSearch.h"
#include "data/Database.h"
#include "data/Recordset.h"
#include "data/ServerAddress.h"
#include "data/ServerSetup.h"

#include <benchmark/benchmark.h>
#include <libpq-fe.h>
#include <unistd.h>

using namespace giudizi;

namespace {

constexpr int kRows = 100000;
constexpr int kFirstScreenRows = 30;
constexpr int kFirstBlock = 200; // the keys the program reads at opening

QString g_settings;
std::shared_ptr<Database> g_db;
PGconn* g_raw = nullptr;

PGresult* run(const char* sql, const std::vector<const char*>& values = {})
{
    PGresult* result = PQexecParams(g_raw, sql, static_cast<int>(values.size()), nullptr,
                                    values.data(), nullptr, nullptr, 0);
    const ExecStatusType status = PQresultStatus(result);
    if (status != PGRES_TUPLES_OK && status != PGRES_COMMAND_OK)
        qFatal("%s: %s", sql, PQerrorMessage(g_raw));
    return result;
}

void prepare()
{
    const QString base = qEnvironmentVariable("GIUDIZI_BENCH_SERVER");
    if (base.isEmpty())
        qFatal("GIUDIZI_BENCH_SERVER: the settings of a PostgreSQL server (tools/bench-server.sh)");
    const QString name = QStringLiteral("banco_%1").arg(::getpid());
    g_raw = PQconnectdb((base + QStringLiteral(" dbname=postgres")).toUtf8().constData());
    PQclear(run(QStringLiteral("CREATE DATABASE %1").arg(name).toUtf8().constData()));
    PQfinish(g_raw);
    g_settings = base + QStringLiteral(" dbname=") + name;
    QString error;
    const auto address = parseServerAddress(g_settings, &error);
    g_db = address ? Database::connect(*address, &error) : nullptr;
    if (!g_db || !prepareServer(*g_db).ok)
        qFatal("server: %s", qPrintable(error));
    g_raw = PQconnectdb(g_settings.toUtf8().constData());
    // The same rows as the local benchmarks' archive.
    PQclear(run("INSERT INTO giudizi (nome, sex, scuola, classe, sezione, anno, quadrimestre, "
                "giudizio) SELECT 'ALUNNO ' || lpad(i::text, 6, '0'), CASE WHEN i % 2 = 1 THEN "
                "'M' ELSE 'F' END, 'Medie', 1 + i % 3, chr(65 + i % 12), (2004 + i % 5) || '-' || "
                "(2005 + i % 5), 1 + i % 3, repeat('L''alunno si è inserito positivamente nel "
                "gruppo classe e collabora volentieri con i compagni. Partecipa con interesse "
                "alle attività e porta a termine i compiti assegnati con ordine e precisione. ', "
                "5) FROM generate_series(0, 99999) AS i"));
    PQclear(run("VACUUM ANALYZE giudizi"));
}

void BM_ServerPupilSearch(benchmark::State& state)
{
    for (auto _ : state) {
        auto rows = searchPupil(g_db, QStringLiteral("alunno 050000"));
        rows->moveFirst();
        benchmark::DoNotOptimize(readShownJudgment(*rows).giudizio.size());
    }
}
BENCHMARK(BM_ServerPupilSearch)->Unit(benchmark::kMicrosecond);

void BM_RawServerPupilQuery(benchmark::State& state)
{
    for (auto _ : state) {
        PGresult* keys = run("SELECT data FROM giudizi WHERE lower(nome) = lower($1) ORDER BY "
                             "sezione NULLS FIRST, classe NULLS FIRST, quadrimestre NULLS FIRST, "
                             "data",
                             {"ALUNNO 050000"});
        const std::string key = PQgetvalue(keys, 0, 0);
        PGresult* row = run("SELECT * FROM giudizi WHERE data = $1", {key.c_str()});
        benchmark::DoNotOptimize(PQgetlength(row, 0, 8));
        PQclear(row);
        PQclear(keys);
    }
}
BENCHMARK(BM_RawServerPupilQuery)->Unit(benchmark::kMicrosecond);

void BM_ServerVedoTutto(benchmark::State& state)
{
    for (auto _ : state) {
        auto rows = openWholeArchive(g_db);
        rows->moveFirst();
        benchmark::DoNotOptimize(readShownJudgment(*rows).giudizio.size());
    }
}
BENCHMARK(BM_ServerVedoTutto)->Unit(benchmark::kMillisecond);

void BM_RawServerCursorFirstBlock(benchmark::State& state)
{
    const QByteArray fetch = QStringLiteral("FETCH %1 FROM tutto").arg(kFirstBlock).toUtf8();
    for (auto _ : state) {
        PQclear(run("BEGIN"));
        PQclear(run("DECLARE tutto CURSOR FOR SELECT * FROM giudizi ORDER BY sezione NULLS "
                    "FIRST, classe NULLS FIRST, nome NULLS FIRST, data"));
        PGresult* block = run(fetch.constData());
        benchmark::DoNotOptimize(PQgetlength(block, 0, 8));
        PQclear(block);
        PQclear(run("COMMIT"));
    }
}
BENCHMARK(BM_RawServerCursorFirstBlock)->Unit(benchmark::kMillisecond);

void BM_ServerPanoramaFirstScreen(benchmark::State& state)
{
    ArchiveGridModel model;
    for (auto _ : state) {
        model.refresh(g_db);
        for (int r = 0; r < kFirstScreenRows; ++r)
            for (int c = 0; c < model.columnCount(); ++c)
                benchmark::DoNotOptimize(model.index(r, c).data());
    }
}
BENCHMARK(BM_ServerPanoramaFirstScreen)->Unit(benchmark::kMillisecond);

void BM_RawServerPanorama(benchmark::State& state)
{
    const QStringList columns = g_db->columns(QStringLiteral("giudizi"));
    for (auto _ : state) {
        PGresult* keys = run("SELECT data FROM giudizi ORDER BY classe NULLS FIRST, sezione "
                             "NULLS FIRST, nome NULLS FIRST, data");
        // The first block of rows the grid reads, by their keys.
        QStringList first;
        for (int r = 0; r < ArchiveGridModel::kBlockRows && r < PQntuples(keys); ++r)
            first.append(QString::fromLatin1(PQgetvalue(keys, r, 0)));
        const QByteArray sql =
            QStringLiteral("SELECT data, %1 FROM giudizi WHERE data IN (%2)")
                .arg(columns.join(QLatin1Char(',')), first.join(QLatin1Char(',')))
                .toUtf8();
        PGresult* rows = run(sql.constData());
        benchmark::DoNotOptimize(PQntuples(rows));
        PQclear(rows);
        PQclear(keys);
    }
}
BENCHMARK(BM_RawServerPanorama)->Unit(benchmark::kMillisecond);

// The benchmark's database goes with it.
void finish()
{
    PQfinish(g_raw);
    g_db->close();
    const QString base = qEnvironmentVariable("GIUDIZI_BENCH_SERVER");
    PGconn* admin = PQconnectdb((base + QStringLiteral(" dbname=postgres")).toUtf8().constData());
    PQclear(PQexec(admin, QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)")
                              .arg(g_settings.section(QStringLiteral("dbname="), 1))
                              .toUtf8()
                              .constData()));
    PQfinish(admin);
}

} // namespace

int main(int argc, char** argv)
{
    return bench::runCoreBenchmarks(argc, argv, prepare, finish);
}

// The names data entry offers for a class of 2,000 pupils (one year, three
// terms each, among 100,000 judgments of other years), beside the same
// indexed query sent by hand to SQLite in the same run.
//   known pupils  knownPupils(), the call that feeds the name completion
//   raw query     the same statement, prepared, bound, stepped, its texts read
#include "ArchiveGenerator.h"
#include "CoreBenchmarkMain.h"

#include "data/Database.h"
#include "data/KnownPupils.h"

#include <QSqlQuery>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

using namespace giudizi;

namespace {

constexpr int kOtherRows = 100000;
constexpr int kPupils = 2000;
const ClassKey kClass{1, QStringLiteral("A"), QStringLiteral("2030-2031")};

// 2,000 distinct pupils of one class and year, with a judgment each term.
void addClass(Database& db)
{
    Database::Transaction transaction(db);
    QSqlQuery insert(db.handle());
    insert.prepare(QStringLiteral("INSERT INTO giudizi (nome, sex, scuola, classe, sezione, anno, "
                                  "quadrimestre) VALUES (?, 'M', 'Medie', ?, ?, ?, ?)"));
    for (int term = 1; term <= 3; ++term) {
        for (int i = 0; i < kPupils; ++i) {
            insert.addBindValue(QStringLiteral("PUPILLO %1").arg(i, 4, 10, QLatin1Char('0')));
            insert.addBindValue(kClass.classe);
            insert.addBindValue(kClass.sezione);
            insert.addBindValue(kClass.anno);
            insert.addBindValue(term);
            if (!insert.exec())
                qFatal("insert failed");
        }
    }
    transaction.commit();
}

bench::GeneratedArchive& archive()
{
    static bench::GeneratedArchive a(kOtherRows, addClass);
    return a;
}

void BM_KnownPupils(benchmark::State& state)
{
    for (auto _ : state) {
        const QList<KnownPupil> pupils = knownPupils(*archive().db, kClass);
        if (pupils.size() != kPupils)
            state.SkipWithError("wrong number of names");
        benchmark::DoNotOptimize(pupils.constLast().nome.size());
    }
}
BENCHMARK(BM_KnownPupils)->Unit(benchmark::kMicrosecond);

void BM_RawKnownPupilsQuery(benchmark::State& state)
{
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(
        archive().raw,
        "SELECT nome, MAX(sesso) FROM (SELECT nome, '' AS sesso FROM giudizi WHERE anno = ?1 "
        "COLLATE NOCASE AND classe = ?2 AND sezione = ?3 COLLATE NOCASE AND nome <> '' UNION ALL "
        "SELECT nome, sesso FROM elenco WHERE anno = ?1 COLLATE NOCASE AND classe = ?2 AND "
        "sezione = ?3 COLLATE NOCASE) GROUP BY nome ORDER BY nome",
        -1, &statement, nullptr);
    for (auto _ : state) {
        sqlite3_bind_text(statement, 1, "2030-2031", -1, SQLITE_STATIC);
        sqlite3_bind_int(statement, 2, 1);
        sqlite3_bind_text(statement, 3, "A", -1, SQLITE_STATIC);
        int rows = 0;
        size_t bytes = 0;
        while (sqlite3_step(statement) == SQLITE_ROW) {
            bytes += static_cast<size_t>(sqlite3_column_bytes(statement, 0)) +
                     static_cast<size_t>(sqlite3_column_bytes(statement, 1));
            ++rows;
        }
        sqlite3_reset(statement);
        if (rows != kPupils)
            state.SkipWithError("wrong number of names");
        benchmark::DoNotOptimize(bytes);
    }
    sqlite3_finalize(statement);
}
BENCHMARK(BM_RawKnownPupilsQuery)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return bench::runCoreBenchmarks(argc, argv, [] { archive(); });
}

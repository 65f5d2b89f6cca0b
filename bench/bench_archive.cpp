// Opening the whole archive ("Vedo TUTTO") on 100,000 judgments: the keyset
// cursor against a raw SQLite loop that reads every row, as the baseline.
#include "ArchiveGenerator.h"

#include "data/Database.h"
#include "data/Recordset.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace giudizi;

namespace {

constexpr int kRows = 100000;

struct Archive {
    QTemporaryDir dir;
    std::shared_ptr<Database> db;
    Archive()
    {
        QString error;
        const QString folder = dir.path() + QStringLiteral("/pergiudix");
        if (!bench::generateArchive(folder, kRows, &error))
            qFatal("%s", qPrintable(error));
        db = Database::open(folder + QStringLiteral("/Valutazioni.mdb"), &error);
    }
};

Archive& archive()
{
    static Archive a;
    return a;
}

void BM_RecordsetOpenAllMoveLast(benchmark::State& state)
{
    auto db = archive().db;
    for (auto _ : state) {
        auto rs = Recordset::open(db, QStringLiteral("giudizi"), QString(), {},
                                  QStringLiteral("sezione, classe, nome ASC"));
        rs->moveLast();
        benchmark::DoNotOptimize(rs->text(QStringLiteral("giudizio")).size());
        benchmark::DoNotOptimize(rs->recordCount());
    }
}
BENCHMARK(BM_RecordsetOpenAllMoveLast)->Unit(benchmark::kMillisecond);

void BM_RawQueryReadAllRows(benchmark::State& state)
{
    auto db = archive().db;
    for (auto _ : state) {
        QSqlQuery query(db->handle());
        query.setForwardOnly(true);
        query.exec(QStringLiteral("SELECT * FROM giudizi ORDER BY sezione, classe, nome ASC"));
        qsizetype total = 0;
        int count = 0;
        while (query.next()) {
            total += query.value(QStringLiteral("giudizio")).toString().size();
            ++count;
        }
        benchmark::DoNotOptimize(total);
        benchmark::DoNotOptimize(count);
    }
}
BENCHMARK(BM_RawQueryReadAllRows)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    archive();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

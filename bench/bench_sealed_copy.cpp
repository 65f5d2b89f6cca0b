// The encrypted copy of a 100,000-judgment archive's three files, beside the
// plain verified backup of the same open databases in the same run:
//   plain backup      backUpDatabases into a folder (engine copy, integrity
//                     check, sync, rename)
//   sealed files      the three data files sealed with a fixed key into one
//                     file, synced and renamed in (the encryption alone)
//   encrypted backup  the program's backup with a passphrase, its key given:
//                     the plain backup into a staging folder, those copies
//                     sealed, the sealed copy read back whole
//   key derivation    Argon2id at MODERATE alone, once per copy; outside the ratio
// The ratio to read is encrypted backup / plain backup (at most 2).
#include "ArchiveGenerator.h"

#include "data/Backup.h"
#include "data/Database.h"
#include "data/SealedBackup.h"
#include "data/SealedCopy.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace giudizi;

namespace {

constexpr int kRows = 100000;
const QStringList kFiles{QStringLiteral("Valutazioni.mdb"), QStringLiteral("DBgiudix2.mdb"),
                         QStringLiteral("stampagiudix.mdb")};

struct Archive {
    QTemporaryDir dir;
    QString folder;
    QList<BackupItem> items;
    QList<SealedFile> files;
    qint64 bytes = 0;
    Archive()
    {
        QString error;
        folder = dir.filePath(QStringLiteral("pergiudix"));
        if (!bench::generateArchive(folder, kRows, &error))
            qFatal("%s", qPrintable(error));
        for (const QString& name : kFiles) {
            const QString path = QDir(folder).filePath(name);
            auto db = Database::open(path, &error);
            if (!db)
                qFatal("%s", qPrintable(error));
            items.append({db, name});
            files.append({name, path});
            bytes += QFileInfo(path).size();
        }
    }
};

Archive& archive()
{
    static Archive a;
    return a;
}

// A key drawn once, in place of one derived from a passphrase.
struct DrawnKey : SealKey {
    DrawnKey() { randombytes_buf(bytes, sizeof bytes); }
};

void check(bool ok, const QString& error)
{
    if (!ok)
        qFatal("%s", qPrintable(error));
}

// The archive made before the clock starts; the three files' bytes counted per run.
Archive& readyArchive(benchmark::State& state)
{
    Archive& a = archive();
    state.counters["MB"] = static_cast<double>(a.bytes) / 1e6;
    return a;
}

void BM_PlainBackup(benchmark::State& state)
{
    QTemporaryDir medium;
    const Archive& a = readyArchive(state);
    QString error;
    for (auto _ : state)
        check(backUpDatabases(a.items, medium.path(), &error), error);
}
BENCHMARK(BM_PlainBackup)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SealedFiles(benchmark::State& state)
{
    QTemporaryDir medium;
    const DrawnKey key;
    const SealHeader header = newSealHeader();
    const QString target = QDir(medium.path()).filePath(sealedCopyFileName());
    const Archive& a = readyArchive(state);
    QString error;
    for (auto _ : state)
        check(sealFilesWithKey(a.files, key, header, target, &error), error);
}
BENCHMARK(BM_SealedFiles)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_EncryptedBackup(benchmark::State& state)
{
    QTemporaryDir medium;
    const DrawnKey key;
    const SealHeader header = newSealHeader();
    const Archive& a = readyArchive(state);
    QString error;
    for (auto _ : state)
        check(backUpSealedWithKey(a.items, medium.path(), key, header, &error), error);
}
BENCHMARK(BM_EncryptedBackup)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_KeyDerivationModerate(benchmark::State& state)
{
    const SealHeader header = newSealHeader();
    for (auto _ : state) {
        SealKey key;
        check(deriveSealKey("una password qualsiasi", header, &key), QStringLiteral("Argon2id"));
        benchmark::DoNotOptimize(key.bytes[0]);
    }
}
BENCHMARK(BM_KeyDerivationModerate)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();

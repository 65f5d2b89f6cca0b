// What goes from the program into the electronic register: the result set of
// an archive search exported as a CSV file, read back with a reader that is
// not the program's own.
#include "data/ArchiveSearch.h"
#include "data/ArchiveStore.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "shared/CsvWriter.h"
#include "shared/JudgmentExport.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace giudizi;
using namespace giudizi::test;

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// The rows of a CSV file as Python's csv module reads them (';' between
// fields, the byte-order mark dropped).
QList<QStringList> readWithPython(const QString& path)
{
    QProcess python;
    python.start(QStringLiteral("python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import csv, json, sys\n"
                                 "with open(sys.argv[1], encoding='utf-8-sig', newline='') as f:\n"
                                 "    print(json.dumps(list(csv.reader(f, delimiter=';'))))\n"),
                  path});
    if (!python.waitForFinished(30000) || python.exitCode() != 0)
        qWarning("python3: %s", python.readAllStandardError().constData());
    QList<QStringList> rows;
    for (const QJsonValue& row : QJsonDocument::fromJson(python.readAllStandardOutput()).array()) {
        QStringList fields;
        for (const QJsonValue& field : row.toArray())
            fields << field.toString();
        rows << fields;
    }
    return rows;
}

} // namespace

class TestRegister : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramRun> m_run;

private slots:
    void cleanup() { m_run.reset(); }

    // Fields quoted only when they must be, quotes doubled, CR LF, the
    // byte-order mark once; a device that refuses is reported.
    void csvWriterQuotesAndEndsRows()
    {
        QCOMPARE(csvField(u"Rossi"), QStringLiteral("Rossi"));
        QCOMPARE(csvField(u""), QString());
        QCOMPARE(csvField(u" D'ANGELO, è "), QStringLiteral(" D'ANGELO, è "));
        QCOMPARE(csvField(u"a;b"), QStringLiteral("\"a;b\""));
        QCOMPARE(csvField(u"il \"bravo\""), QStringLiteral("\"il \"\"bravo\"\"\""));
        QCOMPARE(csvField(u"\""), QStringLiteral("\"\"\"\""));
        QCOMPARE(csvField(u"uno\ndue"), QStringLiteral("\"uno\ndue\""));
        QCOMPARE(csvField(u"uno\rdue"), QStringLiteral("\"uno\rdue\""));

        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        CsvWriter csv(buffer);
        csv.writeRow({QStringLiteral("a"), QString(), QStringLiteral("c;d")});
        csv.writeField(u"è");
        csv.writeField(u"x\r\ny");
        csv.endRow();
        QVERIFY(csv.finish());
        QCOMPARE(buffer.data(), QByteArray("\xEF\xBB\xBF"
                                           "a;;\"c;d\"\r\n"
                                           "\xC3\xA8;\"x\r\ny\"\r\n"));

        // Rows past the buffer's size reach the device in order.
        QBuffer big;
        big.open(QIODevice::WriteOnly);
        CsvWriter many(big);
        for (int i = 0; i < 20000; ++i)
            many.writeRow({QString::number(i), QStringLiteral("testo;di prova")});
        QVERIFY(many.finish());
        const QList<QByteArray> lines = big.data().split('\n');
        QCOMPARE(lines.size(), 20001);
        QCOMPARE(lines.at(12345), QByteArray("12345;\"testo;di prova\"\r"));

        QBuffer closed; // not open: every write is refused
        CsvWriter refused(closed);
        refused.writeRow({QStringLiteral("a")});
        QVERIFY(!refused.finish());
    }

    // The program's export code on a result set: rows in order, the cursor
    // where it was, a row deleted meanwhile left out, and no file touched
    // when the export fails or is cancelled.
    void exportKeepsCursorAndOldFiles()
    {
        m_run = std::make_unique<ProgramRun>();
        execArchive(QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1200) "
            "INSERT INTO giudizi (nome, classe, sezione, anno, quadrimestre, giudizio, scuola) "
            "SELECT printf('ALUNNO %04d', 1201 - i), 1, 'A', '2025-2026', 1, 'Testo ' || i, "
            "'Medie' FROM n"));
        const auto rows = giudizi::searchClass(archiveStore().ArchiveDb,
                                               ClassQuery{1, QStringLiteral("A"), "2025-2026", 1});
        QCOMPARE(rows->recordCount(), 1200);
        rows->moveNext();
        rows->moveNext();
        const Recordset::Bookmark standing = rows->bookmark();
        execArchive(QStringLiteral("DELETE FROM giudizi WHERE nome = 'ALUNNO 0005'"));

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("classe.csv"));
        QList<int> seen;
        const ExportResult done = exportJudgments(*rows, path, [&](int rowsDone, int total) {
            seen << rowsDone;
            return total == 1200;
        });
        QCOMPARE(done.outcome, ExportOutcome::Written);
        QCOMPARE(done.rows, 1199);
        QCOMPARE(seen, QList<int>({500, 1000}));
        QCOMPARE(rows->bookmark(), standing);
        const QList<QStringList> read = readWithPython(path);
        QCOMPARE(read.size(), 1200);
        QCOMPARE(read.at(0), kExportHeader);
        QCOMPARE(read.at(1).at(0), QStringLiteral("ALUNNO 0001")); // by name
        QCOMPARE(read.at(5).at(0), QStringLiteral("ALUNNO 0006"));
        QCOMPARE(read.at(1199),
                 QStringList({"ALUNNO 1200", "1", "A", "2025-2026", "1", "Medie", "Testo 1"}));

        // Cancelled half-way, or the archive gone half-way: the old file stays.
        const QByteArray old = fileBytes(path);
        const ExportResult cancelled =
            exportJudgments(*rows, path, [](int rowsDone, int) { return rowsDone < 500; });
        QCOMPARE(cancelled.outcome, ExportOutcome::Cancelled);
        QCOMPARE(fileBytes(path), old);
        QVERIFY_THROWS_EXCEPTION(
            DbError, exportJudgments(*rows, path, [](int, int) {
                execArchive(QStringLiteral("ALTER TABLE giudizi RENAME TO giudizi_via"));
                return true;
            }));
        execArchive(QStringLiteral("ALTER TABLE giudizi_via RENAME TO giudizi"));
        QCOMPARE(fileBytes(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"classe.csv"}));

        const QString nowhere = dir.filePath(QStringLiteral("manca/classe.csv"));
        QCOMPARE(exportJudgments(*rows, nowhere).outcome, ExportOutcome::NotWritten);
        QVERIFY(!QFileInfo::exists(nowhere));
    }
};

QTEST_MAIN(TestRegister)
#include "tst_register.moc"

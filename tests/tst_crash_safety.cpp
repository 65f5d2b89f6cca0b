// Every save survives a crash. A child copy of the program enters pupils and
// saves their judgments through the program's own screens, in a loop, and
// acknowledges each save once it is in the archive; it is killed (SIGKILL) at
// random moments. After each kill the archive must be whole, hold every
// acknowledged judgment with its whole text and no pupil twice, and the next
// copy must start on the folder normally (a hot journal rolled back, the
// dead copy's lock let go). GIUDIZI_CRASH_KILLS sets the number of kills
// (50 here; tools/crash-test.sh runs 1,000).
// A second child restores copies of the archive, one after the other, and is
// killed the same way: after each kill the start-up check must find the old
// files or the restored ones, whole, never a mix of the two
// (GIUDIZI_CRASH_RESTORES kills, 20 here; the tool runs 200).
// With the archive on the school server (GIUDIZI_TEST_ENGINE=server) the
// saving copies write to the server instead (GIUDIZI_CRASH_SERVER_KILLS, 20
// here; the tool runs 200).
#include "app/application.h"
#include "data/AppState.h"
#include "data/ArchiveStore.h"
#include "data/Backup.h"
#include "data/DataFolder.h"
#include "data/Database.h"
#include "data/Restore.h"
#include "platform/ScreenRegistry.h"
#include "screens/compose/Fgiudix2.h"
#include "screens/entry/Fimmissio2.h"
#include "screens/start/Favviogiudix2.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <functional>

using namespace giudizi;
using namespace giudizi::test;

namespace {

const char* const kChildVariable = "GIUDIZI_CRASH_CHILD";
const char* const kRestoreChildVariable = "GIUDIZI_CRASH_RESTORE_CHILD";

// The tag every file of a set carries (the database header's user_version):
// 0 the files the program started with, 1 and 2 the two copies restored.
int tagOf(const QString& file)
{
    QString error;
    auto db = Database::open(file, &error);
    QSqlQuery q(db ? db->handle() : QSqlDatabase());
    return db && q.exec(QStringLiteral("PRAGMA user_version")) && q.next() ? q.value(0).toInt()
                                                                           : -1;
}

// A data folder in `folder` whose three files carry `tag`, its archive
// holding `rows` judgments.
bool makeTaggedSet(const QString& folder, int tag, int rows)
{
    QString error;
    if (!createDataFolder(folder, &error))
        return false;
    for (const QString& path : datafiles::allPaths()) {
        auto db = Database::open(QDir(folder).filePath(QFileInfo(path).fileName()), &error);
        if (!db)
            return false;
        QSqlQuery q(db->handle());
        q.exec(QStringLiteral("BEGIN"));
        if (path == datafiles::archivePath())
            for (int i = 0; i < rows; ++i) {
                q.prepare(QStringLiteral("INSERT INTO giudizi (nome, giudizio) VALUES (?, ?)"));
                q.addBindValue(QStringLiteral("COPIA %1").arg(i));
                q.addBindValue(QStringLiteral("Giudizio della copia %1. ").arg(tag).repeated(40));
                q.exec();
            }
        // Every file of a set about as long to write, so that kills fall
        // between the files as often as within them.
        q.exec(QStringLiteral("CREATE TABLE riempimento (dati BLOB)"));
        for (int i = 0; i < rows; ++i)
            q.exec(QStringLiteral("INSERT INTO riempimento VALUES (zeroblob(1000))"));
        q.exec(QStringLiteral("PRAGMA user_version = %1").arg(tag));
        q.exec(QStringLiteral("COMMIT"));
    }
    return true;
}

int rowsOf(int tag)
{
    return tag == 1 ? 1500 : tag == 2 ? 1 : 0;
}

QString pupilName(int i)
{
    return QStringLiteral("ALUNNO %1").arg(i, 5, 10, QLatin1Char('0'));
}

// A judgment of a few kilobytes that the save leaves as it is.
QString judgment(int i)
{
    return QStringLiteral("Giudizio dell'alunno numero %1, scritto per intero. ")
        .arg(i)
        .repeated(20 + i % 60);
}

QString storedJudgment(const QString& name)
{
    QSqlQuery q(archiveStore().ArchiveDb->handle());
    q.prepare(QStringLiteral("SELECT giudizio FROM giudizi WHERE nome = ?"));
    q.addBindValue(name);
    return q.exec() && q.next() ? q.value(0).toString() : QString();
}

// The child: the program as a teacher runs it, saving pupil after pupil.
int runChild(int from)
{
    if (!startApplication())
        return 3;
    AppState& state = appState();
    state.model = QStringLiteral("Flessibile");
    state.schoolLevel = QStringLiteral("Medie");
    if (!ScreenRegistry::get<Favviogiudix2>()->openScreen())
        return 4;
    ScreenRegistry::get<Favviogiudix2>()->Labprimo_Click();
    auto* compose = ScreenRegistry::get<Fgiudix2>();
    auto* entry = ScreenRegistry::get<Fimmissio2>();
    // The pupil saved before the last kill but not acknowledged comes again:
    // its row is reused, as the teacher would answer.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            (box->button(QMessageBox::Yes) ? box->button(QMessageBox::Yes)
                                           : box->button(QMessageBox::Ok))
                ->click();
    });
    answer.start(0);
    std::puts("ready");
    std::fflush(stdout);
    for (int i = from;; ++i) {
        compose->cmdsuccessivo_Click();
        entry->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(pupilName(i));
        entry->LabM_Click();
        entry->cmdfatto_Click();
        compose->setText(judgment(i));
        compose->cmdmaiuscole_Click();
        if (storedJudgment(pupilName(i)) != judgment(i))
            return 5;
        std::printf("saved %d\n", i);
        std::fflush(stdout);
    }
}

// The child that restores: the program started on the folder with its three
// databases open, then copy 1 and copy 2 restored in turn, for ever.
int runRestoreChild(const QString& copies)
{
    if (!startApplication())
        return 3;
    QString error;
    ArchiveStore& store = archiveStore();
    store.ArchiveDb = Database::open(datafiles::archivePath(), &error);
    store.DescriptorDb = Database::open(datafiles::descriptorPath(), &error);
    store.PrintSettingsDb = Database::open(datafiles::printSettingsPath(), &error);
    if (!store.ArchiveDb || !store.DescriptorDb || !store.PrintSettingsDb)
        return 4;
    std::puts("ready");
    std::fflush(stdout);
    // Always the other set than the one in place, so each restore changes something.
    int tag = tagOf(datafiles::archivePath());
    for (;;) {
        tag = tag == 1 ? 2 : 1;
        if (restore::restoreFrom(QDir(copies).filePath(QString::number(tag)), dataFilesOf(store),
                                 &error) != restore::Outcome::Restored)
            return 5;
        std::printf("restored %d\n", tag);
        std::fflush(stdout);
    }
}

} // namespace

class TestCrashSafety : public QObject {
    Q_OBJECT

private slots:
    void everyAcknowledgedSaveSurvivesAKill()
    {
        if (onTestServer())
            QSKIP("the local files' own test");
        WorkFolder work;
        QString error;
        QVERIFY(createDataFolder(datafiles::folder(), &error));
        int hotJournals = 0;
        const int saves = killSavingCopies(
            work.path(), "GIUDIZI_CRASH_KILLS", 50, [&](const QSet<int>& acknowledged) {
                // Checked on a copy: the hot journal a kill
                // may leave stays for the next copy to roll back.
                if (QFileInfo::exists(datafiles::archivePath() + QStringLiteral("-journal")))
                    ++hotJournals;
                checkArchive(acknowledged);
            });
        qInfo("%d saves acknowledged, %d hot journals rolled back", saves, hotJournals);
    }

    // The same with the archive on the school server: each kill drops the
    // copy's connection halfway, and the server keeps every acknowledged save.
    void everyAcknowledgedSaveOnTheServerSurvivesAKill()
    {
        if (!onTestServer())
            QSKIP("with the archive on the school server only");
        WorkFolder work;
        const QString database = work.server()->name();
        const int saves = killSavingCopies(
            work.path(), "GIUDIZI_CRASH_SERVER_KILLS", 20, [&](const QSet<int>& acknowledged) {
                QHash<QString, QString> texts;
                for (const QString& row : adminQuery(
                         database, QStringLiteral("SELECT nome || '|' || coalesce(giudizio, '') "
                                                  "FROM giudizi"))) {
                    const QString name = row.section(QLatin1Char('|'), 0, 0);
                    QVERIFY2(!texts.contains(name), qPrintable(name + QStringLiteral(" twice")));
                    texts.insert(name, row.section(QLatin1Char('|'), 1));
                }
                for (int i : acknowledged)
                    QVERIFY2(texts.value(pupilName(i)) == judgment(i), qPrintable(pupilName(i)));
            });
        qInfo("%d saves acknowledged on the server", saves);
    }

    void everyRestoreIsWholeOrUndone()
    {
        if (onTestServer())
            QSKIP("the local files' own test");
        WorkFolder work;
        QTemporaryDir copies;
        QVERIFY(makeTaggedSet(datafiles::folder(), 0, 0));
        QVERIFY(makeTaggedSet(copies.filePath(QStringLiteral("1")), 1, rowsOf(1)));
        QVERIFY(makeTaggedSet(copies.filePath(QStringLiteral("2")), 2, rowsOf(2)));
        const int kills = qEnvironmentVariableIsSet("GIUDIZI_CRASH_RESTORES")
                              ? qEnvironmentVariableIntValue("GIUDIZI_CRASH_RESTORES")
                              : 20;
        QRandomGenerator random(20261209);
        QHash<int, int> found;
        int completed = 0;
        for (int round = 0; round < kills; ++round) {
            const QString out = killedChild(kRestoreChildVariable, copies.path(), work.path(),
                                            round, random.bounded(1, 200));
            QVERIFY2(out.startsWith(QLatin1String("ready")), qPrintable(out));
            completed += static_cast<int>(out.count(QLatin1String("restored")));
            // What the next start does first, then the three files as it opens them.
            restore::finishInterrupted();
            const int tag = tagOf(datafiles::archivePath());
            QVERIFY2(tag >= 0 && tag <= 2, qPrintable(QString::number(tag)));
            for (const QString& path : datafiles::allPaths())
                QVERIFY2(tagOf(path) == tag,
                         qPrintable(QStringLiteral("round %1: %2 is not of set %3")
                                        .arg(round)
                                        .arg(path)
                                        .arg(tag)));
            auto db = Database::open(datafiles::archivePath(), nullptr);
            QSqlQuery q(db->handle());
            QVERIFY(q.exec(QStringLiteral("PRAGMA integrity_check")) && q.next());
            QCOMPARE(q.value(0).toString(), QStringLiteral("ok"));
            QVERIFY(q.exec(QStringLiteral("SELECT COUNT(*) FROM giudizi")) && q.next());
            QCOMPARE(q.value(0).toInt(), rowsOf(tag));
            ++found[tag];
        }
        qInfo("%d kills, %d restores completed; found after a kill: %d times the first files, "
              "%d times copy 1, %d times copy 2",
              kills, completed, found.value(0), found.value(1), found.value(2));
    }

private:
    // Starts and kills saving copies in `folder` as many times as `variable`
    // says (else `byDefault`), each copy taking up after the last pupil
    // acknowledged; `check` looks at the archive after each kill. Then the
    // program starts normally once more. The number of saves acknowledged.
    static int killSavingCopies(const QString& folder, const char* variable, int byDefault,
                                const std::function<void(const QSet<int>&)>& check)
    {
        const int kills = qEnvironmentVariableIsSet(variable)
                              ? qEnvironmentVariableIntValue(variable)
                              : byDefault;
        QRandomGenerator random(20261208);
        QSet<int> acknowledged;
        int next = 0;
        for (int round = 0; round < kills; ++round) {
            const QString out = killedChild(kChildVariable, QString::number(next), folder, round,
                                            random.bounded(1, 120));
            const QStringList lines = out.split('\n', Qt::SkipEmptyParts);
            if (lines.value(0) != QLatin1String("ready")) {
                QTest::qFail(qPrintable(out), __FILE__, __LINE__);
                return 0;
            }
            for (const QString& line : lines.mid(1)) {
                if (!line.startsWith(QLatin1String("saved "))) {
                    QTest::qFail(qPrintable(line), __FILE__, __LINE__);
                    return 0;
                }
                const int i = line.mid(6).toInt();
                acknowledged.insert(i);
                next = std::max(next, i + 1);
            }
            check(acknowledged);
            if (QTest::currentTestFailed())
                return 0;
        }
        // The program itself starts normally after the last kill.
        EndRecorder ends;
        if (!startApplication() || !ends.statuses.isEmpty())
            QTest::qFail("the program did not start after the last kill", __FILE__, __LINE__);
        shutDown();
        qInfo("%d kills", kills);
        return int(acknowledged.size());
    }

    // A child copy started with `variable` set to `value` in `folder`, killed
    // `afterMs` after it said it was ready; what it printed (its errors when nothing).
    static QString killedChild(const char* variable, const QString& value, const QString& folder,
                               int round, int afterMs)
    {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(variable), value);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child.setProcessEnvironment(env);
        child.setWorkingDirectory(folder);
        child.start(QCoreApplication::applicationFilePath(), {});
        if (!child.waitForStarted() || !child.waitForReadyRead(30000))
            return QStringLiteral("round %1: the copy did not start").arg(round);
        QThread::msleep(afterMs);
        ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
        child.waitForFinished(30000);
        const QString out = QString::fromLatin1(child.readAllStandardOutput());
        return out.isEmpty() ? QString::fromLatin1(child.readAllStandardError()) : out;
    }

    static void checkArchive(const QSet<int>& acknowledged)
    {
        QTemporaryDir copy;
        const QString archive = copy.filePath(QStringLiteral("Valutazioni.mdb"));
        QVERIFY(QFile::copy(datafiles::archivePath(), archive));
        QFile::copy(datafiles::archivePath() + QStringLiteral("-journal"),
                    archive + QStringLiteral("-journal"));
        QString error;
        auto db = Database::open(archive, &error);
        QVERIFY2(db, qPrintable(error));
        QSqlQuery q(db->handle());
        QVERIFY(q.exec(QStringLiteral("PRAGMA integrity_check")) && q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("ok"));
        QVERIFY(q.exec(QStringLiteral("SELECT nome, giudizio FROM giudizi")));
        QHash<QString, QString> texts;
        while (q.next()) {
            const QString name = q.value(0).toString();
            QVERIFY2(!texts.contains(name), qPrintable(name + QStringLiteral(" twice")));
            texts.insert(name, q.value(1).toString());
        }
        for (int i : acknowledged)
            QVERIFY2(texts.value(pupilName(i)) == judgment(i), qPrintable(pupilName(i)));
    }
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(kChildVariable))
        return runChild(qEnvironmentVariableIntValue(kChildVariable));
    if (qEnvironmentVariableIsSet(kRestoreChildVariable))
        return runRestoreChild(qEnvironmentVariable(kRestoreChildVariable));
    TestCrashSafety test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_crash_safety.moc"

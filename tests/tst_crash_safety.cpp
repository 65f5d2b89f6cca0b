// Every save survives a crash. A child copy of the program enters pupils and
// saves their judgments through the program's own screens, in a loop, and
// acknowledges each save once it is in the archive; it is killed (SIGKILL) at
// random moments. After each kill the archive must be whole, hold every
// acknowledged judgment with its whole text and no pupil twice, and the next
// copy must start on the folder normally (a hot journal rolled back, the
// dead copy's lock let go). GIUDIZI_CRASH_KILLS sets the number of kills
// (50 here; tools/crash-test.sh runs 1,000).
#include "app/application.h"
#include "data/AppState.h"
#include "data/ArchiveStore.h"
#include "data/DataFolder.h"
#include "data/Database.h"
#include "platform/ScreenRegistry.h"
#include "screens/compose/Fgiudix2.h"
#include "screens/entry/Fimmissio2.h"
#include "screens/start/Favviogiudix2.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
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

using namespace giudizi;
using namespace giudizi::test;

namespace {

const char* const kChildVariable = "GIUDIZI_CRASH_CHILD";

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

} // namespace

class TestCrashSafety : public QObject {
    Q_OBJECT

private slots:
    void everyAcknowledgedSaveSurvivesAKill()
    {
        WorkFolder work;
        QString error;
        QVERIFY(createDataFolder(datafiles::folder(), &error));
        const int kills = qEnvironmentVariableIsSet("GIUDIZI_CRASH_KILLS")
                              ? qEnvironmentVariableIntValue("GIUDIZI_CRASH_KILLS")
                              : 50;
        QRandomGenerator random(20261208);
        QSet<int> acknowledged;
        int next = 0;
        int hotJournals = 0;
        for (int round = 0; round < kills; ++round) {
            QProcess child;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QString::fromLatin1(kChildVariable), QString::number(next));
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
            child.setProcessEnvironment(env);
            child.setWorkingDirectory(work.path());
            child.start(QCoreApplication::applicationFilePath(), {});
            QVERIFY(child.waitForStarted());
            // The next copy starts on the folder normally.
            QVERIFY2(child.waitForReadyRead(30000),
                     qPrintable(QStringLiteral("round %1").arg(round)));
            QThread::msleep(random.bounded(1, 120));
            ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
            QVERIFY(child.waitForFinished(30000));
            const QStringList lines =
                QString::fromLatin1(child.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
            QVERIFY2(lines.value(0) == QLatin1String("ready"),
                     qPrintable(lines.join(' ') + child.readAllStandardError()));
            for (const QString& line : lines.mid(1)) {
                QVERIFY2(line.startsWith(QLatin1String("saved ")), qPrintable(line));
                const int i = line.mid(6).toInt();
                acknowledged.insert(i);
                next = std::max(next, i + 1);
            }
            // Checked on a copy: the hot journal a kill may leave stays for
            // the next copy of the program to roll back.
            if (QFileInfo::exists(datafiles::archivePath() + QStringLiteral("-journal")))
                ++hotJournals;
            checkArchive(acknowledged);
            if (QTest::currentTestFailed())
                return;
        }
        // The program itself starts normally after the last kill.
        EndRecorder ends;
        QVERIFY(startApplication());
        QVERIFY(ends.statuses.isEmpty());
        shutDown();
        qInfo("%d kills, %d saves acknowledged, %d hot journals rolled back", kills,
              int(acknowledged.size()), hotJournals);
    }

private:
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
    TestCrashSafety test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_crash_safety.moc"

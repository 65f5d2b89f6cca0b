// The program really ends, with the right status, through the real handler:
// each case runs in a child process of this test.
#include "app/application.h"
#include "data/DataFolder.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QFile>
#include <QLockFile>
#include <QMessageBox>
#include <QProcess>
#include <QTest>
#include <cstdio>
#include <cstdlib>

using namespace giudizi;
using namespace giudizi::test;

namespace {
const char* const kChildVariable = "GIUDIZI_END_CHILD";

// What a child does before it should have ended; reaching the end is a failure.
int runChild(const QString& scenario)
{
    if (scenario == QLatin1String("start")) {
        startApplication();
        click(QStringLiteral("Favvio"), QStringLiteral("CmdEsco"));
    } else if (scenario == QLatin1String("menu")) {
        startAndEnter();
        chooseStart(QStringLiteral("Flessibile"), QStringLiteral("Medie"), 0);
        click(QStringLiteral("Favviogiudix2"), QStringLiteral("Labesco"));
    } else if (scenario == QLatin1String("second")) {
        ModalAnswer ok(QMessageBox::Ok);
        setEndProgramHandler([&ok](int status) {
            std::fputs(qPrintable(ok.text()), stdout);
            std::exit(status);
        });
        startApplication();
    } else if (scenario == QLatin1String("broken")) {
        QFile::remove(datafiles::printSettingsPath());
        ModalAnswer ok(QMessageBox::Ok);
        startApplication();
    }
    return 99;
}
} // namespace

class TestProgramEnd : public QObject {
    Q_OBJECT

private slots:
    void endsWithItsStatus_data()
    {
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<int>("status");
        QTest::newRow("Esco on the start screen") << "start" << 0;
        QTest::newRow("Esco on a menu, databases open") << "menu" << 0;
        QTest::newRow("a database file missing") << "broken" << 1;
    }

    // A second copy on the same data folder says so and ends.
    void oneCopyPerDataFolder()
    {
        WorkFolder work;
        QString error;
        QVERIFY(createDataFolder(datafiles::folder(), &error));
        QLockFile first(datafiles::folder() + QStringLiteral("/giudizi.lock"));
        QVERIFY(first.tryLock(0));
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kChildVariable), QStringLiteral("second"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child.setProcessEnvironment(env);
        child.setWorkingDirectory(work.path());
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitCode(), 1);
        QVERIFY(QString::fromUtf8(child.readAllStandardOutput())
                    .startsWith(QStringLiteral("Il programma è già aperto su questi dati")));
    }
    void endsWithItsStatus()
    {
        QFETCH(QString, scenario);
        QFETCH(int, status);
        WorkFolder work;
        QString error;
        QVERIFY(createDataFolder(datafiles::folder(), &error));
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kChildVariable), scenario);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child.setProcessEnvironment(env);
        child.setWorkingDirectory(work.path());
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit); // no crash on the way out
        QCOMPARE(child.exitCode(), status);
    }
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString scenario = qEnvironmentVariable(kChildVariable);
    if (!scenario.isEmpty())
        return runChild(scenario);
    TestProgramEnd test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_program_end.moc"

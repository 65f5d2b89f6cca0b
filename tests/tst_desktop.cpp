// The program as an installed desktop application: where it keeps its data
// however it is started, its Italian command line and dialogs, and the school
// years its lists offer.
#include "platform/WorkingFolder.h"
#include "shared/SchoolYears.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace giudizi;
using namespace giudizi::test;

class TestDesktop : public QObject {
    Q_OBJECT

    // Runs the program; returns its standard output.
    static QString run(const QStringList& arguments, const QString& folder, const QString& home,
                       int* status)
    {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home);
        env.insert(QStringLiteral("GIUDIZI_EXIT_AFTER_START"), QStringLiteral("1"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(folder);
        program.start(qEnvironmentVariable("GIUDIZI_BINARY"), arguments);
        program.waitForFinished(60000);
        *status = program.exitCode();
        return QString::fromUtf8(program.readAllStandardOutput());
    }

private slots:
    void startOptionsAndWorkingFolder()
    {
        const StartOptions given =
            parseStartOptions({"giudizi", "-platform", "offscreen", "--cartella", "scuola"});
        QCOMPARE(given.folder, QStringLiteral("scuola"));
        QVERIFY(given.error.isEmpty());
        QCOMPARE(parseStartOptions({"giudizi", "--cartella=/dati"}).folder,
                 QStringLiteral("/dati"));
        QVERIFY(parseStartOptions({"giudizi", "-h"}).help);
        QCOMPARE(parseStartOptions({"giudizi", "--archivio"}).error,
                 QStringLiteral("Opzione sconosciuta: --archivio"));

        // The school server: named on the command line, else by GIUDIZI_SERVER.
        StartOptions server = parseStartOptions({"giudizi", "--server", "scuola"}, "altro");
        QCOMPARE(server.server, QStringLiteral("scuola"));
        QVERIFY(server.command == StartOptions::Command::Run);
        QCOMPARE(parseStartOptions({"giudizi"}, " altro ").server, QStringLiteral("altro"));
        QCOMPARE(parseStartOptions({"giudizi", "--server=postgresql://aula@srv/giudizi"}).server,
                 QStringLiteral("postgresql://aula@srv/giudizi"));
        QCOMPARE(parseStartOptions({"giudizi", "--server"}).error,
                 QStringLiteral("Manca il servizio del server dopo --server."));
        server = parseStartOptions({"giudizi", "--carica-sul-server", "scuola", "--cartella", "d"});
        QVERIFY(server.command == StartOptions::Command::UploadToServer);
        QCOMPARE(server.folder, QStringLiteral("d"));
        QVERIFY(server.error.isEmpty());
        QVERIFY(!parseStartOptions({"giudizi", "--carica-sul-server", "scuola"}).error.isEmpty());
        QVERIFY(parseStartOptions({"giudizi", "--prepara-server", "scuola"}).command ==
                StartOptions::Command::PrepareServer);
        QVERIFY(!parseStartOptions({"giudizi", "--prepara-server", "a", "--carica-sul-server", "a",
                                    "--cartella", "d"})
                     .error.isEmpty());
        QVERIFY(startHelp().contains(QStringLiteral("--server SERVIZIO")));

        QTemporaryDir here, home;
        QCOMPARE(chooseWorkingFolder("dati", here.path(), home.path()), here.filePath("dati"));
        QCOMPARE(chooseWorkingFolder(QString(), here.path(), home.path()),
                 QDir(home.path()).filePath("Giudizi"));
        QVERIFY(QDir(here.path()).mkdir("pergiudix"));
        QCOMPARE(chooseWorkingFolder(QString(), here.path(), home.path()), here.path());
    }

    // The real program: from the menu (home folder), from its folder, with --cartella.
    void programFindsItsDataHoweverStarted()
    {
        QTemporaryDir somewhere, home, chosen, otherHome;
        int status = -1;
        QCOMPARE(run({}, somewhere.path(), home.path(), &status), QStringLiteral("Favvio\n"));
        QCOMPARE(status, 0);
        QVERIFY(QFileInfo::exists(home.filePath("Giudizi/pergiudix/Valutazioni.mdb")));
        QVERIFY(!QFileInfo::exists(somewhere.filePath("pergiudix")));
        QCOMPARE(run({"--cartella", chosen.path()}, somewhere.path(), home.path(), &status),
                 QStringLiteral("Favvio\n"));
        QVERIFY(QFileInfo::exists(chosen.filePath("pergiudix/DBgiudix2.mdb")));
        // Started in a folder that holds its data: that folder, not a new one.
        QCOMPARE(run({}, chosen.path(), otherHome.path(), &status), QStringLiteral("Favvio\n"));
        QCOMPARE(status, 0);
        QVERIFY(!QFileInfo::exists(otherHome.filePath("Giudizi")));
        run({"--cartella="}, somewhere.path(), home.path(), &status);
        QCOMPARE(status, 2);
        const QString help = run({"--help"}, somewhere.path(), home.path(), &status);
        QCOMPARE(status, 0);
        QVERIFY(help.startsWith(QStringLiteral("Uso: giudizi [--cartella CARTELLA]")));
    }

    void dialogsAndYearsAreCurrentAndItalian()
    {
        ProgramRun run;
        QMessageBox box(QMessageBox::Question, QString(), QString(),
                        QMessageBox::Cancel | QMessageBox::Close | QMessageBox::Save);
        QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Annulla"));
        QCOMPARE(box.button(QMessageBox::Close)->text(), QStringLiteral("Chiudi"));

        QCOMPARE(schoolYearChoices(QDate(2026, 12, 8)).mid(5),
                 QStringList({"2026-2027", "2027-2028"}));
        QCOMPARE(schoolYearChoices(QDate(2027, 6, 30)).mid(5),
                 QStringList({"2026-2027", "2027-2028"}));
        QCOMPARE(schoolYearChoices(QDate(2007, 9, 1)).size(), 5); // both listed already
        chooseStart(QStringLiteral("Flessibile"), QStringLiteral("Medie"), 0);
        click(QStringLiteral("Favviogiudix2"), QStringLiteral("Labstampa"));
        auto* years = find<QComboBox>(QStringLiteral("Farchiv2"), QStringLiteral("Combo3"));
        QCOMPARE(years->currentText(), QStringLiteral("Scegli l'anno"));
        QVERIFY(years->findText(schoolYearChoices().last()) >= 0);
    }
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"

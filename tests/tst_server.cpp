// One archive for the whole school on a PostgreSQL server: the technician's
// commands, the teachers' rights, two teachers at work on the same rows, a
// connection lost halfway, the backup, the login. Runs only with the archive
// on the private test server (GIUDIZI_TEST_ENGINE=server).

#include "app/application.h"
#include "data/ArchiveSearch.h"
#include "data/ArchiveStore.h"
#include "data/DataFolder.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "data/DescriptorEditing.h"
#include "data/PupilRow.h"
#include "data/Query.h"
#include "data/Recordset.h"
#include "data/ServerAddress.h"
#include "support/TestSupport.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QLineEdit>
#include <QLockFile>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <arpa/inet.h>
#include <atomic>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

using namespace giudizi;
using namespace giudizi::test;

namespace {

const QString kMenu = QStringLiteral("Favviogiudix2");
const QString kArchive = QStringLiteral("Farchiv2");

// Runs the program's binary; its exit status and what it printed.
struct Ran {
    int status = -1;
    QString out;
    QString err;
};
Ran runProgram(const QStringList& arguments, const QString& folder,
               const QProcessEnvironment& extra = {})
{
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("HOME"), folder);
    for (const QString& key : extra.keys())
        env.insert(key, extra.value(key));
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(folder);
    program.start(qEnvironmentVariable("GIUDIZI_BINARY"), arguments);
    program.waitForFinished(60000);
    return {program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError())};
}

// Every file under `folder`, with a digest of its bytes.
QMap<QString, QByteArray> snapshot(const QString& folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        file.open(QIODevice::ReadOnly);
        files.insert(it.filePath(),
                     QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256));
    }
    return files;
}

// A second program at work on the same server: a connection of its own.
std::shared_ptr<Database> colleague(const QString& settings)
{
    QString error;
    const auto address = parseServerAddress(settings, &error);
    auto db = address ? Database::connect(*address, &error) : nullptr;
    if (!db)
        qWarning("%s", qPrintable(error));
    return db;
}

QString currentServer()
{
    return qEnvironmentVariable("GIUDIZI_SERVER");
}

QString databaseOf(const QString& settings)
{
    return settings.section(QStringLiteral("dbname="), -1).section(QLatin1Char(' '), 0, 0);
}

QVariantMap pupil(const QString& nome, const QString& text)
{
    return {{"nome", nome},
            {"sezione", QStringLiteral("A")},
            {"classe", 2},
            {"anno", QStringLiteral("2025-2026")},
            {"quadrimestre", 1},
            {"giudizio", text},
            {"scuola", "Medie"},
            {"sex", "F"},
            {"seclinstra", "Inglese"},
            {"nomeopz1", "Nessuna"},
            {"nomeopz2", "Nessuna"}};
}

// The colleague's own save of a judgment, as their program writes it.
void colleagueWrites(const QString& name, const QString& text)
{
    auto db = colleague(currentServer());
    QVERIFY(db);
    auto rows = searchPupil(db, name);
    QCOMPARE(rows->recordCount(), 1);
    rows->moveFirst();
    rows->edit();
    rows->setField(QStringLiteral("giudizio"), text);
    rows->update();
}

// Waits (up to ten seconds) until a program waits on an advisory lock of
// the database: the second teacher has come to the first one's lock.
bool someoneWaitsOnALock(const QString& database)
{
    for (int i = 0; i < 200; ++i) {
        if (adminQuery(database, QStringLiteral("SELECT count(*) FROM pg_locks WHERE locktype = "
                                                "'advisory' AND NOT granted"))
                .value(0) != QLatin1String("0"))
            return true;
        QTest::qWait(50);
    }
    return false;
}

QString storedText(const QString& name)
{
    return adminQuery(databaseOf(currentServer()),
                      QStringLiteral("SELECT giudizio FROM giudizi WHERE nome = '%1'").arg(name))
        .join(QLatin1Char('\n'));
}

// A listener that answers a request for encryption as a server without TLS
// does ('N'), for one connection.
class NoTlsServer {
public:
    NoTlsServer()
    {
        m_socket = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(m_socket, reinterpret_cast<sockaddr*>(&address), sizeof address);
        socklen_t length = sizeof address;
        ::getsockname(m_socket, reinterpret_cast<sockaddr*>(&address), &length);
        m_port = ntohs(address.sin_port);
        ::listen(m_socket, 4);
        m_thread = std::thread([this] {
            const int client = ::accept(m_socket, nullptr, nullptr);
            if (client < 0)
                return;
            char request[8];
            if (::recv(client, request, sizeof request, MSG_WAITALL) == sizeof request)
                ::send(client, "N", 1, 0);
            ::close(client);
        });
    }
    ~NoTlsServer()
    {
        ::shutdown(m_socket, SHUT_RDWR);
        ::close(m_socket);
        m_thread.join();
    }
    int port() const { return m_port; }

private:
    int m_socket = -1;
    int m_port = 0;
    std::thread m_thread;
};

} // namespace

class TestServer : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramRun> m_run;

    void openArchive()
    {
        m_run.reset();
        m_run = std::make_unique<ProgramRun>();
        chooseStart(QStringLiteral("Flessibile"), QStringLiteral("Medie"), 0);
        click(kMenu, QStringLiteral("Labstampa"));
        QVERIFY(isShown(kArchive));
    }

    void searchOnScreen(const QString& typed)
    {
        click(kArchive, QStringLiteral("cmdalunno"));
        find<QLineEdit>(kArchive, QStringLiteral("Text1"))->setText(typed);
        click(kArchive, QStringLiteral("cmdok"));
    }

    QTextEdit* archiveText() { return find<QTextEdit>(kArchive, QStringLiteral("RichTextBox1")); }

private slots:
    void initTestCase()
    {
        if (!onTestServer())
            QSKIP("only with the archive on the school server (GIUDIZI_TEST_ENGINE=server)");
    }

    void cleanup() { m_run.reset(); }

    // The technician prepares a server once, by a service of pg_service.conf,
    // then loads a teacher's folder into it; nothing local is touched.
    void preparesAServerOnceAndLoadsTeachersArchives()
    {
        const QString db = QStringLiteral("scuola_%1").arg(::getpid());
        adminExec(QStringLiteral("postgres"),
                  QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(db));
        QVERIFY(
            adminExec(QStringLiteral("postgres"), QStringLiteral("CREATE DATABASE %1").arg(db)));
        QTemporaryDir home;
        QFile services(home.filePath(QStringLiteral("servizi.conf")));
        QVERIFY(services.open(QIODevice::WriteOnly));
        services.write("[scuola]\n");
        for (const QString& setting : serverSettings(db).split(QLatin1Char(' ')))
            if (QRegularExpression(QStringLiteral("^(host|port|user|dbname)="))
                    .match(setting)
                    .hasMatch())
                services.write(setting.toUtf8() + '\n');
        services.close();
        QProcessEnvironment env;
        env.insert(QStringLiteral("PGSERVICEFILE"), services.fileName());

        Ran ran = runProgram({"--prepara-server", "scuola"}, home.path(), env);
        QVERIFY2(ran.status == 0, qPrintable(ran.err));
        QVERIFY2(ran.out.contains(QStringLiteral("GRANT giudizi_docenti TO nome_utente;")),
                 qPrintable(ran.out));
        QCOMPARE(adminQuery(db, "SELECT count(*) FROM classeaq1"), QStringList{"56"});
        QCOMPARE(adminQuery(db, "SELECT password FROM scuola"), QStringList{"scuola"});
        QCOMPARE(adminQuery(db, "SELECT has_table_privilege('giudizi_docenti', 'giudizi', "
                                "'SELECT,INSERT,UPDATE,DELETE'), has_table_privilege("
                                "'giudizi_docenti', 'giudizi', 'TRUNCATE')"),
                 QStringList{"t|f"});
        ran = runProgram({"--prepara-server", "scuola"}, home.path(), env);
        QCOMPARE(ran.status, 0);
        QCOMPARE(ran.out.trimmed(),
                 QStringLiteral("Il server è già pronto: non ho cambiato nulla."));
        ran = runProgram({"--prepara-server", "nessuno"}, home.path(), env);
        QCOMPARE(ran.status, 1);
        QVERIFY2(ran.err.startsWith(QStringLiteral("Il servizio «nessuno» non è descritto")),
                 qPrintable(ran.err));

        // A teacher's working folder, with a name that has an apostrophe.
        QTemporaryDir teacher;
        QString error;
        QVERIFY2(createDataFolder(teacher.filePath(QStringLiteral("pergiudix")), &error),
                 qPrintable(error));
        {
            auto local = Database::open(teacher.filePath(datafiles::archivePath()), &error);
            QVERIFY(local);
            const QString insert = QStringLiteral(
                "INSERT INTO giudizi (data, nome, sezione, classe, anno, quadrimestre, giudizio) "
                "VALUES (?, ?, 'A', 3, '2024-2025', ?, ?)");
            Query(*local, insert, {900, "D'ANGELO LUCA", 1, "L'alunno è attento."}).next();
            Query(*local, insert, {901, "D'ANGELO LUCA", 2, "Migliora."}).next();
            Query(*local, insert, {902, "BIANCHI ANNA", 1, QVariant()}).next();
        }
        const auto before = snapshot(teacher.path());
        ran = runProgram({"--carica-sul-server", "scuola", "--cartella", teacher.path()},
                         home.path(), env);
        QVERIFY2(ran.status == 0, qPrintable(ran.err));
        QVERIFY2(ran.out.contains(QStringLiteral("3 aggiunti, 0 tralasciati")),
                 qPrintable(ran.out));
        QCOMPARE(adminQuery(db, "SELECT nome, quadrimestre, giudizio, data < 900 FROM giudizi "
                                "ORDER BY data"),
                 QStringList({"D'ANGELO LUCA|1|L'alunno è attento.|t",
                              "D'ANGELO LUCA|2|Migliora.|t", "BIANCHI ANNA|1|<null>|t"}));
        // Again: all there already. Then one text changed at home: only that one.
        ran = runProgram({"--carica-sul-server", "scuola", "--cartella", teacher.path()},
                         home.path(), env);
        QVERIFY2(ran.out.contains(QStringLiteral("0 aggiunti, 3 tralasciati")),
                 qPrintable(ran.out));
        QCOMPARE(snapshot(teacher.path()), before);
        {
            auto local = Database::open(teacher.filePath(datafiles::archivePath()), &error);
            Query(*local, QStringLiteral("UPDATE giudizi SET giudizio = 'Migliora molto.' WHERE "
                                         "data = 901"))
                .next();
        }
        ran = runProgram({"--carica-sul-server", "scuola", "--cartella", teacher.path()},
                         home.path(), env);
        QVERIFY2(ran.out.contains(QStringLiteral("1 aggiunti, 2 tralasciati")),
                 qPrintable(ran.out));
        QCOMPARE(adminQuery(db, "SELECT count(*) FROM giudizi"), QStringList{"4"});
        // A folder without an archive, and an unprepared server: said, status 1.
        QTemporaryDir empty;
        ran = runProgram({"--carica-sul-server", "scuola", "--cartella", empty.path()}, home.path(),
                         env);
        QCOMPARE(ran.status, 1);
        QVERIFY2(ran.err.startsWith(QStringLiteral("Nella cartella")), qPrintable(ran.err));
        QCOMPARE(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{"servizi.conf"}); // no working folder made
        adminExec(QStringLiteral("postgres"),
                  QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(db));
    }

    // A teacher's login in the group reads and changes rows, and nothing more.
    void teachersRoleReadsAndWritesRowsOnly()
    {
        m_run = std::make_unique<ProgramRun>(false);
        const QString teacher = QStringLiteral("maestra_%1").arg(::getpid());
        adminExec(QStringLiteral("postgres"), QStringLiteral("CREATE ROLE %1 LOGIN").arg(teacher));
        QVERIFY(adminExec(QStringLiteral("postgres"),
                          QStringLiteral("GRANT giudizi_docenti TO %1").arg(teacher)));
        const QString settings = currentServer() + QStringLiteral(" user=") + teacher;
        auto db = colleague(settings);
        QVERIFY(db);
        for (const char* sql :
             {"DROP TABLE giudizi", "ALTER TABLE giudizi ADD COLUMN x integer", "TRUNCATE giudizi",
              "CREATE TABLE altra (x integer)", "ALTER TABLE classeaq1 DROP COLUMN area"}) {
            try {
                db->exec(sql);
                QFAIL(qPrintable(QString::fromUtf8(sql) + QStringLiteral(" was allowed")));
            } catch (const DbError& e) {
                QVERIFY2(e.text().contains(QStringLiteral("giudizi_docenti")) ||
                             e.text().contains(QStringLiteral("permission")),
                         qPrintable(e.text()));
            }
        }
        // The program itself, logged in as the teacher: a pupil added, saved, deleted.
        qputenv("GIUDIZI_SERVER", settings.toUtf8());
        startAndEnter();
        auto rows = Recordset::openTable(archiveStore().ArchiveDb, QStringLiteral("giudizi"));
        rows->addNew();
        rows->setField(QStringLiteral("nome"), QStringLiteral("D'ANGELO"));
        rows->update();
        rows->setBookmark(rows->lastModified());
        QVERIFY(rows->version() >= 1);
        rows->edit();
        rows->setField(QStringLiteral("giudizio"), QStringLiteral("Testo."));
        rows->update();
        QCOMPARE(storedText(QStringLiteral("D''ANGELO")), QStringLiteral("Testo."));
        rows->remove();
        QCOMPARE(storedText(QStringLiteral("D''ANGELO")), QString());
        db.reset();
    }

    // A save over a colleague's change asks first; No keeps the text unsaved.
    void secondSaveOfTheSameJudgmentAsksFirst()
    {
        openArchive();
        addJudgment(pupil(QStringLiteral("ROSSI ANNA"), QStringLiteral("Primo testo.")));
        // A name with a capital accent is found as typed in small letters, as
        // on the local files (the server folds both sides alike).
        addJudgment(pupil(QStringLiteral("ROSSI NICOLÒ"), QStringLiteral("Testo di Nicolò.")));
        searchOnScreen(QStringLiteral("rossi nicolò"));
        QCOMPARE(archiveText()->toPlainText(), QStringLiteral("Testo di Nicolò."));
        searchOnScreen(QStringLiteral("rossi anna"));
        QCOMPARE(archiveText()->toPlainText(), QStringLiteral("Primo testo."));
        colleagueWrites(QStringLiteral("ROSSI ANNA"), QStringLiteral("Testo della collega."));

        archiveText()->setPlainText(QStringLiteral("Testo mio."));
        {
            ModalAnswer no(QMessageBox::No);
            click(kArchive, QStringLiteral("CmdRegistro"));
            QCOMPARE(no.text(), ConflictError::question());
            QCOMPARE(no.defaultButtons(), QList<int>{QMessageBox::No});
        }
        QCOMPARE(storedText(QStringLiteral("ROSSI ANNA")), QStringLiteral("Testo della collega."));
        QCOMPARE(archiveText()->toPlainText(), QStringLiteral("Testo mio."));
        {
            ModalAnswer yes(QMessageBox::Yes);
            click(kArchive, QStringLiteral("CmdRegistro"));
            QCOMPARE(yes.text(), ConflictError::question());
        }
        QCOMPARE(storedText(QStringLiteral("ROSSI ANNA")), QStringLiteral("Testo mio."));
        // Nobody else wrote since: the next save asks nothing.
        archiveText()->setPlainText(QStringLiteral("Testo mio, rivisto."));
        click(kArchive, QStringLiteral("CmdRegistro"));
        QCOMPARE(storedText(QStringLiteral("ROSSI ANNA")), QStringLiteral("Testo mio, rivisto."));
        // A colleague deletes the row: the save says it is gone, nothing comes back.
        {
            auto db = colleague(currentServer());
            auto rows = searchPupil(db, QStringLiteral("ROSSI ANNA"));
            rows->moveFirst();
            rows->remove();
        }
        archiveText()->setPlainText(QStringLiteral("Troppo tardi."));
        {
            ModalAnswer ok(QMessageBox::Ok);
            click(kArchive, QStringLiteral("CmdRegistro"));
            QVERIFY2(ok.text().contains(MissingRowError().text()), qPrintable(ok.text()));
        }
        QCOMPARE(storedText(QStringLiteral("ROSSI ANNA")), QString());

        // The same on the composition screen, for a pupil just entered.
        click(kArchive, QStringLiteral("cmdmenù"));
        click(kMenu, QStringLiteral("Labprimo"));
        const QString compose = QStringLiteral("Fgiudix2");
        click(compose, QStringLiteral("cmdsuccessivo"));
        find<QLineEdit>(QStringLiteral("Fimmissio2"), QStringLiteral("Text1"))
            ->setText(QStringLiteral("VERDI ADA"));
        click(QStringLiteral("Fimmissio2"), QStringLiteral("LabF"));
        click(QStringLiteral("Fimmissio2"), QStringLiteral("cmdfatto"));
        QVERIFY(isShown(compose));
        auto* box = find<QTextEdit>(compose, QStringLiteral("RTextB1"));
        box->setPlainText(QStringLiteral("la mia prima stesura."));
        colleagueWrites(QStringLiteral("VERDI ADA"), QStringLiteral("Scritto dalla collega."));
        {
            ModalAnswer no(QMessageBox::No);
            click(compose, QStringLiteral("cmdmaiuscole"));
            QCOMPARE(no.text(), ConflictError::question());
        }
        QCOMPARE(storedText(QStringLiteral("VERDI ADA")), QStringLiteral("Scritto dalla collega."));
        QCOMPARE(box->toPlainText(), QStringLiteral("la mia prima stesura."));
        {
            ModalAnswer yes(QMessageBox::Yes);
            click(compose, QStringLiteral("cmdmaiuscole"));
        }
        QCOMPARE(storedText(QStringLiteral("VERDI ADA")), QStringLiteral("La mia prima stesura."));
        QCOMPARE(box->toPlainText(), QStringLiteral("La mia prima stesura."));
    }

    // Two teachers entering the same pupil at once: the second finds the first
    // one's row (and is asked), it does not add one beside it unasked.
    void samePupilEnteredTwiceAtOnceIsFoundTheSecondTime()
    {
        m_run = std::make_unique<ProgramRun>();
        PupilData entered;
        entered.nome = QStringLiteral("NERI PIA");
        entered.classe = 1;
        entered.sezione = QStringLiteral("b");
        entered.anno = QStringLiteral("2025-2026");
        entered.quadrimestre = 1;
        const QString settings = currentServer();
        auto first = colleague(settings);
        QVERIFY(first);
        auto firstRows = Recordset::openTable(first, QStringLiteral("giudizi"));
        std::optional<Database::Transaction> firstTurn;
        firstTurn.emplace(*first);
        first->lockKey(pupilLockKey(entered));
        PupilData sameUpper = entered;
        sameUpper.sezione = QStringLiteral("B");
        firstRows->addNew();
        firstRows->update();
        firstRows->setBookmark(firstRows->lastModified());
        writePupilRow(*firstRows, sameUpper);

        std::atomic<int> found{-1};
        std::thread second([&] {
            auto db = colleague(settings);
            auto rows = Recordset::openTable(db, QStringLiteral("giudizi"));
            const auto same = addPupilUnlessPresent(*rows, entered);
            found = same ? same->recordCount() : 0;
            db->close();
        });
        const bool waited = someoneWaitsOnALock(databaseOf(settings));
        QCOMPARE(found.load(), -1); // still waiting for the first teacher's turn
        firstTurn->commit();
        second.join();
        QVERIFY(waited);
        QCOMPARE(found.load(), 1);
        QCOMPARE(adminQuery(databaseOf(settings), "SELECT count(*) FROM giudizi"),
                 QStringList{"1"});
        firstTurn.reset();
        first->close();
    }

    // Two renumberings of one catalogue at once: the second waits and numbers
    // what the first wrote.
    void renumberingsTakeTurns()
    {
        m_run = std::make_unique<ProgramRun>();
        const QString settings = currentServer();
        const CatalogueKind kind{QStringLiteral("socioaffettiv1"), QStringLiteral("descrittori"),
                                 std::nullopt};
        auto first = colleague(settings);
        first->exec(QStringLiteral("DELETE FROM socioaffettiv1"));
        for (int i = 0; i < 5; ++i)
            Query(*first,
                  QStringLiteral("INSERT INTO socioaffettiv1 (ordine, descrittori) VALUES "
                                 "(?, ?)"),
                  {i, QStringLiteral("frase %1").arg(i)})
                .next();
        // The first editor is halfway: it took its turn and numbered "frase 4"
        // 0, but has not renumbered the others yet (so no row the second one
        // writes is held by it).
        std::optional<Database::Transaction> firstTurn;
        firstTurn.emplace(*first);
        first->lockKey(renumberingLockKey(kind));
        Query(*first, QStringLiteral("UPDATE socioaffettiv1 SET ordine = 0 WHERE descrittori = "
                                     "'frase 4'"))
            .next();

        std::atomic<bool> done{false};
        std::thread second([&] {
            // The second editor saves "frase 0" as number 0.
            auto db = colleague(settings);
            auto rows = Recordset::open(db, kind.table, QString(), {}, QStringLiteral("ordine"));
            rows->moveFirst();
            while (rows->text(kind.textColumn) != QLatin1String("frase 0"))
                rows->moveNext();
            saveDescriptor(*rows, kind, {0, QStringLiteral("frase 0"), {}, {}});
            done = true;
            db->close();
        });
        const bool waited = someoneWaitsOnALock(databaseOf(settings)) && !done;
        Query(*first, QStringLiteral("UPDATE socioaffettiv1 SET ordine = ordine + 1 WHERE "
                                     "descrittori <> 'frase 4'"))
            .next();
        firstTurn->commit();
        second.join();
        QVERIFY(waited);
        QVERIFY(done);
        // The second renumbering read the first one's numbers: "frase 4", which
        // the first editor had numbered 0, makes way for "frase 0" and every
        // number is there once. Had the two interleaved, both would hold 0.
        QCOMPARE(adminQuery(databaseOf(settings),
                            "SELECT ordine, descrittori FROM socioaffettiv1 ORDER BY ordine"),
                 QStringList({"0|frase 0", "1|frase 4", "2|frase 1", "3|frase 2", "4|frase 3"}));
        firstTurn.reset();
        first->close();
    }

    // The server gone in the middle: the save says so, the text stays, and
    // the next save connects again and writes.
    void lostConnectionSaysSoAndTheNextSaveWorks()
    {
        openArchive();
        addJudgment(pupil(QStringLiteral("GALLI EVA"), QStringLiteral("Prima.")));
        searchOnScreen(QStringLiteral("galli eva"));
        const QString db = databaseOf(currentServer());
        QVERIFY(adminExec(QStringLiteral("postgres"),
                          QStringLiteral("SELECT pg_terminate_backend(pid) FROM pg_stat_activity "
                                         "WHERE datname = '%1'")
                              .arg(db)));
        archiveText()->setPlainText(QStringLiteral("Dopo la caduta."));
        {
            ModalAnswer ok(QMessageBox::Ok);
            click(kArchive, QStringLiteral("CmdRegistro"));
            QVERIFY2(ok.text().contains(QStringLiteral("Il collegamento con il server si è "
                                                       "interrotto")),
                     qPrintable(ok.text()));
        }
        QCOMPARE(storedText(QStringLiteral("GALLI EVA")), QStringLiteral("Prima."));
        QCOMPARE(archiveText()->toPlainText(), QStringLiteral("Dopo la caduta."));
        click(kArchive, QStringLiteral("CmdRegistro"));
        QCOMPARE(storedText(QStringLiteral("GALLI EVA")), QStringLiteral("Dopo la caduta."));

        // A search when the server has gone again: said as such, then found.
        QVERIFY(adminExec(QStringLiteral("postgres"),
                          QStringLiteral("SELECT pg_terminate_backend(pid) FROM pg_stat_activity "
                                         "WHERE datname = '%1'")
                              .arg(db)));
        {
            ModalAnswer ok(QMessageBox::Ok);
            searchOnScreen(QStringLiteral("galli eva"));
            QVERIFY2(ok.text().contains(QStringLiteral("Il collegamento con il server si è "
                                                       "interrotto")),
                     qPrintable(ok.text()));
        }
        archiveText()->clear();
        searchOnScreen(QStringLiteral("galli eva"));
        QCOMPARE(archiveText()->toPlainText(), QStringLiteral("Dopo la caduta."));
    }

    // "Copia l'archivio su floppy" on the server writes the three local files;
    // they open in any computer's own folder. No restore entry on the server.
    void backupFromTheServerOpensInAnyFolder()
    {
        openArchive();
        addJudgment(pupil(QStringLiteral("D'ANGELO LIA"), QStringLiteral("Dal server.")));
        click(kArchive, QStringLiteral("cmdmenù"));
        QVERIFY(!findControl(kMenu, QStringLiteral("LabRipristino"))->isVisible());
        QVERIFY(findControl(kMenu, QStringLiteral("LabFloppy"))->isVisible());
        QTemporaryDir floppy;
        qputenv("GIUDIZI_FLOPPY_DIR", floppy.path().toLocal8Bit());
        {
            ModalAnswer ok(QList<int>(3, QMessageBox::Ok));
            click(kMenu, QStringLiteral("LabFloppy"));
        }
        qunsetenv("GIUDIZI_FLOPPY_DIR");
        QCOMPARE(m_run->endStatuses(), QList<int>{0});
        QVERIFY(!QFileInfo::exists(QStringLiteral("pergiudix/copie"))); // no daily copies
        const QStringList files = {"Valutazioni.mdb", "DBgiudix2.mdb", "stampagiudix.mdb"};
        for (const QString& file : files)
            QVERIFY2(QFileInfo(floppy.filePath(file)).isFile(), qPrintable(file));
        m_run.reset();

        // Another computer's own folder, no server: the copy is its archive.
        qputenv("GIUDIZI_TEST_ENGINE", "local");
        {
            ProgramRun local(false);
            QVERIFY(local.work().server() == nullptr);
            QDir().mkpath(QStringLiteral("pergiudix"));
            for (const QString& file : files)
                QVERIFY(QFile::copy(floppy.filePath(file), QStringLiteral("pergiudix/") + file));
            startAndEnter();
            QVERIFY(!archiveStore().ArchiveDb->isServer());
            QVERIFY(!archiveStore()
                         .ArchiveDb->columns(QStringLiteral("giudizi"))
                         .contains(QStringLiteral("versione")));
            const QList<QVariantMap> rows = archiveRows();
            QCOMPARE(rows.size(), 1);
            QCOMPARE(rows.first().value("nome").toString(), QStringLiteral("D'ANGELO LIA"));
            QCOMPARE(rows.first().value("giudizio").toString(), QStringLiteral("Dal server."));
            chooseStart(QStringLiteral("Flessibile"), QStringLiteral("Medie"), 0);
            click(kMenu, QStringLiteral("Labstampa"));
            searchOnScreen(QStringLiteral("d'angelo lia"));
            QCOMPARE(archiveText()->toPlainText(), QStringLiteral("Dal server."));
            shutDown();
        }
        qputenv("GIUDIZI_TEST_ENGINE", "server");
    }

    // A login that needs a password asks it in Italian (again when wrong) and
    // keeps it nowhere.
    void loginAsksThePasswordAndKeepsItNowhere()
    {
        const QString user = QStringLiteral("maestro_pw_%1").arg(::getpid());
        const QString secret = QStringLiteral("Segreta-%1").arg(::getpid());
        const QString hbaPath = adminQuery(QStringLiteral("postgres"), "SHOW hba_file").value(0);
        QFile hba(hbaPath);
        QVERIFY(hba.open(QIODevice::ReadOnly));
        const QByteArray original = hba.readAll();
        hba.close();
        QVERIFY(hba.open(QIODevice::WriteOnly | QIODevice::Truncate));
        hba.write("local all " + user.toUtf8() + " scram-sha-256\n" + original);
        hba.close();
        adminExec(QStringLiteral("postgres"), QStringLiteral("SELECT pg_reload_conf()"));
        adminExec(QStringLiteral("postgres"),
                  QStringLiteral("CREATE ROLE %1 LOGIN PASSWORD '%2'").arg(user, secret));
        adminExec(QStringLiteral("postgres"),
                  QStringLiteral("GRANT giudizi_docenti TO %1").arg(user));

        m_run = std::make_unique<ProgramRun>(false);
        qputenv("GIUDIZI_SERVER", (currentServer() + QStringLiteral(" user=") + user).toUtf8());
        {
            ModalAnswer typed(QStringList{QStringLiteral("sbagliata"), secret});
            startAndEnter();
            QCOMPARE(typed.texts().size(), 2);
            QVERIFY2(typed.texts().at(0).startsWith(
                         QStringLiteral("Password dell'utente %1 per il server").arg(user)),
                     qPrintable(typed.texts().at(0)));
            QVERIFY(typed.texts().at(1).startsWith(QStringLiteral("La password non è giusta.")));
        }
        QVERIFY(archiveStore().ArchiveDb && archiveStore().ArchiveDb->isServer());
        chooseStart(QStringLiteral("Flessibile"), QStringLiteral("Medie"), 0);
        click(kMenu, QStringLiteral("Labstampa"));
        QVERIFY(isShown(kArchive));
        shutDown();
        QDirIterator it(m_run->work().path(), QDir::Files | QDir::Hidden,
                        QDirIterator::Subdirectories);
        QStringList read;
        while (it.hasNext()) {
            QFile file(it.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY2(!file.readAll().contains(secret.toUtf8()), qPrintable(it.filePath()));
            read << it.fileName();
        }
        QVERIFY(read.contains(QStringLiteral("stampagiudix.mdb")));
        const QString serverLog =
            serverSettings(QString()).section(QStringLiteral("host="), 1).section(' ', 0, 0) +
            QStringLiteral("/server.log");
        QFile log(serverLog);
        if (log.open(QIODevice::ReadOnly))
            QVERIFY(!log.readAll().contains(secret.toUtf8()));
        m_run.reset();
        QVERIFY(hba.open(QIODevice::WriteOnly | QIODevice::Truncate));
        hba.write(original);
        hba.close();
        adminExec(QStringLiteral("postgres"), QStringLiteral("SELECT pg_reload_conf()"));
    }

    // sslmode=require against a server without TLS: a clear Italian refusal.
    void encryptionRequiredByTheServiceButNotOffered()
    {
        NoTlsServer server;
        m_run = std::make_unique<ProgramRun>(false);
        ModalAnswer ok(QMessageBox::Ok);
        QVERIFY(
            !startApplication(QStringLiteral("host=127.0.0.1 port=%1 user=maestra dbname=scuola "
                                             "sslmode=require connect_timeout=5")
                                  .arg(server.port())));
        QVERIFY2(ok.text().startsWith(QStringLiteral("Il server «scuola su 127.0.0.1» non accetta "
                                                     "connessioni cifrate")),
                 qPrintable(ok.text()));
        QCOMPARE(m_run->endStatuses(), QList<int>{1});
    }

    // Many copies share the server: the folder's one-copy lock is not taken.
    void manyCopiesShareTheServer()
    {
        m_run = std::make_unique<ProgramRun>(false);
        startAndEnter(); // the folder made by a first copy
        shutDown();
        QLockFile other(QStringLiteral("pergiudix/giudizi.lock"));
        QVERIFY(other.tryLock(0)); // as another copy would hold it
        startAndEnter();
        QVERIFY(isShown(QStringLiteral("Favvio")));
        QVERIFY(archiveStore().ArchiveDb->isServer());
        QVERIFY(!archiveStore().PrintSettingsDb || !archiveStore().PrintSettingsDb->isServer());
        QCOMPARE(m_run->endStatuses(), QList<int>());
    }
};

QTEST_MAIN(TestServer)
#include "tst_server.moc"

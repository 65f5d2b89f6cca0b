// The data layer: first-run creation, refusal of damaged folders, and the
// keyset cursor that every screen reads and writes through.
#include "data/DataFolder.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "data/PupilRow.h"
#include "data/Recordset.h"
#include "data/ServerAddress.h"
#include "data/SqlDialect.h"
#include "data/SqlScript.h"
#include "shared/TypedNumbers.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QSqlQuery>
#include <QTest>

using namespace giudizi;

class TestData : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::WorkFolder> m_work;
    std::shared_ptr<Database> m_archive;

    qint64 insertPupil(const QString& nome, int term, const QString& text = QString())
    {
        auto rs = Recordset::openTable(m_archive, QStringLiteral("giudizi"));
        PupilData pupil;
        pupil.nome = nome;
        pupil.sex = QStringLiteral("M");
        pupil.scuola = QStringLiteral("Medie");
        pupil.classe = 2;
        pupil.sezione = QStringLiteral("B");
        pupil.anno = QStringLiteral("2005-2006");
        pupil.quadrimestre = term;
        addPupilRow(*rs, pupil);
        if (!text.isEmpty()) {
            rs->edit();
            rs->setField(QStringLiteral("giudizio"), text);
            rs->update();
        }
        return rs->lastModified();
    }

private slots:
    void init()
    {
        m_work = std::make_unique<test::WorkFolder>();
        QString error;
        QVERIFY2(createDataFolder(QStringLiteral("pergiudix"), &error), qPrintable(error));
        m_archive = Database::open(datafiles::archivePath(), &error);
        QVERIFY2(m_archive, qPrintable(error));
    }
    void cleanup()
    {
        m_archive.reset();
        m_work.reset();
    }

    void firstRunCreatesEveryTableWithDefaults()
    {
        QString error;
        for (const QString& path : datafiles::allPaths())
            QVERIFY2(checkDatabaseFile(path, datafiles::requiredTables(path), &error),
                     qPrintable(error));
        // 27 columns in giudizi, nome first and giudizio ninth.
        auto rs = Recordset::openTable(m_archive, QStringLiteral("giudizi"));
        const QStringList columns = rs->fieldNames();
        QCOMPARE(columns.size(), 27);
        QCOMPARE(columns.at(0), QStringLiteral("nome"));
        QCOMPARE(columns.at(8), QStringLiteral("giudizio"));
        // The school row: the initial password, the other fields left for the attestato.
        auto scuola = Recordset::openTable(m_archive, QStringLiteral("scuola"));
        QCOMPARE(scuola->recordCount(), 1);
        QCOMPARE(scuola->text(QStringLiteral("password")), QStringLiteral("scuola"));
        QVERIFY(scuola->isNull(QStringLiteral("nomesc")));
        QVERIFY(scuola->isNull(QStringLiteral("trimquad")));
        // Both print kinds, with outlines inside the limits of the position screen.
        auto print = Database::open(datafiles::printSettingsPath(), &error);
        for (const QString& kind : {QStringLiteral("scheda"), QStringLiteral("verbale")}) {
            auto row = Recordset::open(print, QStringLiteral("posizione"),
                                       QStringLiteral("stampacosa = ?"), {kind}, QString());
            QCOMPARE(row->recordCount(), 1);
            for (const QString& suffix : {QString(), QStringLiteral("2"), QStringLiteral("3")}) {
                const int sin = row->field(QStringLiteral("sin") + suffix).toInt();
                const int des = row->field(QStringLiteral("des") + suffix).toInt();
                const int al = row->field(QStringLiteral("al") + suffix).toInt();
                QVERIFY(sin >= 670 && sin <= 920);
                QVERIFY(des > 0 && des <= 2400);
                QVERIFY(al >= 1375 && al <= 4200);
            }
        }
    }

    void damagedFolderIsReportedAndLeftUntouched_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content"); // empty: remove the file
        QTest::newRow("archive missing") << datafiles::archivePath() << QByteArray();
        QTest::newRow("descriptors missing") << datafiles::descriptorPath() << QByteArray();
        QTest::newRow("print settings not a database")
            << datafiles::printSettingsPath() << QByteArray("questo non è un database\n");
    }
    void damagedFolderIsReportedAndLeftUntouched()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        m_archive.reset();
        QFile::remove(file);
        if (!content.isEmpty()) {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        const DataFolderResult result = prepareDataFolder();
        QVERIFY(!result.ok);
        QVERIFY(!result.created);
        QVERIFY2(result.error.contains(QFileInfo(file).fileName()), qPrintable(result.error));
        // Never created nor replaced.
        if (content.isEmpty()) {
            QVERIFY(!QFile::exists(file));
        } else {
            QFile f(file);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), content);
        }
    }

    void apostropheIsStoredAndFound()
    {
        insertPupil(QStringLiteral("D'ANGELO MARIA"), 1);
        PupilData query;
        query.nome = QStringLiteral("d'angelo maria  ").toUpper().trimmed();
        query.sezione = QStringLiteral("B");
        query.classe = 2;
        query.anno = QStringLiteral("2005-2006");
        query.quadrimestre = 1;
        auto found = findSamePupil(m_archive, query);
        QCOMPARE(found->recordCount(), 1);
        // Section and year compare without regard to case, as they always have.
        query.sezione = QStringLiteral("b");
        QCOMPARE(findSamePupil(m_archive, query)->recordCount(), 1);
        QCOMPARE(found->text(QStringLiteral("nome")), QStringLiteral("D'ANGELO MARIA"));
    }

    void samePupilRowsCoexistAndUpdatesTouchOneRow()
    {
        const qint64 first = insertPupil(QStringLiteral("ROSSI LUCA"), 2, QStringLiteral("primo"));
        const qint64 second =
            insertPupil(QStringLiteral("ROSSI LUCA"), 2, QStringLiteral("secondo"));
        QVERIFY(first != second);
        auto rs = Recordset::open(m_archive, QStringLiteral("giudizi"), QStringLiteral("nome = ?"),
                                  {QStringLiteral("ROSSI LUCA")}, QStringLiteral("nome ASC"));
        QCOMPARE(rs->recordCount(), 2);
        rs->setBookmark(second);
        rs->edit();
        rs->setField(QStringLiteral("giudizio"), QStringLiteral("corretto"));
        rs->update();
        rs->setBookmark(first);
        QCOMPARE(rs->text(QStringLiteral("giudizio")), QStringLiteral("primo"));
        rs->setBookmark(second);
        QCOMPARE(rs->text(QStringLiteral("giudizio")), QStringLiteral("corretto"));
        QCOMPARE(rs->text(QStringLiteral("nome")), QStringLiteral("ROSSI LUCA"));
    }

    void emptyTableOpensAtEnd()
    {
        auto rs = Recordset::openTable(m_archive, QStringLiteral("giudizi"));
        QVERIFY(rs->eof());
        QCOMPARE(rs->recordCount(), 0);
        rs->moveLast();
        rs->moveFirst();
        QVERIFY(rs->eof());
        QVERIFY_THROWS_EXCEPTION(DbError, rs->field(QStringLiteral("nome")));
    }

    void cursorMovesInQueryOrderAndSurvivesDeletion()
    {
        for (const char* name : {"CARLI", "ABATE", "BRUNO"})
            insertPupil(QString::fromLatin1(name), 1);
        auto rs = Recordset::open(m_archive, QStringLiteral("giudizi"), QString(), {},
                                  QStringLiteral("nome ASC"));
        QStringList order;
        for (rs->moveFirst(); !rs->eof(); rs->moveNext())
            order << rs->text(QStringLiteral("nome"));
        QCOMPARE(order, (QStringList{"ABATE", "BRUNO", "CARLI"}));
        rs->moveFirst();
        rs->remove();
        rs->moveNext();
        QCOMPARE(rs->text(QStringLiteral("nome")), QStringLiteral("BRUNO"));
        QCOMPARE(rs->recordCount(), 2);
        rs->moveLast();
        QCOMPARE(rs->text(QStringLiteral("nome")), QStringLiteral("CARLI"));
        rs->movePrevious();
        rs->movePrevious();
        QVERIFY(rs->bof());
    }

    void addedRowIsLastModifiedAndNullUntilWritten()
    {
        auto rs = Recordset::openTable(m_archive, QStringLiteral("giudizi"));
        rs->addNew();
        rs->update();
        QVERIFY(rs->lastModified() > 0);
        rs->setBookmark(rs->lastModified());
        QVERIFY(rs->isNull(QStringLiteral("giudizio")));
        QCOMPARE(rs->field(QStringLiteral("data")).toLongLong(), rs->lastModified());
    }

    void failedPupilWriteLeavesArchiveAsItWas()
    {
        insertPupil(QStringLiteral("PRIMO"), 1);
        QSqlQuery q(m_archive->handle());
        QVERIFY(q.exec(
            QStringLiteral("CREATE TRIGGER rifiuta BEFORE UPDATE ON giudizi WHEN "
                           "NEW.nome = 'ERRORE' BEGIN SELECT RAISE(ABORT, 'rifiutato'); END")));
        auto rs = Recordset::openTable(m_archive, QStringLiteral("giudizi"));
        PupilData pupil;
        pupil.nome = QStringLiteral("ERRORE");
        QVERIFY_THROWS_EXCEPTION(DbError, addPupilRow(*rs, pupil));
        QCOMPARE(rs->recordCount(), 1);
        QCOMPARE(rs->text(QStringLiteral("nome")), QStringLiteral("PRIMO"));
        QVERIFY(q.exec(QStringLiteral("SELECT count(*) FROM giudizi")) && q.next());
        QCOMPARE(q.value(0).toInt(), 1);
    }

    void scriptSplitterKeepsQuotedSemicolons()
    {
        const QStringList statements = splitSqlScript(QStringLiteral(
            "-- comment; not a statement\nINSERT INTO t VALUES ('a; b -- c', 'l''alunn#');\n"
            "INSERT INTO t VALUES (1);"));
        QCOMPARE(statements.size(), 2);
        QCOMPARE(statements.at(0),
                 QStringLiteral("INSERT INTO t VALUES ('a; b -- c', 'l''alunn#')"));
    }

    void wholeNumbersOnly()
    {
        QCOMPARE(parseClassOrTerm(QStringLiteral(" 3 ")), std::optional<int>(3));
        QVERIFY(!parseClassOrTerm(QStringLiteral("3a")));
        QVERIFY(!parseClassOrTerm(QStringLiteral("")));
        QVERIFY(!parseClassOrTerm(QStringLiteral("-1")));
        QVERIFY(!parseClassOrTerm(QStringLiteral("2.5")));
        // What the program's state cannot hold is refused too.
        QVERIFY(!parseClassOrTerm(QStringLiteral("0")));
        QVERIFY(!parseClassOrTerm(QStringLiteral("70000")));
        QCOMPARE(parseClassOrTerm(QStringLiteral("32767")), std::optional<int>(32767));

        // The number a search box starts with: what is after it does not count.
        QCOMPARE(leadingNumber(QStringLiteral(" 3a")), 3);
        QCOMPARE(leadingNumber(QStringLiteral("-2 x")), -2);
        QCOMPARE(leadingNumber(QStringLiteral("x3")), 0);
        QCOMPARE(leadingNumber(QStringLiteral("+")), 0);
        QCOMPARE(leadingNumber(QString::fromUtf8("٣")),
                 0); // digits of other scripts are not numbers
        QCOMPARE(leadingNumber(QStringLiteral("99999999999")), 0); // too big to hold
    }

    // The searches as the server reads them: case folded on both sides.
    void statementsReadOnTheServer()
    {
        QCOMPARE(serverSql(QStringLiteral("sezione = ? COLLATE NOCASE AND classe = ? AND anno=?  "
                                          "collate nocase")),
                 QStringLiteral("lower(sezione) = lower(CAST(? AS text) COLLATE \"C\") AND classe "
                                "= ? AND lower(anno) = lower(CAST(? AS text) COLLATE \"C\")"));
        QCOMPARE(serverSql(QStringLiteral("SELECT nome FROM elenco ORDER BY nome COLLATE NOCASE")),
                 QStringLiteral("SELECT nome FROM elenco ORDER BY nome"));
        // A phrase that merely reads like one is not a statement: values are bound.
        QCOMPARE(serverSql(QStringLiteral("giudizio = ?")), QStringLiteral("giudizio = ?"));
    }

    // Where the server is, by libpq's rules; what a failure means, in Italian.
    void serverAddressesAndFailures()
    {
        QString error;
        auto service = parseServerAddress(QStringLiteral(" scuola "), &error);
        QVERIFY(service);
        QCOMPARE(service->setting(QStringLiteral("service")), QStringLiteral("scuola"));
        QCOMPARE(service->describe(), QStringLiteral("scuola"));

        auto uri = parseServerAddress(
            QStringLiteral("postgresql://aula@srv.scuola.it:5433/giudizi?sslmode=require"), &error);
        QVERIFY2(uri, qPrintable(error));
        QCOMPARE(uri->setting(QStringLiteral("host")), QStringLiteral("srv.scuola.it"));
        QCOMPARE(uri->setting(QStringLiteral("port")), QStringLiteral("5433"));
        QCOMPARE(uri->setting(QStringLiteral("user")), QStringLiteral("aula"));
        QCOMPARE(uri->setting(QStringLiteral("sslmode")), QStringLiteral("require"));
        QCOMPARE(uri->describe(), QStringLiteral("giudizi su srv.scuola.it"));

        // A typed password with quotes and backslashes survives the round trip,
        // and no message names it.
        auto keywords =
            parseServerAddress(QStringLiteral("host=/tmp dbname='anno scolastico'"), &error);
        QVERIFY(keywords);
        keywords->password = QStringLiteral("l'O\\ra");
        auto again = parseServerAddress(QString::fromUtf8(keywords->connectionString()), &error);
        QVERIFY(again);
        QCOMPARE(again->setting(QStringLiteral("dbname")), QStringLiteral("anno scolastico"));
        QCOMPARE(again->setting(QStringLiteral("password")), keywords->password);
        QVERIFY(!again->describe().contains(keywords->password));

        QVERIFY(!parseServerAddress(QStringLiteral("postgresql://[::1"), &error));
        QVERIFY2(error.startsWith(QStringLiteral("Non capisco l'indirizzo del server")),
                 qPrintable(error));
        QVERIFY(!parseServerAddress(QStringLiteral("  "), &error));

        QVERIFY(serverFailureMessage(*uri, "server does not support SSL, but SSL was required")
                    .startsWith(QStringLiteral("Il server «giudizi su srv.scuola.it» non accetta "
                                               "connessioni cifrate")));
        QVERIFY(serverFailureMessage(*uri, "FATAL:  password authentication failed for user")
                    .startsWith(QStringLiteral("La password per il server")));
        QVERIFY(serverFailureMessage(*service, "definition of service \"scuola\" not found")
                    .startsWith(QStringLiteral("Il servizio «scuola» non è descritto")));
        QVERIFY(
            serverFailureMessage(*uri, "connection to server at \"srv\" failed: Connection "
                                       "refused")
                .startsWith(QStringLiteral("Il server «giudizi su srv.scuola.it» non risponde")));
        QVERIFY(isConnectionLoss(QStringLiteral("server closed the connection unexpectedly")));
        QVERIFY(
            !isConnectionLoss(QStringLiteral("duplicate key value violates unique constraint")));
    }
};

QTEST_MAIN(TestData)
#include "tst_data.moc"

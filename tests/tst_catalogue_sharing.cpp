// Catalogues shared between teachers: the CSV reader and the catalogue file
// on their own, then both editors exporting a catalogue and another data
// folder taking it in, and every file it must refuse.
#include "data/ArchiveStore.h"
#include "data/Database.h"
#include "shared/CatalogueFile.h"
#include "shared/CsvReader.h"
#include "support/SaveDialogs.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace giudizi;
using namespace giudizi::test;

namespace {

const QString kFlexEditor = QStringLiteral("fmodifica2");
const QString kRigidEditor = QStringLiteral("FmodificRIGID");
const QStringList kFlexTables{"socioaffettiv1", "socioaffettiv2", "socioaffettiv3",
                              "responsabilit1", "responsabilit2", "responsabilit3",
                              "cognitivA1",     "cognitivA2",     "cognitivA3",
                              "cognitivB1",     "cognitivB2",     "cognitivB3"};
const QStringList kRigidTables{"classeAq1", "classeAq2", "classeBq1", "classeBq2"};
const QByteArray kFlexHeader = "Modello;Tabella;Ordine;Descrittore\r\n";
const QByteArray kRigidHeader = "Modello;Tabella;Aspetto;Ordine;Descrittore;Titolo;Inizio\r\n";

// Every column of every row of the tables, nulls told from empty texts.
QStringList tableRows(const QStringList& tables)
{
    QStringList rows;
    for (const QString& table : tables) {
        QSqlQuery q(archiveStore().DescriptorDb->handle());
        const Database& db = *archiveStore().DescriptorDb;
        const QString key = db.keyColumn(table);
        const QString order =
            table.startsWith("classe") ? "tipo, ordine, " + key : "ordine, " + key;
        if (!q.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
                        .arg(db.columns(table).join(QLatin1Char(',')), table, order)))
            return {q.lastError().text()};
        while (q.next()) {
            QStringList values{table};
            for (int c = 0; c < q.record().count(); ++c)
                values << (q.isNull(c) ? QStringLiteral("<null>") : q.value(c).toString());
            rows << values.join('|');
        }
    }
    return rows;
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return file.fileName();
}

QStringList fieldsOf(const CsvContent& content, int record)
{
    return content.records.value(record).fields;
}

} // namespace

class TestCatalogueSharing : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramRun> m_run;

    void openEditor(const QString& model)
    {
        m_run.reset(); // one run at a time: the next starts when this one is gone
        m_run = std::make_unique<ProgramRun>();
        chooseStart(model, QStringLiteral("Medie"), 0);
        click(model == "Rigido" ? "FavviogiudixRIG" : "Favviogiudix2", "Labmodifica");
    }
    void clickGrid(const QString& editor, int row)
    {
        auto* grid = find<QTableWidget>(editor, "Grid");
        const QRect cell = grid->visualRect(grid->model()->index(row - 1, 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }
    // Imports `path` answering the messages with `answers`; their texts.
    QStringList import(const QString& editor, const QString& path, const QList<int>& answers)
    {
        SaveAs dialogs(path, answers);
        click(editor, "cmdImportaCatalogo");
        return dialogs.messages();
    }

private slots:
    void cleanup() { m_run.reset(); }

    void csvReaderTakesQuotesBreaksAndTheMark()
    {
        const QByteArray body =
            "a;\"b;c\";\"d \"\"e\"\"\"\r\n\"riga\r\ndue\";\"\"\r\n\r\nultimo\r\n";
        for (const QByteArray& bytes : {QByteArray("\xEF\xBB\xBF") + body, body}) {
            const CsvContent csv = readCsv(bytes);
            QVERIFY2(csv.ok(), qPrintable(csv.error));
            QCOMPARE(csv.records.size(), 3);
            QCOMPARE(fieldsOf(csv, 0), QStringList({"a", "b;c", "d \"e\""}));
            QCOMPARE(fieldsOf(csv, 1), QStringList({"riga\r\ndue", ""}));
            QCOMPARE(fieldsOf(csv, 2), QStringList({"ultimo"}));
            QCOMPARE(csv.records.at(2).line, 5); // the break inside quotes counts as a line
        }
        // Line feeds alone, a last row without a break, an empty quoted field alone.
        CsvContent csv = readCsv(QByteArray("x;é\n\"\"\nfine;"));
        QCOMPARE(csv.records.size(), 3);
        QCOMPARE(fieldsOf(csv, 0), QStringList({"x", "é"}));
        QCOMPARE(fieldsOf(csv, 1), QStringList({""}));
        QCOMPARE(fieldsOf(csv, 2), QStringList({"fine", ""}));

        // Faults, each with the line its row starts on.
        csv = readCsv(QByteArray("a;b\r\nc;\"aperte\r\nx;y\r\n"));
        QCOMPARE(csv.errorLine, 2);
        QVERIFY(csv.error.contains("virgolette aperte") && csv.records.isEmpty());
        csv = readCsv(QByteArray("a;b\r\nc;d\"e\r\n"));
        QCOMPARE(csv.errorLine, 2);
        csv = readCsv(QByteArray("\"a\"b;c"));
        QCOMPARE(csv.errorLine, 1);
        csv = readCsv(QByteArray("a;\xFF\xFE;b\r\n"));
        QVERIFY(!csv.ok() && csv.error.contains("UTF-8"));
    }

    void catalogueFileNumbersAsTheEditorsDo()
    {
        // Out of order, tables in any case: table order, then by number, the
        // file's order among equal numbers, numbered from 0.
        const QByteArray flexible = kFlexHeader + "flessibile;COGNITIVA2;5;cinque\r\n"
                                                  "flessibile;cognitivA2;2;due primo\r\n"
                                                  "flessibile;socioaffettiv1;7;sette\r\n"
                                                  "flessibile;cognitivA2;2;due secondo\r\n";
        CatalogueReading read = readCatalogueFile(flexible, CatalogueModel::Flexible);
        QVERIFY2(read.ok(), qPrintable(read.error));
        QStringList rows;
        for (const CatalogueEntry& e : read.entries)
            rows << QStringLiteral("%1 %2 %3").arg(e.table).arg(e.ordine).arg(e.text);
        QCOMPARE(rows, QStringList({"socioaffettiv1 0 sette", "cognitivA2 0 due primo",
                                    "cognitivA2 1 due secondo", "cognitivA2 2 cinque"}));

        // Rigid rows written and read back: aspects apart, titles kept.
        QVector<CatalogueEntry> entries{
            {"classeAq1", 1, 0, "uno; \"primo\"", "Titolo", "Inizia\ncosì"},
            {"classeAq1", 1, 1, "due", "", ""},
            {"classeAq1", 2, 0, "altro aspetto", "Secondo", ""},
            {"classeBq2", 10, 0, "ultimo", "", ""}};
        QVERIFY(writeCatalogueFile(QDir::temp().filePath("nessuna/cartella/x.csv"),
                                   CatalogueModel::Rigid, entries) == false);
        QTemporaryDir dir;
        const QString path = dir.filePath("rigido.csv");
        QVERIFY(writeCatalogueFile(path, CatalogueModel::Rigid, entries));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF" + kRigidHeader));
        QVERIFY(
            bytes.contains("rigido;classeAq1;1;0;\"uno; \"\"primo\"\"\";Titolo;\"Inizia\ncosì\""));
        read = readCatalogueFile(bytes, CatalogueModel::Rigid);
        QVERIFY2(read.ok(), qPrintable(read.error));
        QCOMPARE(read.entries.size(), entries.size());
        for (int i = 0; i < entries.size(); ++i)
            QCOMPARE(catalogueFields(CatalogueModel::Rigid, read.entries.at(i)),
                     catalogueFields(CatalogueModel::Rigid, entries.at(i)));
    }

    void catalogueFileRefusesWhatItCannotTake_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        const int flex = int(CatalogueModel::Flexible);
        const int rigid = int(CatalogueModel::Rigid);
        QTest::newRow("empty file") << flex << QByteArray("\xEF\xBB\xBF") << "Il file è vuoto.";
        QTest::newRow("header only") << flex << kFlexHeader << "Il file non ha nessun descrittore.";
        QTest::newRow("other header") << flex << QByteArray("Nome;Testo\r\n")
                                      << "Riga 1: la prima riga di un catalogo del modello "
                                         "flessibile è «Modello;Tabella;Ordine;Descrittore».";
        QTest::newRow("flexible file") << rigid << kFlexHeader + "flessibile;cognitivA1;0;a\r\n"
                                       << "Riga 1: è un catalogo del modello flessibile, non del "
                                          "modello rigido.";
        QTest::newRow("rigid row") << flex << kFlexHeader + "rigido;classeAq1;1;0;a;;\r\n"
                                   << "Riga 2: è una riga di un catalogo del modello rigido, non "
                                      "del modello flessibile.";
        QTest::newRow("unknown model") << flex << kFlexHeader + "misto;cognitivA1;0;a\r\n"
                                       << "Riga 2: il modello «misto» non esiste: qui va "
                                          "«flessibile».";
        QTest::newRow("not a number") << flex << kFlexHeader + "flessibile;cognitivA1;x;a\r\n"
                                      << "Riga 2: il numero d'ordine «x» non è un numero intero.";
        QTest::newRow("aspect 0") << rigid << kRigidHeader + "rigido;classeAq1;0;0;a;;\r\n"
                                  << "Riga 2: l'aspetto «0» non esiste: gli aspetti vanno da 1 "
                                     "a 10.";
        QTest::newRow("long title")
            << rigid << kRigidHeader + "rigido;classeAq1;1;0;a;" + QByteArray(1001, 't') + ";\r\n"
            << "Riga 2: il titolo è troppo lungo: 1001 caratteri, al massimo 1000.";
        QTest::newRow("blank text") << flex << kFlexHeader + "flessibile;cognitivA1;0;  \r\n"
                                    << "Riga 2: il descrittore è vuoto.";
    }

    void catalogueFileRefusesWhatItCannotTake()
    {
        QFETCH(int, model);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        const CatalogueReading read = readCatalogueFile(bytes, CatalogueModel(model));
        QCOMPARE(read.error, error);
        QVERIFY(read.entries.isEmpty());
    }

    void exportedCataloguesComeBackWholeInAnotherFolder()
    {
        QTemporaryDir shared;
        for (const QString model : {"Flessibile", "Rigido"}) {
            const bool rigid = model == "Rigido";
            const QString editor = rigid ? kRigidEditor : kFlexEditor;
            const QStringList tables = rigid ? kRigidTables : kFlexTables;
            const QString fileName = rigid ? "Catalogo rigido.csv" : "Catalogo flessibile.csv";
            const QString path = shared.filePath(fileName);

            // A teacher's own phrase, with what CSV must quote, then the export.
            openEditor(model);
            clickGrid(editor, 2);
            const QString phrase = "ha detto \"basta\"; poi\nha ripreso";
            find<QPlainTextEdit>(editor, "TxtModifica")->setPlainText(phrase);
            click(editor, "CmdSalva");
            QStringList messages;
            {
                SaveAs save(path, {QMessageBox::Ok});
                click(editor, "cmdEsportaCatalogo");
                QCOMPARE(save.suggestedNames(), QStringList({fileName}));
                messages = save.messages();
            }
            const QStringList original = tableRows(tables);
            QVERIFY(original.size() > 100 && original.join('\n').contains(phrase));
            QCOMPARE(messages.size(), 1);
            QVERIFY2(messages.first().contains(QString::number(original.size()) + " descrittori"),
                     qPrintable(messages.first()));
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY(
                file.readAll().startsWith("\xEF\xBB\xBF" + (rigid ? kRigidHeader : kFlexHeader)));
            file.close();

            // A fresh program in a new folder, its catalogue changed first.
            const QString firstFolder = m_run->work().path();
            openEditor(model);
            QVERIFY(m_run->work().path() != firstFolder);
            clickGrid(editor, 1);
            {
                ModalAnswer yes(QMessageBox::Yes);
                click(editor, "CmdElimina");
            }
            execDescriptors(QStringLiteral("INSERT INTO %1 (ordine, %2) VALUES (7, 'in più')")
                                .arg(tables.last(), rigid ? "indicatore" : "descrittori"));
            QVERIFY(tableRows(tables) != original);

            messages = import(editor, path, {QMessageBox::Yes, QMessageBox::Ok});
            QCOMPARE(messages.value(0),
                     QStringLiteral("Il catalogo del modello %1 verrà sostituito da quello del "
                                    "file «%2» (%3 descrittori). Continuo?")
                         .arg(rigid ? "rigido" : "flessibile", fileName)
                         .arg(original.size()));
            QCOMPARE(tableRows(tables), original);
            // The grid shows the new catalogue: the saved phrase is its second row.
            QCOMPARE(find<QTableWidget>(editor, "Grid")->item(1, 1)->text(), phrase);
            if (rigid)
                QCOMPARE(find<QLineEdit>(editor, "Text1(0)")->text(),
                         QStringLiteral("Comportamento"));
        }
    }

    void importRefusalsLeaveTheCatalogueAsItWas()
    {
        QTemporaryDir dir;
        openEditor("Flessibile");
        const QStringList before = tableRows(kFlexTables);
        const QString bad = "Non ho importato il file «%1»: il catalogo è rimasto com'era.\n%2";
        const struct {
            const char* name;
            QByteArray bytes;
            QString error;
        } cases[] = {
            {"rigido.csv", kRigidHeader + "rigido;classeAq1;1;0;a;T;I\r\n",
             "Riga 1: è un catalogo del modello rigido, non del modello flessibile."},
            {"tabella.csv",
             kFlexHeader + "flessibile;cognitivA1;0;a\r\nflessibile;socioaffettiv9;1;b\r\n",
             "Riga 3: la tabella «socioaffettiv9» non è un catalogo del modello flessibile."},
            {"lungo.csv", kFlexHeader + "flessibile;cognitivA1;0;" + QByteArray(1001, 'x') + "\r\n",
             "Riga 2: il descrittore è troppo lungo: 1001 caratteri, al massimo 1000."},
            {"vuoto.csv",
             kFlexHeader +
                 "flessibile;cognitivA1;0;\"su\r\ndue righe\"\r\nflessibile;cognitivA1;1;\r\n",
             "Riga 4: il descrittore è vuoto."},
            {"campi.csv", kFlexHeader + "flessibile;cognitivA1;0;a\r\nflessibile;cognitivA1;1\r\n",
             "Riga 3: ci sono 3 campi invece di 4."},
            {"aperte.csv", kFlexHeader + "flessibile;cognitivA1;0;a\r\nflessibile;x;1;\"b\r\n",
             "Riga 3: le virgolette aperte non si chiudono più."},
        };
        for (const auto& c : cases) {
            const QString path = writeFile(dir, c.name, c.bytes);
            QCOMPARE(import(kFlexEditor, path, {QMessageBox::Ok}),
                     QStringList({bad.arg(c.name, c.error)}));
            QCOMPARE(tableRows(kFlexTables), before);
        }

        // The editor keeps to the same length a file is held to.
        clickGrid(kFlexEditor, 1);
        find<QPlainTextEdit>(kFlexEditor, "TxtModifica")->setPlainText(QString(1001, 'x'));
        {
            ModalAnswer ok(QMessageBox::Ok);
            click(kFlexEditor, "CmdSalva");
            QCOMPARE(ok.text(),
                     QStringLiteral("Il testo è troppo lungo: al massimo 1000 caratteri."));
        }
        QCOMPARE(tableRows(kFlexTables), before);

        // A good file, but No to the question (the default): nothing changes.
        const QString good =
            writeFile(dir, "buono.csv", kFlexHeader + "flessibile;cognitivB3;0;nuova\r\n");
        {
            SaveAs no(good, {QMessageBox::No});
            click(kFlexEditor, "cmdImportaCatalogo");
            QCOMPARE(no.defaultButtons(), QList<int>({QMessageBox::No}));
        }
        QCOMPARE(tableRows(kFlexTables), before);

        // A write refused half-way: the tables emptied before it come back.
        if (onTestServer()) {
            execDescriptors("CREATE FUNCTION bloccata() RETURNS trigger LANGUAGE plpgsql AS "
                            "'BEGIN RAISE EXCEPTION ''tabella bloccata''; END'");
            execDescriptors("CREATE TRIGGER bloccata BEFORE INSERT ON cognitivB3 "
                            "FOR EACH ROW EXECUTE FUNCTION bloccata()");
        } else {
            execDescriptors("CREATE TRIGGER bloccata BEFORE INSERT ON cognitivB3 "
                            "BEGIN SELECT RAISE(ABORT, 'tabella bloccata'); END");
        }
        const QStringList answers = import(kFlexEditor, good, {QMessageBox::Yes, QMessageBox::Ok});
        QCOMPARE(answers.size(), 2);
        QVERIFY2(answers.last().startsWith(bad.arg("buono.csv", QString())),
                 qPrintable(answers.last()));
        QCOMPARE(tableRows(kFlexTables), before);
        execDescriptors(onTestServer() ? "DROP TRIGGER bloccata ON cognitivB3"
                                       : "DROP TRIGGER bloccata");
        import(kFlexEditor, good, {QMessageBox::Yes, QMessageBox::Ok});
        QCOMPARE(tableRows(kFlexTables), QStringList({"cognitivB3|0|nuova"}));
        QCOMPARE(find<QTableWidget>(kFlexEditor, "Grid")->rowCount(), 0); // socioaffettiv1 on show

        // The rigid editor: a flexible file, and an aspect that does not exist.
        openEditor("Rigido");
        const QStringList rigidBefore = tableRows(kRigidTables);
        QCOMPARE(import(kRigidEditor, good, {QMessageBox::Ok}),
                 QStringList({bad.arg("buono.csv", "Riga 1: è un catalogo del modello "
                                                   "flessibile, non del modello rigido.")}));
        const QString aspect =
            writeFile(dir, "aspetto.csv", kRigidHeader + "rigido;classeAq1;11;0;a;;\r\n");
        QCOMPARE(import(kRigidEditor, aspect, {QMessageBox::Ok}),
                 QStringList({bad.arg("aspetto.csv", "Riga 2: l'aspetto «11» non esiste: gli "
                                                     "aspetti vanno da 1 a 10.")}));
        QCOMPARE(tableRows(kRigidTables), rigidBefore);
    }
};

QTEST_MAIN(TestCatalogueSharing)
#include "tst_catalogue_sharing.moc"

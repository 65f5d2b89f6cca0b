// What goes from the program into the electronic register: a judgment copied
// to the clipboard from the composition and archive screens, and the result
// set of an archive search exported as a CSV file, read back with a reader
// that is not the program's own.
#include "data/ArchiveSearch.h"
#include "data/ArchiveStore.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "platform/SaveFile.h"
#include "shared/CsvWriter.h"
#include "shared/JudgmentExport.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

using namespace giudizi;
using namespace giudizi::test;

namespace {

const QString kCopied = QStringLiteral("Giudizio copiato negli appunti");

QString clipboardText()
{
    return QGuiApplication::clipboard()->text();
}

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

// A stored value as the export writes it.
QString asText(const QVariant& value)
{
    return value.isNull() ? QString() : value.toString();
}

QVariantMap pupil(const QString& nome, int classe, const QString& sezione, int term,
                  const QVariant& giudizio, const QVariant& scuola = QStringLiteral("Medie"))
{
    return {{"nome", nome},         {"sex", "F"},          {"classe", classe},
            {"sezione", sezione},   {"anno", "2025-2026"}, {"quadrimestre", term},
            {"giudizio", giudizio}, {"scuola", scuola},    {"nomeopz1", "Nessuna"},
            {"nomeopz2", "Nessuna"}};
}

} // namespace

class TestRegister : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramRun> m_run;
    QString m_screen;

    void openArchive(const QString& level)
    {
        m_run.reset();
        m_run = std::make_unique<ProgramRun>();
        chooseStart(QStringLiteral("Flessibile"), level, 0);
        click(QStringLiteral("Favviogiudix2"), QStringLiteral("Labstampa"));
        m_screen = level == QLatin1String("Medie") ? QStringLiteral("Farchiv2")
                                                   : QStringLiteral("FarchivElem");
        QVERIFY(isShown(m_screen));
    }
    void searchClass(const QStringList& choices)
    {
        click(m_screen, QStringLiteral("cmdclasse"));
        for (int i = 0; i < 4; ++i)
            find<QComboBox>(m_screen, QStringLiteral("Combo%1").arg(i + 1))
                ->setEditText(choices.at(i));
        click(m_screen, QStringLiteral("cmdok"));
    }
    bool exportEnabled() const
    {
        return find<QPushButton>(m_screen, QStringLiteral("cmdEsporta"))->isEnabled();
    }
    // Presses "Esporto" and saves as `path`; the name the dialog suggested,
    // where it started, and the texts of the messages that followed
    // (answered with `answer`).
    struct Export {
        QString suggested;
        QString folder;
        QStringList messages;
        QList<int> defaults;
    };
    Export exportTo(const QString& path, int answer = QMessageBox::Ok)
    {
        Export result;
        DialogHandler handler([&](QWidget* modal) {
            if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
                result.suggested = QFileInfo(dialog->selectedFiles().value(0)).fileName();
                result.folder = dialog->directory().absolutePath();
                dialog->selectFile(path);
                static_cast<QDialog*>(dialog)->accept();
            } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                result.messages << box->text();
                result.defaults << box->standardButton(box->defaultButton());
                box->button(QMessageBox::StandardButton(answer))->click();
            }
        });
        click(m_screen, QStringLiteral("cmdEsporta"));
        return result;
    }
    QString notice(const QString& screen) const
    {
        auto* label = find<QLabel>(screen, QStringLiteral("LabCopiato"));
        return label->isVisible() ? label->text() : QString();
    }

private slots:
    void cleanup() { m_run.reset(); }

    // The flexible composition: the copy is what the save then stores, before
    // and after saving; the notice goes by itself.
    void flexibleCompositionCopiesWhatItSaves()
    {
        m_run = std::make_unique<ProgramRun>();
        chooseStart(QStringLiteral("Flessibile"), QStringLiteral("Medie"), 0);
        click(QStringLiteral("Favviogiudix2"), QStringLiteral("Labprimo"));
        const QString compose = QStringLiteral("Fgiudix2");
        auto* copia = find<QPushButton>(compose, QStringLiteral("cmdCopia"));
        QVERIFY(!copia->isEnabled()); // nothing to copy yet
        click(compose, QStringLiteral("cmdsuccessivo"));
        find<QLineEdit>(QStringLiteral("Fimmissio2"), "Text1")->setText(QStringLiteral("Neri Eva"));
        click(QStringLiteral("Fimmissio2"), QStringLiteral("LabF"));
        click(QStringLiteral("Fimmissio2"), QStringLiteral("cmdfatto"));
        QVERIFY(!copia->isEnabled());
        auto* box = find<QTextEdit>(compose, QStringLiteral("RTextB1"));
        typeInto(box, QStringLiteral("l'alunn# è seren#. si è inserit# bene; è attent#."));
        QVERIFY(copia->isEnabled());

        click(compose, QStringLiteral("cmdCopia"));
        const QString copied = clipboardText();
        QCOMPARE(copied, QStringLiteral("L'alunna è serena. Si è inserita bene; è attenta."));
        QCOMPARE(notice(compose), kCopied);
        QCOMPARE(box->toPlainText().count(QLatin1Char('#')), 4); // the box is not changed
        QVERIFY(archiveRows().at(0).value("giudizio").isNull()); // nor anything saved

        click(compose, QStringLiteral("cmdmaiuscole"));
        QCOMPARE(archiveRows().at(0).value("giudizio").toString(), copied);
        QGuiApplication::clipboard()->clear();
        click(compose, QStringLiteral("cmdCopia"));
        QCOMPARE(clipboardText(), copied);
        QTRY_VERIFY_WITH_TIMEOUT(notice(compose).isEmpty(), 8000);

        box->clear();
        QVERIFY(!copia->isEnabled());
    }

    // The rigid composition applies endings only; its copy does the same.
    void rigidCompositionCopiesWhatItSaves()
    {
        m_run = std::make_unique<ProgramRun>();
        chooseStart(QStringLiteral("Rigido"), QStringLiteral("Medie"), 0);
        click(QStringLiteral("FavviogiudixRIG"), QStringLiteral("LabAq1"));
        const QString compose = QStringLiteral("FgiudixRIGID");
        click(compose, QStringLiteral("cmdsuccessivo"));
        find<QLineEdit>(QStringLiteral("Fimmissio2"), "Text1")
            ->setText(QStringLiteral("Gallo Ugo"));
        click(QStringLiteral("Fimmissio2"), QStringLiteral("LabM"));
        click(QStringLiteral("Fimmissio2"), QStringLiteral("cmdfatto"));
        clickListItem(compose, QStringLiteral("List1"), 0);
        const QString composed = find<QTextEdit>(compose, "RTextB1")->toPlainText();
        QVERIFY2(composed.contains(QLatin1Char('#')), qPrintable(composed));

        click(compose, QStringLiteral("cmdCopia"));
        const QString copied = clipboardText();
        QVERIFY(!copied.contains(QLatin1Char('#')) && copied.contains(QStringLiteral("alunno")));
        QCOMPARE(notice(compose), kCopied);
        click(compose, QStringLiteral("cmdmaiuscole"));
        QCOMPARE(archiveRows().at(0).value("giudizio").toString(), copied);
    }

    // On the archive the judgment box is copied as it stands, saved or not.
    void archiveCopiesTheBoxAsItStands()
    {
        openArchive(QStringLiteral("Medie"));
        QVERIFY(!find<QPushButton>(m_screen, QStringLiteral("cmdCopia"))->isEnabled());
        addJudgment(pupil(QStringLiteral("BIANCHI ANNA"), 2, QStringLiteral("A"), 1,
                          QStringLiteral("Lavora con impegno.")));
        click(m_screen, QStringLiteral("cmdalunno"));
        find<QLineEdit>(m_screen, QStringLiteral("Text1"))->setText(QStringLiteral("bianchi anna"));
        click(m_screen, QStringLiteral("cmdok"));
        click(m_screen, QStringLiteral("cmdCopia"));
        QCOMPARE(clipboardText(), QStringLiteral("Lavora con impegno."));
        QCOMPARE(notice(m_screen), kCopied);

        auto* box = find<QTextEdit>(m_screen, QStringLiteral("RichTextBox1"));
        box->setPlainText(QStringLiteral("Lavora con impegno;\n\"corretto\" a metà."));
        click(m_screen, QStringLiteral("cmdCopia"));
        QCOMPARE(clipboardText(), QStringLiteral("Lavora con impegno;\n\"corretto\" a metà."));
        QCOMPARE(archiveRows().at(0).value("giudizio").toString(),
                 QStringLiteral("Lavora con impegno.")); // copying saves nothing
        QVERIFY(!exportEnabled());                       // a pupil's rows are not exported
    }

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
        const QString name = onTestServer() ? "'ALUNNO ' || lpad(CAST(1201 - i AS text), 4, '0')"
                                            : "printf('ALUNNO %04d', 1201 - i)";
        execArchive(QStringLiteral(
                        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < "
                        "1200) INSERT INTO giudizi (nome, classe, sezione, anno, quadrimestre, "
                        "giudizio, scuola) SELECT %1, 1, 'A', '2025-2026', 1, 'Testo ' || i, "
                        "'Medie' FROM n")
                        .arg(name));
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
        QVERIFY(!archiveStore().ArchiveDb->inTransaction()); // nothing left open
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
        QVERIFY(!archiveStore().ArchiveDb->inTransaction());
        execArchive(QStringLiteral("ALTER TABLE giudizi_via RENAME TO giudizi"));
        QCOMPARE(fileBytes(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"classe.csv"}));

        const QString nowhere = dir.filePath(QStringLiteral("manca/classe.csv"));
        QCOMPARE(exportJudgments(*rows, nowhere).outcome, ExportOutcome::NotWritten);
        QVERIFY(!QFileInfo::exists(nowhere));
    }

    // A class search exported through the window and read back field by
    // field; the overwrite question; which result sets may be exported.
    void classSearchExportedThroughTheWindow()
    {
        openArchive(QStringLiteral("Medie"));
        QVERIFY(!exportEnabled());
        const QString tricky = QStringLiteral(
            "Lucia è \"brava\"; partecipa con entusiasmo.\nSa ascoltare; è cortese.\n\nFine.");
        addJudgment(pupil(QStringLiteral("ROSSI MARIO"), 3, QStringLiteral("B"), 1,
                          QStringLiteral("Lavora bene.")));
        addJudgment(pupil(QStringLiteral("D'ANGELO LUCIA"), 3, QStringLiteral("B"), 1, tricky));
        addJudgment(
            pupil(QStringLiteral("VERDI LUCA"), 3, QStringLiteral("B"), 1, QVariant(), QVariant()));
        addJudgment(pupil(QStringLiteral("BIANCHI ANNA"), 3, QStringLiteral("B"), 2,
                          QStringLiteral("Altro periodo.")));
        addJudgment(pupil(QStringLiteral("NERI EVA"), 3, QStringLiteral("C"), 1,
                          QStringLiteral("Altra sezione.")));

        searchClass({"3", "b", "2025-2026", "1"});
        QVERIFY(exportEnabled());
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("registro.csv"));
        const Export first = exportTo(path);
        QCOMPARE(first.suggested, QStringLiteral("Giudizi 3b 2025-2026 periodo 1.csv"));
        QCOMPARE(first.folder,
                 QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                     .filePath(QStringLiteral("Giudizi")));
        QCOMPARE(first.messages, QStringList()); // success is said in the window
        QCOMPARE(notice(m_screen),
                 QStringLiteral("Ho esportato 3 giudizi nel file «registro.csv»."));

        // Every field against the archive, in the order of the search.
        QList<QStringList> expected{kExportHeader};
        for (const char* name : {"D'ANGELO LUCIA", "ROSSI MARIO", "VERDI LUCA"})
            for (const QVariantMap& row : archiveRows())
                if (row.value("nome").toString() == QString::fromUtf8(name))
                    expected << QStringList{
                        asText(row.value("nome")),         asText(row.value("classe")),
                        asText(row.value("sezione")),      asText(row.value("anno")),
                        asText(row.value("quadrimestre")), asText(row.value("scuola")),
                        asText(row.value("giudizio"))};
        const QList<QStringList> read = readWithPython(path);
        QCOMPARE(read, expected);
        QCOMPARE(read.at(1).at(6), tricky);
        QCOMPARE(read.at(2).mid(1, 5), QStringList({"3", "B", "2025-2026", "1", "Medie"}));
        QCOMPARE(read.at(3).mid(5), QStringList({"", ""})); // nulls are empty

        const QByteArray bytes = fileBytes(path);
        QVERIFY(
            bytes.startsWith("\xEF\xBB\xBF"
                             "Alunno;Classe;Sezione;Anno scolastico;Periodo;Scuola;Giudizio\r\n"));
        QVERIFY(bytes.endsWith("\r\nVERDI LUCA;3;B;2025-2026;1;;\r\n"));
        QCOMPARE(bytes.count("\r\n"), 4);                         // one a row
        QCOMPARE(bytes.count("\n"), 4 + int(tricky.count('\n'))); // the rest inside the field

        // Asked to replace it, No: the old file stays as it was.
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly | QIODevice::Truncate));
            old.write("vecchio");
        }
        const Export refused = exportTo(path, QMessageBox::No);
        QCOMPARE(
            refused.messages,
            QStringList({QStringLiteral("Il file «registro.csv» esiste già. Lo sostituisco?")}));
        QCOMPARE(refused.defaults, QList<int>({QMessageBox::No}));
        QCOMPARE(fileBytes(path), QByteArray("vecchio"));
        const Export replaced = exportTo(path, QMessageBox::Yes);
        QCOMPARE(readWithPython(path), expected);
        QCOMPARE(refused.suggested, first.suggested);
        QCOMPARE(replaced.folder, dir.path()); // the folder is remembered

        // A folder that is not there: said, and nothing written.
        const QString nowhere = dir.filePath(QStringLiteral("manca/registro.csv"));
        QCOMPARE(exportTo(nowhere).messages, QStringList({fileNotWrittenMessage(nowhere)}));
        QVERIFY(!QFileInfo::exists(nowhere));

        // A pupil search is not exported; "Vedo TUTTO" is, all of it.
        click(m_screen, QStringLiteral("cmdalunno"));
        find<QLineEdit>(m_screen, QStringLiteral("Text1"))->setText(QStringLiteral("rossi mario"));
        click(m_screen, QStringLiteral("cmdok"));
        QVERIFY(!exportEnabled());
        click(m_screen, QStringLiteral("cmdTUTTO"));
        QVERIFY(exportEnabled());
        const QString all = dir.filePath(QStringLiteral("tutto.csv"));
        QCOMPARE(exportTo(all).suggested, QStringLiteral("Giudizi archivio completo.csv"));
        QCOMPARE(readWithPython(all).size(), 1 + 5);
        // A class search that finds nothing leaves nothing to export.
        ModalAnswer nothing(QMessageBox::Ok);
        searchClass({"1", "Z", "2025-2026", "1"});
        QVERIFY(nothing.answered());
        QVERIFY(!exportEnabled());
    }

    // The Elementare archive exports its own rows the same way.
    void elementaryArchiveExportsToo()
    {
        openArchive(QStringLiteral("Elementari"));
        addJudgment(pupil(QStringLiteral("COSTA SARA"), 5, QStringLiteral("A"), 2,
                          QStringLiteral("Legge con espressione."), QStringLiteral("Elementari")));
        searchClass({"5", "A", "2025-2026", "2"});
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("quinta.csv"));
        QCOMPARE(exportTo(path).suggested, QStringLiteral("Giudizi 5A 2025-2026 periodo 2.csv"));
        QCOMPARE(notice(m_screen),
                 QStringLiteral("Ho esportato 1 giudizio nel file «quinta.csv»."));
        QCOMPARE(readWithPython(path).value(1),
                 QStringList({"COSTA SARA", "5", "A", "2025-2026", "2", "Elementari",
                              "Legge con espressione."}));
    }
};

QTEST_MAIN(TestRegister)
#include "tst_register.moc"

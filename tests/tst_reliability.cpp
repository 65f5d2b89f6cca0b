// What must never go wrong for a teacher: the steps found faulty, questions
// that could throw work away, an archive that is busy, full or read-only, and
// awkward input (quotes, very long texts, empty rows) on every screen.
#include "app/application.h"
#include "data/AppState.h"
#include "data/ArchiveStore.h"
#include "data/DataFolder.h"
#include "support/PdfReader.h"
#include "support/TestSupport.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>
#include <QTextEdit>
#include <sqlite3.h>

using namespace giudizi;
using namespace giudizi::test;

namespace {

const QString kCompose = QStringLiteral("Fgiudix2");
const QString kEntry = QStringLiteral("Fimmissio2");

QTextEdit* composeBox()
{
    return find<QTextEdit>(kCompose, QStringLiteral("RTextB1"));
}

// The Media data entry filled in and confirmed; answers the questions that follow.
QStringList enterPupil(const QString& name, const QString& section, const QString& classe,
                       const QList<int>& answers = {})
{
    click(kCompose, QStringLiteral("cmdsuccessivo"));
    find<QLineEdit>(kEntry, "Text1")->setText(name);
    find<QComboBox>(kEntry, "Combo1")->setEditText(classe);
    find<QComboBox>(kEntry, "Combo2")->setEditText(section);
    click(kEntry, QStringLiteral("LabM"));
    if (answers.isEmpty()) {
        click(kEntry, QStringLiteral("cmdfatto"));
        return {};
    }
    ModalAnswer answer(answers);
    click(kEntry, QStringLiteral("cmdfatto"));
    return answer.texts();
}

QString saveAnswering(const QString& text)
{
    composeBox()->setPlainText(text);
    ModalAnswer answer(QMessageBox::Ok);
    click(kCompose, QStringLiteral("cmdmaiuscole"));
    return answer.text();
}

QString storedText(qint64 key)
{
    for (const QVariantMap& row : archiveRows())
        if (row.value("data").toLongLong() == key)
            return row.value("giudizio").toString();
    return QString();
}

} // namespace

class TestReliability : public QObject {
    Q_OBJECT

    std::unique_ptr<PdfFolder> m_pdf;
    std::unique_ptr<ProgramRun> m_run;

    void openComposition(int target = 0)
    {
        m_run.reset();
        m_run = std::make_unique<ProgramRun>();
        chooseStart(QStringLiteral("Flessibile"), QStringLiteral("Medie"), target);
        click(QStringLiteral("Favviogiudix2"), QStringLiteral("Labprimo"));
    }

private slots:
    void init() { m_pdf = std::make_unique<PdfFolder>(); }
    void cleanup()
    {
        m_run.reset();
        m_pdf.reset();
    }

    void foundFaultsStayMended()
    {
        // A second "Aiuto?" keeps what hiding the guide gives back.
        m_run = std::make_unique<ProgramRun>();
        click(QStringLiteral("Favvio"), QStringLiteral("LabHELP"));
        click(QStringLiteral("Favvio"), QStringLiteral("LabHELP"));
        click(QStringLiteral("Favvio"), QStringLiteral("CmdNascondi"));
        QVERIFY(findControl(QStringLiteral("Favvio"), QStringLiteral("Frame1"))->isVisible());

        // Section stored trimmed: "B " twice is one pupil; classes the state
        // cannot hold are refused.
        openComposition();
        QVERIFY(enterPupil(QStringLiteral("Rossi"), QStringLiteral("B "), "1").isEmpty());
        QCOMPARE(archiveRows().at(0).value("sezione").toString(), QStringLiteral("B"));
        QCOMPARE(saveAnswering(QStringLiteral("primo testo.")), QString());
        const QStringList again =
            enterPupil(QStringLiteral("Rossi"), QStringLiteral(" B "), "1", {QMessageBox::Yes});
        QVERIFY(again.value(0).startsWith(QStringLiteral("C'è già, in archivio")));
        QCOMPARE(archiveRows().size(), 1);
        QCOMPARE(saveAnswering(QStringLiteral("primo testo.")), QString());
        QVERIFY(enterPupil(QStringLiteral("Verdi"), "A", "0", {QMessageBox::Ok})
                    .value(0)
                    .startsWith(QStringLiteral("La classe deve essere un numero intero")));
        QVERIFY(isShown(kEntry));
        auto* classBox = find<QComboBox>(kEntry, "Combo1");
        classBox->lineEdit()->clear();
        QTest::keyClicks(classBox->lineEdit(), QStringLiteral("70000")); // typed, as a teacher does
        ModalAnswer tooBig(QMessageBox::Ok);
        click(kEntry, QStringLiteral("cmdfatto"));
        QVERIFY(tooBig.text().startsWith(QStringLiteral("La classe deve essere un numero intero")));
        QCOMPARE(archiveRows().size(), 1);
        QCOMPARE(appState().currentClass, qint16(7000)); // the last that fits, never 4464
    }

    // Enter never throws work away: those questions default to No (Cancel).
    void questionsThatDiscardWorkDefaultToNo()
    {
        openComposition();
        enterPupil(QStringLiteral("Rossi"), "A", "1");
        saveAnswering(QStringLiteral("salvato."));
        composeBox()->setPlainText(QStringLiteral("non salvato"));
        ModalAnswer unsaved(QMessageBox::No);
        click(kCompose, QStringLiteral("cmdsuccessivo"));
        QCOMPARE(unsaved.defaultButtons(), QList<int>({QMessageBox::No}));
        QCOMPARE(composeBox()->toPlainText(), QStringLiteral("non salvato"));

        click(kCompose, QStringLiteral("cmdmaiuscole"));
        click(kCompose, QStringLiteral("Cmdmenù"));
        ModalAnswer backup(QMessageBox::Cancel);
        click(QStringLiteral("Favviogiudix2"), QStringLiteral("LabFloppy"));
        QCOMPARE(backup.defaultButtons(), QList<int>({QMessageBox::Cancel}));

        addJudgment({{"nome", "ALTRO"}, {"sezione", "0"}, {"giudizio", "Altro."}});
        click(QStringLiteral("Favviogiudix2"), QStringLiteral("Labstampa"));
        click(QStringLiteral("Farchiv2"), QStringLiteral("cmdTUTTO")); // ALTRO first
        ModalAnswer remove(QMessageBox::No);
        click(QStringLiteral("Farchiv2"), QStringLiteral("cmdELIMINO"));
        QCOMPARE(remove.defaultButtons(), QList<int>({QMessageBox::No}));
    }

    // A busy, full or read-only archive: the save says so in Italian, the
    // text stays on screen, the stored row is as it was.
    void aSaveTheArchiveRefusesKeepsTheText()
    {
        openComposition();
        enterPupil(QStringLiteral("Rossi"), "A", "1");
        QCOMPARE(saveAnswering(QStringLiteral("primo testo.")), QString());
        const qint64 key = archiveRows().at(0).value("data").toLongLong();

        sqlite3* other = nullptr;
        QCOMPARE(sqlite3_open(qPrintable(datafiles::archivePath()), &other), SQLITE_OK);
        QCOMPARE(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        QVERIFY(saveAnswering(QStringLiteral("secondo testo.")).contains("occupato"));
        sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(other);
        QCOMPARE(composeBox()->toPlainText(), QStringLiteral("secondo testo.")); // as typed
        QCOMPARE(storedText(key), QStringLiteral("Primo testo."));

        QSqlQuery pragma(archiveStore().ArchiveDb->handle());
        QVERIFY(pragma.exec(QStringLiteral("PRAGMA page_count")) && pragma.next());
        const int pages = pragma.value(0).toInt();
        QVERIFY(pragma.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(pages)));
        const QString big = QStringLiteral("Testo lungo. ").repeated(3100); // 40,300 characters
        QVERIFY(saveAnswering(big).contains(QStringLiteral("disco è pieno")));
        QCOMPARE(composeBox()->toPlainText(), big);
        QCOMPARE(storedText(key), QStringLiteral("Primo testo."));
        QVERIFY(pragma.exec(QStringLiteral("PRAGMA max_page_count = 1073741823")));
        QVERIFY(pragma.exec(QStringLiteral("PRAGMA query_only = 1")));
        QVERIFY(saveAnswering(big).contains(QStringLiteral("sola lettura")));
        QVERIFY(pragma.exec(QStringLiteral("PRAGMA query_only = 0")));
        QVERIFY(pragma.exec(QStringLiteral("PRAGMA integrity_check")) && pragma.next());
        QCOMPARE(pragma.value(0).toString(), QStringLiteral("ok"));

        // The same 40,000 characters saved, printed on the card and found again.
        QCOMPARE(saveAnswering(big), QString());
        QCOMPARE(storedText(key), big);
        click(kCompose, QStringLiteral("CmdSTAMPO"));
        const PdfText card = readPdf(lastPdf(m_pdf->path()));
        QCOMPARE(card.words.size(), big.split(' ', Qt::SkipEmptyParts).size());
        // Without the card's position row: said, nothing printed.
        QSqlQuery(archiveStore().PrintSettingsDb->handle())
            .exec(QStringLiteral("DELETE FROM posizione WHERE stampacosa = 'scheda'"));
        const auto printed = pdfFiles(m_pdf->path()).size();
        {
            ModalAnswer missing(QMessageBox::Ok);
            click(kCompose, QStringLiteral("CmdSTAMPO"));
            QVERIFY(missing.text().contains(QStringLiteral("scheda")));
        }
        QCOMPARE(pdfFiles(m_pdf->path()).size(), printed);
        click(kCompose, QStringLiteral("Cmdmenù"));
        click(QStringLiteral("Favviogiudix2"), QStringLiteral("Labstampa"));
        click(QStringLiteral("Farchiv2"), QStringLiteral("cmdTUTTO"));
        QCOMPARE(find<QTextEdit>("Farchiv2", "RichTextBox1")->toPlainText(), big);
    }

    // Quotes reach the archive and come back; a row of nulls breaks nothing.
    void quotesAndEmptyRowsEverywhere()
    {
        // A password with quotes is changed and then lets the teacher in.
        m_run = std::make_unique<ProgramRun>(false);
        QVERIFY(startApplication());
        const QString password = QStringLiteral("sc'uo\"la");
        click(QStringLiteral("Favvio"), QStringLiteral("CmdCambioPass"));
        find<QLineEdit>(QStringLiteral("Favvio"), "TXTpassword")->setText(password);
        find<QLineEdit>(QStringLiteral("Favvio"), "TXTverificaPass")->setText("scuola");
        click(QStringLiteral("Favvio"), QStringLiteral("CmdCambioPass"));
        click(QStringLiteral("Favvio"), QStringLiteral("CmdEntra"));
        QVERIFY(findControl(QStringLiteral("Favvio"), QStringLiteral("Frame1"))->isVisible());

        openComposition(3);
        const QString name = QStringLiteral("D'Angelo \"Nino\"");
        click(kCompose, QStringLiteral("cmdsuccessivo"));
        find<QLineEdit>(kEntry, "Text1")->setText(name);
        find<QComboBox>(kEntry, "Combo1")->setEditText(QStringLiteral("2"));
        find<QComboBox>(kEntry, "Combo2")->setEditText(QStringLiteral("B'"));
        find<QLineEdit>(kEntry, "TxtNomOpz1")->setText(QStringLiteral("Coro \"Voci d'oro\""));
        click(kEntry, QStringLiteral("LabM"));
        click(kEntry, QStringLiteral("cmdfatto"));
        QCOMPARE(archiveRows().at(0).value("nomeopz1").toString(),
                 QStringLiteral("Coro \"Voci d'oro\""));
        QCOMPARE(saveAnswering(QStringLiteral("un \"bravo\" ragazzo, l'alunno.")), QString());
        QCOMPARE(archiveRows().at(0).value("nome").toString(), name.toUpper());
        execArchive(QStringLiteral("INSERT INTO giudizi DEFAULT VALUES"));

        click(kCompose, QStringLiteral("Cmdmenù"));
        click(QStringLiteral("Favviogiudix2"), QStringLiteral("Labstampa"));
        const QString archive = QStringLiteral("Farchiv2");
        click(archive, QStringLiteral("cmdalunno"));
        find<QLineEdit>(archive, "Text1")->setText(name);
        click(archive, QStringLiteral("cmdok"));
        QCOMPARE(find<QLineEdit>(archive, "Text3")->text(), QStringLiteral("B'"));
        QCOMPARE(find<QTextEdit>(archive, "RichTextBox1")->toPlainText(),
                 QStringLiteral("Un \"bravo\" ragazzo, l'alunno."));

        // School data with quotes, asked for by the attestato.
        {
            ModalAnswer school(QStringList{"scuola \"g. d'annunzio\"", "l'aquilone", "via d'oro",
                                           "d'amico", "trimestre"});
            click(archive, QStringLiteral("CmdStampaAttestato"));
        }
        QCOMPARE(find<QLabel>("FStampaFoglio", "LabTit")->text(),
                 QStringLiteral("SCUOLA \"G. D'ANNUNZIO\""));
        click(QStringLiteral("FStampaFoglio"), QStringLiteral("CmdScrittura"));

        // The empty row, first by section: shown empty, refused where it must be.
        click(archive, QStringLiteral("cmdTUTTO"));
        QCOMPARE(find<QLineEdit>(archive, "Text6")->text(), QString());
        for (const char* button : {"CmdStampaAttestato", "cmdstampatutto", "cmdstampaverbale"}) {
            ModalAnswer refusal(QMessageBox::Ok);
            click(archive, QString::fromLatin1(button));
            QCOMPARE(refusal.text(), QStringLiteral("Non c'è nessun giudizio da stampare"));
        }
        click(archive, QStringLiteral("cmdpanorama"));
        auto* grid =
            find<QTableView>(QStringLiteral("formGRIGLIA2"), QStringLiteral("MSFlexGrid1"));
        QCOMPARE(grid->model()->rowCount(), 2);
        QVERIFY(!grid->model()->index(0, 0).data().isValid());
    }
};

QTEST_MAIN(TestReliability)
#include "tst_reliability.moc"

// The archive screens as a teacher uses them: finding pupils and classes,
// browsing, correcting, deleting, printing card, verbale and class list, and
// the panorama grid. Each flow checks the screen, the database and the paper.
#include "data/AppState.h"
#include "data/ArchiveGridModel.h"
#include "data/ArchiveSearch.h"
#include "data/ArchiveStore.h"
#include "data/Recordset.h"
#include "support/PdfReader.h"
#include "support/TestSupport.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>
#include <QTextEdit>

using namespace giudizi;
using namespace giudizi::test;

namespace {

const QString kNothingFoundName =
    QStringLiteral("Non ho trovato nulla. Forse hai scritto male il nome; riprova.");
const QString kNothingFoundClass =
    QStringLiteral("Non ho trovato nulla. Forse hai inserito dati sbagliati; riprova.");
const QString kFourChoices =
    QStringLiteral("Hai fornito le 4 informazioni necessarie alla ricerca?");
const QString kStillComposing = QStringLiteral(
    "Non puoi cancellare questo documento; è ancora attivo nel modulo 'Composizione'");
const QString kElementaryFromMedia = QStringLiteral(
    "ATTENZIONE: stai lavorando con 'Scuola Media', ma vuoi l'attestato di un alunno delle "
    "Elementari. Per preparare questo attestato torna a 'Menù' e cambia 'Grado scuola'");
const QString kMediaFromElementary = QStringLiteral(
    "ATTENZIONE: stai lavorando con 'Sc.Elementari', ma vuoi l'attestato di un alunno delle "
    "Medie. Per preparare questo attestato torna a 'Menù' e cambia 'Grado scuola'.");

constexpr double kMm = 72.0 / 25.4; // one millimetre in points

QVariantMap pupil(const QString& nome, const QString& sezione, int classe, int term,
                  const QVariant& text, const QString& scuola = QStringLiteral("Medie"))
{
    return {{"nome", nome},
            {"sezione", sezione},
            {"classe", classe},
            {"anno", QStringLiteral("2004-2005")},
            {"quadrimestre", term},
            {"giudizio", text},
            {"scuola", scuola},
            {"seclinstra", QStringLiteral("Francese")},
            {"nomeopz1", QStringLiteral("Nessuna")},
            {"nomeopz2", QStringLiteral("Nessuna")}};
}

// A long judgment with a word no other judgment has, so a page shows whose it is.
QString longText(const QString& marker, int sentences)
{
    QStringList parts;
    for (int i = 0; i < sentences; ++i)
        parts << QStringLiteral("%1 partecipa con interesse alle attività proposte e rispetta le "
                                "regole della classe numero%2.")
                     .arg(marker)
                     .arg(i);
    return parts.join(QLatin1Char(' '));
}

} // namespace

class TestArchive : public QObject {
    Q_OBJECT

    std::unique_ptr<PdfFolder> m_pdf;
    std::unique_ptr<ProgramRun> m_run;
    QString m_screen;

    void openArchive(const QString& level = QStringLiteral("Medie"), int target = 0)
    {
        m_run.reset(); // the previous run ends before the next one starts
        m_run = std::make_unique<ProgramRun>();
        chooseStart(QStringLiteral("Flessibile"), level, target);
        click(QStringLiteral("Favviogiudix2"), QStringLiteral("Labstampa"));
        m_screen = level == QLatin1String("Medie") ? QStringLiteral("Farchiv2")
                                                   : QStringLiteral("FarchivElem");
        QVERIFY(isShown(m_screen));
        QVERIFY(!isShown(QStringLiteral("Favviogiudix2")));
    }

    QLineEdit* box(const QString& name) const { return find<QLineEdit>(m_screen, name); }
    QString shown(const QString& name) const { return box(name)->text(); }
    QTextEdit* textBox() const { return find<QTextEdit>(m_screen, QStringLiteral("RichTextBox1")); }
    QString shownText() const { return textBox()->toPlainText(); }
    bool visible(const QString& name) const { return findControl(m_screen, name)->isVisible(); }

    void searchPupil(const QString& typed)
    {
        click(m_screen, QStringLiteral("cmdalunno"));
        box(QStringLiteral("Text1"))->setText(typed);
        click(m_screen, QStringLiteral("cmdok"));
    }

    void setChoices(const QStringList& texts)
    {
        for (int i = 0; i < 4; ++i)
            find<QComboBox>(m_screen, QStringLiteral("Combo%1").arg(i + 1))
                ->setEditText(texts.at(i));
    }

    // Clicks and returns the text of the message it shows ("" for none).
    QString clickAnswering(const QString& control, int button = QMessageBox::Ok)
    {
        return clickOn(m_screen, control, {button}).value(0);
    }
    // Clicks and answers the messages that follow with `buttons`; their texts.
    QStringList clickOn(const QString& window, const QString& control, const QList<int>& buttons)
    {
        ModalAnswer answer(buttons);
        click(window, control);
        return answer.texts();
    }

    QStringList namesBrowsed()
    {
        QStringList names;
        click(m_screen, QStringLiteral("cmddprimo"));
        names << shown(QStringLiteral("Text6"));
        while (names.size() < 50 && clickAnswering(QStringLiteral("cmddnext")).isEmpty())
            names << shown(QStringLiteral("Text6"));
        return names;
    }

private slots:
    void init() { m_pdf = std::make_unique<PdfFolder>(); }
    void cleanup()
    {
        m_run.reset();
        m_pdf.reset();
    }

    void findsPupilsAndClassesAndBrowsesThem()
    {
        openArchive();
        QVERIFY(!visible(QStringLiteral("cmdELIMINO")) && !visible(QStringLiteral("Text1")));
        QVERIFY(!visible(QStringLiteral("Combo1")) && !visible(QStringLiteral("cmdok")));
        addJudgment(pupil(QStringLiteral("ROSSI MARIO"), QStringLiteral("B"), 2, 2, "Secondo B2"));
        addJudgment(pupil(QStringLiteral("ROSSI MARIO"), QStringLiteral("A"), 1, 2, "Secondo A1"));
        addJudgment(pupil(QStringLiteral("ROSSI MARIO"), QStringLiteral("A"), 1, 1, "Primo A1"));
        addJudgment(pupil(QStringLiteral("ROSSI MARIO"), QStringLiteral("A"), 2, 1, "Primo A2"));
        addJudgment(pupil(QStringLiteral("D'ANGELO LUCIA"), QStringLiteral("C"), 3, 1, "Lucia"));
        addJudgment(pupil(QStringLiteral("VERDI LUCA"), QStringLiteral("A"), 1, 2, QVariant()));
        addJudgment(pupil(QStringLiteral("BIANCHI ANNA"), QStringLiteral("A"), 1, 2, "Anna"));

        // By pupil: typed in lower case with blanks, rows by section, class, term.
        searchPupil(QStringLiteral("  rossi mario "));
        QCOMPARE(shownText(), QStringLiteral("Primo A1"));
        QCOMPARE(appState().currentTerm, qint16(1));
        QVERIFY(visible(QStringLiteral("cmdELIMINO")));
        QCOMPARE(shown(QStringLiteral("Text7")), QStringLiteral("Francese"));
        QCOMPARE(clickAnswering(QStringLiteral("cmddnext")), QString());
        QCOMPARE(shownText(), QStringLiteral("Secondo A1"));
        click(m_screen, QStringLiteral("cmddnext"));
        QCOMPARE(shownText(), QStringLiteral("Primo A2"));
        click(m_screen, QStringLiteral("cmddnext"));
        QCOMPARE(shownText(), QStringLiteral("Secondo B2"));
        QCOMPARE(clickAnswering(QStringLiteral("cmddnext")), QStringLiteral("questo è l'ultimo"));
        QCOMPARE(shownText(), QStringLiteral("Secondo B2"));
        click(m_screen, QStringLiteral("cmddpreced")); // the cursor stayed on the last row
        QCOMPARE(shownText(), QStringLiteral("Primo A2"));
        QCOMPARE(appState().currentTerm, qint16(1)); // browsing keeps the search's term
        click(m_screen, QStringLiteral("cmddprimo"));
        QCOMPARE(clickAnswering(QStringLiteral("cmddpreced")), QStringLiteral("questo è il primo"));
        QCOMPARE(shownText(), QStringLiteral("Primo A1"));
        click(m_screen, QStringLiteral("cmddultimo"));
        QCOMPARE(shownText(), QStringLiteral("Secondo B2"));

        searchPupil(QStringLiteral("d'angelo lucia"));
        QCOMPARE(shown(QStringLiteral("Text6")), QStringLiteral("D'ANGELO LUCIA"));

        // Nothing found: the display keeps its row, and nothing acts on it.
        const QList<QVariantMap> before = archiveRows();
        click(m_screen, QStringLiteral("cmdalunno"));
        box(QStringLiteral("Text1"))->setText(QStringLiteral("Nessuno"));
        QCOMPARE(clickAnswering(QStringLiteral("cmdok")), kNothingFoundName);
        QCOMPARE(shown(QStringLiteral("Text6")), QStringLiteral("D'ANGELO LUCIA"));
        QCOMPARE(clickAnswering(QStringLiteral("cmddnext")), QString());
        QVERIFY(clickAnswering(QStringLiteral("CmdRegistro")).contains(QStringLiteral("ricerca")));
        QVERIFY(clickAnswering(QStringLiteral("cmdELIMINO")).contains(QStringLiteral("ricerca")));
        QCOMPARE(archiveRows(), before);

        // By class: every prompt must be replaced; rows by name.
        click(m_screen, QStringLiteral("cmdclasse"));
        QVERIFY(visible(QStringLiteral("Combo1")) && !visible(QStringLiteral("Text1")));
        setChoices({"1", "A", "2004-2005", "Scegli il quadrimestre"});
        QCOMPARE(clickAnswering(QStringLiteral("cmdok")), kFourChoices);
        setChoices({"1", " a ", "2004-2005", "2"});
        click(m_screen, QStringLiteral("cmdok"));
        QCOMPARE(namesBrowsed(), QStringList({"BIANCHI ANNA", "ROSSI MARIO", "VERDI LUCA"}));
        QCOMPARE(shownText(), QString()); // a null judgment empties the text area
        QCOMPARE(appState().currentTerm, qint16(2));
        setChoices({"1", "A'", "2004-'2005", "2"});
        QCOMPARE(clickAnswering(QStringLiteral("cmdok")), kNothingFoundClass);
    }

    void correctsAndDeletesRows()
    {
        openArchive();
        addJudgment(pupil(QStringLiteral("ALFA"), QStringLiteral("A"), 1, 1, "Testo alfa"));
        const qint64 beta =
            addJudgment(pupil(QStringLiteral("BETA"), QStringLiteral("A"), 1, 1, "Testo beta"));
        addJudgment(pupil(QStringLiteral("GAMMA"), QStringLiteral("B"), 1, 1, "Testo gamma"));
        click(m_screen, QStringLiteral("cmdTUTTO"));
        QCOMPARE(namesBrowsed(), QStringList({"ALFA", "BETA", "GAMMA"}));

        // A correction: stored upper-cased and trimmed, the boxes as typed.
        click(m_screen, QStringLiteral("cmddprimo"));
        click(m_screen, QStringLiteral("cmddnext"));
        box(QStringLiteral("Text6"))->setText(QStringLiteral("  beta corretto "));
        box(QStringLiteral("Text2"))->setText(QStringLiteral("2"));
        box(QStringLiteral("Text7"))->setText(QStringLiteral(" Tedesco "));
        box(QStringLiteral("Text3"))->setText(QStringLiteral(" A "));
        box(QStringLiteral("TxtNomOpz1"))->setText(QStringLiteral(" Coro "));
        textBox()->setPlainText(QStringLiteral("Testo corretto"));
        QCOMPARE(clickAnswering(QStringLiteral("CmdRegistro")), QString());
        QVariantMap row = archiveRows().at(1);
        QCOMPARE(row.value("data").toLongLong(), beta);
        QCOMPARE(row.value("nome").toString(), QStringLiteral("BETA CORRETTO"));
        QCOMPARE(row.value("classe").toInt(), 2);
        QCOMPARE(row.value("seclinstra").toString(), QStringLiteral("Tedesco"));
        QCOMPARE(row.value("sezione").toString(), QStringLiteral("A"));
        QCOMPARE(row.value("nomeopz1").toString(), QStringLiteral("Coro"));
        QCOMPARE(row.value("giudizio").toString(), QStringLiteral("Testo corretto"));
        QCOMPARE(shown(QStringLiteral("Text6")), QStringLiteral("  beta corretto "));
        searchPupil(QStringLiteral("Beta Corretto"));
        QCOMPARE(shownText(), QStringLiteral("Testo corretto"));

        // Refused corrections store nothing.
        const QList<QVariantMap> before = archiveRows();
        box(QStringLiteral("Text2"))->setText(QStringLiteral("2a"));
        QVERIFY(clickAnswering(QStringLiteral("CmdRegistro")).startsWith("La classe deve"));
        box(QStringLiteral("Text2"))->setText(QStringLiteral("2"));
        box(QStringLiteral("Text4"))->setText(QStringLiteral("primo"));
        QVERIFY(clickAnswering(QStringLiteral("CmdRegistro")).startsWith("Il trimestre"));
        textBox()->clear();
        QCOMPARE(clickAnswering(QStringLiteral("CmdRegistro")),
                 QStringLiteral("Non puoi salvare un documento con un testo vuoto"));
        QCOMPARE(archiveRows(), before);

        // Deleting: No keeps the row; Yes deletes it and shows the first row.
        click(m_screen, QStringLiteral("cmdTUTTO"));
        click(m_screen, QStringLiteral("cmddultimo"));
        QCOMPARE(clickAnswering(QStringLiteral("cmdELIMINO"), QMessageBox::No),
                 QStringLiteral("Sei sicuro di voler eliminare?"));
        QCOMPARE(archiveRows().size(), 3);
        clickAnswering(QStringLiteral("cmdELIMINO"), QMessageBox::Yes);
        QCOMPARE(archiveRows().size(), 2);
        QCOMPARE(shown(QStringLiteral("Text6")), QStringLiteral("ALFA"));

        // A row deleted meanwhile by someone else: both writes fail and say so.
        click(m_screen, QStringLiteral("cmddultimo"));
        execArchive(QStringLiteral("DELETE FROM giudizi WHERE data = ?"), {beta});
        textBox()->setPlainText(QStringLiteral("Ancora da salvare"));
        QVERIFY(
            clickAnswering(QStringLiteral("CmdRegistro")).contains("non sono state registrate"));
        QVERIFY(clickOn(m_screen, QStringLiteral("cmdELIMINO"), {QMessageBox::Yes, QMessageBox::Ok})
                    .value(1)
                    .contains("non è stato eliminato"));
        QCOMPARE(shownText(), QStringLiteral("Ancora da salvare"));

        // Deleting the last row of a result empties the display; all buttons stay safe.
        searchPupil(QStringLiteral("alfa"));
        clickAnswering(QStringLiteral("cmdELIMINO"), QMessageBox::Yes);
        QVERIFY(archiveRows().isEmpty());
        QCOMPARE(shown(QStringLiteral("Text6")), QString());
        for (const char* control : {"cmddprimo", "cmddnext", "cmddultimo", "cmdELIMINO"})
            QCOMPARE(clickAnswering(QString::fromLatin1(control)), QString());
        QCOMPARE(clickAnswering(QStringLiteral("cmdstampa")),
                 QStringLiteral("Non c'è nessun giudizio da stampare"));
        QCOMPARE(clickAnswering(QStringLiteral("cmdTUTTO")),
                 QStringLiteral("L'archivio non contiene ancora nessun giudizio."));
        QVERIFY(pdfFiles(m_pdf->path()).isEmpty());
    }

    void deletionGuardComparesRowsNotNames()
    {
        openArchive();
        // The teacher composes for "alfa", reusing the stored row of that pupil.
        const qint64 held =
            addJudgment(pupil(QStringLiteral("ALFA"), QStringLiteral("A"), 1, 1, "Vecchio"));
        const qint64 other =
            addJudgment(pupil(QStringLiteral("ALFA"), QStringLiteral("A"), 1, 2, "Altro"));
        click(m_screen, QStringLiteral("cmdmenù"));
        click(QStringLiteral("Favviogiudix2"), QStringLiteral("Labprimo"));
        click(QStringLiteral("Fgiudix2"), QStringLiteral("cmdsuccessivo"));
        find<QLineEdit>(QStringLiteral("Fimmissio2"), QStringLiteral("Text1"))
            ->setText(QStringLiteral("alfa"));
        find<QComboBox>(QStringLiteral("Fimmissio2"), QStringLiteral("Combo2"))->setEditText("A");
        find<QComboBox>(QStringLiteral("Fimmissio2"), QStringLiteral("Combo3"))
            ->setEditText(QStringLiteral("2004-2005"));
        click(QStringLiteral("Fimmissio2"), QStringLiteral("LabM"));
        {
            ModalAnswer reuse(QMessageBox::Yes);
            click(QStringLiteral("Fimmissio2"), QStringLiteral("cmdfatto"));
            QVERIFY(reuse.answered());
        }
        QCOMPARE(
            find<QTextEdit>(QStringLiteral("Fgiudix2"), QStringLiteral("RTextB1"))->toPlainText(),
            QStringLiteral("Vecchio"));
        click(QStringLiteral("Fgiudix2"), QStringLiteral("cmdmaiuscole"));

        click(QStringLiteral("Fgiudix2"), QStringLiteral("Cmdmenù"));
        click(QStringLiteral("Favviogiudix2"), QStringLiteral("Labstampa"));
        searchPupil(QStringLiteral("ALFA"));
        QCOMPARE(clickAnswering(QStringLiteral("cmdELIMINO")), kStillComposing);
        click(m_screen, QStringLiteral("cmddnext")); // the same name, another term
        clickAnswering(QStringLiteral("cmdELIMINO"), QMessageBox::Yes);
        QCOMPARE(archiveRows().size(), 1);
        QCOMPARE(archiveRows().at(0).value("data").toLongLong(), held);
        Q_UNUSED(other);

        // The composition's row deleted behind its back: its save says so.
        execArchive(QStringLiteral("DELETE FROM giudizi"));
        click(m_screen, QStringLiteral("cmdmenù"));
        click(QStringLiteral("Favviogiudix2"), QStringLiteral("Labprimo"));
        auto* compose = find<QTextEdit>(QStringLiteral("Fgiudix2"), QStringLiteral("RTextB1"));
        compose->setPlainText(QStringLiteral("nuovo testo."));
        ModalAnswer failure(QMessageBox::Ok);
        click(QStringLiteral("Fgiudix2"), QStringLiteral("cmdmaiuscole"));
        QVERIFY(failure.text().contains(QStringLiteral("non è stato salvato")));
        QVERIFY(archiveRows().isEmpty());
        QCOMPARE(compose->toPlainText(), QStringLiteral("nuovo testo.")); // as it was
    }

    void printsCardVerbaleAndClassList()
    {
        openArchive();
        setPosition(QStringLiteral("scheda"), {{"sinistra2", 2000}, {"alto2", 3000}});
        setPosition(QStringLiteral("verbale"), {{"sinistra", 1700}, {"alto", 4000}});
        const QStringList names = {"ANNA", "BRUNO", "CARLA"};
        for (const QString& name : names)
            addJudgment(pupil(name, QStringLiteral("A"), 1, 2, longText(name, 45)));
        addJudgment(pupil(QStringLiteral("ZETA"), QStringLiteral("B"), 3, 2, "Altra classe"));
        click(m_screen, QStringLiteral("cmdclasse"));
        setChoices({"1", "A", "2004-2005", "2"});
        click(m_screen, QStringLiteral("cmdok"));
        click(m_screen, QStringLiteral("cmddnext")); // BRUNO

        // No term chosen yet (the archive straight from the menu): the card
        // takes the term of the row on show, and keeps it.
        appState().currentTerm = 0;
        click(m_screen, QStringLiteral("cmdstampa"));
        QCOMPARE(appState().currentTerm, qint16(2));
        QVERIFY(qAbs(readPdf(lastPdf(m_pdf->path())).words.first().xMin - 100) < 1);

        // The card: the second term's frame, the row on show.
        QCOMPARE(clickAnswering(QStringLiteral("cmdstampa")), QString());
        PdfText card = readPdf(lastPdf(m_pdf->path()));
        QVERIFY(card.ok());
        QVERIFY(card.joinedText().startsWith(QStringLiteral("BRUNO partecipa")));
        QVERIFY(qAbs(card.words.first().xMin - 100) < 1 && qAbs(card.words.first().yMin - 150) < 3);

        // The verbale: an unsaved correction, in the verbale's frame.
        textBox()->setPlainText(QStringLiteral("Correzione per il verbale"));
        QCOMPARE(clickAnswering(QStringLiteral("cmdstampaverbale")), QString());
        PdfText verbale = readPdf(lastPdf(m_pdf->path()));
        QCOMPARE(verbale.joinedText(), QStringLiteral("Correzione per il verbale"));
        QVERIFY(qAbs(verbale.words.first().xMin - 85) < 1);
        QVERIFY(qAbs(verbale.words.first().yMin - 200) < 3);
        QCOMPARE(archiveRows().at(1).value("giudizio").toString(), longText("BRUNO", 45));
        const auto printed = pdfFiles(m_pdf->path()).size();
        QSqlQuery(archiveStore().PrintSettingsDb->handle())
            .exec(QStringLiteral("DELETE FROM posizione WHERE stampacosa = 'verbale'"));
        QVERIFY(clickAnswering(QStringLiteral("cmdstampaverbale")).contains("verbale"));
        QCOMPARE(pdfFiles(m_pdf->path()).size(), printed);

        // The class list: every pupil once, all their words, inside the margins.
        QCOMPARE(clickAnswering(QStringLiteral("cmdstampatutto")), QString());
        QVERIFY(isShown(QStringLiteral("frmPrintGiudizi")));
        const QString preview =
            find<QPlainTextEdit>(QStringLiteral("frmPrintGiudizi"), QStringLiteral("TxtMain"))
                ->toPlainText();
        QVERIFY(preview.startsWith(QStringLiteral("ANNA\n") + longText("ANNA", 45) + "\n\nBRUNO"));
        PdfText list = readPdf(lastPdf(m_pdf->path()));
        QVERIFY(list.ok());
        QVERIFY(list.pageCount() >= 2);
        QStringList expected;
        for (const QString& name : names)
            expected << name << longText(name, 45);
        QCOMPARE(list.joinedText(), expected.join(QLatin1Char(' ')));
        for (int page = 0; page < list.pageCount(); ++page) {
            const QList<PdfWord> words = list.wordsOnPage(page);
            const QSizeF paper = list.pages.at(page);
            double top = 1e9, left = 1e9, right = 0, bottom = 0;
            for (const PdfWord& w : words) {
                top = std::min(top, w.yMin);
                left = std::min(left, w.xMin);
                right = std::max(right, w.xMax);
                bottom = std::max(bottom, w.yMax);
            }
            QVERIFY2(qAbs(top - 20 * kMm) < 2, qPrintable(QString::number(top)));
            QVERIFY(qAbs(left - 15 * kMm) < 1);
            QVERIFY(right <= paper.width() - 20 * kMm + 0.5);
            QVERIFY2(bottom <= paper.height() - 30 * kMm + 0.5,
                     qPrintable(QString::number(bottom)));
        }
        // The archive goes on from the row it showed.
        click(QStringLiteral("frmPrintGiudizi"), QStringLiteral("Command1"));
        QVERIFY(!isShown(QStringLiteral("frmPrintGiudizi")));
        click(m_screen, QStringLiteral("cmddnext"));
        QCOMPARE(shown(QStringLiteral("Text6")), QStringLiteral("CARLA"));
    }

    void panoramaShowsTheWholeArchive()
    {
        openArchive();
        addJudgment(pupil(QStringLiteral("ZORZI"), QStringLiteral("A"), 2, 1, "Zeta"));
        addJudgment(pupil(QStringLiteral("BASSI"), QStringLiteral("B"), 1, 1, "Bi"));
        addJudgment(pupil(QStringLiteral("ARDUINI"), QStringLiteral("B"), 1, 1,
                          QStringLiteral("Prima riga\nseconda riga")));
        addJudgment(pupil(QStringLiteral("COSTA"), QStringLiteral("A"), 1, 1, "Ci"));
        click(m_screen, QStringLiteral("cmdmenù"));
        click(QStringLiteral("Favviogiudix2"), QStringLiteral("LabGRID"));
        QVERIFY(isShown(QStringLiteral("formGRIGLIA2")));
        auto* grid =
            find<QTableView>(QStringLiteral("formGRIGLIA2"), QStringLiteral("MSFlexGrid1"));
        QAbstractItemModelTester tester(grid->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QAbstractItemModel* model = grid->model();
        QCOMPARE(model->columnCount(), 27);
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("nome"));
        QCOMPARE(model->headerData(8, Qt::Horizontal).toString(), QStringLiteral("giudizio"));
        QCOMPARE(grid->columnWidth(0), 1800 * grid->logicalDpiX() / 1440);
        QCOMPARE(grid->columnWidth(8), 4000 * grid->logicalDpiX() / 1440);
        QStringList order;
        for (int r = 0; r < model->rowCount(); ++r)
            order << model->index(r, 0).data().toString();
        QCOMPARE(order, QStringList({"COSTA", "ARDUINI", "BASSI", "ZORZI"}));
        QCOMPARE(model->index(1, 8).data().toString(), QStringLiteral("Prima riga\nseconda riga"));
        // The judgment's whole text is its tooltip; no header and no year is cut.
        QCOMPARE(model->index(1, 8).data(Qt::ToolTipRole).toString(),
                 QStringLiteral("Prima riga\nseconda riga"));
        QVERIFY(!model->index(1, 0).data(Qt::ToolTipRole).isValid());
        const QFontMetrics metrics(grid->font());
        for (int c = 0; c < model->columnCount(); ++c) {
            const QString name = model->headerData(c, Qt::Horizontal).toString();
            QVERIFY2(grid->columnWidth(c) >= metrics.horizontalAdvance(name), qPrintable(name));
            if (name == QLatin1String("anno"))
                QVERIFY(grid->columnWidth(c) >
                        metrics.horizontalAdvance(QStringLiteral("2004-2005")));
        }

        // The navigator moves the grid's current row.
        click(QStringLiteral("formGRIGLIA2"), QStringLiteral("Data1Ultimo"));
        QCOMPARE(grid->currentIndex().row(), 3);
        click(QStringLiteral("formGRIGLIA2"), QStringLiteral("Data1Precedente"));
        QCOMPARE(grid->currentIndex().row(), 2);

        // A correction in the archive shows at the next opening.
        QVERIFY(clickOn(QStringLiteral("formGRIGLIA2"), QStringLiteral("cmdMODIFICA"),
                        {QMessageBox::Ok})
                    .value(0)
                    .startsWith(QStringLiteral("Per MODIFICARE oppure ELIMINARE")));
        click(QStringLiteral("formGRIGLIA2"), QStringLiteral("cmdARCHIVIO"));
        searchPupil(QStringLiteral("costa"));
        box(QStringLiteral("Text6"))->setText(QStringLiteral("AAA COSTA"));
        click(m_screen, QStringLiteral("CmdRegistro"));
        click(m_screen, QStringLiteral("cmdpanorama"));
        QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("AAA COSTA"));

        // To writing: the composition of the model, for term 1 when none was chosen.
        appState().currentTerm = 0;
        click(QStringLiteral("formGRIGLIA2"), QStringLiteral("Cmdscrittura"));
        QVERIFY(isShown(QStringLiteral("Fgiudix2")) && !isShown(QStringLiteral("formGRIGLIA2")));
        QCOMPARE(appState().currentTerm, qint16(1));
        QVERIFY(!listItems(QStringLiteral("Fgiudix2"), QStringLiteral("List1")).isEmpty());
    }

    void elementaryTwinAndAttestatoChecks()
    {
        openArchive(QStringLiteral("Elementari"), 3);
        QCOMPARE(find<QComboBox>(m_screen, QStringLiteral("Combo1"))->count(), 5);
        QVERIFY(!findControl(m_screen, QStringLiteral("Text7")));
        QVariantMap media = pupil(QStringLiteral("MEDIA"), QStringLiteral("A"), 3, 2, "M");
        addJudgment(media);
        QVariantMap elem = pupil(QStringLiteral("ELEM"), QStringLiteral("A"), 5, 2, "E",
                                 QStringLiteral("Elementari"));
        elem.insert("seclinstra", QStringLiteral("Nessuna"));
        addJudgment(elem);
        searchPupil(QStringLiteral("media"));
        QCOMPARE(clickAnswering(QStringLiteral("CmdStampaAttestato")), kMediaFromElementary);
        searchPupil(QStringLiteral("elem"));
        click(m_screen, QStringLiteral("CmdRegistro"));
        QCOMPARE(archiveRows().at(1).value("seclinstra").toString(), QStringLiteral("Nessuna"));
        click(m_screen, QStringLiteral("cmdopzioni")); // the print positions, and back
        QVERIFY(isShown(QStringLiteral("FimpostaSTAMPA")) && isShown(m_screen));
        click(QStringLiteral("FimpostaSTAMPA"), QStringLiteral("Labtorna"));
        QVERIFY(!window(QStringLiteral("FimpostaSTAMPA")) ||
                !isShown(QStringLiteral("FimpostaSTAMPA")));
        QVERIFY(isShown(m_screen));

        openArchive(QStringLiteral("Medie"), 0);
        addJudgment(elem);
        searchPupil(QStringLiteral("elem"));
        QVERIFY(clickAnswering(QStringLiteral("CmdStampaAttestato")).startsWith("All'avvio"));
        openArchive(QStringLiteral("Medie"), 3);
        addJudgment(elem);
        searchPupil(QStringLiteral("elem"));
        QCOMPARE(clickAnswering(QStringLiteral("CmdStampaAttestato")), kElementaryFromMedia);
        QCOMPARE(appState().callerScreen, QStringLiteral("Farchiv2"));
    }

    void everySearchOrderIsAnIndexWalk()
    {
        openArchive();
        const auto db = archiveStore().ArchiveDb;
        struct Shape {
            SearchShape search;
            bool sorted; // the order too comes from the index
        };
        // The duplicate check of data entry finds a few rows: by index, in any order.
        const QList<Shape> shapes = {{kPupilSearch, true},
                                     {kClassSearch, true},
                                     {kWholeArchive, true},
                                     {kPanorama, true},
                                     {kSamePupil, false}};
        if (db->isServer()) {
            // Told not to scan the table or sort, the planner still must when no
            // index serves the search.
            for (const char* method : {"seqscan", "bitmapscan", "sort"})
                QSqlQuery(QStringLiteral("SET enable_%1 = off").arg(method), db->handle());
            for (const Shape& shape : shapes) {
                QString sql = db->dialect(Recordset::keyQuery(
                    *db, QStringLiteral("giudizi"), shape.search.where, shape.search.orderBy));
                sql.replace(QLatin1Char('?'), QStringLiteral("'1'"));
                QSqlQuery plan(db->handle());
                QVERIFY2(plan.exec(QStringLiteral("EXPLAIN ") + sql), qPrintable(sql));
                QString steps;
                while (plan.next())
                    steps += plan.value(0).toString() + QLatin1Char('\n');
                QVERIFY2(steps.contains(QStringLiteral("Index")), qPrintable(sql + "\n" + steps));
                if (shape.sorted)
                    QVERIFY2(!steps.contains(QStringLiteral("Sort")),
                             qPrintable(sql + "\n" + steps));
            }
            QSqlQuery(QStringLiteral("RESET ALL"), db->handle());
            return;
        }
        for (const Shape& shape : shapes) {
            QSqlQuery plan(db->handle());
            const QString sql = Recordset::keyQuery(*db, QStringLiteral("giudizi"),
                                                    shape.search.where, shape.search.orderBy);
            QVERIFY(plan.prepare(QStringLiteral("EXPLAIN QUERY PLAN ") + sql));
            for (int i = 0; i < sql.count(QLatin1Char('?')); ++i)
                plan.addBindValue(QStringLiteral("x"));
            QVERIFY(plan.exec());
            QString steps;
            while (plan.next())
                steps += plan.value(3).toString() + QLatin1Char('\n');
            QVERIFY2(steps.contains(QStringLiteral("INDEX")), qPrintable(sql + "\n" + steps));
            if (shape.sorted)
                QVERIFY2(!steps.contains(QStringLiteral("TEMP B-TREE")),
                         qPrintable(sql + "\n" + steps));
        }
    }
};

QTEST_MAIN(TestArchive)
#include "tst_archive.moc"

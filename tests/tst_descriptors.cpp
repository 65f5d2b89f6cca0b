// The descriptor editors and their printed grids, and the backup of the
// archive: the renumbering passes on their own, then the screens as a
// teacher uses them, checked in the catalogue, in the grid and on paper.
#include "data/AppState.h"
#include "data/ArchiveStore.h"
#include "data/Database.h"
#include "shared/CatalogueGrid.h"
#include "shared/Renumbering.h"
#include "support/PdfReader.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace giudizi;
using namespace giudizi::test;

namespace {

const QString kFlexEditor = QStringLiteral("fmodifica2");
const QString kRigidEditor = QStringLiteral("FmodificRIGID");
constexpr double kMm = 72.0 / 25.4;

QVector<NumberedRow> numbered(const QList<QPair<int, QString>>& rows)
{
    QVector<NumberedRow> result;
    for (const auto& row : rows)
        result.append({row.first, row.second});
    return result;
}

QList<int> numbersOf(const QVector<NumberedRow>& rows)
{
    QList<int> numbers;
    for (const NumberedRow& row : rows)
        numbers.append(row.ordine);
    return numbers;
}

// "ordine text" of every row of a catalogue, in stored order (by row key).
QStringList catalogue(const QString& table, const QString& where = QString())
{
    QSqlQuery q(archiveStore().DescriptorDb->handle());
    const bool rigid = table.startsWith(QLatin1String("classe"));
    q.exec(QStringLiteral("SELECT ordine, %1 FROM %2 %3 ORDER BY %4")
               .arg(rigid ? "indicatore" : "descrittori", table, where,
                    archiveStore().DescriptorDb->keyColumn(table)));
    QStringList rows;
    while (q.next())
        rows << q.value(0).toString() + QLatin1Char(' ') + q.value(1).toString();
    return rows;
}

void fillFlexible(const QString& table, const QStringList& phrases)
{
    execDescriptors(QStringLiteral("DELETE FROM %1").arg(table));
    for (int i = 0; i < phrases.size(); ++i)
        execDescriptors(
            QStringLiteral("INSERT INTO %1 (ordine, descrittori) VALUES (?, ?)").arg(table),
            {i + 1, phrases.at(i)});
}

void addRigid(const QString& table, int tipo, int ordine, const QString& text,
              const QVariant& area = QVariant(), const QVariant& inizio = QVariant())
{
    execDescriptors(QStringLiteral("INSERT INTO %1 (tipo, ordine, indicatore, area, inizio) "
                                   "VALUES (?, ?, ?, ?, ?)")
                        .arg(table),
                    {tipo, ordine, text, area, inizio});
}

QTableWidget* grid(const QString& editor)
{
    return find<QTableWidget>(editor, QStringLiteral("Grid"));
}

QStringList gridRows(const QString& editor)
{
    QStringList rows;
    QTableWidget* g = grid(editor);
    for (int r = 0; r < g->rowCount(); ++r)
        rows << g->item(r, 0)->text() + QLatin1Char(' ') + g->item(r, 1)->text();
    return rows;
}

// A click on grid row `row` (from 1), as the mouse gives it.
void clickGrid(const QString& editor, int row)
{
    QTableWidget* g = grid(editor);
    const QRect cell = g->visualRect(g->model()->index(row - 1, 1));
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, cell.center());
}

QString clickAnswering(const QString& window, const QString& control, int button)
{
    ModalAnswer answer(button);
    click(window, control);
    return answer.text();
}

} // namespace

class TestDescriptors : public QObject {
    Q_OBJECT

    std::unique_ptr<PdfFolder> m_pdf;
    std::unique_ptr<ProgramRun> m_run;

    void openEditor(const QString& model)
    {
        m_run = std::make_unique<ProgramRun>();
        chooseStart(model, QStringLiteral("Medie"), 0);
    }
    QString menu(const QString& model) const
    {
        return model == QLatin1String("Rigido") ? QStringLiteral("FavviogiudixRIG")
                                                : QStringLiteral("Favviogiudix2");
    }
    void edit(const QString& editor, const QString& number, const QString& text)
    {
        find<QLineEdit>(editor, QStringLiteral("TxtOrdine"))->setText(number);
        find<QPlainTextEdit>(editor, QStringLiteral("TxtModifica"))->setPlainText(text);
    }
    PdfText printed() const { return readPdf(lastPdf(m_pdf->path())); }

private slots:
    void init() { m_pdf = std::make_unique<PdfFolder>(); }
    void cleanup()
    {
        m_run.reset();
        m_pdf.reset();
        qunsetenv("GIUDIZI_FLOPPY_DIR");
    }

    void renumberingFollowsTheWorkedExamples()
    {
        // D (4) saved as 2: B takes its own place again, D the fourth.
        auto rows = numbered({{1, "A"}, {2, "B"}, {3, "C"}, {2, "D"}, {5, "E"}});
        Riordina(rows, 2, "D");
        QCOMPARE(numbersOf(rows), QList<int>({1, 2, 3, 4, 5}));
        // A new sixth row saved as 3: C keeps 3, the new row gets 6.
        rows = numbered({{1, "A"}, {2, "B"}, {3, "C"}, {4, "D"}, {5, "E"}, {3, "F"}});
        QCOMPARE(Riordina(rows, 3, "F"), QList<int>({2, 5}));
        QCOMPARE(numbersOf(rows), QList<int>({1, 2, 3, 4, 5, 6}));
        // New text under the same number, or a number no other row has: no change.
        rows = numbered({{1, "A"}, {2, "B nuovo"}, {3, "C"}});
        QVERIFY(Riordina(rows, 2, "B nuovo").isEmpty());
        rows = numbered({{1, "A"}, {9, "B"}, {3, "C"}});
        QVERIFY(Riordina(rows, 9, "B").isEmpty());
        QVERIFY(Riordina(rows, -2000000000, "X").isEmpty()); // ends at once
        rows = numbered({{4, "A"}, {7, "B"}, {7, "C"}});
        QCOMPARE(RiordinaElimina(rows), QList<int>({0, 1, 2}));
        QCOMPARE(numbersOf(rows), QList<int>({0, 1, 2}));
    }

    void gridLinesOfTheCatalogues()
    {
        const QList<TextLine> flexible = flexibleGridLines(
            QStringLiteral("Griglia del terzo trimestre"), {{"a", "b"}, {"c"}, {"d"}, {}});
        QStringList texts;
        for (const TextLine& l : flexible)
            texts << (l.newPageBefore ? QStringLiteral("|") : QString()) + l.text;
        QCOMPARE(texts, QStringList({"", "Griglia del terzo trimestre", "", " 0  a", " 1  b", "",
                                     "", " 0  c", "|", "", "", " 0  d", "", ""}));

        QVector<RigidGridRow> rows{{0, QString(122, 'x'), "Titolo", "Inizia"},
                                   {1, QString(123, 'y'), "", ""}};
        for (int i = 2; i < 70; ++i)
            rows.append({i, QStringLiteral("riga %1").arg(i), "", ""});
        const QList<TextLine> rigid = rigidGridLines(QStringLiteral("del primo T/Q"), rows);
        QCOMPARE(rigid.at(1).text, QStringLiteral("Griglia del primo T/Q"));
        QCOMPARE(rigid.at(4).text, QStringLiteral("Titolo"));
        QCOMPARE(rigid.at(5).text, QStringLiteral("Inizia"));
        QCOMPARE(rigid.at(6).text, " 0  " + QString(122, 'x'));
        QCOMPARE(rigid.at(7).text, " 1  " + QString(122, 'y'));
        QCOMPARE(rigid.at(8).text, QStringLiteral("      y"));
        // Counter: 4 for the first row, 2 for the long one, 1 for each other:
        // it lands on 66 after "riga 61", so "riga 62" opens a new page.
        int breaks = 0;
        for (const TextLine& line : rigid)
            if (line.newPageBefore) {
                ++breaks;
                QCOMPARE(line.text, QStringLiteral(" 62  riga 62"));
            }
        QCOMPARE(breaks, 1);
    }

    void flexibleEditorEditsAndPrints()
    {
        openEditor(QStringLiteral("Flessibile"));
        fillFlexible("socioaffettiv1", {"A", "B", "C", "D", "E"});
        click(menu("Flessibile"), QStringLiteral("Labmodifica"));
        QVERIFY(isShown(kFlexEditor) && !isShown(menu("Flessibile")));
        QCOMPARE(gridRows(kFlexEditor), QStringList({"1 A", "2 B", "3 C", "4 D", "5 E"}));
        QVERIFY(!findControl(kFlexEditor, "CmdSalva")->isEnabled());

        // D saved as number 2.
        clickGrid(kFlexEditor, 4);
        QCOMPARE(find<QLineEdit>(kFlexEditor, "TxtOrdine")->text(), QStringLiteral("4"));
        edit(kFlexEditor, "2", "D");
        click(kFlexEditor, QStringLiteral("CmdSalva"));
        QCOMPARE(catalogue("socioaffettiv1"), QStringList({"1 A", "2 B", "3 C", "4 D", "5 E"}));
        QVERIFY(!findControl(kFlexEditor, "CmdSalva")->isEnabled());

        // A new phrase, with an apostrophe, saved as 3; then deleted.
        QCOMPARE(clickAnswering(kFlexEditor, "CmdAggiungi", QMessageBox::Yes),
                 QStringLiteral("Sicuro di voler aggiungere un nuovo indicatore?"));
        QCOMPARE(gridRows(kFlexEditor).last(), QStringLiteral("99 ???"));
        clickGrid(kFlexEditor, 6);
        edit(kFlexEditor, "3", "Nuova frase dell'alunno");
        click(kFlexEditor, QStringLiteral("CmdSalva"));
        QCOMPARE(catalogue("socioaffettiv1"),
                 QStringList({"1 A", "2 B", "3 C", "4 D", "5 E", "6 Nuova frase dell'alunno"}));
        clickGrid(kFlexEditor, 6);
        QCOMPARE(clickAnswering(kFlexEditor, "CmdElimina", QMessageBox::Yes),
                 QStringLiteral("Sicuro di voler ELIMINARE l'indicatore?"));
        QCOMPARE(catalogue("socioaffettiv1"), QStringList({"0 A", "1 B", "2 C", "3 D", "4 E"}));

        // Refusals, and a catalogue switched in the middle of an edit.
        QCOMPARE(
            clickAnswering(kFlexEditor, "CmdElimina", QMessageBox::Ok),
            QStringLiteral("Devi prima selezionare nella tabella il descrittore da eliminare"));
        clickGrid(kFlexEditor, 1);
        find<QPlainTextEdit>(kFlexEditor, "TxtModifica")->clear();
        QCOMPARE(clickAnswering(kFlexEditor, "CmdSalva", QMessageBox::Ok),
                 QStringLiteral("Non c'è niente da salvare. Completare il testo"));
        click(kFlexEditor, QStringLiteral("LabRES2"));
        QVERIFY(!findControl(kFlexEditor, "CmdSalva")->isEnabled());
        QVERIFY(find<QLineEdit>(kFlexEditor, "TxtOrdine")->text().isEmpty());

        // Two equal phrases: the first one stored goes.
        fillFlexible("cognitivB3", {"Uguale", "Altro", "Uguale"});
        click(kFlexEditor, QStringLiteral("LabCOGB3"));
        clickGrid(kFlexEditor, 3);
        clickAnswering(kFlexEditor, "CmdElimina", QMessageBox::Yes);
        QCOMPARE(catalogue("cognitivB3"), QStringList({"0 Altro", "1 Uguale"}));

        // The third term on paper: numbered from 0, a new page before area 3.
        fillFlexible("socioaffettiv3", {"uno", "due"});
        fillFlexible("responsabilit3", {"tre"});
        fillFlexible("cognitivA3", {"quattro"});
        execDescriptors(QStringLiteral("DELETE FROM cognitivB3"));
        click(kFlexEditor, QStringLiteral("Cmdstampa"));
        QVERIFY(findControl(kFlexEditor, "Frame1")->isVisible());
        click(kFlexEditor, QStringLiteral("cmdterzo"));
        QVERIFY(!findControl(kFlexEditor, "Frame1")->isVisible());
        const PdfText pdf = printed();
        QCOMPARE(pdf.pageCount(), 2);
        QCOMPARE(pdf.joinedText(),
                 QStringLiteral("Griglia del terzo trimestre 0 uno 1 due 0 tre 0 quattro"));
        QCOMPARE(pdf.wordsOnPage(1).first().text, QStringLiteral("0"));
        QVERIFY(qAbs(pdf.wordsOnPage(1).first().yMin - 20 * kMm - 3 * 4.06 * kMm) < 3 * kMm);

        click(kFlexEditor, QStringLiteral("Cmdmenù"));
        QVERIFY(isShown(menu("Flessibile")) && !isShown(kFlexEditor));
    }

    void rigidEditorKeepsToTheAspectOnScreen()
    {
        openEditor(QStringLiteral("Rigido"));
        execDescriptors(QStringLiteral("DELETE FROM classeAq1"));
        addRigid("classeAq1", 1, 0, "primo", "Titolo uno", "Inizia uno");
        addRigid("classeAq1", 1, 1, "Uguale");
        addRigid("classeAq1", 2, 0, "secondo", "Titolo due", "Inizia due");
        addRigid("classeAq1", 2, 1, "Uguale");
        addRigid("classeAq1", 2, 2, "ultimo");
        click(menu("Rigido"), QStringLiteral("Labmodifica"));
        QVERIFY(isShown(kRigidEditor));
        QCOMPARE(find<QLineEdit>(kRigidEditor, "Text1(1)")->text(), QStringLiteral("Titolo due"));
        QCOMPARE(find<QLineEdit>(kRigidEditor, "Text2(0)")->text(), QStringLiteral("Inizia uno"));
        QCOMPARE(grid(kRigidEditor)->model()->headerData(1, Qt::Horizontal).toString(),
                 QStringLiteral("Inizia uno"));

        // "Uguale" deleted in aspect 2: aspect 1's stays.
        click(kRigidEditor, QStringLiteral("Text1(1)"));
        QCOMPARE(gridRows(kRigidEditor), QStringList({"0 secondo", "1 Uguale", "2 ultimo"}));
        clickGrid(kRigidEditor, 2);
        clickAnswering(kRigidEditor, "CmdElimina", QMessageBox::Yes);
        QCOMPARE(catalogue("classeAq1", "WHERE tipo = 1"), QStringList({"0 primo", "1 Uguale"}));
        QCOMPARE(catalogue("classeAq1", "WHERE tipo = 2"), QStringList({"0 secondo", "1 ultimo"}));

        // The title row deleted: the next row takes the number 0 and the title.
        clickGrid(kRigidEditor, 1);
        clickAnswering(kRigidEditor, "CmdElimina", QMessageBox::Yes);
        QSqlQuery q(archiveStore().DescriptorDb->handle());
        q.exec("SELECT ordine, indicatore, area, inizio FROM classeAq1 WHERE tipo = 2");
        QVERIFY(q.next());
        QCOMPARE(QStringList({q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                              q.value(3).toString()}),
                 QStringList({"0", "ultimo", "Titolo due", "Inizia due"}));

        // The composition moving its aspect meanwhile does not move the editor's.
        appState().currentStep = 5;
        clickGrid(kRigidEditor, 1);
        QCOMPARE(gridRows(kRigidEditor), QStringList({"0 ultimo"}));

        // A new row: "99" and "?", in the aspect on screen.
        clickAnswering(kRigidEditor, "CmdAggiungi", QMessageBox::Yes);
        QCOMPARE(gridRows(kRigidEditor).last(), QStringLiteral("99 ?"));
        QCOMPARE(catalogue("classeAq1", "WHERE tipo = 2").last(), QStringLiteral("99 ?"));

        // The eleventh box lists nothing and writes nothing.
        const int stored = catalogue("classeAq1").size();
        click(kRigidEditor, QStringLiteral("Text1(10)"));
        QCOMPARE(grid(kRigidEditor)->rowCount(), 0);
        clickAnswering(kRigidEditor, "CmdAggiungi", QMessageBox::Yes);
        QCOMPARE(catalogue("classeAq1").size(), stored);

        // The whole catalogue on paper; the aspect boxes wait for a catalogue click.
        addRigid("classeBq2", 1, 0, QString(123, 'y'), "Titolo", "Inizia");
        click(kRigidEditor, QStringLiteral("Cmdstampa"));
        QVERIFY(!findControl(kRigidEditor, "Text1(0)")->isEnabled());
        click(kRigidEditor, QStringLiteral("CmdSTBq2"));
        const PdfText pdf = printed();
        QVERIFY(pdf.joinedText().contains(QStringLiteral("Titolo Inizia")));
        double bottom = 0;
        for (const PdfWord& w : pdf.words)
            bottom = std::max(bottom, w.yMax);
        QVERIFY(bottom <= 297 * kMm - 30 * kMm + 0.5);
        click(kRigidEditor, QStringLiteral("LabclBq2"));
        QVERIFY(findControl(kRigidEditor, "Text1(0)")->isEnabled());
    }

    void backupWritesAVerifiedSetOrNothing()
    {
        QTemporaryDir floppy;
        openEditor(QStringLiteral("Flessibile"));
        addJudgment({{"nome", "ROSSI"}, {"giudizio", "Testo"}});
        qputenv("GIUDIZI_FLOPPY_DIR", floppy.path().toLocal8Bit());
        const QString question =
            clickAnswering(menu("Flessibile"), "LabFloppy", QMessageBox::Cancel);
        QVERIFY(question.startsWith(QStringLiteral("Se sul floppy è già presente una copia")));
        QVERIFY(QDir(floppy.path()).entryList(QDir::Files).isEmpty());

        {
            // Both passphrase boxes left empty: a copy without a password.
            ModalAnswer answers(QList<int>{QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok});
            click(menu("Flessibile"), QStringLiteral("LabFloppy"));
        }
        QCOMPARE(m_run->endStatuses(), QList<int>({0}));
        for (const char* name : {"Valutazioni.mdb", "DBgiudix2.mdb", "stampagiudix.mdb"}) {
            QString error;
            auto copy = Database::open(floppy.filePath(QString::fromLatin1(name)), &error);
            QVERIFY2(copy, qPrintable(error));
        }
        auto archive = Database::open(floppy.filePath("Valutazioni.mdb"), nullptr);
        QSqlQuery rows(archive->handle());
        QVERIFY(rows.exec("SELECT nome FROM giudizi") && rows.next());
        QCOMPARE(rows.value(0).toString(), QStringLiteral("ROSSI"));
        archive.reset();
        QVERIFY(QDir(floppy.path()).entryList(QDir::Files | QDir::Hidden).size() == 3);

        // No medium: said, nothing written, the program goes on.
        qputenv("GIUDIZI_FLOPPY_DIR", floppy.filePath("manca").toLocal8Bit());
        {
            ModalAnswer answers(QList<int>(4, QMessageBox::Ok));
            click(menu("Flessibile"), QStringLiteral("LabFloppy"));
            QVERIFY(answers.texts().value(3).startsWith(QStringLiteral("Probabilmente")));
        }
        qputenv("GIUDIZI_FLOPPY_DIR", floppy.path().toLocal8Bit());

        // A copy that cannot take its place: the earlier backup stays whole.
        QFile previous(floppy.filePath("Valutazioni.mdb"));
        QVERIFY(previous.open(QIODevice::ReadOnly));
        const QByteArray before = previous.readAll();
        previous.close();
        addJudgment({{"nome", "VERDI"}});
        QVERIFY(QDir(floppy.path()).mkpath("stampagiudix.mdb.precedente/occupata"));
        {
            ModalAnswer answers(QList<int>(4, QMessageBox::Ok));
            click(menu("Flessibile"), QStringLiteral("LabFloppy"));
            QCOMPARE(answers.texts().value(3),
                     QStringLiteral("Probabilmente non hai inserito un Floppy nuovo. Inseriscilo e "
                                    "riprova."));
        }
        QVERIFY(previous.open(QIODevice::ReadOnly));
        QCOMPARE(previous.readAll(), before);
        previous.close();
        QCOMPARE(m_run->endStatuses(), QList<int>({0}));
        QCOMPARE(archiveRows().size(), 2); // the program goes on with its databases

        // Without a fixed folder the teacher chooses one, remembered next time.
        qunsetenv("GIUDIZI_FLOPPY_DIR");
        QTemporaryDir stick;
        QString startedIn;
        QString cancelCaption;
        {
            DialogHandler chooser([&](QWidget* modal) {
                if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
                    if (auto* buttons = dialog->findChild<QDialogButtonBox*>())
                        cancelCaption = buttons->button(QDialogButtonBox::Cancel)->text();
                    startedIn = dialog->directory().absolutePath() + QLatin1Char('|') +
                                dialog->selectedFiles().join(QLatin1Char('|'));
                    dialog->selectFile(stick.path());
                    static_cast<QDialog*>(dialog)->accept();
                } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                    box->button(QMessageBox::Ok)->click();
                } else if (auto* input = qobject_cast<QInputDialog*>(modal)) {
                    input->accept(); // no password
                }
            });
            for (int round = 0; round < 2; ++round)
                click(menu("Flessibile"), QStringLiteral("LabFloppy"));
        }
        QCOMPARE(QDir(stick.path()).entryList(QDir::Files).size(), 3);
        QCOMPARE(cancelCaption, QStringLiteral("Annulla")); // the toolkit's dialogs speak Italian
        QVERIFY2(startedIn.contains(QDir(stick.path()).absolutePath()), qPrintable(startedIn));
        QCOMPARE(m_run->endStatuses(), QList<int>({0, 0, 0}));
    }
};

QTEST_MAIN(TestDescriptors)
#include "tst_descriptors.moc"

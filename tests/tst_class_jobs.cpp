// A whole class in one job from the archive: every pupil's card, every
// pupil's attestato, each exactly as printed on its own, the rows left out,
// and the progress dialog's "Annulla".
#include "data/AppState.h"
#include "support/PdfReader.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>

using namespace giudizi;
using namespace giudizi::test;

namespace {

QVariantMap pupil(const QString& nome, const QString& sex, const QVariant& text,
                  const QString& scuola = QStringLiteral("Medie"))
{
    return {{"nome", nome},
            {"sex", sex},
            {"scuola", scuola},
            {"classe", 2},
            {"sezione", "A"},
            {"anno", "2025-2026"},
            {"quadrimestre", 2},
            {"seclinstra", "Francese"},
            {"nomeopz1", "Nessuna"},
            {"nomeopz2", "Nessuna"},
            {"ita", "8"},
            {"mat", "7"},
            {"giudizio", text}};
}

// A judgment that says whose it is; `sentences` makes it long.
QString textOf(const QString& name, int sentences = 1)
{
    QStringList parts;
    for (int i = 0; i < sentences; ++i)
        parts << QStringLiteral("%1 partecipa con interesse alle attività proposte e rispetta "
                                "le regole della convivenza scolastica.")
                     .arg(name);
    return parts.join(QLatin1Char(' '));
}

// The words of a PDF page by page, with their places.
QList<QList<PdfWord>> pagesOf(const PdfText& pdf)
{
    QList<QList<PdfWord>> pages;
    for (int p = 0; p < pdf.pageCount(); ++p)
        pages << pdf.wordsOnPage(p);
    return pages;
}

bool samePlaces(const QList<PdfWord>& a, const QList<PdfWord>& b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i)
        if (a.at(i).text != b.at(i).text || qAbs(a.at(i).xMin - b.at(i).xMin) > 0.01 ||
            qAbs(a.at(i).yMin - b.at(i).yMin) > 0.01)
            return false;
    return true;
}

const QStringList kNames = {"BIANCHI ANNA", "D'ANGELO LUCIA", "ESPOSITO LUCA", "FERRARI SARA",
                            "GALLO MARCO",  "LOMBARDI ELISA", "ROSSI MARIO"};

} // namespace

class TestClassJobs : public QObject {
    Q_OBJECT
    std::unique_ptr<PdfFolder> m_pdf;
    std::unique_ptr<ProgramRun> m_run;

    // The Media archive with class 2A (second term of a QUADRIMESTRE year):
    // seven pupils with a judgment, one without, one Elementare row, and a
    // pupil of another class.
    void archiveWithClass(int target)
    {
        m_run = std::make_unique<ProgramRun>();
        chooseStart(QStringLiteral("Flessibile"), QStringLiteral("Medie"), target);
        execArchive(QStringLiteral("UPDATE scuola SET titolosc = 'ISTITUTO', nomesc = 'GIRASOLE', "
                                   "indirizzosc = 'Via Roma', dirigentesc = 'Neri', "
                                   "trimquad = 'QUADRIMESTRE'"));
        for (const QString& name : kNames)
            addJudgment(pupil(name, name.endsWith(QLatin1Char('A')) ? "F" : "M",
                              textOf(name, name == QLatin1String("ROSSI MARIO") ? 40 : 1)));
        addJudgment(pupil(QStringLiteral("CONTI PAOLO"), "M", QVariant()));
        addJudgment(pupil(QStringLiteral("MARINO GIULIA"), "F", textOf("MARINO GIULIA"),
                          QStringLiteral("Elementari")));
        QVariantMap other = pupil(QStringLiteral("VERDI LUCA"), "M", textOf("VERDI LUCA"));
        other["sezione"] = QStringLiteral("B");
        addJudgment(other);
        click(QStringLiteral("Favviogiudix2"), QStringLiteral("Labstampa"));
    }

    void searchClass()
    {
        click(QStringLiteral("Farchiv2"), QStringLiteral("cmdclasse"));
        const QStringList choice = {"2", "A", "2025-2026", "2"};
        for (int i = 0; i < 4; ++i)
            find<QComboBox>(QStringLiteral("Farchiv2"), QStringLiteral("Combo%1").arg(i + 1))
                ->setEditText(choice.at(i));
        click(QStringLiteral("Farchiv2"), QStringLiteral("cmdok"));
    }

    void searchPupil(const QString& name)
    {
        click(QStringLiteral("Farchiv2"), QStringLiteral("cmdalunno"));
        find<QLineEdit>(QStringLiteral("Farchiv2"), QStringLiteral("Text1"))->setText(name);
        click(QStringLiteral("Farchiv2"), QStringLiteral("cmdok"));
    }

    bool enabled(const QString& button) const
    {
        return find<QPushButton>(QStringLiteral("Farchiv2"), button)->isEnabled();
    }

    // Clicks and answers the messages with `buttons`; their texts.
    QStringList clickAnswering(const QString& window, const QString& control,
                               const QList<int>& buttons)
    {
        ModalAnswer answer(buttons);
        click(window, control);
        return answer.texts();
    }

private slots:
    void init() { m_pdf = std::make_unique<PdfFolder>(); }
    void cleanup()
    {
        m_run.reset();
        m_pdf.reset();
    }

    void cardsOfAClassInOneJob()
    {
        archiveWithClass(0);
        QVERIFY(!enabled(QStringLiteral("cmdSchedeClasse")));
        searchPupil(QStringLiteral("ROSSI MARIO"));
        QVERIFY(!enabled(QStringLiteral("cmdSchedeClasse")));
        searchClass();
        QVERIFY(enabled(QStringLiteral("cmdSchedeClasse")));
        QVERIFY(enabled(QStringLiteral("cmdAttestatiClasse")));

        // A pupil deleted by a colleague after the search is left out.
        execArchive(QStringLiteral("DELETE FROM giudizi WHERE nome = 'GALLO MARCO'"));
        // First the look at the texts: the pupil without a judgment is named.
        const QStringList said =
            clickAnswering(QStringLiteral("Farchiv2"), QStringLiteral("cmdSchedeClasse"),
                           {QMessageBox::Yes, QMessageBox::Ok});
        QCOMPARE(said.value(0), QStringLiteral("Prima di stampare, guarda questi giudizi:\n"
                                               "- CONTI PAOLO: nessun giudizio\n"
                                               "Stampo lo stesso?"));
        QCOMPARE(said.mid(1),
                 QStringList{QStringLiteral("Ho stampato 6 schede della classe.\nNon ho stampato:\n"
                                            "1 alunno senza giudizio: CONTI PAOLO.\n"
                                            "1 giudizio dell'altro grado di scuola.\n"
                                            "1 documento eliminato nel frattempo dall'archivio.")});
        QCOMPARE(pdfFiles(m_pdf->path()).size(), 1);
        const QList<QList<PdfWord>> job = pagesOf(readPdf(lastPdf(m_pdf->path())));

        // Each pupil's own card, one after the other, in the result set's order.
        QList<QList<PdfWord>> own;
        for (const QString& name : kNames) {
            if (name == QLatin1String("GALLO MARCO"))
                continue;
            searchPupil(name);
            click(QStringLiteral("Farchiv2"), QStringLiteral("cmdstampa"));
            own << pagesOf(readPdf(lastPdf(m_pdf->path())));
        }
        QVERIFY(own.size() > 6); // the long judgment goes on on a second sheet
        QCOMPARE(job.size(), own.size());
        for (int page = 0; page < job.size(); ++page)
            QVERIFY2(samePlaces(job.at(page), own.at(page)), qPrintable(QString::number(page)));
        QCOMPARE(job.first().first().text, QStringLiteral("BIANCHI"));
    }

    void attestatiOfAClassAsEachOnItsOwn()
    {
        archiveWithClass(3); // attestato with marks on blank sheets
        searchClass();
        // The last term: a note first, then the job.
        const QStringList said =
            clickAnswering(QStringLiteral("Farchiv2"), QStringLiteral("cmdAttestatiClasse"),
                           {QMessageBox::Yes, QMessageBox::Ok, QMessageBox::Ok});
        QCOMPARE(said.size(), 3);
        QVERIFY(said.at(0).startsWith(QStringLiteral("Prima di stampare")));
        QVERIFY(said.at(1).contains(QStringLiteral("ultimo periodo")));
        QVERIFY(said.at(2).startsWith(QStringLiteral("Ho stampato 7 attestati della classe.")));
        const PdfText job = readPdf(lastPdf(m_pdf->path()));
        QVERIFY(job.ok());

        QList<QList<PdfWord>> own;
        QString ownText;
        for (const QString& name : kNames) {
            searchPupil(name);
            click(QStringLiteral("Farchiv2"), QStringLiteral("CmdStampaAttestato"));
            QVERIFY(isShown(QStringLiteral("FStampaFoglio")));
            click(QStringLiteral("FStampaFoglio"), QStringLiteral("CmdStampa"));
            const PdfText alone = readPdf(lastPdf(m_pdf->path()));
            own << pagesOf(alone);
            ownText += alone.joinedText() + QLatin1Char(' ');
            click(QStringLiteral("FStampaFoglio"), QStringLiteral("CmdScrittura"));
        }
        QCOMPARE(job.joinedText() + QLatin1Char(' '), ownText);
        QVERIFY(ownText.contains(QStringLiteral("ammessa")) &&
                ownText.contains(QStringLiteral("ammesso")));
        const QList<QList<PdfWord>> pages = pagesOf(job);
        QCOMPARE(pages.size(), own.size());
        for (int page = 0; page < pages.size(); ++page)
            QVERIFY2(samePlaces(pages.at(page), own.at(page)), qPrintable(QString::number(page)));
    }

    void attestatiNeedTheSheetChosenAtStart()
    {
        archiveWithClass(0);
        searchClass();
        const QStringList said = clickAnswering(
            QStringLiteral("Farchiv2"), QStringLiteral("cmdAttestatiClasse"), {QMessageBox::Ok});
        QCOMPARE(said.size(), 1);
        QVERIFY(said.first().startsWith(QStringLiteral("All'avvio del programma")));
        QCOMPARE(pdfFiles(m_pdf->path()), QStringList());
    }

    void annullaEndsTheJobCleanly()
    {
        archiveWithClass(0);
        searchClass();
        int cancelled = 0;
        {
            DialogHandler cancel([&cancelled](QWidget* dialog) {
                if (auto* progress = qobject_cast<QProgressDialog*>(dialog)) {
                    progress->cancel();
                    ++cancelled;
                } else if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
                    box->button(QMessageBox::Yes)->click(); // print despite the look
                }
            });
            click(QStringLiteral("Farchiv2"), QStringLiteral("cmdSchedeClasse"));
        }
        QCOMPARE(cancelled, 1);
        QCOMPARE(pdfFiles(m_pdf->path()), QStringList());
        QVERIFY(isShown(QStringLiteral("Farchiv2")));
    }
};

QTEST_MAIN(TestClassJobs)
#include "tst_class_jobs.moc"

// The attestato: the page text its builders write, then the screens as a
// teacher uses them from the composition and the archive, read back from the
// preview window, the archive and the printed PDF.
#include "data/AppState.h"
#include "data/ArchiveStore.h"
#include "shared/AttestatoPage.h"
#include "support/PdfReader.h"
#include "support/TestSupport.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTest>
#include <QTextEdit>

using namespace giudizi;
using namespace giudizi::test;

namespace {

constexpr double kMm = 72.0 / 25.4; // one millimetre in points
const QString kPreamble = QStringLiteral(
    "VISTI la valutazione e il giudizio finale deliberati dal Consiglio di Classe, ");

// A Media sheet with marks, every caption 20 mm wide.
AttestatoSheet mediaSheet()
{
    AttestatoSheet s;
    for (SheetCaption* c :
         {&s.title, &s.schoolName, &s.address, &s.yearLabel, &s.year, &s.termLabel, &s.term,
          &s.termKind, &s.pupil, &s.classLabel, &s.classe, &s.sectionLabel, &s.section})
        *c = {QStringLiteral("X"), 20};
    s.marks = QStringList(13, QStringLiteral("8"));
    s.marks[0] = QStringLiteral("NS");
    s.secondLanguage = QStringLiteral("Francese");
    s.optionalName1 = s.optionalName2 = QStringLiteral("Nessuna");
    s.judgment = QStringLiteral("Buono.");
    s.admission = QStringLiteral("AMMESSO");
    s.signature = QStringLiteral("FIRME");
    s.headTeacher = QStringLiteral("PRESIDE");
    return s;
}

QStringList linesOf(const QString& text)
{
    return text.split(QStringLiteral("\r\n"));
}

// The words of a PDF line by line, left to right (a wide gap within a line
// does not make two columns of it).
QString wordsByLine(const PdfText& pdf)
{
    QList<PdfWord> words = pdf.words;
    std::stable_sort(words.begin(), words.end(), [](const PdfWord& a, const PdfWord& b) {
        if (a.page != b.page)
            return a.page < b.page;
        if (qAbs(a.yMin - b.yMin) > 2)
            return a.yMin < b.yMin;
        return a.xMin < b.xMin;
    });
    QStringList texts;
    for (const PdfWord& w : words)
        texts << w.text;
    return texts.join(QLatin1Char(' '));
}

QVariantMap pupil(const QString& nome, const QString& sex, const QString& scuola, int classe,
                  int term, const QString& language)
{
    return {{"nome", nome},
            {"sex", sex},
            {"scuola", scuola},
            {"classe", classe},
            {"sezione", "B"},
            {"anno", "2025-2026"},
            {"quadrimestre", term},
            {"seclinstra", language},
            {"nomeopz1", "Nessuna"},
            {"nomeopz2", "Nessuna"},
            {"giudizio", QStringLiteral("L'alunno lavora con impegno e ottiene buoni risultati.")}};
}

} // namespace

class TestAttestato : public QObject {
    Q_OBJECT

    std::unique_ptr<PdfFolder> m_pdf;
    std::unique_ptr<ProgramRun> m_run;

    // The archive of `level` with a print target, school data already given.
    void openArchive(const QString& level, int target, const QString& division)
    {
        m_run.reset();
        m_run = std::make_unique<ProgramRun>();
        chooseStart(QStringLiteral("Flessibile"), level, target);
        execArchive(QStringLiteral("UPDATE scuola SET titolosc = 'ISTITUTO', nomesc = 'GIRASOLE', "
                                   "indirizzosc = 'Via Roma', dirigentesc = 'Neri', trimquad = ?"),
                    {division});
        click(QStringLiteral("Favviogiudix2"), QStringLiteral("Labstampa"));
    }
    QString archive() const
    {
        return isShown(QStringLiteral("Farchiv2")) ? QStringLiteral("Farchiv2")
                                                   : QStringLiteral("FarchivElem");
    }
    void showPupil(const QString& name)
    {
        click(archive(), QStringLiteral("cmdalunno"));
        find<QLineEdit>(archive(), QStringLiteral("Text1"))->setText(name);
        click(archive(), QStringLiteral("cmdok"));
    }
    static QString caption(const QString& screen, const QString& label)
    {
        return find<QLabel>(screen, label)->text();
    }
    static QString preview()
    {
        return find<QPlainTextEdit>(QStringLiteral("frmPrintText"), QStringLiteral("TxtMain"))
            ->toPlainText();
    }
    PdfText printed() const
    {
        PdfText pdf = readPdf(lastPdf(m_pdf->path()));
        [&] { QVERIFY2(pdf.ok(), qPrintable(pdf.error)); }();
        return pdf;
    }

private slots:
    void init() { m_pdf = std::make_unique<PdfFolder>(); }
    void cleanup()
    {
        m_run.reset();
        m_pdf.reset();
    }

    void pageTextFollowsTheSheet()
    {
        // Centring: W rounded (halves to even), half the rest, 1.4 mm a blank.
        QCOMPARE(SpaziVuoti(105), QString(75, QLatin1Char(' ')));
        QCOMPARE(SpaziVuoti(0), QString());
        QCOMPARE(centredLine(QStringLiteral("T"), 61.5), QString(53, QLatin1Char(' ')) + "T");
        QCOMPARE(centredLine(QStringLiteral("T"), 60.5), QString(54, QLatin1Char(' ')) + "T");

        AttestatoSheet s = mediaSheet();
        QStringList lines = linesOf(buildAttestatoPage(s).text());
        QCOMPARE(lines.mid(0, 2), QStringList({"", ""})); // two empty lines first, with marks
        QCOMPARE(lines.at(2), QString(68, QLatin1Char(' ')) + "X");
        QCOMPARE(lines.at(19), "    Italiano......NS" + QString(24, ' ') + "Matematica.....8" +
                                   QString(24, ' ') + "Arte e Immagine....8");
        QCOMPARE(lines.at(27), "    Francese......8" + QString(24, ' ') + QString(29, ' ') +
                                   QString(15, ' ') + QString(29, ' '));
        QVERIFY(!lines.contains(QStringLiteral("AMMESSO")));

        // The second language: none in any case, the listed ones, any other.
        QCOMPARE(secondLanguageLabel(QStringLiteral("NESSUNA"), "8"), QString(29, '.'));
        QCOMPARE(secondLanguageLabel(QStringLiteral("Russo"), "NS"),
                 QStringLiteral("    Russo........."));
        QCOMPARE(secondLanguageLabel(QStringLiteral("Inglese"), "8"),
                 QStringLiteral("    Inglese......."));
        // Optional activities: a named first column moves the second.
        QCOMPARE(optionalColumn1(true, QStringLiteral("Coro"), "10"),
                 "Coro" + QString(15, '.') + "10");
        QCOMPARE(optionalColumn2(true, QStringLiteral("Teatro"), "9", QString(29, ' ')),
                 QString(25, ' ') + "Teatro" + "9");
        QCOMPARE(optionalColumn2(false, QStringLiteral("Coro"), "9", QString()),
                 "    Coro" + QString(15, '.') + "9");

        // Filler line ends after the judgment; its own line end always stays.
        for (const auto& [length, breaks] : {std::pair{0, 24}, {87, 24}, {88, 22}, {1056, 1}}) {
            s.judgment = QString(length, QLatin1Char('g'));
            const AttestatoPage page = buildAttestatoPage(s);
            QVERIFY(page.head.endsWith(s.judgment + "\r\n"));
            QCOMPARE(1 + page.fillerBreaks, breaks);
        }
        s.judgment = QStringLiteral("Buono.");
        s.lastTerm = true;
        AttestatoPage page = buildAttestatoPage(s);
        QVERIFY(page.tail.startsWith(QStringLiteral("AMMESSO\r\n\r\nFIRME\r\nPRESIDE")));
        // Fitting drops fillers only: 10 lines too many, 10 fillers fewer.
        const auto count = [](const QString& text) { return int(linesOf(text).size()); };
        const int full = count(page.text());
        fitPage(page, count, full - 10);
        QCOMPARE(count(page.text()), full - 10);
        fitPage(page, count, 1);
        QCOMPARE(page.fillerBreaks, 0);

        // Without marks: no empty lines first, no subject rows.
        s.withMarks = false;
        lines = linesOf(buildAttestatoPage(s).text());
        QCOMPARE(lines.at(0), QString(68, QLatin1Char(' ')) + "X");
        QVERIFY(!buildAttestatoPage(s).text().contains(QStringLiteral("Italiano")));

        QCOMPARE(admissionSentence(true, 3, "F", true),
                 kPreamble + "l'alunna è stata ammessa all'esame di Stato.");
        QCOMPARE(admissionSentence(false, 5, "M", false),
                 kPreamble + "l'alunno NON è stato ammesso alla classe prima della Scuola "
                             "Secondaria di I grado.");
        QVERIFY(!admissionSentence(true, 4, "M", true));
        QVERIFY(!admissionSentence(false, 2, "", true));
    }

    // Media, from the archive, on blank paper with marks: the school data asked
    // for, marks typed, preview, admission changed, printed and saved.
    void mediaCertificateFromTheArchive()
    {
        m_run = std::make_unique<ProgramRun>();
        chooseStart(QStringLiteral("Flessibile"), QStringLiteral("Medie"), 3);
        QVariantMap row = pupil("BIANCHI ANNA", "F", "Medie", 3, 2, "Inglese");
        row.insert("nomeopz1", " Coro ");
        const qint64 key = addJudgment(row);
        click(QStringLiteral("Favviogiudix2"), QStringLiteral("Labstampa"));
        showPupil(QStringLiteral("bianchi anna"));
        {
            ModalAnswer prompts(QStringList{"scuola media statale", QString(), "via dei tigli 7",
                                            "Neri Paola", "TRIMESTRE", " quadrimestre",
                                            "quadrimestre"});
            click(archive(), QStringLiteral("CmdStampaAttestato"));
            QCOMPARE(prompts.texts().count(QStringLiteral("Hai sbagliato a scrivere... Correggi")),
                     2);
        }
        QSqlQuery school(archiveStore().ArchiveDb->handle());
        QVERIFY(
            school.exec("SELECT titolosc, nomesc, indirizzosc, dirigentesc, trimquad FROM scuola"));
        QVERIFY(school.next());
        QCOMPARE(school.value(0).toString(), QStringLiteral("SCUOLA MEDIA STATALE"));
        QVERIFY(school.value(1).isNull()); // cancelled: no value, and nothing on the sheet
        QCOMPARE(school.value(3).toString(), QStringLiteral("NERI PAOLA"));
        QCOMPARE(school.value(4).toString(), QStringLiteral("QUADRIMESTRE"));

        const QString sheet = QStringLiteral("FStampaFoglio");
        QVERIFY(isShown(sheet));
        QCOMPARE(caption(sheet, "LabTit"), QStringLiteral("SCUOLA MEDIA STATALE"));
        QCOMPARE(caption(sheet, "LabNomeScuola"), QString());
        QCOMPARE(caption(sheet, "LabQuad"), QStringLiteral("2°"));
        QCOMPARE(caption(sheet, "label7(7)"), QStringLiteral("Inglese"));
        QCOMPARE(caption(sheet, "LabNomOpz1"), QStringLiteral("Coro"));
        QVERIFY(find<QGroupBox>(sheet, "Framebocciato")->isVisible()); // term 2 of 2
        QCOMPARE(caption(sheet, "LabFinale"),
                 kPreamble + "l'alunna è stata ammessa all'esame di Stato.");
        for (int box = 0; box < 13; ++box)
            find<QLineEdit>(sheet, QStringLiteral("text1(%1)").arg(box))->setText("8");
        find<QLineEdit>(sheet, "text1(0)")->setText("ns");
        find<QLineEdit>(sheet, "TxtOpz1")->setText("ottimo");

        click(sheet, QStringLiteral("CmdAnteprima"));
        QVERIFY(isShown(QStringLiteral("frmPrintText")));
        QVERIFY(preview().contains(QStringLiteral("    Italiano.........ns")));
        QVERIFY(preview().contains(QStringLiteral("    Inglese.......8") + QString(24, ' ') +
                                   "Coro" + QString(15, '.') + "ottimo"));
        QVERIFY(archiveRows().at(0).value("ita").isNull()); // the preview saves nothing
        click(QStringLiteral("frmPrintText"), QStringLiteral("Command1"));

        click(sheet, QStringLiteral("CmdNONAmmesso"));
        click(sheet, QStringLiteral("CmdStampa"));
        const QVariantMap stored = archiveRows().at(0);
        QCOMPARE(stored.value("data").toLongLong(), key);
        QCOMPARE(stored.value("ita").toString(), QStringLiteral("NS"));
        QCOMPARE(stored.value("info").toString(), QStringLiteral("8"));
        QCOMPARE(stored.value("opz1").toString(), QStringLiteral("OTTIMO"));
        QVERIFY(preview().contains(QStringLiteral("    Italiano......NS")));
        // "Classe" and its number have fixed widths on the sheet (17 + 9 mm):
        // (210 - 26) / 2 = 92 mm of blanks, 1.4 mm each.
        QVERIFY(preview().contains(QStringLiteral("\n") + QString(66, ' ') + "Classe 3°\n"));
        // A mark box emptied keeps the optional mark stored.
        find<QLineEdit>(sheet, "TxtOpz1")->clear();
        click(sheet, QStringLiteral("CmdSalvaVoti"));
        QCOMPARE(archiveRows().at(0).value("opz1").toString(), QStringLiteral("OTTIMO"));

        // On paper: the very lines of the preview, on one sheet, above the
        // bottom margin, under the emblem at 95 mm, 8 mm.
        const PdfText pdf = printed();
        QCOMPARE(pdf.pageCount(), 1);
        QCOMPARE(wordsByLine(pdf),
                 preview().split(QRegularExpression("\\s+"), Qt::SkipEmptyParts).join(' '));
        QVERIFY(pdf.joinedText().contains("l'alunna NON è stata ammessa all'esame di Stato."));
        double top = 1e9, bottom = 0;
        for (const PdfWord& w : pdf.words) {
            top = std::min(top, w.yMin);
            bottom = std::max(bottom, w.yMax);
        }
        QVERIFY2(bottom <= 297 * kMm - 30 * kMm + 0.5, qPrintable(QString::number(bottom)));
        QVERIFY(top >= 31 * kMm);
        const QImage page = renderPdfPage(lastPdf(m_pdf->path()), 0, 72);
        QRect emblem;
        for (int y = 0; y < int(31 * kMm); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (qGray(page.pixel(x, y)) < 230)
                    emblem |= QRect(x, y, 1, 1);
        QVERIFY2(qAbs(emblem.left() - 95 * kMm) < 4 && qAbs(emblem.top() - 8 * kMm) < 4,
                 qPrintable(QStringLiteral("%1,%2").arg(emblem.left()).arg(emblem.top())));
        // The picture is 21 x 24 mm; what it draws fills most of it.
        QVERIFY2(emblem.width() > 19 * kMm && emblem.width() <= 21 * kMm + 2 &&
                     emblem.height() > 20 * kMm && emblem.height() <= 24 * kMm + 2,
                 qPrintable(QStringLiteral("%1 x %2").arg(emblem.width()).arg(emblem.height())));

        // The school-data editor keeps the case of address and head teacher.
        click(sheet, QStringLiteral("CmdScuola"));
        QCOMPARE(find<QLineEdit>(sheet, "Text2")->text(), QStringLiteral("SCUOLA MEDIA STATALE"));
        find<QLineEdit>(sheet, "Text4")->setText(QStringLiteral("  Via Verdi 3 "));
        find<QLineEdit>(sheet, "Text6")->setText(QStringLiteral("trimestre"));
        click(sheet, QStringLiteral("CmdFrame1"));
        QVERIFY(!findControl(sheet, "Frame1")->isVisible());
        QCOMPARE(caption(sheet, "LabIndir"), QStringLiteral("Via Verdi 3"));
        QCOMPARE(caption(sheet, "Label6"), QStringLiteral("TRIMESTRE"));
        // The admission offered at the hand-over stays until the next one.
        click(sheet, QStringLiteral("CmdAnteprima"));
        QVERIFY(preview().contains(QStringLiteral("Via Verdi 3")));
        QVERIFY(find<QGroupBox>(sheet, "Framebocciato")->isVisible());
        QVERIFY(preview().contains(QStringLiteral("l'alunna NON è stata ammessa")));
        click(QStringLiteral("frmPrintText"), QStringLiteral("Command1"));

        // Marks for a row deleted meanwhile: said, not passed over.
        execArchive(QStringLiteral("DELETE FROM giudizi"));
        ModalAnswer failure(QMessageBox::Ok);
        click(sheet, QStringLiteral("CmdSalvaVoti"));
        QVERIFY(failure.text().contains(QStringLiteral("non sono stati salvati")));
        click(sheet, QStringLiteral("CmdScrittura"));
        QVERIFY(isShown(QStringLiteral("Farchiv2")) && !isShown(sheet));
    }

    // The school-data editor changes the division of the year on the sheet,
    // not the admission: the page carries a sentence exactly when the screen
    // offers one, until the next hand-over decides again.
    void admissionKeepsTheDivisionOfTheHandOver()
    {
        const QString sheet = QStringLiteral("FStampaFoglio");
        const auto changeDivision = [&](const QString& division) {
            click(sheet, QStringLiteral("CmdScuola"));
            find<QLineEdit>(sheet, "Text6")->setText(division);
            click(sheet, QStringLiteral("CmdFrame1"));
            QCOMPARE(caption(sheet, "Label6"), division.toUpper());
        };
        // Preview and print agree with the frame; the print is read back.
        const auto checkPage = [&](bool offered, const QString& sentence) {
            QCOMPARE(find<QGroupBox>(sheet, "Framebocciato")->isVisible(), offered);
            click(sheet, QStringLiteral("CmdAnteprima"));
            QCOMPARE(preview().contains(QStringLiteral("VISTI")), offered);
            if (offered)
                QVERIFY(preview().contains(kPreamble + sentence));
            click(QStringLiteral("frmPrintText"), QStringLiteral("Command1"));
            click(sheet, QStringLiteral("CmdStampa"));
            QCOMPARE(preview().contains(QStringLiteral("VISTI")), offered);
            const QString printedText = printed().joinedText();
            QCOMPARE(printedText.contains(QStringLiteral("VISTI")), offered);
            QCOMPARE(printedText.contains(QStringLiteral("ammess")), offered);
        };
        const auto handOver = [&](const QString& name) {
            click(sheet, QStringLiteral("CmdScrittura"));
            showPupil(name);
            click(archive(), QStringLiteral("CmdStampaAttestato"));
            QCOMPARE(caption(sheet, "LabAlunno"), name.toUpper());
        };

        // Trimesters to quadrimesters, after a pupil whose sentence was shown.
        openArchive(QStringLiteral("Medie"), 3, QStringLiteral("TRIMESTRE"));
        addJudgment(pupil("ROSSI", "M", "Medie", 1, 3, "Inglese"));
        addJudgment(pupil("BIANCHI", "F", "Medie", 2, 2, "Inglese"));
        showPupil(QStringLiteral("rossi"));
        click(archive(), QStringLiteral("CmdStampaAttestato"));
        checkPage(true, QStringLiteral("l'alunno è stato ammesso alla classe seconda."));
        handOver(QStringLiteral("bianchi"));
        checkPage(false, QString());
        changeDivision(QStringLiteral("quadrimestre"));
        checkPage(false, QString());
        handOver(QStringLiteral("bianchi"));
        checkPage(true, QStringLiteral("l'alunna è stata ammessa alla classe terza."));

        // Quadrimesters to trimesters: the sentence offered stays on the page.
        openArchive(QStringLiteral("Medie"), 3, QStringLiteral("QUADRIMESTRE"));
        addJudgment(pupil("VERDI", "M", "Medie", 3, 2, "Inglese"));
        showPupil(QStringLiteral("verdi"));
        click(archive(), QStringLiteral("CmdStampaAttestato"));
        click(sheet, QStringLiteral("CmdNONAmmesso"));
        changeDivision(QStringLiteral("trimestre"));
        checkPage(true, QStringLiteral("l'alunno NON è stato ammesso all'esame di Stato."));
        handOver(QStringLiteral("verdi"));
        checkPage(false, QString());
    }

    // Elementare, from the rigid composition, without marks: the last term of
    // a trimester year carries the admission sentence, nothing is saved.
    void elementaryCertificateFromTheRigidComposition()
    {
        m_run = std::make_unique<ProgramRun>();
        chooseStart(QStringLiteral("Rigido"), QStringLiteral("Elementari"), 4);
        execArchive(QStringLiteral("UPDATE scuola SET titolosc = 'ISTITUTO', nomesc = 'GIRASOLE', "
                                   "indirizzosc = 'Via Roma', dirigentesc = 'Neri', "
                                   "trimquad = 'TRIMESTRE'"));
        click(QStringLiteral("FavviogiudixRIG"), QStringLiteral("LabBq2"));
        const QString rigid = QStringLiteral("FgiudixRIGID");
        click(rigid, QStringLiteral("cmdsuccessivo"));
        const QString entry = QStringLiteral("FimmissioELEM");
        find<QLineEdit>(entry, "Text1")->setText(QStringLiteral("Verdi Luca"));
        find<QComboBox>(entry, "Combo1")->setEditText("5");
        find<QComboBox>(entry, "Combo4")->setEditText("3");
        click(entry, QStringLiteral("LabM"));
        click(entry, QStringLiteral("cmdfatto"));
        clickListItem(rigid, QStringLiteral("List1"), 0);
        click(rigid, QStringLiteral("cmdmaiuscole"));
        click(rigid, QStringLiteral("cmdStampaFoglio"));

        const QString sheet = QStringLiteral("FStampaELEM");
        QVERIFY(isShown(sheet));
        QVERIFY(!findControl(sheet, "Text1(0)")->isVisible());
        QVERIFY(!findControl(sheet, "CmdSalvaVoti")->isVisible());
        QCOMPARE(caption(sheet, "LabFinale"),
                 kPreamble + "l'alunno è stato ammesso alla classe prima della Scuola Secondaria "
                             "di I grado.");
        click(sheet, QStringLiteral("CmdStampa"));
        QVERIFY(preview().startsWith(QStringLiteral("  ")) &&
                preview().trimmed().startsWith(QStringLiteral("ISTITUTO")));
        const PdfText pdf = printed();
        QVERIFY(pdf.joinedText().startsWith(QStringLiteral("ISTITUTO GIRASOLE Via Roma")));
        QVERIFY(pdf.joinedText().contains(QStringLiteral("VERDI LUCA")));
        QVERIFY(archiveRows().at(0).value("ita").isNull());
        click(sheet, QStringLiteral("CmdScrittura"));
        QVERIFY(isShown(rigid));
    }

    // On letterhead the header is blank; each pupil's second language is his own.
    void letterheadAndSecondLanguages()
    {
        openArchive(QStringLiteral("Medie"), 1, QStringLiteral("TRIMESTRE"));
        addJudgment(pupil("ROSSI", "M", "Medie", 1, 1, "Tedesco"));
        addJudgment(pupil("VERDI", "M", "Medie", 1, 1, "nessuna"));
        const QString sheet = QStringLiteral("FStampaFoglio");
        showPupil(QStringLiteral("rossi"));
        click(archive(), QStringLiteral("CmdStampaAttestato"));
        QCOMPARE(caption(sheet, "LabTit"), QString());
        QVERIFY(!find<QGroupBox>(sheet, "Framebocciato")->isVisible());
        click(sheet, QStringLiteral("CmdAnteprima"));
        QStringList lines = preview().split('\n');
        QVERIFY(lines.at(2).trimmed().isEmpty() && !lines.at(2).isEmpty());
        QVERIFY(preview().contains(QStringLiteral("\n    Tedesco.......")));
        click(sheet, QStringLiteral("CmdScrittura"));
        showPupil(QStringLiteral("verdi"));
        click(archive(), QStringLiteral("CmdStampaAttestato"));
        QVERIFY(!find<QLineEdit>(sheet, "text1(4)")->isEnabled());
        click(sheet, QStringLiteral("CmdAnteprima"));
        QVERIFY(preview().contains(QStringLiteral("\n") + QString(29, '.')));
        QVERIFY(!preview().contains(QStringLiteral("Tedesco")));
    }

    // From the flexible composition: the sheet keeps its pupil while the
    // composition goes on to the next one.
    void marksStayWithThePupilOfTheSheet()
    {
        m_run = std::make_unique<ProgramRun>();
        chooseStart(QStringLiteral("Flessibile"), QStringLiteral("Medie"), 3);
        execArchive(QStringLiteral("UPDATE scuola SET titolosc = 'I', nomesc = 'G', "
                                   "indirizzosc = 'V', dirigentesc = 'N', trimquad = 'TRIMESTRE'"));
        click(QStringLiteral("Favviogiudix2"), QStringLiteral("Labprimo"));
        const QString compose = QStringLiteral("Fgiudix2");
        const auto enter = [&](const QString& name, const char* sex) {
            click(compose, QStringLiteral("cmdsuccessivo"));
            find<QLineEdit>(QStringLiteral("Fimmissio2"), "Text1")->setText(name);
            click(QStringLiteral("Fimmissio2"), QString::fromLatin1(sex));
            click(QStringLiteral("Fimmissio2"), QStringLiteral("cmdfatto"));
            find<QTextEdit>(compose, "RTextB1")->setPlainText(QStringLiteral("lavora bene."));
            click(compose, QStringLiteral("cmdmaiuscole"));
        };
        enter(QStringLiteral("Rossi Anna"), "LabF");
        click(compose, QStringLiteral("cmdStampaFoglio"));
        const QString sheet = QStringLiteral("FStampaFoglio");
        QCOMPARE(caption(sheet, "LabAlunno"), QStringLiteral("ROSSI ANNA"));
        QVERIFY(!find<QGroupBox>(sheet, "Framebocciato")->isVisible()); // term 1

        enter(QStringLiteral("Verdi Luca"), "LabM");
        find<QLineEdit>(sheet, "text1(0)")->setText(QStringLiteral("9"));
        click(sheet, QStringLiteral("CmdSalvaVoti"));
        const QList<QVariantMap> rows = archiveRows();
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.at(0).value("ita").toString(), QStringLiteral("9"));
        QVERIFY(rows.at(1).value("ita").isNull());
        QCOMPARE(rows.at(1).value("giudizio").toString(), QStringLiteral("Lavora bene."));
    }

    void guidePrintsInArial10()
    {
        m_run = std::make_unique<ProgramRun>();
        click(QStringLiteral("Favvio"), QStringLiteral("LabHELP"));
        click(QStringLiteral("Favvio"), QStringLiteral("CmdStampaHelp"));
        const PdfText pdf = printed();
        QVERIFY(pdf.pageCount() >= 1);
        QVERIFY(!isShown(QStringLiteral("frmPrintText")));
        QVERIFY(pdf.joinedText().contains(QStringLiteral("Stampa la GUIDA")) ||
                pdf.words.size() > 100);
        QVERIFY2(qAbs(pdf.words.at(pdf.words.size() / 2).arialPointSize() - 10) < 0.6,
                 qPrintable(QString::number(pdf.words.at(pdf.words.size() / 2).arialPointSize())));
    }
};

QTEST_MAIN(TestAttestato)
#include "tst_attestato.moc"

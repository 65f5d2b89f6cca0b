// Where printouts go: the choice in the print settings, PDF files named after
// what they hold (PDF/A, fonts embedded, searchable), the overwrite question,
// files that cannot be written, and a computer without any printer.
#include "data/AppState.h"
#include "platform/PrintDestination.h"
#include "shared/PrintJob.h"
#include "support/PdfReader.h"
#include "support/SaveDialogs.h"
#include "support/TestSupport.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QProcess>
#include <QRadioButton>
#include <QSettings>
#include <QTest>

using namespace giudizi;
using namespace giudizi::test;

namespace {

const QString kReplace = QStringLiteral("Il file «%1» esiste già. Lo sostituisco?");
const QString kNoPrinter =
    QStringLiteral("Su questo computer non c'è nessuna stampante. Salvo la stampa in un file PDF?");
const QString kFileNotWritten =
    QStringLiteral("Il file PDF non si può scrivere: controlla che la cartella esista e che tu "
                   "possa scriverci, poi riprova.");
const QString kCardName = QStringLiteral("Scheda D'ANGELO LUCIA 3C 2025-2026 periodo 1.pdf");
const QString kText =
    QStringLiteral("L'alunna partecipa con interesse alle attività proposte; ha raggiunto una "
                   "preparazione sicura e approfondita in tutte le discipline.");

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000))
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Hidden leftovers of a write (".NAME.part") in a folder.
QStringList partialFiles(const QString& folder)
{
    return QDir(folder).entryList({QStringLiteral("*.part")}, QDir::Files | QDir::Hidden);
}

} // namespace

class TestPrintDestination : public QObject {
    Q_OBJECT
    std::unique_ptr<ProgramRun> m_run;
    QString m_out; // where the test saves its files

    // The archive screen showing D'ANGELO LUCIA, 3C, first term.
    void archiveWithPupil()
    {
        m_run = std::make_unique<ProgramRun>();
        m_out = m_run->work().path() + QStringLiteral("/uscita");
        QVERIFY(QDir().mkpath(m_out));
        addJudgment({{"nome", QStringLiteral("D'ANGELO LUCIA")},
                     {"classe", 3},
                     {"sezione", QStringLiteral("C")},
                     {"anno", QStringLiteral("2025-2026")},
                     {"quadrimestre", 1},
                     {"giudizio", kText},
                     {"scuola", QStringLiteral("Medie")}});
        chooseStart(QStringLiteral("Flessibile"), QStringLiteral("Medie"), 0);
        click(QStringLiteral("Favviogiudix2"), QStringLiteral("Labstampa"));
        click(QStringLiteral("Farchiv2"), QStringLiteral("cmdalunno"));
        find<QLineEdit>(QStringLiteral("Farchiv2"), QStringLiteral("Text1"))
            ->setText(QStringLiteral("d'angelo lucia"));
        click(QStringLiteral("Farchiv2"), QStringLiteral("cmdok"));
        QCOMPARE(appState().currentTerm, qint16(1));
    }

    QRadioButton* destination(int index) const
    {
        return find<QRadioButton>(QStringLiteral("FimpostaSTAMPA"),
                                  QStringLiteral("optDestinazione(%1)").arg(index));
    }

    // Sets the destination as a teacher does: print settings, a button, back.
    void chooseDestination(int index)
    {
        click(QStringLiteral("Farchiv2"), QStringLiteral("cmdopzioni"));
        QVERIFY(isShown(QStringLiteral("FimpostaSTAMPA")));
        destination(index)->click();
        leaveSettings();
    }

    // "Torna": the settings screen goes, the archive comes back.
    void leaveSettings()
    {
        QTest::mouseClick(findControl(QStringLiteral("FimpostaSTAMPA"), QStringLiteral("Labtorna")),
                          Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(isShown(QStringLiteral("Farchiv2")));
    }

private slots:
    void cleanup() { m_run.reset(); }

    void namesSayWhatIsPrinted()
    {
        const PupilRef pupil{QStringLiteral("ROSSI MARIO"), QStringLiteral("1"),
                             QStringLiteral("A"), QStringLiteral("2025-2026"), QStringLiteral("1")};
        QCOMPARE(cardJob(pupil).fileName,
                 QStringLiteral("Scheda ROSSI MARIO 1A 2025-2026 periodo 1"));
        QCOMPARE(classListJob(pupil).fileName, QStringLiteral("Elenco 1A 2025-2026"));
        QCOMPARE(attestatoJob(pupil).fileName, QStringLiteral("Attestato ROSSI MARIO 2025-2026"));
        QCOMPARE(verbaleJob(pupil).fileName, QStringLiteral("Verbale ROSSI MARIO 1A 2025-2026"));
        const QStringList names = {cardJob(pupil).fileName,       verbaleJob(pupil).fileName,
                                   attestatoJob(pupil).fileName,  classListJob(pupil).fileName,
                                   classCardsJob(pupil).fileName, classAttestatiJob(pupil).fileName,
                                   guideJob().fileName,           catalogueJob(false).fileName,
                                   catalogueJob(true).fileName};
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
        // Whatever was typed, the name is a file name in one folder.
        const PupilRef typed{QStringLiteral("  ROSSI/MARIO:\t\"X\" "), QStringLiteral("1"),
                             QStringLiteral("A"), QStringLiteral("2025/2026"), QString()};
        QCOMPARE(cardJob(typed).fileName, QStringLiteral("Scheda ROSSI-MARIO---X- 1A 2025-2026"));
        QCOMPARE(safeFileName(QStringLiteral("..\n")), QStringLiteral("-"));
        QCOMPARE(safeFileName(QStringLiteral(" ")), QStringLiteral("Giudizi"));
    }

    void cardGoesToANamedPdfFile()
    {
        archiveWithPupil();
        click(QStringLiteral("Farchiv2"), QStringLiteral("cmdopzioni"));
        QVERIFY(destination(0)->isChecked()); // as the program always printed
        leaveSettings();
        chooseDestination(2);
        QCOMPARE(printDestination(), PrintDestination::PdfFile);
        click(QStringLiteral("Farchiv2"), QStringLiteral("cmdopzioni"));
        QVERIFY(destination(2)->isChecked() && !destination(0)->isChecked());
        leaveSettings();

        // Cancel writes nothing and says nothing.
        {
            SaveAs cancel{QString()};
            click(QStringLiteral("Farchiv2"), QStringLiteral("cmdstampa"));
            QCOMPARE(cancel.suggestedNames(), QStringList{kCardName});
            QCOMPARE(cancel.messages(), QStringList());
        }
        const QString documents = m_run->work().documents() + QStringLiteral("/Giudizi");
        QVERIFY(QFileInfo(documents).isDir());
        QCOMPARE(QDir(documents).entryList(QDir::Files | QDir::Hidden), QStringList());

        const QString card = m_out + QLatin1Char('/') + kCardName;
        {
            SaveAs save(card);
            click(QStringLiteral("Farchiv2"), QStringLiteral("cmdstampa"));
            QCOMPARE(save.folders(), QStringList{documents});
            QCOMPARE(save.messages(), QStringList());
        }
        QVERIFY(QFileInfo::exists(card));
        QCOMPARE(partialFiles(m_out), QStringList());
        const PdfText pdf = readPdf(card);
        QVERIFY(pdf.ok());
        QCOMPARE(pdf.joinedText(), kText.simplified());
        QVERIFY(qAbs(pdf.pages.first().width() - 595.3) < 1 &&
                qAbs(pdf.pages.first().height() - 841.9) < 1);
        // PDF/A-1b in its metadata, every font embedded, titled after the pupil.
        const QString meta = run(QStringLiteral("pdfinfo"), {QStringLiteral("-meta"), card});
        QVERIFY2(meta.contains(QStringLiteral("pdfaid:part")) &&
                     meta.contains(QStringLiteral("pdfaid:conformance")),
                 qPrintable(meta));
        const QString info = run(QStringLiteral("pdfinfo"), {card});
        QVERIFY2(info.contains(QStringLiteral("Scheda D'ANGELO LUCIA 3C 2025-2026 periodo 1")),
                 qPrintable(info));
        QVERIFY(info.contains(QRegularExpression(QStringLiteral("Creator:\\s+Giudizi"))));
        const QStringList fonts =
            run(QStringLiteral("pdffonts"), {card}).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY(fonts.size() > 2);
        for (const QString& font : fonts.mid(2))
            QVERIFY2(font.contains(QStringLiteral(" yes ")), qPrintable(font));

        // The next save starts where the last one went; the same name is asked
        // about once, No keeps the file as it was.
        const QByteArray first = contents(card);
        {
            SaveAs keep(card, {QMessageBox::No});
            click(QStringLiteral("Farchiv2"), QStringLiteral("cmdstampa"));
            QCOMPARE(keep.folders(), QStringList{m_out});
            QCOMPARE(keep.messages(), QStringList{kReplace.arg(kCardName)});
            QCOMPARE(keep.defaultButtons(), QList<int>{QMessageBox::No});
        }
        QCOMPARE(contents(card), first);
        QFile::remove(card);
        QVERIFY(QFile(card).open(QIODevice::WriteOnly));
        {
            SaveAs replace(card, {QMessageBox::Yes});
            click(QStringLiteral("Farchiv2"), QStringLiteral("cmdstampa"));
        }
        QVERIFY(contents(card).startsWith("%PDF"));

        // The verbale and the class list have names of their own.
        const QString verbale = m_out + QStringLiteral("/Verbale D'ANGELO LUCIA 3C 2025-2026.pdf");
        {
            SaveAs save(verbale);
            click(QStringLiteral("Farchiv2"), QStringLiteral("cmdstampaverbale"));
            QCOMPARE(save.suggestedNames(), QStringList{QFileInfo(verbale).fileName()});
        }
        QCOMPARE(readPdf(verbale).joinedText(), kText.simplified());
        {
            SaveAs save(m_out + QStringLiteral("/elenco.pdf"));
            click(QStringLiteral("Farchiv2"), QStringLiteral("cmdstampatutto"));
            QCOMPARE(save.suggestedNames(), QStringList{QStringLiteral("Elenco 3C 2025-2026.pdf")});
        }
        QVERIFY(readPdf(m_out + QStringLiteral("/elenco.pdf"))
                    .joinedText()
                    .contains(QStringLiteral("D'ANGELO LUCIA")));
        click(QStringLiteral("frmPrintGiudizi"), QStringLiteral("Command1"));
    }

    void aFileThatCannotBeWrittenIsSaidAndLeavesNothing()
    {
        archiveWithPupil();
        chooseDestination(2);
        // A folder stands where the file is written before it is renamed
        // into place: the job cannot start.
        const QString target = m_out + QStringLiteral("/scheda.pdf");
        QVERIFY(QDir().mkpath(m_out + QStringLiteral("/.scheda.pdf.part")));
        {
            SaveAs save(target, {QMessageBox::Ok});
            click(QStringLiteral("Farchiv2"), QStringLiteral("cmdstampa"));
            QCOMPARE(save.messages(), QStringList{kFileNotWritten});
        }
        QVERIFY(!QFileInfo::exists(target));
        QCOMPARE(QDir(m_out).entryList(QDir::Files | QDir::Hidden), QStringList());
        QVERIFY(isShown(QStringLiteral("Farchiv2")));
    }

    void withoutAnyPrinterAPdfFileIsOffered()
    {
        if (!QPrinterInfo::availablePrinterNames().isEmpty())
            QSKIP("this machine has a printer");
        archiveWithPupil();
        for (int choice : {0, 1}) {
            chooseDestination(choice);
            {
                SaveAs declined(QString(), {QMessageBox::No});
                click(QStringLiteral("Farchiv2"), QStringLiteral("cmdstampa"));
                QCOMPARE(declined.messages(), QStringList{kNoPrinter});
                QCOMPARE(declined.defaultButtons(), QList<int>{QMessageBox::Yes});
                QCOMPARE(declined.suggestedNames(), QStringList());
            }
            const QString file = m_out + QStringLiteral("/scelta%1.pdf").arg(choice);
            {
                SaveAs accepted(file, {QMessageBox::Yes});
                click(QStringLiteral("Farchiv2"), QStringLiteral("cmdstampa"));
                QCOMPARE(accepted.suggestedNames(), QStringList{kCardName});
            }
            QCOMPARE(readPdf(file).joinedText(), kText.simplified());
        }
        QCOMPARE(QDir(m_out).entryList(QDir::Files).size(), 2);
    }

    void paperAndFileDrawTheSameCard()
    {
        archiveWithPupil();
        chooseDestination(2);
        const QString file = m_out + QStringLiteral("/scheda.pdf");
        {
            SaveAs save(file);
            click(QStringLiteral("Farchiv2"), QStringLiteral("cmdstampa"));
        }
        QString printed;
        {
            // The numbered folder stands for paper, whatever the choice.
            PdfFolder paper;
            SaveAs nothingAsked{QString()};
            click(QStringLiteral("Farchiv2"), QStringLiteral("cmdstampa"));
            QCOMPARE(nothingAsked.suggestedNames(), QStringList());
            printed = lastPdf(paper.path());
            QVERIFY(!printed.isEmpty());
            const PdfText onPaper = readPdf(printed);
            const PdfText inFile = readPdf(file);
            QVERIFY(onPaper.ok() && inFile.ok());
            QCOMPARE(onPaper.words.size(), inFile.words.size());
            for (int i = 0; i < onPaper.words.size(); ++i) {
                const PdfWord& a = onPaper.words.at(i);
                const PdfWord& b = inFile.words.at(i);
                QCOMPARE(a.text, b.text);
                QVERIFY(qAbs(a.xMin - b.xMin) < 0.01 && qAbs(a.yMin - b.yMin) < 0.01);
            }
        }
    }
};

QTEST_MAIN(TestPrintDestination)
#include "tst_print_destination.moc"

// The look at a judgment before it is printed: what the check finds in a text
// (and what it lets pass), then the question through the archive's card and
// verbale print, and the same text given to two pupils of a class.
#include "shared/TextCheck.h"
#include "support/PdfReader.h"
#include "support/TestSupport.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

using namespace giudizi;
using namespace giudizi::test;

namespace {

using Kind = TextRemark::Kind;

QVariantMap pupil(const QString& name, const QString& text)
{
    return {{"nome", name},        {"classe", 2},       {"sezione", QStringLiteral("B")},
            {"anno", "2025-2026"}, {"quadrimestre", 1}, {"giudizio", text},
            {"scuola", "Medie"}};
}

} // namespace

class TestPrintCheck : public QObject {
    Q_OBJECT
    std::unique_ptr<PdfFolder> m_pdf;
    std::unique_ptr<ProgramRun> m_run;

    void showPupil(const QString& name)
    {
        click(QStringLiteral("Farchiv2"), QStringLiteral("cmdalunno"));
        find<QLineEdit>(QStringLiteral("Farchiv2"), QStringLiteral("Text1"))->setText(name);
        click(QStringLiteral("Farchiv2"), QStringLiteral("cmdok"));
    }

    // Prints with `control`, answering the look with `button`; the question
    // asked (empty when none) and whether a PDF came out.
    QPair<QString, bool> print(const QString& control, int button)
    {
        const int before = static_cast<int>(pdfFiles(m_pdf->path()).size());
        ModalAnswer answer(button);
        click(QStringLiteral("Farchiv2"), control);
        return {answer.text(), pdfFiles(m_pdf->path()).size() > before};
    }

private slots:
    void init() { m_pdf = std::make_unique<PdfFolder>(); }
    void cleanup()
    {
        m_run.reset();
        m_pdf.reset();
    }

    void findsWhatIsWorthALook_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("kinds");
        QTest::addColumn<QStringList>("quoted");
        const auto kinds = [](std::initializer_list<Kind> list) {
            QList<int> out;
            for (Kind k : list)
                out << static_cast<int>(k);
            return out;
        };
        QTest::newRow("clean")
            << QStringLiteral("L'alunna è «brava»... Ha 7,5 in media (ottimo), e poi: bene.\nFine.")
            << QList<int>() << QStringList();
        QTest::newRow("ending left")
            << QStringLiteral("L'alunn# è educat#, attento.")
            << kinds({Kind::EndingLeft, Kind::EndingLeft}) << QStringList{"L'alunn#", "educat#,"};
        QTest::newRow("same word twice")
            << QStringLiteral("Partecipa con con impegno. Il il lavoro.")
            << kinds({Kind::RepeatedWord, Kind::RepeatedWord}) << QStringList{"con con", "Il il"};
        QTest::newRow("not a repeat")
            << QStringLiteral("ha hanno, il ilare") << QList<int>() << QStringList();
        QTest::newRow("blank before a mark")
            << QStringLiteral("Lavora bene , studia .")
            << kinds({Kind::BlankBeforeMark, Kind::BlankBeforeMark})
            << QStringList{"bene ,", "studia ."};
        QTest::newRow("no blank after") << QStringLiteral("Lavora,studia e gioca;bene.")
                                        << kinds({Kind::NoBlankAfterMark, Kind::NoBlankAfterMark})
                                        << QStringList{"Lavora,studia", "gioca;bene."};
        QTest::newRow("two blanks") << QStringLiteral("con  impegno\n  rientro")
                                    << kinds({Kind::DoubleBlank}) << QStringList{"con  impegno"};
    }
    void findsWhatIsWorthALook()
    {
        QFETCH(QString, text);
        QFETCH(QList<int>, kinds);
        QFETCH(QStringList, quoted);
        const QList<TextRemark> remarks = checkJudgmentText(text);
        QList<int> found;
        QStringList words;
        for (const TextRemark& r : remarks) {
            found << static_cast<int>(r.kind);
            words << r.quoted;
        }
        QCOMPARE(found, kinds);
        QCOMPARE(words, quoted);
    }

    void theCardAsksBeforePrintingAndCorreggoPrintsNothing()
    {
        m_run = std::make_unique<ProgramRun>();
        chooseStart(QStringLiteral("Flessibile"), QStringLiteral("Medie"), 0);
        const QString same = QStringLiteral("Lavora con impegno e ottiene buoni risultati.");
        addJudgment(pupil(QStringLiteral("ROSSI MARIO"),
                          QStringLiteral("L'alunn# lavora con con impegno.")));
        addJudgment(pupil(QStringLiteral("BIANCHI ANNA"), same));
        addJudgment(pupil(QStringLiteral("D'ANGELO LUCIA"), same));
        addJudgment(pupil(QStringLiteral("VERDI LUCA"), QStringLiteral("Ottimo lavoro.")));
        click(QStringLiteral("Favviogiudix2"), QStringLiteral("Labstampa"));

        showPupil(QStringLiteral("ROSSI MARIO"));
        auto asked = print(QStringLiteral("cmdstampa"), QMessageBox::No);
        QCOMPARE(asked.first, QStringLiteral("Prima di stampare, guarda il giudizio:\n"
                                             "- una desinenza non applicata: «L'alunn#»\n"
                                             "- una parola ripetuta: «con con»\n"
                                             "Stampo lo stesso?"));
        QVERIFY(!asked.second);
        // "Correggo" is the default, and the buttons say what they do.
        {
            QString yes, no;
            int defaultButton = 0;
            DialogHandler look([&](QWidget* dialog) {
                auto* box = qobject_cast<QMessageBox*>(dialog);
                if (!box)
                    return;
                yes = box->button(QMessageBox::Yes)->text();
                no = box->button(QMessageBox::No)->text();
                defaultButton = box->standardButton(box->defaultButton());
                box->button(QMessageBox::Yes)->click();
            });
            click(QStringLiteral("Farchiv2"), QStringLiteral("cmdstampaverbale"));
            QCOMPARE(yes, QStringLiteral("Stampo lo stesso"));
            QCOMPARE(no, QStringLiteral("Correggo"));
            QCOMPARE(defaultButton, int(QMessageBox::No));
        }
        QVERIFY(readPdf(lastPdf(m_pdf->path())).joinedText().contains(QStringLiteral("L'alunn#")));

        // The same text as another pupil of the class and term: named.
        showPupil(QStringLiteral("D'ANGELO LUCIA"));
        asked = print(QStringLiteral("cmdstampa"), QMessageBox::Yes);
        QCOMPARE(asked.first, QStringLiteral("Prima di stampare, guarda il giudizio:\n"
                                             "- lo stesso testo del giudizio di BIANCHI ANNA\n"
                                             "Stampo lo stesso?"));
        QVERIFY(asked.second);
        // A clean text prints at once.
        showPupil(QStringLiteral("VERDI LUCA"));
        asked = print(QStringLiteral("cmdstampa"), QMessageBox::Yes);
        QCOMPARE(asked.first, QString());
        QVERIFY(asked.second);

        // A whole class: the pupils concerned in one question, before anything prints.
        click(QStringLiteral("Farchiv2"), QStringLiteral("cmdclasse"));
        const QStringList choice = {"2", "B", "2025-2026", "1"};
        for (int i = 0; i < 4; ++i)
            find<QComboBox>(QStringLiteral("Farchiv2"), QStringLiteral("Combo%1").arg(i + 1))
                ->setEditText(choice.at(i));
        click(QStringLiteral("Farchiv2"), QStringLiteral("cmdok"));
        asked = print(QStringLiteral("cmdSchedeClasse"), QMessageBox::No);
        QCOMPARE(asked.first,
                 QStringLiteral("Prima di stampare, guarda questi giudizi:\n"
                                "- BIANCHI ANNA: lo stesso testo del giudizio di D'ANGELO LUCIA\n"
                                "- D'ANGELO LUCIA: lo stesso testo del giudizio di BIANCHI ANNA\n"
                                "- ROSSI MARIO: una desinenza non applicata: «L'alunn#»; una "
                                "parola ripetuta: «con con»\n"
                                "Stampo lo stesso?"));
        QVERIFY(!asked.second);
    }
};

QTEST_MAIN(TestPrintCheck)
#include "tst_print_check.moc"

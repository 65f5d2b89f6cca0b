// LabSpazio: how a judgment sits in the card frame, worked out while the
// teacher writes, must say what the printed card shows: the lines of the
// first page, and whether the text goes on to a second sheet.
#include "data/AppState.h"
#include "printing/CardFitLabel.h"
#include "support/PdfReader.h"
#include "support/TestSupport.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <QTextEdit>

using namespace giudizi;
using namespace giudizi::test;

namespace {

const QString kCompose = QStringLiteral("Fgiudix2");

// Distinct words, so the look before printing finds nothing to ask about,
// written as the save leaves them (a capital, a full stop).
QString words(int count, int from = 0)
{
    QStringList out;
    for (int i = from; i < from + count; ++i)
        out << QStringLiteral("lavoro%1").arg(i);
    QString text = out.join(QLatin1Char(' ')) + QLatin1Char('.');
    text[0] = text.at(0).toUpper();
    return text;
}

struct Figures {
    int lines = -1;
    int capacity = -1;
    bool fits = false;
};

Figures figuresOf(const QString& caption)
{
    static const QRegularExpression fits(QStringLiteral("^Nel riquadro: (\\d+) righe su (\\d+)$"));
    static const QRegularExpression over(QStringLiteral(
        "^Non entra nel riquadro: (\\d+) righe su (\\d+), continua su un altro foglio$"));
    for (const auto* pattern : {&fits, &over}) {
        const auto match = pattern->match(caption);
        if (match.hasMatch())
            return {match.captured(1).toInt(), match.captured(2).toInt(), pattern == &fits};
    }
    return {};
}

// The lines of each page of a PDF: words grouped by their top.
QList<int> linesPerPage(const PdfText& pdf)
{
    QList<int> counts;
    for (int p = 0; p < pdf.pageCount(); ++p) {
        QList<double> tops;
        for (const PdfWord& w : pdf.wordsOnPage(p))
            if (std::none_of(tops.begin(), tops.end(),
                             [&](double t) { return qAbs(t - w.yMin) < 1.0; }))
                tops << w.yMin;
        counts << static_cast<int>(tops.size());
    }
    return counts;
}

} // namespace

class TestCardFit : public QObject {
    Q_OBJECT
    std::unique_ptr<PdfFolder> m_pdf;
    std::unique_ptr<ProgramRun> m_run;

    QTextEdit* box() const { return find<QTextEdit>(kCompose, QStringLiteral("RTextB1")); }
    QLabel* label() const { return find<QLabel>(kCompose, QStringLiteral("LabSpazio")); }

    // Writes the text and saves it, then waits for the figures as the teacher would.
    Figures write(const QString& text)
    {
        const QString before = label()->text();
        QElapsedTimer clock;
        clock.start();
        box()->setPlainText(text);
        click(kCompose, QStringLiteral("cmdmaiuscole"));
        [&] { QCOMPARE(box()->toPlainText(), text); }();
        [&] {
            QTRY_VERIFY_WITH_TIMEOUT(label()->text() != before || clock.elapsed() > 450, 1000);
        }();
        [&] { QVERIFY2(clock.elapsed() <= 500, qPrintable(QString::number(clock.elapsed()))); }();
        return figuresOf(label()->text());
    }

    // The figures the label gives without waiting (for building the texts).
    Figures figuresNow(const QString& text)
    {
        box()->setPlainText(text);
        static_cast<CardFitLabel*>(label())->refresh();
        return figuresOf(label()->text());
    }

private slots:
    void init() { m_pdf = std::make_unique<PdfFolder>(); }
    void cleanup()
    {
        m_run.reset();
        m_pdf.reset();
    }

    void theLabelSaysWhatThePaperShows()
    {
        m_run = std::make_unique<ProgramRun>();
        chooseStart(QStringLiteral("Flessibile"), QStringLiteral("Medie"), 0);
        click(QStringLiteral("Favviogiudix2"), QStringLiteral("Labprimo"));
        click(kCompose, QStringLiteral("cmdsuccessivo"));
        find<QLineEdit>(QStringLiteral("Fimmissio2"), QStringLiteral("Text1"))
            ->setText(QStringLiteral("Rossi Mario"));
        find<QComboBox>(QStringLiteral("Fimmissio2"), QStringLiteral("Combo4"))->setEditText("1");
        click(QStringLiteral("Fimmissio2"), QStringLiteral("LabM"));
        click(QStringLiteral("Fimmissio2"), QStringLiteral("cmdfatto"));
        QCOMPARE(appState().currentTerm, qint16(1));

        // The texts that fill the frame exactly, and one word more.
        const int capacity = figuresNow(words(1)).capacity;
        QVERIFY(capacity > 3);
        int full = 1;
        while (figuresNow(words(full + 1)).lines <= capacity)
            ++full;
        const QList<QString> texts = {
            words(3),
            words(full),
            words(full + 1),
            words(full * 3),
            QStringLiteral("Riga uno.\nRiga due.\nRiga tre.\n") + words(20, 500),
        };
        for (const QString& text : texts) {
            const Figures figures = write(text);
            QCOMPARE(figures.capacity, capacity);
            QCOMPARE(figures.fits, figures.lines <= capacity);
            const int before = static_cast<int>(pdfFiles(m_pdf->path()).size());
            click(kCompose, QStringLiteral("CmdSTAMPO"));
            QCOMPARE(pdfFiles(m_pdf->path()).size(), before + 1);
            const QList<int> pages = linesPerPage(readPdf(lastPdf(m_pdf->path())));
            QCOMPARE(pages.size() > 1, !figures.fits);
            QCOMPARE(pages.first(), std::min(figures.lines, capacity));
            QCOMPARE(std::accumulate(pages.begin(), pages.end(), 0), figures.lines);
        }
        QCOMPARE(write(words(full)).lines, capacity);
        QVERIFY(write(words(full + 1)).lines == capacity + 1);
        QVERIFY(label()->styleSheet().contains(QStringLiteral("#c00000"))); // said in red

        // The archive shows the same figures for the stored text, in the frame
        // its own card print would take.
        const QString lastCaption = label()->text();
        click(kCompose, QStringLiteral("Cmdmenù"));
        click(QStringLiteral("Favviogiudix2"), QStringLiteral("Labstampa"));
        click(QStringLiteral("Farchiv2"), QStringLiteral("cmdalunno"));
        find<QLineEdit>(QStringLiteral("Farchiv2"), QStringLiteral("Text1"))
            ->setText(QStringLiteral("ROSSI MARIO"));
        click(QStringLiteral("Farchiv2"), QStringLiteral("cmdok"));
        QTRY_COMPARE_WITH_TIMEOUT(
            find<QLabel>(QStringLiteral("Farchiv2"), QStringLiteral("LabSpazio"))->text(),
            lastCaption, 500);
    }
};

QTEST_MAIN(TestCardFit)
#include "tst_card_fit.moc"

// The plain-text layout every printed list goes through: words, wrapping and
// paging, with a measure of one unit per character so that results are exact.
#include "shared/PlainTextLayout.h"

#include <QFontMetricsF>
#include <QImage>
#include <QRandomGenerator>
#include <QTest>

using namespace giudizi;

namespace {

double perCharacter(const QString& text)
{
    return static_cast<double>(text.size());
}

QString trimmedRight(QString text)
{
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

// The breaks a wrap gives when it measures every candidate line whole: what
// the fast wrap must give too (words here are narrower than a line).
QStringList measuredWholeEveryTime(const QString& paragraph, double width,
                                   const TextMeasure& measure)
{
    QStringList lines;
    QString line;
    for (int position = 0; position < paragraph.size();) {
        const QString word = ParolaSeguente(paragraph, position);
        position += static_cast<int>(word.size());
        if (!trimmedRight(word).isEmpty() && !trimmedRight(line).isEmpty() &&
            measure(trimmedRight(line + word)) >= width) {
            lines << line;
            line.clear();
        }
        line += word;
    }
    lines << line;
    return lines;
}

} // namespace

class TestPlainText : public QObject {
    Q_OBJECT

private slots:
    void nextWordKeepsItsBlanks()
    {
        QCOMPARE(ParolaSeguente(QStringLiteral("ciao  mondo"), 0), QStringLiteral("ciao  "));
        QCOMPARE(ParolaSeguente(QStringLiteral("ciao  mondo"), 6), QStringLiteral("mondo"));
        QCOMPARE(ParolaSeguente(QStringLiteral("   rientro"), 0), QStringLiteral("   "));
        QCOMPARE(ParolaSeguente(QStringLiteral("ciao"), 4), QString());
        QCOMPARE(paragraphsOf(QStringLiteral("a\r\nb\nc\r\r\n")),
                 QStringList({"a", "b", "c", "", ""}));
    }

    void wrapsAtTheMarginAndBreaksWordsWiderThanALine()
    {
        QCOMPARE(wrapParagraph(QStringLiteral("aaa bbb ccc ddd"), 10, perCharacter),
                 QStringList({"aaa bbb ", "ccc ddd"}));
        // A line narrower than the width only: nine characters fit in ten.
        QCOMPARE(wrapParagraph(QStringLiteral("aaaa bbbbb"), 10, perCharacter),
                 QStringList({"aaaa ", "bbbbb"}));
        QCOMPARE(wrapParagraph(QString(), 10, perCharacter), QStringList({QString()}));
        // Leading blanks are a word: the indent stays on the first line only.
        QCOMPARE(wrapParagraph(QStringLiteral("   ab cd ef"), 8, perCharacter),
                 QStringList({"   ab ", "cd ef"}));
        // No empty line before an over-wide first word, no character lost.
        QCOMPARE(wrapParagraph(QStringLiteral("abcdefghijklmnopqrstuvwxyz fine"), 10, perCharacter),
                 QStringList({"abcdefghi", "jklmnopqr", "stuvwxyz ", "fine"}));
        QCOMPARE(wrapParagraph(QStringLiteral("12345678901234 x"), 10, perCharacter,
                               QStringLiteral("   ")),
                 QStringList({"123456789", "   01234 ", "   x"}));
        // Not even one character fits: one per line, and the wrap still ends.
        QCOMPARE(wrapParagraph(QStringLiteral("abc"), 0.5, perCharacter),
                 QStringList({"a", "b", "c"}));
    }

    void wrappingLosesNothingAndStaysInside()
    {
        QRandomGenerator random(20261208);
        for (int round = 0; round < 300; ++round) {
            QString paragraph;
            const int words = random.bounded(0, 40);
            for (int w = 0; w < words; ++w) {
                paragraph += QString(random.bounded(1, 25), QChar(u'a' + random.bounded(26)));
                paragraph += QString(random.bounded(0, 3), QLatin1Char(' '));
            }
            const double width = random.bounded(1, 30) + 0.5;
            const QStringList lines = wrapParagraph(paragraph, width, perCharacter);
            QCOMPARE(lines.join(QString()), paragraph);
            for (const QString& line : lines)
                QVERIFY2(trimmedRight(line).size() < width || trimmedRight(line).size() == 1,
                         qPrintable(line));
        }
    }

    void realFontBreaksWhereWholeLinesWouldBreak()
    {
        // Words kept apart by kerning with the blank (capitals, quotes, digits),
        // words that start or end with a mark or an emoji, and plain ones, on a
        // 1,200 dpi device as the printer measures.
        const QStringList words = {
            "AVANTI", "Tutto", "L'alunna",  "YACHT",       "\"Avvio\"",    "WAVE",
            "T.",     "A",     "7,5",       "VITTORIA",    "attività",     "con",
            "e",      "di",    "interesse", "partecipa",   "LʼATTO",       "Ave,",
            "AT",     "y",     "\u0300o",   "caffe\u0300", "\U0001F600ok", "ok\U0001F600"};
        QImage device(8, 8, QImage::Format_RGB32);
        device.setDotsPerMeterX(47244);
        device.setDotsPerMeterY(47244);
        QRandomGenerator random(20261209);
        for (const int points : {9, 10, 12, 14}) {
            QFont font(QStringLiteral("Arial"));
            font.setPointSize(points);
            const QFontMetricsF metrics(QFont(font, &device), &device);
            const TextMeasure measure = [&metrics](const QString& text) {
                return metrics.horizontalAdvance(text);
            };
            for (int round = 0; round < 60; ++round) {
                QString paragraph;
                for (int w = random.bounded(20, 120); w > 0; --w)
                    paragraph += words.at(random.bounded(words.size())) + QLatin1Char(' ');
                const double width = metrics.averageCharWidth() * random.bounded(40, 110);
                const QStringList lines = wrapParagraph(paragraph, width, measure);
                QCOMPARE(lines, measuredWholeEveryTime(paragraph, width, measure));
                for (const QString& line : lines)
                    QVERIFY(measure(trimmedRight(line)) < width);
            }
        }
    }

    void pagesByHeightWithoutLosingOrRepeatingLines()
    {
        QList<TextLine> lines;
        for (int i = 0; i < 25; ++i)
            lines.append({QStringLiteral("riga %1").arg(i), i == 20});
        lines.append({QString(), false}); // trailing empty lines make no blank page
        lines.append({QStringLiteral("  "), false});
        TextFrame frame;
        frame.top = 20;
        frame.firstPageTop = 45;
        frame.bottom = 100;
        frame.lineHeight = 10;
        const QList<PlacedLine> placed = paginate(lines, frame);
        QCOMPARE(placed.size(), 25);
        QList<int> perPage;
        for (int i = 0; i < placed.size(); ++i) {
            QCOMPARE(placed.at(i).text, lines.at(i).text);
            QVERIFY(placed.at(i).y + frame.lineHeight <= frame.bottom);
            if (i == 0 || placed.at(i).page != placed.at(i - 1).page) {
                QCOMPARE(placed.at(i).y, placed.at(i).page == 0 ? 45.0 : 20.0);
                perPage.append(0);
            }
            ++perPage.last();
        }
        // 5 lines under the picture, then 8 a page; line 20 asks for a new page.
        QCOMPARE(perPage, QList<int>({5, 8, 7, 5}));
        // What a page holds is known before printing, as paginate() will see it.
        QCOMPARE(firstPageCapacity(frame), 5);
        QCOMPARE(printedLineCount(lines), 25);

        frame.maxLinesPerPage = 3;
        QCOMPARE(paginate(lines, frame).at(3).page, 1);
        QCOMPARE(firstPageCapacity(frame), 3);
        // A frame lower than one line still takes one line a page, and ends.
        frame.bottom = 25;
        QCOMPARE(paginate(lines, frame).last().page, 24);
        QCOMPARE(firstPageCapacity(frame), 1);
    }

    void fittedLinesGoOnAfterTheirIndentAndKeepTheirBreak()
    {
        const QList<TextLine> fitted =
            fitLines({{QStringLiteral("1 aaa bbb ccc"), true, QStringLiteral("   ")},
                      {QStringLiteral("corta"), false}},
                     8, perCharacter);
        QStringList texts;
        QList<bool> breaks;
        for (const TextLine& line : fitted) {
            texts << line.text;
            breaks << line.newPageBefore;
        }
        QCOMPARE(texts, QStringList({"1 aaa ", "   bbb ", "   ccc", "corta"}));
        QCOMPARE(breaks, QList<bool>({true, false, false, false}));
    }
};

QTEST_MAIN(TestPlainText)
#include "tst_plain_text.moc"

// The plain-text layout every printed list goes through: words, wrapping and
// paging, with a measure of one unit per character so that results are exact.
#include "shared/PlainTextLayout.h"

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

// The text rules of composing and saving, without any window.
#include "shared/Catalogues.h"
#include "shared/Composition.h"
#include "shared/JudgmentText.h"

#include <QTest>

using namespace giudizi;

class TestJudgmentText : public QObject {
    Q_OBJECT

private slots:
    void capitals_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("two sentences") << "è attent#. si impegna. "
                                       << "È attent#. Si impegna. ";
        QTest::newRow("only periods end sentences") << "ama leggere, scrive; parla? sì! ride. poi"
                                                    << "Ama leggere, scrive; parla? sì! ride. Poi";
        QTest::newRow("two blanks after a period") << "uno.  due"
                                                   << "Uno.  due";
        QTest::newRow("period typed without blank") << "uno.due"
                                                    << "Uno.dUe";
        QTest::newRow("period at position 1 ignored") << "a.b"
                                                      << "A.b";
        QTest::newRow("period second to last") << "fine. "
                                               << "Fine. ";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("accented after period") << "bene. è"
                                               << "Bene. È";
        QTest::newRow("an ellipsis is no sentence end") << "e poi... dopo. sì"
                                                        << "E poi... dopo. Sì";
    }
    void capitals()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(capitalizeSentences(text), expected);
        // Idempotent: a second save changes nothing.
        QCOMPARE(capitalizeSentences(expected), expected);
    }

    void endings_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("sex");
        QTest::addColumn<QString>("expected");
        QTest::newRow("boy") << "L'alunn# è attent#."
                             << "M"
                             << "L'alunno è attento.";
        QTest::newRow("girl") << "L'alunn# è attent#."
                              << "F"
                              << "L'alunna è attenta.";
        QTest::newRow("positions 0 and 1 kept") << "##a#"
                                                << "F"
                                                << "##aa";
        QTest::newRow("no sex chosen") << "educat#"
                                       << ""
                                       << "educat#";
    }
    void endings()
    {
        QFETCH(QString, text);
        QFETCH(QString, sex);
        QFETCH(QString, expected);
        QCOMPARE(applyGenderEndings(text, sex), expected);
    }

    void longTextsAreHandledWhole()
    {
        // Past the 16-bit counter of old: every sentence and marker is reached.
        const QString sentence = QStringLiteral("è educat#. ");
        const QString text = sentence.repeated(4000); // 44,000 characters
        const QString saved = applyGenderEndings(capitalizeSentences(text), QStringLiteral("M"));
        QCOMPARE(saved.size(), text.size());
        QVERIFY(!saved.contains(QLatin1Char('#')));
        QCOMPARE(saved.right(sentence.size()), QStringLiteral("È educato. "));
    }

    void flexibleInsertionsEndInOneBlank()
    {
        UndoRecord undo;
        QString text = appendDescriptor(QString(), QStringLiteral("è attent#"), 3, undo);
        QCOMPARE(undo.listIndex, 3);
        QVERIFY(undo.fromList);
        text = appendWord(text, QStringLiteral("e"), undo);
        QVERIFY(!undo.fromList);
        text = appendDescriptor(text, QStringLiteral("partecipa"), 0, undo);
        text = appendPunctuation(text, QStringLiteral("."), undo);
        QCOMPARE(text, QStringLiteral("è attent# e partecipa. "));
        // Undoing the mark gives back the text as it ended in one blank.
        QCOMPARE(removeLastInsertion(text, undo), QStringLiteral("è attent# e partecipa "));
        // A comma after two blanks removes both; line breaks typed by the teacher stay.
        QCOMPARE(appendPunctuation(QStringLiteral("bene  "), QStringLiteral(","), undo),
                 QStringLiteral("bene, "));
        QCOMPARE(appendPunctuation(QStringLiteral("bene\n"), QStringLiteral("."), undo),
                 QStringLiteral("bene\n. "));
    }

    void undoNeverLeavesTheText()
    {
        UndoRecord undo;
        const QString text = appendPunctuation(QString(), QStringLiteral("."), undo);
        QCOMPARE(undo.start, qsizetype(-1));
        QCOMPARE(removeLastInsertion(text, undo), QStringLiteral(" "));
        undo.start = 50;
        undo.length = 10;
        QCOMPARE(removeLastInsertion(QStringLiteral("corto"), undo), QStringLiteral("corto"));
        undo.start = 2;
        QCOMPARE(removeLastInsertion(QStringLiteral("corto"), undo), QStringLiteral("co"));
    }

    void rigidPickUsesOpeningWords()
    {
        UndoRecord undo;
        QString text = appendRigidPick(QString(), QStringLiteral("corretto."),
                                       QStringLiteral("Ha un comportamento"), 1, undo);
        QCOMPARE(text, QStringLiteral("Ha un comportamento corretto. "));
        QCOMPARE(undo.length, text.size());
        text = appendRigidPick(text, QStringLiteral("vivace."), QString(), 2, undo);
        QCOMPARE(removeLastInsertion(text, undo), QStringLiteral("Ha un comportamento corretto. "));
        QCOMPARE(pupilCaption(2, true, QStringLiteral("1")), QStringLiteral("2° Media 1° T/Q"));
        QCOMPARE(pupilCaption(5, false, QStringLiteral("3")), QStringLiteral("5° Elem 3° T/Q"));
        QCOMPARE(nextAspect(9), 0);
        QCOMPARE(previousAspect(0), 9);
    }

    void catalogueChoice_data()
    {
        QTest::addColumn<int>("currentClass");
        QTest::addColumn<int>("term");
        QTest::addColumn<QString>("table");
        QTest::newRow("class 0 is group A") << 0 << 1 << "classeAq1";
        QTest::newRow("class 2 is group A") << 2 << 2 << "classeAq2";
        QTest::newRow("class 4 third term") << 4 << 3 << "classeAq2";
        QTest::newRow("class 3") << 3 << 1 << "classeBq1";
        QTest::newRow("class 5 third term") << 5 << 3 << "classeBq2";
        QTest::newRow("class 6 has no group") << 6 << 1 << "";
    }
    void catalogueChoice()
    {
        QFETCH(int, currentClass);
        QFETCH(int, term);
        QFETCH(QString, table);
        QCOMPARE(rigidTable(currentClass, term), table);
        QCOMPARE(flexibleTable(2, 3), QStringLiteral("cognitivB2"));
        QVERIFY(flexibleTable(4, 0).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestJudgmentText)
#include "tst_judgment_text.moc"

// The rigid composition screen driven as a teacher: the catalogue chosen by
// class and term, the ten aspects with their opening words, the automatic
// advance and its undo, and saving with gender endings only.
#include "app/application.h"
#include "data/AppState.h"
#include "data/ArchiveStore.h"
#include "platform/Colors.h"
#include "support/TestSupport.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>
#include <QTextEdit>

using namespace giudizi;
using namespace giudizi::test;

namespace {
const QString kRigid = QStringLiteral("FgiudixRIGID");
const QString kRigidMenu = QStringLiteral("FavviogiudixRIG");
const QString kMedia = QStringLiteral("Medie");
const QString kElem = QStringLiteral("Elementari");
const QString kAdotta = QStringLiteral("ADOTTA avanzamento automatico");
const QString kAnnulla = QStringLiteral("ANNULLA avanzamento automatico");
const QString kNothingToSave =
    QStringLiteral("Non c'è niente da archiviare... Inizia o completa il giudizio, poi clicca per "
                   "le maiuscole e l'archiviazione.");
const QStringList kTables = {"classeAq1", "classeAq2", "classeBq1", "classeBq2"};
const QStringList kLocked = {"CmdSTAMPO",  "cmdStampaFoglio", "cmdsuccessivo", "CmaAltroModello",
                             "cmdopzioni", "cmdesco",         "Cmdmenù"};
// The aspect whose rows carry no opening words in the test catalogues.
const int kNoOpening = 5;

// A style that opens list items on a single click, as some desktops set it.
class SingleClickStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_ItemView_ActivateItemOnSingleClick)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QString entryOf(const QString& level)
{
    return level == kElem ? QStringLiteral("FimmissioELEM") : QStringLiteral("Fimmissio2");
}

// Texts of the test catalogues, named after their table so a list shows
// which table was read.
QString opening(const QString& tag, int tipo)
{
    return QStringLiteral("%1 apre %2").arg(tag).arg(tipo);
}
// The first row of an aspect ends in a gender marker, or in `ending` once saved.
QString first(const QString& tag, int tipo, QChar ending = QLatin1Char('#'))
{
    return QStringLiteral("%1 uno %2 attent%3.").arg(tag).arg(tipo).arg(ending);
}
QString second(const QString& tag, int tipo)
{
    return QStringLiteral("%1 due %2").arg(tag).arg(tipo);
}

// Two rows per aspect, stored in reverse order; the second row carries other
// opening words, which must never show. One aspect has none at all.
void fillCatalogue(const QString& table)
{
    execDescriptors(QStringLiteral("DELETE FROM %1").arg(table));
    for (int tipo = 10; tipo >= 1; --tipo) {
        const QString insert =
            QStringLiteral("INSERT INTO %1 (tipo, ordine, indicatore, inizio, area) VALUES "
                           "(?, ?, ?, ?, NULL)")
                .arg(table);
        // ordine 3 and 8: List2 must show the row numbers 0 and 1 instead.
        execDescriptors(insert, {tipo, 8, second(table, tipo), QStringLiteral("mai usato")});
        execDescriptors(insert, {tipo, 3, first(table, tipo),
                                 tipo == kNoOpening ? QVariant() : QVariant(opening(table, tipo))});
    }
}

QTextEdit* textBox()
{
    return find<QTextEdit>(kRigid, QStringLiteral("RTextB1"));
}

QString composed()
{
    return textBox()->toPlainText();
}

QString opening()
{
    return find<QLabel>(kRigid, QStringLiteral("LabINIZIO"))->text();
}

QString advanceCaption()
{
    return find<QPushButton>(kRigid, QStringLiteral("CmdAvanzamento"))->text();
}

bool enabled(const QString& control)
{
    QWidget* w = findControl(kRigid, control);
    return w && w->isEnabled();
}

QStringList aspectItems(const QString& table, int tipo)
{
    return {first(table, tipo), second(table, tipo)};
}

int highlightedAspect()
{
    int current = -1;
    for (int i = 0; i < 10; ++i) {
        const QColor c = background(findControl(kRigid, QStringLiteral("Lab8(%1)").arg(i)));
        if (c == colors::areaCurrent)
            current = current < 0 ? i : -2;
        else if (c != colors::areaNormal)
            return -3;
    }
    return current;
}

// Start screen to the rigid screen through a group entry of the menu, with
// the test catalogues in all four tables.
void openRigid(const QString& level, const QString& menuEntry)
{
    chooseStart(QStringLiteral("Rigido"), level, 3);
    QVERIFY(isShown(kRigidMenu));
    for (const QString& table : kTables)
        fillCatalogue(table);
    click(kRigidMenu, menuEntry);
    QVERIFY(isShown(kRigid));
}

struct Pupil {
    QString name;
    QString sex;
    QString classTyped;  // typed into the class list; empty: left alone
    QString classPicked; // chosen from the class list; empty: left alone
    QString term;        // set in the term list; empty: left alone
};

void newPupil(const QString& level, const Pupil& pupil)
{
    const QString entry = entryOf(level);
    click(kRigid, QStringLiteral("cmdsuccessivo"));
    QVERIFY(isShown(entry));
    QTest::keyClicks(find<QLineEdit>(entry, QStringLiteral("Text1")), pupil.name);
    click(entry, pupil.sex == QLatin1String("F") ? QStringLiteral("LabF") : QStringLiteral("LabM"));
    auto* classe = find<QComboBox>(entry, QStringLiteral("Combo1"));
    if (!pupil.classPicked.isEmpty())
        classe->setCurrentIndex(classe->findText(pupil.classPicked));
    if (!pupil.classTyped.isEmpty()) {
        classe->lineEdit()->selectAll();
        QTest::keyClicks(classe->lineEdit(), pupil.classTyped);
    }
    if (!pupil.term.isEmpty())
        find<QComboBox>(entry, QStringLiteral("Combo4"))->setEditText(pupil.term);
    click(entry, QStringLiteral("cmdfatto"));
    QVERIFY(!isShown(entry));
    QVERIFY(isShown(kRigid));
}

void pick(int row)
{
    clickListItem(kRigid, QStringLiteral("List1"), row);
}

void undo()
{
    click(kRigid, QStringLiteral("Cmdcancfrase"));
}

void toggleAdvance()
{
    click(kRigid, QStringLiteral("CmdAvanzamento"));
}

void save()
{
    click(kRigid, QStringLiteral("cmdmaiuscole"));
}

// What a pick of the first row of aspect `tipo` adds, opening words included.
QString firstPick(const QString& table, int tipo, QChar ending = QLatin1Char('#'))
{
    const QString words = tipo == kNoOpening ? QString() : opening(table, tipo) + QLatin1Char(' ');
    return words + first(table, tipo, ending) + QLatin1Char(' ');
}
} // namespace

class TestComposeRigid : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramRun> m_run;
    std::unique_ptr<QStyle> m_style; // outlives the screens that use it

private slots:
    void init() { m_run = std::make_unique<ProgramRun>(); }
    void cleanup()
    {
        m_run.reset();
        m_style.reset();
    }

    void buttonStates()
    {
        openRigid(kMedia, QStringLiteral("LabAq1"));
        QCOMPARE(find<QPushButton>(kRigid, QStringLiteral("cmdsuccessivo"))->text(),
                 QStringLiteral("SCRIVO IL GIUDIZIO"));
        QCOMPARE(advanceCaption(), kAdotta);
        for (const QString& name :
             QStringList{"CmdSTAMPO", "cmdStampaFoglio", "Cmdcancfrase", "List1", "List2"})
            QVERIFY2(!enabled(name), qPrintable(name));
        for (const QString& name : QStringList{"cmdsuccessivo", "CmaAltroModello", "cmdopzioni",
                                               "cmdesco", "Cmdmenù", "CmdAvanzamento"})
            QVERIFY2(enabled(name), qPrintable(name));

        click(kRigid, QStringLiteral("cmdsuccessivo"));
        QCOMPARE(find<QPushButton>(kRigid, QStringLiteral("cmdsuccessivo"))->text(),
                 QStringLiteral("GIUDIZIO SUCCESSIVO"));
        for (const QString& name : kLocked)
            QVERIFY2(!enabled(name), qPrintable(name));
        QVERIFY(enabled(QStringLiteral("List1")));
        QVERIFY(enabled(QStringLiteral("List2")));
        QTest::keyClicks(find<QLineEdit>(entryOf(kMedia), QStringLiteral("Text1")),
                         QStringLiteral("ROSSI"));
        click(entryOf(kMedia), QStringLiteral("LabM"));
        click(entryOf(kMedia), QStringLiteral("cmdfatto"));

        // An empty save is refused and unlocks nothing.
        {
            ModalAnswer answer(QMessageBox::Ok);
            save();
            QVERIFY(answer.answered());
            QCOMPARE(answer.text(), kNothingToSave);
        }
        for (const QString& name : kLocked)
            QVERIFY2(!enabled(name), qPrintable(name));
        QVERIFY(enabled(QStringLiteral("List1")));
        QVERIFY(archiveRows().first().value("giudizio").isNull());

        pick(0);
        QVERIFY(enabled(QStringLiteral("Cmdcancfrase")));
        save();
        for (const QString& name : kLocked)
            QVERIFY2(enabled(name), qPrintable(name));
        QVERIFY(!enabled(QStringLiteral("List1")));
        QVERIFY(!enabled(QStringLiteral("List2")));
        // The next pupil unlocks both lists again.
        click(kRigid, QStringLiteral("cmdsuccessivo"));
        QVERIFY(enabled(QStringLiteral("List1")));
        QVERIFY(enabled(QStringLiteral("List2")));
    }

    // The pupil's class and term choose the catalogue; a class picked from the
    // list (not typed) keeps the menu's group.
    void catalogueFollowsClassAndTerm_data()
    {
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("menuEntry");
        QTest::addColumn<QString>("classTyped");
        QTest::addColumn<QString>("classPicked");
        QTest::addColumn<QString>("term");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("aspectsFollow");

        QTest::newRow("class 3 typed") << kMedia << "LabAq1"
                                       << "3"
                                       << ""
                                       << "1"
                                       << "classeBq1"
                                       << "3° Media 1° T/Q" << true;
        QTest::newRow("class 2 typed") << kMedia << "LabBq1"
                                       << "2"
                                       << ""
                                       << "1"
                                       << "classeAq1"
                                       << "2° Media 1° T/Q" << true;
        QTest::newRow("class 1 typed, term 2") << kMedia << "LabBq2"
                                               << "1"
                                               << ""
                                               << "2"
                                               << "classeAq2"
                                               << "1° Media 2° T/Q" << true;
        QTest::newRow("class 3 typed, term 3") << kMedia << "LabAq1"
                                               << "3"
                                               << ""
                                               << "3"
                                               << "classeBq2"
                                               << "3° Media 3° T/Q" << true;
        QTest::newRow("class picked keeps group") << kMedia << "LabBq1"
                                                  << ""
                                                  << "1"
                                                  << "1"
                                                  << "classeBq1"
                                                  << "1° Media 1° T/Q" << true;
        QTest::newRow("elementare class 4, term 3") << kElem << "LabBq1"
                                                    << "4"
                                                    << ""
                                                    << "3"
                                                    << "classeAq2"
                                                    << "4° Elem 3° T/Q" << true;
        QTest::newRow("elementare class 5, term 1") << kElem << "LabAq2"
                                                    << "5"
                                                    << ""
                                                    << "1"
                                                    << "classeBq1"
                                                    << "5° Elem 1° T/Q" << true;
        // A class of no group reads the rows opened last again.
        QTest::newRow("class 7 typed") << kMedia << "LabBq1"
                                       << "7"
                                       << ""
                                       << "2"
                                       << "classeBq1"
                                       << "7° Media 2° T/Q" << false;
    }
    void catalogueFollowsClassAndTerm()
    {
        QFETCH(QString, level);
        QFETCH(QString, menuEntry);
        QFETCH(QString, classTyped);
        QFETCH(QString, classPicked);
        QFETCH(QString, term);
        QFETCH(QString, table);
        QFETCH(QString, caption);
        QFETCH(bool, aspectsFollow);
        openRigid(level, menuEntry);
        ModalAnswer noMessage(QMessageBox::Ok);
        newPupil(level,
                 {QStringLiteral("ROSSI"), QStringLiteral("M"), classTyped, classPicked, term});
        QCOMPARE(find<QLabel>(kRigid, QStringLiteral("LabTQ"))->text(), caption);
        QCOMPARE(find<QLabel>(kRigid, QStringLiteral("Label2"))->text(), QStringLiteral("ROSSI"));
        QCOMPARE(highlightedAspect(), 0);
        QCOMPARE(listItems(kRigid, QStringLiteral("List1")), aspectItems(table, 1));
        QCOMPARE(listItems(kRigid, QStringLiteral("List2")), (QStringList{"0", "1"}));
        QCOMPARE(opening(), opening(table, 1));
        QCOMPARE(int(appState().descriptorCount), 2);

        // Metodo reads tipo 7 of the same table.
        click(kRigid, QStringLiteral("Lab8(6)"));
        QCOMPARE(highlightedAspect(), 6);
        QCOMPARE(int(appState().currentStep), 6);
        QCOMPARE(listItems(kRigid, QStringLiteral("List1")),
                 aspectItems(table, aspectsFollow ? 7 : 1));
        QCOMPARE(opening(), opening(table, aspectsFollow ? 7 : 1));
        QVERIFY(!noMessage.answered());
        QCOMPARE(archiveRows().size(), 1);
    }

    // With the automatic advance each pick moves to the next aspect; after the
    // tenth the highlight is back on Comportamento, and undo goes back to
    // Profitto with its opening words.
    void automaticAdvance_data()
    {
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("menuEntry");
        QTest::addColumn<QString>("table");
        QTest::newRow("media B, term 1") << kMedia << "LabBq1"
                                         << "classeBq1";
        QTest::newRow("elementare A, term 2") << kElem << "LabAq2"
                                              << "classeAq2";
    }
    void automaticAdvance()
    {
        QFETCH(QString, level);
        QFETCH(QString, menuEntry);
        QFETCH(QString, table);
        openRigid(level, menuEntry);
        newPupil(level, {QStringLiteral("ROSSI"), QStringLiteral("F"), {}, {}, {}});
        toggleAdvance();
        QCOMPARE(advanceCaption(), kAnnulla);

        // Undo of the first pick goes back to Comportamento.
        pick(1);
        QCOMPARE(highlightedAspect(), 1);
        undo();
        QVERIFY(composed().isEmpty());
        QCOMPARE(int(appState().currentStep), 0);
        QCOMPARE(highlightedAspect(), 0);
        QCOMPARE(opening(), opening(table, 1));

        QString expected;
        for (int tipo = 1; tipo <= 10; ++tipo) {
            QCOMPARE(highlightedAspect(), tipo - 1);
            QCOMPARE(int(appState().currentStep), tipo - 1);
            QCOMPARE(listItems(kRigid, QStringLiteral("List1")), aspectItems(table, tipo));
            QCOMPARE(opening(), tipo == kNoOpening ? QString() : opening(table, tipo));
            pick(0);
            expected += firstPick(table, tipo);
            QCOMPARE(composed(), expected);
        }
        QCOMPARE(highlightedAspect(), 0);
        QCOMPARE(int(appState().currentStep), 0);
        // The lists keep Profitto until an aspect is clicked.
        QCOMPARE(listItems(kRigid, QStringLiteral("List1")), aspectItems(table, 10));
        QVERIFY(opening().isEmpty());

        undo();
        expected.chop(firstPick(table, 10).size());
        QCOMPARE(composed(), expected);
        QCOMPARE(int(appState().currentStep), 9);
        QCOMPARE(highlightedAspect(), 9);
        QCOMPARE(opening(), opening(table, 10));
        QCOMPARE(listItems(kRigid, QStringLiteral("List1")), aspectItems(table, 10));
        QVERIFY(!enabled(QStringLiteral("Cmdcancfrase")));
        pick(1);
        expected += opening(table, 10) + QLatin1Char(' ') + second(table, 10) + QLatin1Char(' ');
        QCOMPARE(composed(), expected);
        QCOMPARE(highlightedAspect(), 0);

        // The advance survives from pupil to pupil.
        save();
        newPupil(level, {QStringLiteral("BIANCHI"), QStringLiteral("M"), {}, {}, {}});
        QCOMPARE(advanceCaption(), kAnnulla);
        QVERIFY(composed().isEmpty());
        pick(0);
        QCOMPARE(highlightedAspect(), 1);
        QCOMPARE(listItems(kRigid, QStringLiteral("List1")), aspectItems(table, 2));
        toggleAdvance();
        QCOMPARE(advanceCaption(), kAdotta);
        pick(0);
        QCOMPARE(highlightedAspect(), 1);
        QCOMPARE(composed(), firstPick(table, 1) + firstPick(table, 2));
    }

    // Without the advance, picks stay in the aspect and the opening words come
    // once per loading of it; undo gives them back.
    void withoutAdvance_data()
    {
        QTest::addColumn<int>("presses"); // of the advance button before composing
        QTest::newRow("never pressed") << 0;
        QTest::newRow("pressed twice") << 2;
    }
    void withoutAdvance()
    {
        QFETCH(int, presses);
        const QString table = QStringLiteral("classeAq1");
        openRigid(kMedia, QStringLiteral("LabAq1"));
        newPupil(kMedia, {QStringLiteral("ROSSI"), QStringLiteral("M"), {}, {}, {}});
        for (int i = 0; i < presses; ++i)
            toggleAdvance();
        QCOMPARE(advanceCaption(), kAdotta);

        click(kRigid, QStringLiteral("Lab8(2)"));
        QCOMPARE(opening(), opening(table, 3));
        pick(0);
        QVERIFY(opening().isEmpty());
        QCOMPARE(composed(), firstPick(table, 3));
        undo();
        QVERIFY(composed().isEmpty());
        QCOMPARE(opening(), opening(table, 3));
        QVERIFY(!find<QListWidget>(kRigid, QStringLiteral("List1"))->item(0)->isSelected());
        QCOMPARE(highlightedAspect(), 2);

        pick(0);
        pick(1);
        const QString twoPicks = firstPick(table, 3) + second(table, 3) + QLatin1Char(' ');
        QCOMPARE(composed(), twoPicks);
        QCOMPARE(highlightedAspect(), 2);
        QCOMPARE(int(appState().currentStep), 2);
        QCOMPARE(listItems(kRigid, QStringLiteral("List1")), aspectItems(table, 3));

        // Loading the aspect again brings the opening words back.
        click(kRigid, QStringLiteral("Lab8(2)"));
        QCOMPARE(opening(), opening(table, 3));
        pick(1);
        QCOMPARE(composed(), twoPicks + opening(table, 3) + QLatin1Char(' ') + second(table, 3) +
                                 QLatin1Char(' '));
    }

    // One mouse click on a descriptor inserts it once, also on desktops whose
    // style activates list items on a single click.
    void oneInsertionPerClick_data()
    {
        QTest::addColumn<bool>("singleClickActivation");
        QTest::newRow("default style") << false;
        QTest::newRow("single-click activation") << true;
    }
    void oneInsertionPerClick()
    {
        QFETCH(bool, singleClickActivation);
        const QString table = QStringLiteral("classeAq1");
        openRigid(kMedia, QStringLiteral("LabAq1"));
        newPupil(kMedia, {QStringLiteral("ROSSI"), QStringLiteral("M"), {}, {}, {}});
        if (singleClickActivation) {
            m_style = std::make_unique<SingleClickStyle>();
            find<QListWidget>(kRigid, QStringLiteral("List1"))->setStyle(m_style.get());
        }
        pick(0);
        QCOMPARE(composed(), firstPick(table, 1));
    }

    // An aspect without rows shows empty lists and no opening words.
    void emptyAspect()
    {
        const QString table = QStringLiteral("classeBq2");
        openRigid(kMedia, QStringLiteral("LabBq2"));
        execDescriptors(QStringLiteral("DELETE FROM classeBq2 WHERE tipo = 4"));
        newPupil(kMedia,
                 {QStringLiteral("ROSSI"), QStringLiteral("M"), {}, {}, QStringLiteral("2")});
        ModalAnswer noMessage(QMessageBox::Ok);
        toggleAdvance();
        click(kRigid, QStringLiteral("Lab8(2)"));
        pick(0);
        QCOMPARE(highlightedAspect(), 3);
        QVERIFY(listItems(kRigid, QStringLiteral("List1")).isEmpty());
        QVERIFY(listItems(kRigid, QStringLiteral("List2")).isEmpty());
        QVERIFY(opening().isEmpty());
        QCOMPARE(int(appState().descriptorCount), 0);

        click(kRigid, QStringLiteral("Lab8(4)"));
        QCOMPARE(listItems(kRigid, QStringLiteral("List1")), aspectItems(table, 5));
        pick(0);
        QCOMPARE(composed(), firstPick(table, 3) + firstPick(table, 5));
        // Back to the empty aspect by its label.
        click(kRigid, QStringLiteral("Lab8(3)"));
        QVERIFY(listItems(kRigid, QStringLiteral("List1")).isEmpty());
        QVERIFY(!noMessage.answered());
    }

    void labInizioClickChangesNothing()
    {
        const QString table = QStringLiteral("classeAq1");
        openRigid(kMedia, QStringLiteral("LabAq1"));
        newPupil(kMedia, {QStringLiteral("ROSSI"), QStringLiteral("M"), {}, {}, {}});
        click(kRigid, QStringLiteral("Lab8(1)"));
        pick(0);
        click(kRigid, QStringLiteral("Lab8(3)"));
        const QString before = composed();
        click(kRigid, QStringLiteral("LabINIZIO"));
        QCOMPARE(composed(), before);
        QCOMPARE(opening(), opening(table, 4));
        QCOMPARE(listItems(kRigid, QStringLiteral("List1")), aspectItems(table, 4));
        QCOMPARE(highlightedAspect(), 3);
        QCOMPARE(int(appState().currentStep), 3);
        QVERIFY(enabled(QStringLiteral("Cmdcancfrase")));
    }

    void clearAll()
    {
        const QString table = QStringLiteral("classeBq1");
        openRigid(kMedia, QStringLiteral("LabBq1"));
        newPupil(kMedia, {QStringLiteral("ROSSI"), QStringLiteral("M"), {}, {}, {}});
        click(kRigid, QStringLiteral("Lab8(7)"));
        pick(0);
        click(kRigid, QStringLiteral("cmdcancello"));
        QVERIFY(composed().isEmpty());
        QCOMPARE(int(appState().currentStep), 0);
        QCOMPARE(highlightedAspect(), 0);
        QCOMPARE(listItems(kRigid, QStringLiteral("List1")), aspectItems(table, 1));
        QCOMPARE(opening(), opening(table, 1));
    }

    void switchToFlexibleModel()
    {
        openRigid(kMedia, QStringLiteral("LabAq1"));
        click(kRigid, QStringLiteral("CmaAltroModello"));
        QCOMPARE(appState().model, QStringLiteral("Flessibile"));
        QVERIFY(isShown(QStringLiteral("Favviogiudix2")));
        QVERIFY(!isShown(kRigid));
        QVERIFY(!isShown(kRigidMenu));
    }

    // A whole judgment, one pick per aspect, saved with endings only: no
    // capital letters are added, "#" at positions 0 and 1 stays.
    void fullJudgmentSaved_data()
    {
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("menuEntry");
        QTest::addColumn<QString>("classTyped");
        QTest::addColumn<QString>("term");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("sex");
        QTest::addColumn<QString>("prefix"); // typed before the first pick
        QTest::addColumn<QString>("savedPrefix");
        QTest::newRow("boy, media") << kMedia << "LabAq1"
                                    << "3"
                                    << "1"
                                    << "classeBq1"
                                    << "M"
                                    << ""
                                    << "";
        QTest::newRow("girl, elementare") << kElem << "LabBq1"
                                          << "4"
                                          << "2"
                                          << "classeAq2"
                                          << "F"
                                          << ""
                                          << "";
        QTest::newRow("girl, markers at 0 and 1") << kMedia << "LabBq2"
                                                  << ""
                                                  << "3"
                                                  << "classeBq2"
                                                  << "F"
                                                  << "##, #. "
                                                  << "##, a. ";
    }
    void fullJudgmentSaved()
    {
        QFETCH(QString, level);
        QFETCH(QString, menuEntry);
        QFETCH(QString, classTyped);
        QFETCH(QString, term);
        QFETCH(QString, table);
        QFETCH(QString, sex);
        QFETCH(QString, prefix);
        QFETCH(QString, savedPrefix);
        openRigid(level, menuEntry);
        newPupil(level, {QStringLiteral("  verdi anna "), sex, classTyped, {}, term});
        QTest::keyClicks(textBox(), prefix);
        toggleAdvance();
        QString typed = prefix;
        for (int tipo = 1; tipo <= 10; ++tipo) {
            pick(0);
            typed += firstPick(table, tipo);
        }
        QCOMPARE(composed(), typed);
        auto handed = archiveStore().HandedJudgments;

        save();
        const QChar ending = sex == QLatin1String("M") ? QLatin1Char('o') : QLatin1Char('a');
        QString expected = savedPrefix;
        for (int tipo = 1; tipo <= 10; ++tipo)
            expected += firstPick(table, tipo, ending);
        QCOMPARE(composed(), expected);
        QCOMPARE(archiveStore().HandedJudgments, handed);
        const auto rows = archiveRows();
        QCOMPARE(rows.size(), 1);
        const QVariantMap row = rows.first();
        QCOMPARE(row.value("giudizio").toString(), expected);
        QCOMPARE(row.value("nome").toString(), QStringLiteral("VERDI ANNA"));
        QCOMPARE(row.value("sex").toString(), sex);
        QCOMPARE(row.value("scuola").toString(), level);
        QCOMPARE(row.value("quadrimestre").toInt(), term.toInt());
        QCOMPARE(row.value("seclinstra").toString(),
                 level == kElem ? QStringLiteral("Nessuna") : QStringLiteral("Francese"));
        QVERIFY(!enabled(QStringLiteral("List1")));
        QVERIFY(!enabled(QStringLiteral("List2")));
        for (const QString& name : kLocked)
            QVERIFY2(enabled(name), qPrintable(name));
    }
};

QTEST_MAIN(TestComposeRigid)
#include "tst_compose_rigid.moc"

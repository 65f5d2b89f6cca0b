// The flexible composition screen driven as a teacher: pupil data entry, the
// words and descriptors that build the text, undo, saving with capitals and
// endings, the refusals, and the ways out of the screen.
#include "app/application.h"
#include "data/AppState.h"
#include "data/ArchiveStore.h"
#include "platform/Colors.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QClipboard>
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
const QString kFlex = QStringLiteral("Fgiudix2");
const QString kFlexMenu = QStringLiteral("Favviogiudix2");
const QString kMedia = QStringLiteral("Medie");
const QString kElem = QStringLiteral("Elementari");

const QString kNoName = QStringLiteral("Non hai scritto il nome dell'alunno.");
const QString kNoSex = QStringLiteral("Non hai indicato il sesso dell'alunno.");
const QString kNothingToSave =
    QStringLiteral("Non c'è niente da archiviare... Inizia o completa il giudizio, poi clicca per "
                   "le maiuscole e l'archiviazione.");
const QString kNothingToPrint = QStringLiteral("Non c'è nessun giudizio da stampare");
const QString kCardTarget = QStringLiteral(
    "All'avvio del programma, hai selezionato 'Stampo la scheda ministeriale'. Per stampare "
    "l'attestato torna al Menù e seleziona, in basso a sinistra:'Cambia Grado scuola e/o tipo "
    "attestato'");
const QString kDuplicate =
    QStringLiteral("C'è già, in archivio, un giudizio su questo alunno.") + QStringLiteral("\n\r") +
    QStringLiteral(" Se intendi MODIFICARLO/SOSTITUIRLO clicca su SI'") + QStringLiteral("\n\r") +
    QStringLiteral("Se vuoi conservarlo e aggiungerne uno NUOVO, clicca su NO");

// The buttons that are locked while a pupil is being composed.
const QStringList kLocked = {"CmdSTAMPO",  "cmdStampaFoglio", "cmdsuccessivo", "CmaAltroModello",
                             "cmdopzioni", "cmdesco",         "Cmdmenù"};

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

// The ordine stored for item `i` of a test catalogue: not its position, so
// List2 shows which of the two it holds.
int ordineOf(int i)
{
    return 10 * (i + 1);
}

// Replaces a flexible catalogue with `items`, stored in reverse so that only
// the ordine column can put them in order.
void replaceCatalogue(const QString& table, const QStringList& items)
{
    execDescriptors(QStringLiteral("DELETE FROM %1").arg(table));
    for (int i = items.size() - 1; i >= 0; --i) {
        QSqlQuery q(archiveStore().DescriptorDb->handle());
        q.prepare(QStringLiteral("INSERT INTO %1 (ordine, descrittori) VALUES (?, ?)").arg(table));
        q.addBindValue(ordineOf(i));
        q.addBindValue(items.at(i));
        QVERIFY(q.exec());
    }
}

QTextEdit* textBox()
{
    return find<QTextEdit>(kFlex, QStringLiteral("RTextB1"));
}

QString composed()
{
    return textBox()->toPlainText();
}

bool enabled(const QString& control)
{
    QWidget* w = findControl(kFlex, control);
    return w && w->isEnabled();
}

int highlightedArea()
{
    int current = -1;
    for (int i = 0; i < 4; ++i) {
        const QColor c = background(findControl(kFlex, QStringLiteral("Lab8(%1)").arg(i)));
        if (c == colors::areaCurrent)
            current = current < 0 ? i : -2;
        else if (c != colors::areaNormal)
            return -3;
    }
    return current;
}

// Start screen to the flexible screen, with short recognisable catalogues.
void openFlexible(const QString& level, int target = 3,
                  const QString& termEntry = QStringLiteral("Labprimo"))
{
    chooseStart(QStringLiteral("Flessibile"), level, target);
    QVERIFY(isShown(kFlexMenu));
    for (int term = 1; term <= 3; ++term) {
        replaceCatalogue(QStringLiteral("socioaffettiv%1").arg(term), {"d1", "d2", "d3"});
        replaceCatalogue(QStringLiteral("responsabilit%1").arg(term), {"r1", "r2"});
        replaceCatalogue(QStringLiteral("cognitivA%1").arg(term), {"a1"});
        replaceCatalogue(QStringLiteral("cognitivB%1").arg(term), {"b1", "b2"});
    }
    click(kFlexMenu, termEntry);
    QVERIFY(isShown(kFlex));
}

// On the data entry screen: the name typed, the sex chosen ("" for none).
void typePupil(const QString& entry, const QString& name, const QString& sex)
{
    auto* nameBox = find<QLineEdit>(entry, QStringLiteral("Text1"));
    QVERIFY(nameBox);
    QVERIFY(nameBox->text().isEmpty());
    QTest::keyClicks(nameBox, name);
    if (sex == QLatin1String("M"))
        click(entry, QStringLiteral("LabM"));
    else if (sex == QLatin1String("F"))
        click(entry, QStringLiteral("LabF"));
}

// "SCRIVO IL GIUDIZIO" / "GIUDIZIO SUCCESSIVO", the pupil, "OK".
void newPupil(const QString& level, const QString& name, const QString& sex)
{
    click(kFlex, QStringLiteral("cmdsuccessivo"));
    QVERIFY(isShown(entryOf(level)));
    typePupil(entryOf(level), name, sex);
    click(entryOf(level), QStringLiteral("cmdfatto"));
    QVERIFY(!isShown(entryOf(level)));
    QVERIFY(isShown(kFlex));
}

void save()
{
    click(kFlex, QStringLiteral("cmdmaiuscole"));
}

// One teacher action on the flexible screen: "list:N" clicks List1 row N,
// "type:TEXT" types into the text box, "home" puts the caret at the start,
// "undo" and "clear" press the undo and clear-all buttons, anything else
// clicks the control of that name.
void act(const QString& action)
{
    if (action.startsWith(QLatin1String("list:")))
        clickListItem(kFlex, QStringLiteral("List1"), action.mid(5).toInt());
    else if (action.startsWith(QLatin1String("type:")))
        typeInto(textBox(), action.mid(5));
    else if (action == QLatin1String("home"))
        QTest::keyClick(textBox(), Qt::Key_Home, Qt::ControlModifier);
    else if (action == QLatin1String("undo")) {
        // A disabled undo button takes no click: the text must stay as it is.
        if (findControl(kFlex, QStringLiteral("Cmdcancfrase"))->isEnabled())
            click(kFlex, QStringLiteral("Cmdcancfrase"));
    } else if (action == QLatin1String("clear"))
        click(kFlex, QStringLiteral("cmdcancello"));
    else
        click(kFlex, action);
}

void actAll(const QStringList& actions)
{
    for (const QString& a : actions)
        act(a);
}
} // namespace

class TestComposeFlexible : public QObject {
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

    // The row written by "OK", and what the composition screen shows of it.
    void pupilIsStoredAndShown_data()
    {
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("termEntry");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("sex");
        QTest::addColumn<QString>("classe");
        QTest::addColumn<QString>("term"); // empty: the list is left as it is
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("storedTerm");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("seclinstra");

        QTest::newRow("media apostrophe") << kMedia << "Labprimo"
                                          << "D'ANGELO"
                                          << "D'ANGELO"
                                          << "M"
                                          << "2"
                                          << ""
                                          << "Tedesco" << 1 << "2° Media 1° T/Q"
                                          << "Tedesco";
        QTest::newRow("media lower case with blanks") << kMedia << "Labprimo"
                                                      << "  rossi mario "
                                                      << "ROSSI MARIO"
                                                      << "F"
                                                      << "3"
                                                      << "2"
                                                      << "" << 2 << "3° Media 2° T/Q"
                                                      << "Francese";
        // The Media term list is never preset by the menu's term.
        QTest::newRow("media second term not preset") << kMedia << "Labsecondo"
                                                      << "Neri Ugo"
                                                      << "NERI UGO"
                                                      << "M"
                                                      << "1"
                                                      << ""
                                                      << "" << 1 << "1° Media 1° T/Q"
                                                      << "Francese";
        QTest::newRow("elementare") << kElem << "Labprimo"
                                    << " bianchi luca"
                                    << "BIANCHI LUCA"
                                    << "M"
                                    << "5"
                                    << ""
                                    << "" << 1 << "5° Elem 1° T/Q"
                                    << "Nessuna";
        // A name of blanks only passes the check and is stored empty.
        QTest::newRow("blank name") << kMedia << "Labprimo"
                                    << "   "
                                    << ""
                                    << "F"
                                    << "1"
                                    << ""
                                    << "" << 1 << "1° Media 1° T/Q"
                                    << "Francese";
        // The Elementare term list follows the menu's term.
        QTest::newRow("elementare second term") << kElem << "Labsecondo"
                                                << "Gialli Eva"
                                                << "GIALLI EVA"
                                                << "F"
                                                << "4"
                                                << ""
                                                << "" << 2 << "4° Elem 2° T/Q"
                                                << "Nessuna";
    }
    void pupilIsStoredAndShown()
    {
        QFETCH(QString, level);
        QFETCH(QString, termEntry);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(QString, sex);
        QFETCH(QString, classe);
        QFETCH(QString, term);
        QFETCH(QString, language);
        QFETCH(int, storedTerm);
        QFETCH(QString, caption);
        QFETCH(QString, seclinstra);

        openFlexible(level, 3, termEntry);
        const QString entry = entryOf(level);
        click(kFlex, QStringLiteral("cmdsuccessivo"));
        QVERIFY(isShown(entry));
        typePupil(entry, typed, sex);
        find<QComboBox>(entry, QStringLiteral("Combo1"))->setEditText(classe);
        find<QComboBox>(entry, QStringLiteral("Combo2"))->setEditText(QStringLiteral("C"));
        find<QComboBox>(entry, QStringLiteral("Combo3"))->setEditText(QStringLiteral("2006-2007"));
        if (!term.isEmpty())
            find<QComboBox>(entry, QStringLiteral("Combo4"))->setEditText(term);
        QCOMPARE(find<QComboBox>(entry, QStringLiteral("Combo4"))->currentText(),
                 term.isEmpty() ? QString::number(storedTerm) : term);
        if (!language.isEmpty())
            find<QComboBox>(entry, QStringLiteral("Combo5"))->setEditText(language);
        find<QLineEdit>(entry, QStringLiteral("TxtNomOpz1"))->setText(QStringLiteral("  Teatro "));
        click(entry, QStringLiteral("cmdfatto"));

        QVERIFY(!isShown(entry));
        QVERIFY(isShown(kFlex));
        QCOMPARE(find<QLabel>(kFlex, QStringLiteral("Label2"))->text(), typed);
        QCOMPARE(find<QLabel>(kFlex, QStringLiteral("LabTQ"))->text(), caption);
        QVERIFY(composed().isEmpty());
        QCOMPARE(int(appState().currentTerm), storedTerm);
        QCOMPARE(int(appState().currentStep), 0);
        QCOMPARE(highlightedArea(), 0);
        QCOMPARE(listItems(kFlex, QStringLiteral("List1")), (QStringList{"d1", "d2", "d3"}));

        const auto rows = archiveRows();
        QCOMPARE(rows.size(), 1);
        const QVariantMap row = rows.first();
        QCOMPARE(row.value("nome").toString(), stored);
        QCOMPARE(row.value("sex").toString(), sex);
        QCOMPARE(row.value("scuola").toString(), level);
        QCOMPARE(row.value("classe").toInt(), classe.toInt());
        QCOMPARE(row.value("sezione").toString(), QStringLiteral("C"));
        QCOMPARE(row.value("anno").toString(), QStringLiteral("2006-2007"));
        QCOMPARE(row.value("seclinstra").toString(), seclinstra);
        QCOMPARE(row.value("quadrimestre").toInt(), storedTerm);
        QCOMPARE(row.value("nomeopz1").toString(), QStringLiteral("Teatro"));
        QCOMPARE(row.value("nomeopz2").toString(), QStringLiteral("Nessuna"));
        QVERIFY(row.value("giudizio").isNull());

        // "GIUDIZIO SUCCESSIVO" empties the name but keeps the other choices.
        act(QStringLiteral("list:0"));
        save();
        click(kFlex, QStringLiteral("cmdsuccessivo"));
        QVERIFY(find<QLineEdit>(entry, QStringLiteral("Text1"))->text().isEmpty());
        QCOMPARE(find<QComboBox>(entry, QStringLiteral("Combo1"))->currentText(), classe);
        QCOMPARE(find<QComboBox>(entry, QStringLiteral("Combo2"))->currentText(),
                 QStringLiteral("C"));
    }

    // The two refusals of "OK" store nothing and leave the data entry open.
    void missingNameOrSexIsRefused_data()
    {
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("sex");
        QTest::addColumn<QString>("message");
        QTest::newRow("media no name") << kMedia << ""
                                       << "M" << kNoName;
        QTest::newRow("media no sex") << kMedia << "ROSSI"
                                      << "" << kNoSex;
        QTest::newRow("elementare no name") << kElem << ""
                                            << "F" << kNoName;
        QTest::newRow("elementare no sex") << kElem << "ROSSI"
                                           << "" << kNoSex;
    }
    void missingNameOrSexIsRefused()
    {
        QFETCH(QString, level);
        QFETCH(QString, name);
        QFETCH(QString, sex);
        QFETCH(QString, message);
        openFlexible(level);
        const QString entry = entryOf(level);
        click(kFlex, QStringLiteral("cmdsuccessivo"));
        typePupil(entry, name, sex);
        auto* section = find<QComboBox>(entry, QStringLiteral("Combo2"));
        section->setFocus();
        ModalAnswer answer(QMessageBox::Ok);
        click(entry, QStringLiteral("cmdfatto"));
        QVERIFY(answer.answered());
        QCOMPARE(answer.text(), message);
        QVERIFY(isShown(entry));
        QVERIFY(archiveRows().isEmpty());
        QVERIFY(find<QLabel>(kFlex, QStringLiteral("Label2"))->text().isEmpty());
        if (message == kNoName) {
            QCOMPARE(window(entry)->focusWidget(), findControl(entry, QStringLiteral("Text1")));
            // The chosen sex is kept for the second try.
            QVERIFY(background(findControl(entry, QStringLiteral("LabM"))) == colors::sexChosen ||
                    background(findControl(entry, QStringLiteral("LabF"))) == colors::sexChosen);
        }
    }

    // After "OK" both sex labels are back to their colours: the next pupil
    // needs a sex click again although the state still holds the last one.
    void sexLabelsResetAfterConfirmation()
    {
        openFlexible(kMedia);
        const QString entry = entryOf(kMedia);
        newPupil(kMedia, QStringLiteral("ROSSI"), QStringLiteral("M"));
        QCOMPARE(background(findControl(entry, QStringLiteral("LabM"))), colors::sexMaleOff);
        QCOMPARE(background(findControl(entry, QStringLiteral("LabF"))), colors::sexFemaleOff);
        QCOMPARE(appState().pupilSex, QStringLiteral("M"));

        act(QStringLiteral("list:0"));
        save();
        click(kFlex, QStringLiteral("cmdsuccessivo"));
        typePupil(entry, QStringLiteral("BIANCHI"), QString());
        {
            ModalAnswer answer(QMessageBox::Ok);
            click(entry, QStringLiteral("cmdfatto"));
            QCOMPARE(answer.text(), kNoSex);
        }
        QCOMPARE(archiveRows().size(), 1);
        QVERIFY(isShown(entry));

        click(entry, QStringLiteral("LabF"));
        QCOMPARE(background(findControl(entry, QStringLiteral("LabF"))), colors::sexChosen);
        QCOMPARE(background(findControl(entry, QStringLiteral("LabM"))), colors::sexMaleOff);
        click(entry, QStringLiteral("cmdfatto"));
        const auto rows = archiveRows();
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.at(1).value("nome").toString(), QStringLiteral("BIANCHI"));
        QCOMPARE(rows.at(1).value("sex").toString(), QStringLiteral("F"));
    }

    // A class or term that is not a whole number is refused; the state keeps
    // its value; correcting it and pressing OK again stores the pupil.
    void notANumberIsRefused_data()
    {
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("combo");
        QTest::addColumn<QString>("valid");
        QTest::addColumn<QString>("invalid");
        QTest::addColumn<QString>("column");
        QTest::newRow("media class 3a") << kMedia << "Combo1"
                                        << "2"
                                        << "3a"
                                        << "classe";
        QTest::newRow("elementare class 3a") << kElem << "Combo1"
                                             << "4"
                                             << "3a"
                                             << "classe";
        QTest::newRow("elementare term 2x") << kElem << "Combo4"
                                            << "3"
                                            << "2x"
                                            << "quadrimestre";
    }
    void notANumberIsRefused()
    {
        QFETCH(QString, level);
        QFETCH(QString, combo);
        QFETCH(QString, valid);
        QFETCH(QString, invalid);
        QFETCH(QString, column);
        openFlexible(level);
        const QString entry = entryOf(level);
        click(kFlex, QStringLiteral("cmdsuccessivo"));
        typePupil(entry, QStringLiteral("ROSSI"), QStringLiteral("M"));
        auto* box = find<QComboBox>(entry, combo)->lineEdit();
        auto stateValue = [combo] {
            return int(combo == QLatin1String("Combo1") ? appState().currentClass
                                                        : appState().currentTerm);
        };
        // Typing a number sets the state ...
        box->selectAll();
        QTest::keyClicks(box, valid);
        QCOMPARE(stateValue(), valid.toInt());
        // ... a pasted non-number leaves it as it was.
        QApplication::clipboard()->setText(invalid);
        box->selectAll();
        QTest::keySequence(box, QKeySequence::Paste);
        QCOMPARE(box->text(), invalid);
        QCOMPARE(stateValue(), valid.toInt());

        {
            ModalAnswer answer(QMessageBox::Ok);
            click(entry, QStringLiteral("cmdfatto"));
            QVERIFY(answer.answered());
            QVERIFY(!answer.text().isEmpty());
            QVERIFY(answer.text() != kNoName && answer.text() != kNoSex);
        }
        QVERIFY(archiveRows().isEmpty());
        QVERIFY(isShown(entry));
        QCOMPARE(stateValue(), valid.toInt());

        box->selectAll();
        QTest::keyClicks(box, valid);
        click(entry, QStringLiteral("cmdfatto"));
        QVERIFY(!isShown(entry));
        const auto rows = archiveRows();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.first().value(column).toInt(), valid.toInt());
        QCOMPARE(rows.first().value("sex").toString(), QStringLiteral("M"));
    }

    // The same pupil, class, section, year and term a second time.
    void duplicatePupil_data()
    {
        QTest::addColumn<QString>("level");
        QTest::addColumn<bool>("reuse");
        QTest::newRow("media yes") << kMedia << true;
        QTest::newRow("media no") << kMedia << false;
        QTest::newRow("elementare yes") << kElem << true;
        QTest::newRow("elementare no") << kElem << false;
    }
    void duplicatePupil()
    {
        QFETCH(QString, level);
        QFETCH(bool, reuse);
        openFlexible(level);
        const QString entry = entryOf(level);
        newPupil(level, QStringLiteral("VERDI ANNA"), QStringLiteral("F"));
        actAll({"list:0", "Labelpunt"});
        save();
        QCOMPARE(archiveRows().size(), 1);
        const QString first = archiveRows().first().value("giudizio").toString();
        QCOMPARE(first, QStringLiteral("D1. "));

        // The next pupil starts again from the first area.
        act(QStringLiteral("Lab8(2)"));
        QCOMPARE(listItems(kFlex, QStringLiteral("List1")), QStringList{"a1"});
        click(kFlex, QStringLiteral("cmdsuccessivo"));
        typePupil(entry, QStringLiteral(" verdi anna"), QStringLiteral("M"));
        {
            ModalAnswer answer(reuse ? QMessageBox::Yes : QMessageBox::No);
            click(entry, QStringLiteral("cmdfatto"));
            QVERIFY(answer.answered());
            QCOMPARE(answer.text(), kDuplicate);
        }
        QVERIFY(isShown(kFlex));
        QCOMPARE(find<QLabel>(kFlex, QStringLiteral("Label2"))->text(),
                 QStringLiteral(" verdi anna"));
        QCOMPARE(highlightedArea(), 0);
        QCOMPARE(int(appState().currentStep), 0);
        QCOMPARE(listItems(kFlex, QStringLiteral("List1")), (QStringList{"d1", "d2", "d3"}));
        auto rows = archiveRows();
        if (reuse) {
            QCOMPARE(composed(), first);
            QCOMPARE(rows.size(), 1);
            QCOMPARE(rows.first().value("sex").toString(), QStringLiteral("M"));
        } else {
            QVERIFY(composed().isEmpty());
            QCOMPARE(rows.size(), 2);
            QVERIFY(rows.at(1).value("giudizio").isNull());
            QCOMPARE(rows.at(1).value("nome").toString(), QStringLiteral("VERDI ANNA"));
        }

        // Saving writes into the row chosen above.
        actAll({"list:1", "Labelpunt"});
        save();
        rows = archiveRows();
        if (reuse) {
            QCOMPARE(rows.size(), 1);
            QCOMPARE(rows.first().value("giudizio").toString(), QStringLiteral("D1. D2. "));
        } else {
            QCOMPARE(rows.size(), 2);
            QCOMPARE(rows.at(0).value("giudizio").toString(), first);
            QCOMPARE(rows.at(1).value("giudizio").toString(), QStringLiteral("D2. "));
        }

        // A different pupil afterwards gets a row of its own.
        newPupil(level, QStringLiteral("ALTRO"), QStringLiteral("M"));
        QVERIFY(composed().isEmpty());
        actAll({"list:2"});
        save();
        rows = archiveRows();
        QCOMPARE(rows.size(), reuse ? 2 : 3);
        QCOMPARE(rows.last().value("nome").toString(), QStringLiteral("ALTRO"));
        QCOMPARE(rows.last().value("giudizio").toString(), QStringLiteral("D3 "));
        QCOMPARE(rows.first().value("giudizio").toString(),
                 reuse ? QStringLiteral("D1. D2. ") : first);
    }

    // An area click loads that area's catalogue of the current term.
    void areaLoadsItsCatalogue_data()
    {
        QTest::addColumn<QString>("termEntry");
        QTest::addColumn<int>("area");
        QTest::addColumn<QString>("table");
        QTest::newRow("term 1 area 0") << "Labprimo" << 0 << "socioaffettiv1";
        QTest::newRow("term 1 area 1") << "Labprimo" << 1 << "responsabilit1";
        QTest::newRow("term 2 area 3") << "Labsecondo" << 3 << "cognitivB2";
        QTest::newRow("term 3 area 2") << "Labterzo" << 2 << "cognitivA3";
    }
    void areaLoadsItsCatalogue()
    {
        QFETCH(QString, termEntry);
        QFETCH(int, area);
        QFETCH(QString, table);
        openFlexible(kMedia, 3, termEntry);
        const QStringList rows{table + QStringLiteral(" prima"),
                               table + QStringLiteral(" seconda")};
        replaceCatalogue(table, rows);
        click(kFlex, QStringLiteral("Lab8(%1)").arg(area));
        QCOMPARE(highlightedArea(), area);
        QCOMPARE(int(appState().currentStep), area);
        QCOMPARE(listItems(kFlex, QStringLiteral("List1")), rows);
        QCOMPARE(listItems(kFlex, QStringLiteral("List2")),
                 (QStringList{QString::number(ordineOf(0)), QString::number(ordineOf(1))}));
        QCOMPARE(int(appState().descriptorCount), 2);
    }

    // Descriptors, words and punctuation build the text.
    void insertions_data()
    {
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QString>("expected");
        QTest::newRow("descriptor e descriptor period")
            << QStringList{"list:0", "LabelE", "list:1", "Labelpunt"} << "d1 e d2. ";
        QTest::newRow("comma after two blanks")
            << QStringList{"type:prima  ", "Labelvirg"} << "prima, ";
        QTest::newRow("semicolon after descriptor")
            << QStringList{"list:2", "Labelpuntvirg"} << "d3; ";
        QTest::newRow("period trims leading blanks")
            << QStringList{"type:  ciao", "Labelpunt"} << "ciao. ";
        QTest::newRow("words after typing")
            << QStringList{"type:lui ", "Labelnon", "Label1(0)", "LabelED", "LabelMA"}
            << "lui non spesso ed ma ";
        QTest::newRow("every word label")
            << QStringList{"Label1(0)",  "Label1(1)",  "Label1(2)",  "Label1(3)",  "Label1(4)",
                           "Label1(5)",  "Label1(6)",  "Label1(7)",  "Label1(8)",  "Label1(9)",
                           "Label1(10)", "Label1(11)", "Label1(12)", "Label1(13)", "Label1(14)",
                           "LabelE",     "LabelMA",    "LabelED",    "Labelnon"}
            << "spesso di solito talvolta non sempre anche se in parte con sicurezza "
               "sufficientemente poco deve né dovrebbe molto abbastanza però e ma ed non ";
        QTest::newRow("appended whatever the caret")
            << QStringList{"type:ciao ", "home", "list:0", "home", "LabelE"} << "ciao d1 e ";
        QTest::newRow("descriptors of two areas")
            << QStringList{"list:1", "Lab8(3)", "list:1", "Labelvirg", "Lab8(1)", "list:0"}
            << "d2 b2, r1 ";
    }
    void insertions()
    {
        QFETCH(QStringList, actions);
        QFETCH(QString, expected);
        openFlexible(kMedia);
        newPupil(kMedia, QStringLiteral("ROSSI"), QStringLiteral("M"));
        actAll(actions);
        QCOMPARE(composed(), expected);
        QVERIFY(archiveRows().first().value("giudizio").isNull());
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
        openFlexible(kMedia);
        newPupil(kMedia, QStringLiteral("ROSSI"), QStringLiteral("M"));
        if (singleClickActivation) {
            m_style = std::make_unique<SingleClickStyle>();
            find<QListWidget>(kFlex, QStringLiteral("List1"))->setStyle(m_style.get());
        }
        act(QStringLiteral("list:1"));
        QCOMPARE(composed(), QStringLiteral("d2 "));
    }

    // One level of undo; only a descriptor click enables the button.
    void undo_data()
    {
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("undoEnabled");
        QTest::newRow("descriptor") << QStringList{"list:0", "list:1", "undo"} << "d1 " << false;
        QTest::newRow("word after descriptor")
            << QStringList{"list:0", "LabelMA"} << "d1 ma " << true;
        QTest::newRow("word after descriptor, undone")
            << QStringList{"list:0", "LabelMA", "undo"} << "d1 " << false;
        QTest::newRow("word only: nothing to undo")
            << QStringList{"LabelMA", "undo"} << "ma " << false;
        QTest::newRow("words after an undo stay locked")
            << QStringList{"list:0", "list:1", "undo", "LabelE", "undo"} << "d1 e " << false;
        QTest::newRow("mark after descriptor, undone")
            << QStringList{"list:0", "Labelpunt", "undo"} << "d1 " << false;
        QTest::newRow("only one level")
            << QStringList{"list:0", "list:1", "undo", "undo"} << "d1 " << false;
        QTest::newRow("typed text is kept")
            << QStringList{"type:bravo ", "list:2", "undo"} << "bravo " << false;
    }
    void undo()
    {
        QFETCH(QStringList, actions);
        QFETCH(QString, expected);
        QFETCH(bool, undoEnabled);
        openFlexible(kMedia);
        newPupil(kMedia, QStringLiteral("ROSSI"), QStringLiteral("M"));
        QVERIFY(!enabled(QStringLiteral("Cmdcancfrase")));
        actAll(actions);
        QCOMPARE(composed(), expected);
        QCOMPARE(enabled(QStringLiteral("Cmdcancfrase")), undoEnabled);
    }

    // Undo of a descriptor deselects it; undo of a word leaves the selection.
    void undoSelection_data()
    {
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<bool>("selected");
        QTest::newRow("descriptor") << QStringList{"list:1", "undo"} << false;
        QTest::newRow("word after descriptor") << QStringList{"list:1", "LabelE", "undo"} << true;
        QTest::newRow("mark after descriptor")
            << QStringList{"list:1", "Labelvirg", "undo"} << true;
    }
    void undoSelection()
    {
        QFETCH(QStringList, actions);
        QFETCH(bool, selected);
        openFlexible(kMedia);
        newPupil(kMedia, QStringLiteral("ROSSI"), QStringLiteral("M"));
        auto* list = find<QListWidget>(kFlex, QStringLiteral("List1"));
        actAll(actions.mid(0, 1));
        QVERIFY(list->item(1)->isSelected());
        actAll(actions.mid(1));
        QCOMPARE(list->item(1)->isSelected(), selected);
    }

    // Undo on an empty text, and of a mark put on an empty text.
    void undoOnEmptyText()
    {
        openFlexible(kMedia);
        newPupil(kMedia, QStringLiteral("ROSSI"), QStringLiteral("M"));
        actAll({"list:0", "clear"});
        QVERIFY(composed().isEmpty());
        // Clear-all leaves the undo button as it was.
        QVERIFY(enabled(QStringLiteral("Cmdcancfrase")));
        act(QStringLiteral("undo"));
        QVERIFY(composed().isEmpty());
        QVERIFY(enabled(QStringLiteral("Cmdcancfrase")));
        QCOMPARE(window(kFlex)->focusWidget(), static_cast<QWidget*>(textBox()));

        act(QStringLiteral("Labelpunt"));
        QCOMPARE(composed(), QStringLiteral(". "));
        act(QStringLiteral("undo"));
        QVERIFY(composed().size() <= 2);
        QVERIFY(!enabled(QStringLiteral("Cmdcancfrase")));
        // Composing goes on normally.
        act(QStringLiteral("clear"));
        actAll({"list:2", "Labelpunt"});
        QCOMPARE(composed(), QStringLiteral("d3. "));
    }

    void clearAll()
    {
        openFlexible(kMedia);
        newPupil(kMedia, QStringLiteral("ROSSI"), QStringLiteral("M"));
        actAll({"list:0", "Lab8(3)", "list:1"});
        QCOMPARE(highlightedArea(), 3);
        QCOMPARE(composed(), QStringLiteral("d1 b2 "));
        act(QStringLiteral("clear"));
        QVERIFY(composed().isEmpty());
        QCOMPARE(highlightedArea(), 0);
        QCOMPARE(int(appState().currentStep), 0);
        QCOMPARE(listItems(kFlex, QStringLiteral("List1")), (QStringList{"d1", "d2", "d3"}));
        QCOMPARE(listItems(kFlex, QStringLiteral("List2")),
                 (QStringList{QString::number(ordineOf(0)), QString::number(ordineOf(1)),
                              QString::number(ordineOf(2))}));
        QCOMPARE(window(kFlex)->focusWidget(), static_cast<QWidget*>(textBox()));
        QVERIFY(enabled(QStringLiteral("Cmdcancfrase")));
    }

    // Which buttons the teacher can use: at load, while composing, after saving.
    void buttonStates()
    {
        openFlexible(kMedia);
        auto* next = find<QPushButton>(kFlex, QStringLiteral("cmdsuccessivo"));
        QCOMPARE(next->text(), QStringLiteral("SCRIVO IL GIUDIZIO"));
        QVERIFY(!enabled(QStringLiteral("CmdSTAMPO")));
        QVERIFY(!enabled(QStringLiteral("cmdStampaFoglio")));
        QVERIFY(!enabled(QStringLiteral("Cmdcancfrase")));
        QVERIFY(!enabled(QStringLiteral("List1")));
        for (const QString& name : QStringList{"cmdsuccessivo", "CmaAltroModello", "cmdopzioni",
                                               "cmdesco", "Cmdmenù", "cmdmaiuscole", "cmdcancello"})
            QVERIFY2(enabled(name), qPrintable(name));
        QVERIFY(!findControl(kFlex, QStringLiteral("Command1"))->isVisible());

        click(kFlex, QStringLiteral("cmdsuccessivo"));
        QCOMPARE(next->text(), QStringLiteral("GIUDIZIO SUCCESSIVO"));
        for (const QString& name : kLocked)
            QVERIFY2(!enabled(name), qPrintable(name));
        QVERIFY(enabled(QStringLiteral("List1")));
        typePupil(entryOf(kMedia), QStringLiteral("ROSSI"), QStringLiteral("M"));
        click(entryOf(kMedia), QStringLiteral("cmdfatto"));
        for (const QString& name : kLocked)
            QVERIFY2(!enabled(name), qPrintable(name));
        QVERIFY(enabled(QStringLiteral("List1")));

        // An empty save is refused and unlocks nothing.
        {
            ModalAnswer answer(QMessageBox::Ok);
            save();
            QCOMPARE(answer.text(), kNothingToSave);
        }
        for (const QString& name : kLocked)
            QVERIFY2(!enabled(name), qPrintable(name));
        QVERIFY(archiveRows().first().value("giudizio").isNull());

        act(QStringLiteral("list:0"));
        QVERIFY(enabled(QStringLiteral("Cmdcancfrase")));
        save();
        for (const QString& name : kLocked)
            QVERIFY2(enabled(name), qPrintable(name));
        QVERIFY(enabled(QStringLiteral("List1")));
        QCOMPARE(next->text(), QStringLiteral("GIUDIZIO SUCCESSIVO"));
        QCOMPARE(composed(), QStringLiteral("D1 "));

        // The text stays editable and is saved again into the same row.
        actAll({"LabelE", "list:1", "Labelpunt"});
        save();
        const auto rows = archiveRows();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.first().value("giudizio").toString(), QStringLiteral("D1 e d2. "));
    }

    // Text typed before any pupil was entered has no row to go to: the
    // archive is left alone.
    void saveWithoutPupilWritesNothing()
    {
        chooseStart(QStringLiteral("Flessibile"), kMedia, 3);
        {
            QSqlQuery q(archiveStore().ArchiveDb->handle());
            QVERIFY(q.exec(QStringLiteral("INSERT INTO giudizi (nome, giudizio) VALUES "
                                          "('VECCHIO', 'testo vecchio')")));
        }
        click(kFlexMenu, QStringLiteral("Labprimo"));
        typeInto(textBox(), QStringLiteral("nuovo testo"));
        ModalAnswer answer(QMessageBox::Ok);
        save();
        QVERIFY(answer.answered());
        const auto rows = archiveRows();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.first().value("giudizio").toString(), QStringLiteral("testo vecchio"));
        QVERIFY(!enabled(QStringLiteral("CmdSTAMPO")));
        QVERIFY(!enabled(QStringLiteral("cmdStampaFoglio")));
    }

    // Capitals after ". " and gender endings, in the box and in the archive.
    void savingCapitalisesAndAppliesEndings_data()
    {
        QTest::addColumn<QString>("sex");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("boy, two sentences") << "M"
                                            << "il ragazz# è attent#. lavora con impegno. "
                                            << "Il ragazzo è attento. Lavora con impegno. ";
        QTest::newRow("girl, two sentences") << "F"
                                             << "la ragazz# è attent#. lavora con impegno. "
                                             << "La ragazza è attenta. Lavora con impegno. ";
        QTest::newRow("marker at 0 kept") << "F"
                                          << "#rav#. ok"
                                          << "#rava. Ok";
        QTest::newRow("marker at 1 kept") << "M"
                                          << "a# bell#"
                                          << "A# bello";
        QTest::newRow("period at 1 ignored") << "M"
                                             << "a.b"
                                             << "A.b";
        QTest::newRow("period then two blanks") << "F"
                                                << "uno.  due"
                                                << "Uno.  due";
        QTest::newRow("period typed without blank") << "M"
                                                    << "uno.due tre"
                                                    << "Uno.dUe tre";
        QTest::newRow("only the period ends a sentence") << "M"
                                                         << "si, no; forse? mah! poi. fine"
                                                         << "Si, no; forse? mah! poi. Fine";
        QTest::newRow("accented capitals") << "M"
                                           << "è brav#. è attent#. "
                                           << "È bravo. È attento. ";
        QTest::newRow("period second to last") << "F"
                                               << "cara. "
                                               << "Cara. ";
    }
    void savingCapitalisesAndAppliesEndings()
    {
        QFETCH(QString, sex);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        openFlexible(kMedia);
        newPupil(kMedia, QStringLiteral("ROSSI"), sex);
        typeInto(textBox(), typed);
        QCOMPARE(composed(), typed);
        save();
        QCOMPARE(composed(), expected);
        QCOMPARE(archiveRows().first().value("giudizio").toString(), expected);
        QVERIFY(archiveStore().HandedJudgments);
        QCOMPARE(archiveStore().HandedJudgments, archiveStore().CurrentJudgment);
        // Saving again changes nothing.
        save();
        QCOMPARE(composed(), expected);
        QCOMPARE(archiveRows().first().value("giudizio").toString(), expected);
    }

    // Texts longer than a 16-bit counter are saved whole, to the last marker.
    void longTextIsSavedWhole()
    {
        openFlexible(kMedia);
        newPupil(kMedia, QStringLiteral("ROSSI"), QStringLiteral("F"));
        const QString unit = QStringLiteral("la bambin# è attent#. ");
        const QString unitSaved = QStringLiteral("La bambina è attenta. ");
        const int count = 1600; // 35,200 characters
        QString text;
        for (int i = 0; i < count; ++i)
            text += unit;
        QVERIFY(text.size() > 32767);
        textBox()->setPlainText(text);
        save();
        const QString stored = archiveRows().first().value("giudizio").toString();
        QCOMPARE(stored.size(), text.size());
        QVERIFY(!stored.contains(QLatin1Char('#')));
        QCOMPARE(stored, unitSaved.repeated(count));
        QCOMPARE(composed(), stored);
    }

    // The print and attestato buttons refuse what they cannot do.
    void printRefusals_data()
    {
        QTest::addColumn<int>("target");
        QTest::addColumn<bool>("emptyText");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("message");
        QTest::newRow("card, empty text") << 3 << true << "CmdSTAMPO" << kNothingToPrint;
        QTest::newRow("attestato, empty text") << 3 << true << "cmdStampaFoglio" << kNothingToPrint;
        QTest::newRow("attestato, empty text, card target")
            << 0 << true << "cmdStampaFoglio" << kNothingToPrint;
        QTest::newRow("attestato, card target") << 0 << false << "cmdStampaFoglio" << kCardTarget;
    }
    void printRefusals()
    {
        QFETCH(int, target);
        QFETCH(bool, emptyText);
        QFETCH(QString, button);
        QFETCH(QString, message);
        openFlexible(kMedia, target);
        newPupil(kMedia, QStringLiteral("ROSSI"), QStringLiteral("M"));
        act(QStringLiteral("list:0"));
        save();
        if (emptyText)
            act(QStringLiteral("clear"));
        const QString caller = appState().callerScreen;
        auto handed = archiveStore().HandedJudgments;
        ModalAnswer answer(QMessageBox::Ok);
        click(kFlex, button);
        QVERIFY(answer.answered());
        QCOMPARE(answer.text(), message);
        QCOMPARE(appState().callerScreen, caller);
        QCOMPARE(archiveStore().HandedJudgments, handed);
        QVERIFY(isShown(kFlex));
        QCOMPARE(archiveRows().first().value("giudizio").toString(), QStringLiteral("D1 "));
    }

    // The menu and back through its term entry: text and undo survive.
    void menuRoundTripKeepsTextAndUndo()
    {
        openFlexible(kMedia);
        newPupil(kMedia, QStringLiteral("ROSSI"), QStringLiteral("M"));
        act(QStringLiteral("list:0"));
        save();
        actAll({"Lab8(1)", "list:1"});
        QCOMPARE(composed(), QStringLiteral("D1 r2 "));
        QVERIFY(enabled(QStringLiteral("Cmdcancfrase")));

        click(kFlex, QStringLiteral("Cmdmenù"));
        QVERIFY(!isShown(kFlex));
        QVERIFY(isShown(kFlexMenu));
        click(kFlexMenu, QStringLiteral("Labprimo"));
        QVERIFY(isShown(kFlex));
        QVERIFY(!isShown(kFlexMenu));
        QCOMPARE(composed(), QStringLiteral("D1 r2 "));
        QCOMPARE(find<QLabel>(kFlex, QStringLiteral("Label2"))->text(), QStringLiteral("ROSSI"));
        QVERIFY(enabled(QStringLiteral("Cmdcancfrase")));
        act(QStringLiteral("undo"));
        QCOMPARE(composed(), QStringLiteral("D1 "));
        QVERIFY(!enabled(QStringLiteral("Cmdcancfrase")));

        // A state without undo survives as well.
        click(kFlex, QStringLiteral("Cmdmenù"));
        click(kFlexMenu, QStringLiteral("Labsecondo"));
        QCOMPARE(composed(), QStringLiteral("D1 "));
        QVERIFY(!enabled(QStringLiteral("Cmdcancfrase")));
        // Saving still writes the pupil's row.
        act(QStringLiteral("LabelE"));
        save();
        QCOMPARE(archiveRows().first().value("giudizio").toString(), QStringLiteral("D1 e "));
        QVERIFY(m_run->endStatuses().isEmpty());
    }

    void switchToRigidModel()
    {
        openFlexible(kMedia);
        click(kFlex, QStringLiteral("CmaAltroModello"));
        QCOMPARE(appState().model, QStringLiteral("Rigido"));
        QVERIFY(isShown(QStringLiteral("FavviogiudixRIG")));
        QVERIFY(!isShown(kFlex));
        QVERIFY(!isShown(kFlexMenu));
    }

    // The next pupil never silently replaces text the archive has not got.
    void unsavedTextIsNotReplacedWithoutAsking()
    {
        openFlexible(kMedia);
        // Typed before any pupil was entered.
        typeInto(textBox(), QStringLiteral("appunti"));
        {
            ModalAnswer no(QMessageBox::No);
            click(kFlex, QStringLiteral("cmdsuccessivo"));
            QVERIFY(no.text().contains(QStringLiteral("non ancora salvate")));
        }
        QVERIFY(!isShown(entryOf(kMedia)));
        QCOMPARE(composed(), QStringLiteral("appunti"));
        QVERIFY(enabled(QStringLiteral("cmdsuccessivo")));
        textBox()->clear();
        newPupil(kMedia, QStringLiteral("ROSSI"), QStringLiteral("M"));
        act(QStringLiteral("list:0"));
        save();
        // Saved: no question.
        click(kFlex, QStringLiteral("cmdsuccessivo"));
        QVERIFY(isShown(entryOf(kMedia)));
        typePupil(entryOf(kMedia), QStringLiteral("BIANCHI"), QStringLiteral("F"));
        click(entryOf(kMedia), QStringLiteral("cmdfatto"));
        act(QStringLiteral("list:1"));
        save();
        // Edited after saving: asked, and Yes goes on.
        typeInto(textBox(), QStringLiteral(" ancora"));
        ModalAnswer yes(QMessageBox::Yes);
        click(kFlex, QStringLiteral("cmdsuccessivo"));
        QVERIFY(yes.answered());
        QVERIFY(isShown(entryOf(kMedia)));
    }

    // Each screen keeps its own pupil: after the other model's screen has
    // entered another pupil, a save and a hand-over here still concern this one.
    void eachScreenKeepsItsPupil()
    {
        openFlexible(kMedia, 3);
        newPupil(kMedia, QStringLiteral("BIANCHI ANNA"), QStringLiteral("F"));
        act(QStringLiteral("type:attent#. "));
        save();
        click(kFlex, QStringLiteral("CmaAltroModello"));
        click(QStringLiteral("FavviogiudixRIG"), QStringLiteral("LabAq1"));
        const QString rigid = QStringLiteral("FgiudixRIGID");
        click(rigid, QStringLiteral("cmdsuccessivo"));
        typePupil(entryOf(kMedia), QStringLiteral("ROSSI MARIO"), QStringLiteral("M"));
        click(entryOf(kMedia), QStringLiteral("cmdfatto"));
        clickListItem(rigid, QStringLiteral("List1"), 0);
        click(rigid, QStringLiteral("cmdmaiuscole"));
        click(rigid, QStringLiteral("CmaAltroModello"));
        click(kFlexMenu, QStringLiteral("Labprimo"));
        QCOMPARE(composed(), QStringLiteral("Attenta. "));
        act(QStringLiteral("type:sicur#."));
        save();
        const QList<QVariantMap> rows = archiveRows();
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.at(0).value(QStringLiteral("nome")).toString(),
                 QStringLiteral("BIANCHI ANNA"));
        QCOMPARE(rows.at(0).value(QStringLiteral("giudizio")).toString(),
                 QStringLiteral("Attenta. Sicura."));
        QVERIFY(!rows.at(1)
                     .value(QStringLiteral("giudizio"))
                     .toString()
                     .contains(QStringLiteral("Sicur")));
        ModalAnswer schoolData(QStringList{"Scuola", "Girasole", "Via Roma", "Neri", "trimestre"});
        click(kFlex, QStringLiteral("cmdStampaFoglio"));
        QCOMPARE(schoolData.texts().size(), 5);
        QCOMPARE(find<QLabel>(QStringLiteral("FStampaFoglio"), QStringLiteral("LabAlunno"))->text(),
                 QStringLiteral("BIANCHI ANNA"));
    }

    // A double click acts once, and never on what appears under the mouse.
    void doubleClickActsOnce()
    {
        openFlexible(kMedia);
        newPupil(kMedia, QStringLiteral("ROSSI"), QStringLiteral("M"));
        doubleClick(kFlex, QStringLiteral("LabelE"));
        QCOMPARE(composed(), QStringLiteral("e "));
    }

    void escoEndsWithoutSaving()
    {
        openFlexible(kMedia);
        newPupil(kMedia, QStringLiteral("ROSSI"), QStringLiteral("M"));
        act(QStringLiteral("list:0"));
        save();
        act(QStringLiteral("list:1"));
        click(kFlex, QStringLiteral("cmdesco"));
        QCOMPARE(m_run->endStatuses(), QList<int>{0});
        QCOMPARE(archiveRows().first().value("giudizio").toString(), QStringLiteral("D1 "));
    }

    // Word and punctuation labels turn white while pressed, black on release;
    // only a release inside the label inserts.
    void pressFeedback_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("releaseInside");
        QTest::addColumn<QString>("expected");
        QTest::newRow("spesso") << "Label1(0)" << true << "spesso ";
        QTest::newRow("però") << "Label1(14)" << true << "però ";
        QTest::newRow("e") << "LabelE" << true << "e ";
        QTest::newRow("ma") << "LabelMA" << true << "ma ";
        QTest::newRow("ed") << "LabelED" << true << "ed ";
        QTest::newRow("non") << "Labelnon" << true << "non ";
        QTest::newRow("period") << "Labelpunt" << true << ". ";
        QTest::newRow("comma") << "Labelvirg" << true << ", ";
        QTest::newRow("semicolon") << "Labelpuntvirg" << true << "; ";
        QTest::newRow("released outside") << "LabelMA" << false << "";
    }
    void pressFeedback()
    {
        QFETCH(QString, label);
        QFETCH(bool, releaseInside);
        QFETCH(QString, expected);
        openFlexible(kMedia);
        newPupil(kMedia, QStringLiteral("ROSSI"), QStringLiteral("M"));
        QWidget* w = findControl(kFlex, label);
        QVERIFY(w);
        QCOMPARE(textColor(w), QColor(Qt::black));
        QTest::mousePress(w, Qt::LeftButton);
        QCOMPARE(textColor(w), QColor(Qt::white));
        QVERIFY(composed().isEmpty());
        if (releaseInside)
            QTest::mouseRelease(w, Qt::LeftButton);
        else
            QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(-10, -10));
        QCOMPARE(textColor(w), QColor(Qt::black));
        QCOMPARE(composed(), expected);
    }
};

QTEST_MAIN(TestComposeFlexible)
#include "tst_compose_flexible.moc"

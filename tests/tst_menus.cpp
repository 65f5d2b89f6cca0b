// The writing menus: terms and class groups, the catalogues they load into the
// composition screens, and the colours of the area labels.
#include "app/application.h"
#include "data/AppState.h"
#include "data/ArchiveStore.h"
#include "platform/Colors.h"
#include "support/TestSupport.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QSqlQuery>
#include <QTest>

using namespace giudizi;
using namespace giudizi::test;

namespace {
const QString kFlexMenu = QStringLiteral("Favviogiudix2");
const QString kRigidMenu = QStringLiteral("FavviogiudixRIG");

// Lab8 labels of a composition screen: which is highlighted, and are the others normal?
int highlightedArea(const QString& window, int count)
{
    int current = -1;
    for (int i = 0; i < count; ++i) {
        const QColor c = background(findControl(window, QStringLiteral("Lab8(%1)").arg(i)));
        if (c == colors::areaCurrent) {
            if (current >= 0)
                return -2;
            current = i;
        } else if (c != colors::areaNormal) {
            return -3;
        }
    }
    return current;
}
} // namespace

class TestMenus : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramRun> m_run;

private slots:
    void init() { m_run = std::make_unique<ProgramRun>(); }
    void cleanup() { m_run.reset(); }

    void flexibleTermsLoadTheirCatalogueInOrder_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("term");
        QTest::addColumn<QString>("caption");
        QTest::newRow("first") << "Labprimo" << 1 << "1°T/Q";
        QTest::newRow("second") << "Labsecondo" << 2 << "2°T/Q";
        QTest::newRow("third") << "Labterzo" << 3 << "3°Trim.";
    }
    void flexibleTermsLoadTheirCatalogueInOrder()
    {
        QFETCH(QString, entry);
        QFETCH(int, term);
        QFETCH(QString, caption);
        chooseStart(QStringLiteral("Flessibile"), QStringLiteral("Medie"), 0);
        const QString table = QStringLiteral("socioaffettiv%1").arg(term);
        execDescriptors(QStringLiteral("DELETE FROM %1").arg(table));
        // Stored out of order: the list must follow ordine.
        execDescriptors(QStringLiteral("INSERT INTO %1 (ordine, descrittori) VALUES (2, 'terza'), "
                                       "(0, 'prima'), (1, 'seconda d''esempio')")
                            .arg(table));
        const int termBefore = appState().currentClass;
        click(kFlexMenu, entry);
        QCOMPARE(int(appState().currentTerm), term);
        QCOMPARE(int(appState().currentClass), termBefore);
        QVERIFY(!window(kFlexMenu)->isVisible());
        QVERIFY(window(QStringLiteral("Fgiudix2"))->isVisible());
        QCOMPARE(find<QLabel>(QStringLiteral("Fgiudix2"), QStringLiteral("LabTQ"))->text(),
                 caption);
        QCOMPARE(listItems(QStringLiteral("Fgiudix2"), QStringLiteral("List1")),
                 (QStringList{"prima", "seconda d'esempio", "terza"}));
        QCOMPARE(listItems(QStringLiteral("Fgiudix2"), QStringLiteral("List2")),
                 (QStringList{"0", "1", "2"}));
        QCOMPARE(int(appState().descriptorCount), 3);
        QCOMPARE(highlightedArea(QStringLiteral("Fgiudix2"), 4), 0);
    }

    void choosingATermAgainRecoloursAndReloads()
    {
        chooseStart(QStringLiteral("Flessibile"), QStringLiteral("Medie"), 0);
        click(kFlexMenu, QStringLiteral("Labprimo"));
        click(QStringLiteral("Fgiudix2"), QStringLiteral("Lab8(2)"));
        QCOMPARE(highlightedArea(QStringLiteral("Fgiudix2"), 4), 2);
        click(QStringLiteral("Fgiudix2"), QStringLiteral("Cmdmenù"));
        QVERIFY(window(kFlexMenu)->isVisible());
        execDescriptors(QStringLiteral("DELETE FROM socioaffettiv2"));
        execDescriptors(
            QStringLiteral("INSERT INTO socioaffettiv2 (ordine, descrittori) VALUES (0, 'nuova')"));
        click(kFlexMenu, QStringLiteral("Labsecondo"));
        QCOMPARE(highlightedArea(QStringLiteral("Fgiudix2"), 4), 0);
        QCOMPARE(listItems(QStringLiteral("Fgiudix2"), QStringLiteral("List1")),
                 QStringList{"nuova"});
    }

    void emptyCatalogueOpensEmptyLists()
    {
        chooseStart(QStringLiteral("Flessibile"), QStringLiteral("Medie"), 0);
        execDescriptors(QStringLiteral("DELETE FROM socioaffettiv1"));
        click(kFlexMenu, QStringLiteral("Labprimo"));
        QVERIFY(window(QStringLiteral("Fgiudix2"))->isVisible());
        QVERIFY(listItems(QStringLiteral("Fgiudix2"), QStringLiteral("List1")).isEmpty());
        QCOMPARE(int(appState().descriptorCount), 0);

        click(QStringLiteral("Fgiudix2"), QStringLiteral("Cmdmenù"));
        click(kFlexMenu, QStringLiteral("Label1"));
        chooseStart(QStringLiteral("Rigido"), QStringLiteral("Medie"), 0);
        execDescriptors(QStringLiteral("DELETE FROM classeAq1 WHERE tipo = 1"));
        click(kRigidMenu, QStringLiteral("LabAq1"));
        QVERIFY(window(QStringLiteral("FgiudixRIGID"))->isVisible());
        QVERIFY(listItems(QStringLiteral("FgiudixRIGID"), QStringLiteral("List1")).isEmpty());
        QVERIFY(find<QLabel>(QStringLiteral("FgiudixRIGID"), QStringLiteral("LabINIZIO"))
                    ->text()
                    .isEmpty());
        QVERIFY(m_run->endStatuses().isEmpty());
    }

    void rigidGroupsSetClassTermAndFirstAspect_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("term");
        QTest::addColumn<int>("group");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("entryTerm"); // Elementare entry's term list afterwards
        QTest::newRow("Aq1") << "LabAq1"
                             << "classeAq1" << 1 << 1 << "1°2°M 4°E 1°T/Q"
                             << "3";
        QTest::newRow("Aq2") << "LabAq2"
                             << "classeAq2" << 2 << 1 << "1°2°M 4°E 2°T/Q"
                             << "2";
        QTest::newRow("Bq1") << "LabBq1"
                             << "classeBq1" << 1 << 3 << "3°M 5°E 1°T/Q"
                             << "1";
        QTest::newRow("Bq2") << "LabBq2"
                             << "classeBq2" << 2 << 3 << "3°M 5°E 2°T/Q"
                             << "2";
    }
    void rigidGroupsSetClassTermAndFirstAspect()
    {
        QFETCH(QString, entry);
        QFETCH(QString, table);
        QFETCH(int, term);
        QFETCH(int, group);
        QFETCH(QString, caption);
        QFETCH(QString, entryTerm);
        chooseStart(QStringLiteral("Rigido"), QStringLiteral("Elementari"), 0);
        execDescriptors(QStringLiteral("DELETE FROM %1 WHERE tipo = 1").arg(table));
        execDescriptors(
            QStringLiteral("INSERT INTO %1 (tipo, ordine, indicatore, inizio, area) VALUES "
                           "(1, 1, 'seconda.', NULL, NULL), (1, 0, 'prima.', 'L''alunn# è', "
                           "'Comportamento'), (2, 0, 'altro aspetto.', 'Altro', 'Partecipazione')")
                .arg(table));
        // A preset "3" shows which entries leave the Elementare term list alone.
        click(kRigidMenu, QStringLiteral("LabBq1")); // creates the screens
        click(QStringLiteral("FgiudixRIGID"), QStringLiteral("Cmdmenù"));
        auto* combo = find<QComboBox>(QStringLiteral("FimmissioELEM"), QStringLiteral("Combo4"));
        QVERIFY(combo);
        combo->setEditText(QStringLiteral("3"));

        click(kRigidMenu, entry);
        QCOMPARE(int(appState().currentTerm), term);
        QCOMPARE(int(appState().currentClass), group);
        QCOMPARE(combo->currentText(), entryTerm);
        const QString screen = QStringLiteral("FgiudixRIGID");
        QVERIFY(window(screen)->isVisible());
        QVERIFY(!window(kRigidMenu)->isVisible());
        QCOMPARE(find<QLabel>(screen, QStringLiteral("LabTQ"))->text(), caption);
        QCOMPARE(find<QLabel>(screen, QStringLiteral("LabINIZIO"))->text(),
                 QStringLiteral("L'alunn# è"));
        QCOMPARE(listItems(screen, QStringLiteral("List1")), (QStringList{"prima.", "seconda."}));
        QCOMPARE(listItems(screen, QStringLiteral("List2")), (QStringList{"0", "1"}));
        QCOMPARE(int(appState().descriptorCount), 2);
        QCOMPARE(highlightedArea(screen, 10), 0);
    }

    void nullOpeningWordsLeaveLabINIZIOEmpty()
    {
        chooseStart(QStringLiteral("Rigido"), QStringLiteral("Medie"), 0);
        execDescriptors(QStringLiteral("UPDATE classeBq1 SET inizio = NULL WHERE tipo = 1"));
        click(kRigidMenu, QStringLiteral("LabBq1"));
        QVERIFY(find<QLabel>(QStringLiteral("FgiudixRIGID"), QStringLiteral("LabINIZIO"))
                    ->text()
                    .isEmpty());
    }
};

QTEST_MAIN(TestMenus)
#include "tst_menus.moc"

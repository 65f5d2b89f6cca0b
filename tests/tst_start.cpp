// The start screen and the two writing menus, driven as a teacher would.
#include "app/application.h"
#include "data/AppState.h"
#include "data/ArchiveStore.h"
#include "data/DataFolder.h"
#include "data/Database.h"
#include "platform/Colors.h"
#include "shared/Guide.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QTest>

using namespace giudizi;
using namespace giudizi::test;

namespace {
const QString kFavvio = QStringLiteral("Favvio");

bool visible(const QString& window, const QString& control)
{
    QWidget* w = findControl(window, control);
    return w && w->isVisible();
}

void typePassword(const QString& text)
{
    find<QLineEdit>(kFavvio, QStringLiteral("TXTpassword"))->setText(text);
}

void storePassword(const QVariant& value)
{
    QSqlQuery q(archiveStore().ArchiveDb->handle());
    q.prepare(QStringLiteral("UPDATE scuola SET password = ?"));
    q.addBindValue(value);
    QVERIFY(q.exec());
}

QString storedPassword()
{
    QSqlQuery q(archiveStore().ArchiveDb->handle());
    q.exec(QStringLiteral("SELECT password FROM scuola"));
    q.next();
    return q.value(0).toString();
}
} // namespace

class TestStart : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramRun> m_run;

private slots:
    void init() { m_run = std::make_unique<ProgramRun>(false); }
    void cleanup() { m_run.reset(); }

    void firstRunCreatesDataAndAsksPassword()
    {
        QVERIFY(!QFile::exists(QStringLiteral("pergiudix")));
        QVERIFY(startApplication());
        QVERIFY(QFile::exists(datafiles::archivePath()));
        QVERIFY(visible(kFavvio, QStringLiteral("Frame3")));
        for (const char* hidden : {"Frame1", "Frame2", "Frame4", "Text1", "CmdStampaHelp",
                                   "CmdNascondi", "TXTverificaPass"})
            QVERIFY2(!visible(kFavvio, QString::fromLatin1(hidden)), hidden);
        QVERIFY(visible(kFavvio, QStringLiteral("LabHELP")));
        // A second run keeps what the first stored.
        storePassword(QStringLiteral("nuova"));
        QVERIFY(startApplication());
        QCOMPARE(storedPassword(), QStringLiteral("nuova"));
        QVERIFY(m_run->endStatuses().isEmpty());
    }

    void unusableArchiveEndsWithStatusOne()
    {
        QVERIFY(startApplication());
        archiveStore().reset();
        QVERIFY(QFile::remove(datafiles::descriptorPath()));
        ModalAnswer answer(QMessageBox::Ok);
        QVERIFY(!startApplication());
        QVERIFY(answer.answered());
        QVERIFY2(answer.text().contains(QStringLiteral("DBgiudix2.mdb")),
                 qPrintable(answer.text()));
        QCOMPARE(m_run->endStatuses(), QList<int>{1});
        QVERIFY(!QFile::exists(datafiles::descriptorPath()));
    }

    void passwordIsTrimmedAtLogin_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("enters");
        QTest::newRow("exact") << "scuola" << true;
        QTest::newRow("blanks around") << "  scuola " << true;
        QTest::newRow("wrong case") << "Scuola" << false;
        QTest::newRow("wrong") << "scuol" << false;
        QTest::newRow("empty") << "" << false;
    }
    void passwordIsTrimmedAtLogin()
    {
        QFETCH(QString, typed);
        QFETCH(bool, enters);
        QVERIFY(startApplication());
        typePassword(typed);
        ModalAnswer answer(QMessageBox::Ok);
        click(kFavvio, QStringLiteral("CmdEntra"));
        QCOMPARE(answer.answered(), !enters);
        if (!enters)
            QCOMPARE(answer.text(), QStringLiteral("La password non è corretta. Riprova."));
        QCOMPARE(visible(kFavvio, QStringLiteral("Frame1")), enters);
        QCOMPARE(visible(kFavvio, QStringLiteral("Frame3")), !enters);
        QVERIFY(find<QLineEdit>(kFavvio, QStringLiteral("TXTpassword"))->text().isEmpty());
    }

    void nullStoredPasswordLetsNoOneInButCanBeChanged()
    {
        QVERIFY(startApplication());
        storePassword(QVariant(QMetaType(QMetaType::QString)));
        typePassword(QString());
        {
            ModalAnswer answer(QMessageBox::Ok);
            click(kFavvio, QStringLiteral("CmdEntra"));
            QVERIFY(answer.answered());
        }
        // The change takes an empty previous password.
        click(kFavvio, QStringLiteral("CmdCambioPass"));
        typePassword(QStringLiteral("prima"));
        click(kFavvio, QStringLiteral("CmdCambioPass"));
        QCOMPARE(storedPassword(), QStringLiteral("prima"));
        click(kFavvio, QStringLiteral("CmdEntra"));
        QVERIFY(visible(kFavvio, QStringLiteral("Frame1")));
    }

    void passwordChangeInTwoClicks()
    {
        QVERIFY(startApplication());
        auto* cambio = find<QPushButton>(kFavvio, QStringLiteral("CmdCambioPass"));
        auto* previous = find<QLineEdit>(kFavvio, QStringLiteral("TXTverificaPass"));
        click(kFavvio, QStringLiteral("CmdCambioPass"));
        QCOMPARE(cambio->text(), QStringLiteral("Scrivi in alto la nuova password; sotto, quella "
                                                "precedente, poi clicca qui"));
        QVERIFY(!visible(kFavvio, QStringLiteral("CmdEntra")));
        QVERIFY(previous->isVisible());

        // Blanks around the previous password matter during a change.
        typePassword(QStringLiteral("  maestra  "));
        previous->setText(QStringLiteral(" scuola"));
        {
            ModalAnswer answer(QMessageBox::Ok);
            click(kFavvio, QStringLiteral("CmdCambioPass"));
            QCOMPARE(answer.text(),
                     QStringLiteral("La password precedente non è corretta. Riprova"));
        }
        QCOMPARE(storedPassword(), QStringLiteral("scuola"));
        QCOMPARE(cambio->text(), QStringLiteral("Cambio la Password"));
        QVERIFY(
            !visible(kFavvio, QStringLiteral("CmdEntra"))); // stays hidden until a change succeeds
        QVERIFY(previous->isVisible());

        click(kFavvio, QStringLiteral("CmdCambioPass"));
        previous->setText(QStringLiteral("scuola"));
        click(kFavvio, QStringLiteral("CmdCambioPass"));
        QCOMPARE(storedPassword(), QStringLiteral("maestra")); // stored trimmed
        QVERIFY(visible(kFavvio, QStringLiteral("CmdEntra")));
        QVERIFY(!previous->isVisible());
        click(kFavvio, QStringLiteral("CmdEntra")); // the box keeps the new password
        QVERIFY(visible(kFavvio, QStringLiteral("Frame1")));
    }

    void threeStepsStoreTheChoices_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("level");
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("menu");
        QTest::newRow("flexible media card") << "Flessibile"
                                             << "Medie" << 0 << ""
                                             << "Favviogiudix2";
        QTest::newRow("rigid elem") << "Rigido"
                                    << "Elementari" << 3 << "AttestatoCON"
                                    << "FavviogiudixRIG";
        QTest::newRow("flexible media 2") << "Flessibile"
                                          << "Medie" << 2 << "giaintestatasenza"
                                          << "Favviogiudix2";
    }
    void threeStepsStoreTheChoices()
    {
        QFETCH(QString, model);
        QFETCH(QString, level);
        QFETCH(int, option);
        QFETCH(QString, target);
        QFETCH(QString, menu);
        startAndEnter();
        chooseStart(model, level, option);
        QCOMPARE(appState().model, model);
        QCOMPARE(appState().schoolLevel, level);
        QCOMPARE(appState().printTarget, target);
        QVERIFY(!window(kFavvio)->isVisible());
        QVERIFY(window(menu)->isVisible());
        QVERIFY(archiveStore().DescriptorDb && archiveStore().PrintSettingsDb);
        QVERIFY(archiveStore().CurrentJudgment);
        QCOMPARE(archiveStore().CurrentJudgment->table(), QStringLiteral("giudizi"));
        // Back to the start screen: model step, no password, and the same option works again.
        click(menu, QStringLiteral("Label1"));
        QVERIFY(window(kFavvio)->isVisible());
        QVERIFY(visible(kFavvio, QStringLiteral("Frame1")));
        QVERIFY(!visible(kFavvio, QStringLiteral("Frame3")));
        QVERIFY(window(menu)->isVisible()); // the menu stays under the start screen
        QVERIFY(
            !find<QRadioButton>(kFavvio, QStringLiteral("Option1(%1)").arg(option))->isChecked());
        chooseStart(model, level, option);
        QCOMPARE(appState().printTarget, target);
        QVERIFY(!window(kFavvio)->isVisible());
    }

    void doubleClickOnAChoiceMakesOnlyThatChoice()
    {
        startAndEnter();
        doubleClick(kFavvio, QStringLiteral("LabFlessibile"));
        QCOMPARE(appState().model, QStringLiteral("Flessibile"));
        QVERIFY(appState().schoolLevel.isEmpty());
        QVERIFY(visible(kFavvio, QStringLiteral("Frame2")));
    }

    void guideShowsAndHides()
    {
        const QStringList lines = guideLines();
        QCOMPARE(lines.size(), 61);
        for (int empty : {10, 20, 25, 27, 41, 51, 55, 58, 61})
            QVERIFY2(lines.at(empty - 1).isEmpty(), qPrintable(QString::number(empty)));
        QVERIFY(
            lines.at(2).startsWith(QStringLiteral(" 2.  Il programma è composto da sei moduli:")));
        QVERIFY(lines.at(20).startsWith(QStringLiteral("               PER CREARE UNA COPIA")));
        QVERIFY(lines.at(53).contains(QStringLiteral("DBgiudix2.mdb")));
        QVERIFY(!guideText().contains(QStringLiteral("C:\\")));
        QVERIFY(guideText().startsWith(
            QStringLiteral("\r\n") + QString(31, QLatin1Char(' ')) +
            QStringLiteral("GUIDA RAPIDA ALL'USO DELL'APPLICAZIONE\r\n\r\n")));

        // At the password step the model frame stays hidden after the guide.
        QVERIFY(startApplication());
        click(kFavvio, QStringLiteral("LabHELP"));
        QVERIFY(visible(kFavvio, QStringLiteral("Text1")));
        QVERIFY(visible(kFavvio, QStringLiteral("CmdNascondi")));
        QCOMPARE(
            find<QPlainTextEdit>(kFavvio, QStringLiteral("Text1"))->toPlainText(),
            QString(appState().guideText).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        click(kFavvio, QStringLiteral("CmdNascondi"));
        QVERIFY(!visible(kFavvio, QStringLiteral("Text1")));
        QVERIFY(!visible(kFavvio, QStringLiteral("Frame1")));
        // At the model step it comes back.
        typePassword(QStringLiteral("scuola"));
        click(kFavvio, QStringLiteral("CmdEntra"));
        click(kFavvio, QStringLiteral("LabHELP"));
        QVERIFY(!visible(kFavvio, QStringLiteral("Frame1")));
        click(kFavvio, QStringLiteral("CmdNascondi"));
        QVERIFY(visible(kFavvio, QStringLiteral("Frame1")));

        // The menus' guide; the flexible one hides its box when clicked.
        chooseStart(QStringLiteral("Flessibile"), QStringLiteral("Medie"), 0);
        const QString menu = QStringLiteral("Favviogiudix2");
        click(menu, QStringLiteral("LabHELP"));
        QVERIFY(visible(menu, QStringLiteral("Text1")));
        auto* box = find<QPlainTextEdit>(menu, QStringLiteral("Text1"));
        QTest::mouseClick(box->viewport(), Qt::LeftButton);
        QVERIFY(!box->isVisible());
        QVERIFY(visible(menu, QStringLiteral("CmdNascondi")));
        click(menu, QStringLiteral("CmdNascondi"));
        QVERIFY(!visible(menu, QStringLiteral("CmdNascondi")));
    }

    void escoEndsWithStatusZero_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::newRow("start") << "Favvio"
                               << "CmdEsco";
        QTest::newRow("flexible menu") << "Favviogiudix2"
                                       << "Labesco";
        QTest::newRow("flexible screen") << "Fgiudix2"
                                         << "cmdesco";
    }
    void escoEndsWithStatusZero()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        startAndEnter();
        if (window != kFavvio) {
            chooseStart(QStringLiteral("Flessibile"), QStringLiteral("Medie"), 0);
            if (window == QLatin1String("Fgiudix2"))
                click(QStringLiteral("Favviogiudix2"), QStringLiteral("Labprimo"));
        }
        click(window, control);
        QCOMPARE(m_run->endStatuses(), QList<int>{0});
    }
};

QTEST_MAIN(TestStart)
#include "tst_start.moc"

// The print-position screen: the margin steps and their limits on their own,
// then the real screen opened from the composition screens, every click
// stored at once in the posizione row of the selected print kind.
#include "data/AppState.h"
#include "data/ArchiveStore.h"
#include "platform/Colors.h"
#include "platform/ScreenRegistry.h"
#include "printing/FimpostaSTAMPA.h"
#include "printing/MarginStep.h"
#include "support/TestSupport.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

using namespace giudizi;
using namespace giudizi::test;

Q_DECLARE_METATYPE(giudizi::MarginMove)

namespace {

const QString kScreen = QStringLiteral("FimpostaSTAMPA");
const QString kLess = QStringLiteral("Meno di così non si può...");
const QString kMore = QStringLiteral("Più di così non si può...");
const QColor kSelected(192, 192, 255); // &HFFC0C0

// The row with some columns moved by the given amounts.
QVariantMap shifted(QVariantMap row, const QVariantMap& deltas)
{
    for (auto it = deltas.begin(); it != deltas.end(); ++it)
        row[it.key()] = row.value(it.key()).toInt() + it.value().toInt();
    return row;
}

// Rows compared column by column, numbers as numbers.
void compareRows(const QVariantMap& actual, const QVariantMap& expected)
{
    QCOMPARE(actual.keys(), expected.keys());
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        const QVariant a = actual.value(it.key());
        if (it.key() == QLatin1String("stampacosa"))
            QCOMPARE(a.toString(), it.value().toString());
        else
            QVERIFY2(a.isNull() == it.value().isNull() && a.toInt() == it.value().toInt(),
                     qPrintable(QStringLiteral("%1: %2, expected %3")
                                    .arg(it.key(), a.toString(), it.value().toString())));
    }
}

Outline shownOutline()
{
    auto* area = find<QLabel>(kScreen, QStringLiteral("AREAstampa"));
    if (!area)
        return {};
    return {area->property("outlineLeft").toDouble(), area->property("outlineWidth").toDouble(),
            area->property("outlineTop").toDouble()};
}

QColor buttonFace()
{
    return QApplication::palette().color(QPalette::Button);
}

} // namespace

class TestPrintPositions : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramRun> m_run;
    QString m_compose;

    // The menu of `model`, where the databases are open; the composition
    // screen is not yet shown.
    void startAtMenu(const QString& model = QStringLiteral("Flessibile"))
    {
        m_run = std::make_unique<ProgramRun>();
        chooseStart(model, QStringLiteral("Medie"), 0);
        QVERIFY(archiveStore().PrintSettingsDb);
    }

    // From the menu to the composition screen, and its "Opzioni di stampa".
    void openPositionScreen(const QString& model = QStringLiteral("Flessibile"))
    {
        const bool rigid = model == QLatin1String("Rigido");
        m_compose = rigid ? QStringLiteral("FgiudixRIGID") : QStringLiteral("Fgiudix2");
        if (!window(m_compose) || !window(m_compose)->isVisible())
            click(rigid ? QStringLiteral("FavviogiudixRIG") : QStringLiteral("Favviogiudix2"),
                  rigid ? QStringLiteral("LabAq1") : QStringLiteral("Labprimo"));
        click(m_compose, QStringLiteral("cmdopzioni"));
        QCOMPARE(appState().callerScreen, m_compose);
        QWidget* screen = window(kScreen);
        QVERIFY(screen && screen->isVisible());
    }

    FimpostaSTAMPA* screen() const { return qobject_cast<FimpostaSTAMPA*>(window(kScreen)); }

    void clickTimes(const QString& control, int times)
    {
        for (int i = 0; i < times; ++i)
            click(kScreen, control);
    }

private slots:
    void cleanup() { m_run.reset(); }

    // ---- the margin steps, without a window ----

    void stepMovesOneMarginOfTheSelectedSet_data()
    {
        QTest::addColumn<MarginMove>("move");
        QTest::addColumn<QString>("set");
        QTest::addColumn<QString>("printColumn");
        QTest::addColumn<double>("printDelta");
        QTest::addColumn<QString>("outlineColumn");
        QTest::addColumn<double>("outlineDelta");
        QTest::addColumn<double>("left"); // the outline afterwards, from 800, 2000, 2500
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("top");
        const struct {
            MarginMove move;
            const char* name;
            const char* print;
            double printDelta;
            const char* outline;
            double outlineDelta;
            double left, width, top;
        } moves[] = {
            {MarginMove::LeftMarginLeft, "Command1", "sinistra", -110, "sin", -25, 775, 2000, 2500},
            {MarginMove::LeftMarginRight, "Command2", "sinistra", 110, "sin", 25, 825, 2000, 2500},
            {MarginMove::RightMarginLeft, "Command3", "destra", 110, "des", -25, 800, 1975, 2500},
            {MarginMove::RightMarginRight, "Command4", "destra", -110, "des", 25, 800, 2025, 2500},
            {MarginMove::Lower, "Command5", "alto", 110, "al", 25, 800, 2000, 2525},
            {MarginMove::Higher, "Command6", "alto", -110, "al", -25, 800, 2000, 2475},
        };
        const struct {
            const char* set;
            const char* suffix;
        } sets[] = {{"primo", ""}, {"secondo", "2"}, {"terzo", "3"}};
        for (const auto& m : moves)
            for (const auto& s : sets)
                QTest::addRow("%s %s", m.name, s.set)
                    << m.move << QString::fromLatin1(s.set)
                    << QString::fromLatin1(m.print) + QString::fromLatin1(s.suffix) << m.printDelta
                    << QString::fromLatin1(m.outline) + QString::fromLatin1(s.suffix)
                    << m.outlineDelta << m.left << m.width << m.top;
    }
    void stepMovesOneMarginOfTheSelectedSet()
    {
        QFETCH(MarginMove, move);
        QFETCH(QString, set);
        QFETCH(QString, printColumn);
        QFETCH(double, printDelta);
        QFETCH(QString, outlineColumn);
        QFETCH(double, outlineDelta);
        QFETCH(double, left);
        QFETCH(double, width);
        QFETCH(double, top);
        const MarginStep step = stepMargin(move, Outline{800, 2000, 2500}, set);
        QVERIFY(step.store);
        QVERIFY(step.message.isEmpty());
        QCOMPARE(step.printColumn, printColumn);
        QCOMPARE(step.printDelta, printDelta);
        QCOMPARE(step.outlineColumn, outlineColumn);
        QCOMPARE(step.outlineDelta, outlineDelta);
        QCOMPARE(step.outline.left, left);
        QCOMPARE(step.outline.width, width);
        QCOMPARE(step.outline.top, top);
    }

    void stepStopsAtItsLimit_data()
    {
        QTest::addColumn<MarginMove>("move");
        QTest::addColumn<double>("from"); // the coordinate the button moves
        QTest::addColumn<bool>("store");
        QTest::addColumn<double>("to");
        QTest::addColumn<QString>("message");
        QTest::newRow("Command1 reaches 670")
            << MarginMove::LeftMarginLeft << 695.0 << true << 670.0 << QString();
        QTest::newRow("Command1 past 670")
            << MarginMove::LeftMarginLeft << 680.0 << false << 670.0 << kLess;
        QTest::newRow("Command2 reaches 920")
            << MarginMove::LeftMarginRight << 895.0 << true << 920.0 << QString();
        QTest::newRow("Command2 past 920")
            << MarginMove::LeftMarginRight << 900.0 << false << 920.0 << kMore;
        QTest::newRow("Command3 reaches 250")
            << MarginMove::RightMarginLeft << 275.0 << true << 250.0 << QString();
        QTest::newRow("Command3 past 250")
            << MarginMove::RightMarginLeft << 260.0 << false << 250.0 << kLess;
        QTest::newRow("Command3 from nothing")
            << MarginMove::RightMarginLeft << 0.0 << false << 250.0 << kLess;
        QTest::newRow("Command4 reaches 2400")
            << MarginMove::RightMarginRight << 2375.0 << true << 2400.0 << QString();
        QTest::newRow("Command4 past 2400")
            << MarginMove::RightMarginRight << 2390.0 << false << 2400.0 << kMore;
        QTest::newRow("Command5 reaches 4200")
            << MarginMove::Lower << 4175.0 << true << 4200.0 << QString();
        QTest::newRow("Command5 past 4200")
            << MarginMove::Lower << 4190.0 << false << 4200.0 << kMore;
        QTest::newRow("Command6 reaches 1375")
            << MarginMove::Higher << 1400.0 << true << 1375.0 << QString();
        // The upper limits' message, as the table of the screen has it.
        QTest::newRow("Command6 past 1375")
            << MarginMove::Higher << 1390.0 << false << 1375.0 << kMore;
    }
    void stepStopsAtItsLimit()
    {
        QFETCH(MarginMove, move);
        QFETCH(double, from);
        QFETCH(bool, store);
        QFETCH(double, to);
        QFETCH(QString, message);
        Outline outline{800, 2000, 2500};
        double Outline::*coordinate =
            move == MarginMove::LeftMarginLeft || move == MarginMove::LeftMarginRight
                ? &Outline::left
            : move == MarginMove::RightMarginLeft || move == MarginMove::RightMarginRight
                ? &Outline::width
                : &Outline::top;
        outline.*coordinate = from;
        const MarginStep step = stepMargin(move, outline, QStringLiteral("secondo"));
        QCOMPARE(step.store, store);
        QCOMPARE(step.outline.*coordinate, to);
        QCOMPARE(step.message, message);
        if (!store)
            QVERIFY(step.printColumn.isEmpty() && step.outlineColumn.isEmpty());
        // The other coordinates stay.
        for (double Outline::*other : {&Outline::left, &Outline::width, &Outline::top})
            if (other != coordinate)
                QCOMPARE(step.outline.*other, outline.*other);
    }

    // ---- the screen ----

    void opensOnTheCardsFirstSet()
    {
        startAtMenu();
        setPosition(QStringLiteral("scheda"), {{"sin", 800}, {"des", 1900}, {"al", 1800}});
        openPositionScreen();
        QCOMPARE(screen()->printKind(), QStringLiteral("scheda"));
        QCOMPARE(screen()->selectedSet(), QStringLiteral("primo"));
        const Outline o = shownOutline();
        QCOMPARE(o.left, 800.0);
        QCOMPARE(o.width, 1900.0);
        QCOMPARE(o.top, 1800.0);
        // The outline stands in the reduced card at 450, 1100 twips, 15 twips a pixel.
        auto* area = find<QLabel>(kScreen, QStringLiteral("AREAstampa"));
        QCOMPARE(area->text(), QStringLiteral("Area di stampa e posizione attuali"));
        QCOMPARE(area->geometry().topLeft(), QPoint(qRound(350 / 15.0), qRound(700 / 15.0)));
        QCOMPARE(area->width(), qRound(1900 / 15.0));
        QVERIFY(area->parentWidget()->rect().contains(area->geometry()));
        // A click moves it by 25 twips.
        click(kScreen, QStringLiteral("Command2"));
        QCOMPARE(area->geometry().left(), qRound(375 / 15.0));

        QCOMPARE(background(findControl(kScreen, QStringLiteral("Labprimo"))), kSelected);
        for (const char* other : {"Labsec", "Labterzo", "LabVerbale"})
            QCOMPARE(background(findControl(kScreen, QString::fromLatin1(other))), buttonFace());
        QCOMPARE(find<QLabel>(kScreen, QStringLiteral("Labtrim"))->text(), QStringLiteral("primo"));
        QCOMPARE(find<QLabel>(kScreen, QStringLiteral("LabQuad"))->text(), QStringLiteral("primo"));
        auto* sizes = find<QComboBox>(kScreen, QStringLiteral("ComboOPZIONI"));
        QCOMPARE(sizes->currentText(), QStringLiteral("Dimensione caratteri"));
        QCOMPARE(sizes->count(), 4);
        QStringList items;
        for (int i = 0; i < sizes->count(); ++i)
            items << sizes->itemText(i);
        QCOMPARE(items, QStringList({"8", "10", "12", "14"}));
    }

    void captionsAreTheTeachersOnes_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("caption");
        const std::pair<const char*, const char*> captions[] = {
            {"Labprimo", "1° trimestre - 1°quadrimestre"},
            {"Labsec", "2° trimestre - 2°quadrimestre"},
            {"Labterzo", " 3° trimestre"},
            {"LabVerbale", "Verbale d'esame"},
            {"Command1", "Più a sinistra"},
            {"Command2", "Più a destra"},
            {"Command3", "più a sinistra"},
            {"Command4", "più a destra"},
            {"Command5", "Sposta più in BASSO"},
            {"Command6", "Sposta più in ALTO"},
            {"trimestre1",
             "Posizione attuale del               Trim.  oppure del               Quad."},
            {"Labtorna", "Torna"},
            {"Label1", "Ogni Clic del mouse, sposta i margini di circa 2 mm"},
            {"Label2", "PRIMA, seleziona qui sotto il verbale d'esame o (per la scheda) il "
                       "trimestre, o il quadrimestre di cui vuoi modificare l'impostazione."},
            {"Label3", "E' possibile modificare i margini di stampa e la dimensione dei "
                       "caratteri. I nuovi valori si applicano solo alla stampa delle SCHEDE "
                       "ministeriali ed ai VERBALI d'esame."},
            {"trimestre3",
             "Se la stampa non coincide col riquadro della scheda di valutazione, è possibile "
             "modificarne la posizione. Basta cliccare sui pulsanti degli spostamenti e provare "
             "a stampare finché non si raggiunge la posizione desiderata. La posizione scelta, "
             "per ogni trimestre o quadrimestre, verrà memorizzata e non dovrà quindi essere "
             "reimpostata alla riaccensione del computer."},
            {"Labsinistro", "Margine sinistro"},
            {"Label4", "Margine destro"},
            {"LabinALTO", "Posizione VERTICALE"},
        };
        for (const auto& [control, caption] : captions)
            QTest::newRow(control) << QString::fromLatin1(control) << QString::fromUtf8(caption);
    }
    void captionsAreTheTeachersOnes()
    {
        QFETCH(QString, control);
        QFETCH(QString, caption);
        startAtMenu();
        openPositionScreen();
        QWidget* widget = findControl(kScreen, control);
        QVERIFY(widget);
        const QVariant text = widget->property("text");
        QCOMPARE(text.toString(), caption);
        // Inside the window, which fits a 1366 x 768 screen.
        QWidget* w = window(kScreen);
        QVERIFY(w->width() <= 1366 && w->height() <= 740);
        const QRect inWindow(widget->mapTo(w, QPoint(0, 0)), widget->size());
        QVERIFY2(w->rect().contains(inWindow), qPrintable(control));
    }

    void selectingShowsTheSetAndItsOutline_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("set");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("trim");
        QTest::addColumn<QString>("quad");
        QTest::addColumn<QString>("heading");
        const QString both = QStringLiteral(
            "Posizione attuale del               Trim.  oppure del               Quad.");
        QTest::newRow("Labprimo") << "Labprimo"
                                  << "scheda"
                                  << "primo" << QString() << "primo"
                                  << "primo" << both;
        QTest::newRow("Labsec") << "Labsec"
                                << "scheda"
                                << "secondo"
                                << "2"
                                << "secondo"
                                << "secondo" << both;
        QTest::newRow("Labterzo") << "Labterzo"
                                  << "scheda"
                                  << "terzo"
                                  << "3"
                                  << "terzo" << QString()
                                  << "Posizione attuale del               Trim.";
        QTest::newRow("LabVerbale")
            << "LabVerbale"
            << "verbale"
            << "primo" << QString() << "verbale" << QString() << "Posizione attuale del";
    }
    void selectingShowsTheSetAndItsOutline()
    {
        QFETCH(QString, label);
        QFETCH(QString, kind);
        QFETCH(QString, set);
        QFETCH(QString, suffix);
        QFETCH(QString, trim);
        QFETCH(QString, quad);
        QFETCH(QString, heading);
        startAtMenu();
        // A different outline for every set of both rows.
        int value = 700;
        for (const QString& k : {QStringLiteral("scheda"), QStringLiteral("verbale")})
            for (const QString& s : {QString(), QStringLiteral("2"), QStringLiteral("3")}) {
                setPosition(
                    k, {{"sin" + s, value}, {"des" + s, 1500 + value}, {"al" + s, 1400 + value}});
                value += 25;
            }
        openPositionScreen();
        // Start from another selection, so every caption has to change.
        click(kScreen, label == QLatin1String("Labsec") ? QStringLiteral("Labterzo")
                                                        : QStringLiteral("Labsec"));
        click(kScreen, label);
        QCOMPARE(screen()->printKind(), kind);
        QCOMPARE(screen()->selectedSet(), set);
        for (const char* other : {"Labprimo", "Labsec", "Labterzo", "LabVerbale"}) {
            const QString name = QString::fromLatin1(other);
            QCOMPARE(background(findControl(kScreen, name)),
                     name == label ? kSelected : buttonFace());
        }
        QCOMPARE(find<QLabel>(kScreen, QStringLiteral("Labtrim"))->text(), trim);
        QCOMPARE(find<QLabel>(kScreen, QStringLiteral("LabQuad"))->text(), quad);
        QCOMPARE(find<QLabel>(kScreen, QStringLiteral("trimestre1"))->text(), heading);
        const QVariantMap row = positionRow(kind);
        const Outline o = shownOutline();
        QCOMPARE(o.left, row.value("sin" + suffix).toDouble());
        QCOMPARE(o.width, row.value("des" + suffix).toDouble());
        QCOMPARE(o.top, row.value("al" + suffix).toDouble());
    }

    void emptyOutlineColumnKeepsThatCoordinate()
    {
        startAtMenu();
        setPosition(QStringLiteral("scheda"), {{"sin2", QVariant()}, {"al2", 3000}});
        openPositionScreen();
        const double left = shownOutline().left;
        click(kScreen, QStringLiteral("Labsec"));
        QCOMPARE(shownOutline().left, left);
        QCOMPARE(shownOutline().top, 3000.0);
    }

    void tenClicksMoveTheLeftMarginBy1100()
    {
        startAtMenu();
        setPosition(QStringLiteral("scheda"), {{"sin", 920}});
        const QVariantMap before = positionRow(QStringLiteral("scheda"));
        const QVariantMap verbale = positionRow(QStringLiteral("verbale"));
        openPositionScreen();
        ModalAnswer unexpected(QMessageBox::Ok);
        clickTimes(QStringLiteral("Command1"), 10);
        QVERIFY2(!unexpected.answered(), qPrintable(unexpected.text()));
        QCOMPARE(shownOutline().left, 670.0);
        compareRows(positionRow(QStringLiteral("scheda")),
                    shifted(before, {{"sinistra", -1100}, {"sin", -250}}));
        compareRows(positionRow(QStringLiteral("verbale")), verbale);
    }

    void pastTheLimitNothingIsStored_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("column");
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("message");
        QTest::addColumn<double>("limit");
        QTest::newRow("Command1") << "Command1"
                                  << "sin" << 680 << kLess << 670.0;
        QTest::newRow("Command2") << "Command2"
                                  << "sin" << 910 << kMore << 920.0;
        QTest::newRow("Command3") << "Command3"
                                  << "des" << 260 << kLess << 250.0;
        QTest::newRow("Command4") << "Command4"
                                  << "des" << 2390 << kMore << 2400.0;
        QTest::newRow("Command5") << "Command5"
                                  << "al" << 4190 << kMore << 4200.0;
        QTest::newRow("Command6") << "Command6"
                                  << "al" << 1390 << kMore << 1375.0;
    }
    void pastTheLimitNothingIsStored()
    {
        QFETCH(QString, button);
        QFETCH(QString, column);
        QFETCH(int, from);
        QFETCH(QString, message);
        QFETCH(double, limit);
        startAtMenu();
        setPosition(QStringLiteral("scheda"), {{column, from}});
        const QVariantMap scheda = positionRow(QStringLiteral("scheda"));
        const QVariantMap verbale = positionRow(QStringLiteral("verbale"));
        openPositionScreen();
        ModalAnswer answer(QMessageBox::Ok);
        click(kScreen, button);
        QVERIFY(answer.answered());
        QCOMPARE(answer.text(), message);
        const Outline o = shownOutline();
        QCOMPARE(column == QLatin1String("sin")   ? o.left
                 : column == QLatin1String("des") ? o.width
                                                  : o.top,
                 limit);
        compareRows(positionRow(QStringLiteral("scheda")), scheda);
        compareRows(positionRow(QStringLiteral("verbale")), verbale);
    }

    void rightMarginShrinksDownToItsBound()
    {
        startAtMenu();
        setPosition(QStringLiteral("scheda"), {{"des3", 300}});
        const QVariantMap before = positionRow(QStringLiteral("scheda"));
        openPositionScreen();
        click(kScreen, QStringLiteral("Labterzo"));
        clickTimes(QStringLiteral("Command3"), 2);
        ModalAnswer answer(QMessageBox::Ok);
        click(kScreen, QStringLiteral("Command3"));
        QCOMPARE(answer.text(), kLess);
        QCOMPARE(shownOutline().width, 250.0);
        // Two steps stored: a narrower outline, a larger right margin.
        compareRows(positionRow(QStringLiteral("scheda")),
                    shifted(before, {{"destra3", 220}, {"des3", -50}}));
    }

    void verbaleMovesOnlyTheVerbaleRow()
    {
        startAtMenu();
        const QVariantMap scheda = positionRow(QStringLiteral("scheda"));
        const QVariantMap verbale = positionRow(QStringLiteral("verbale"));
        openPositionScreen();
        click(kScreen, QStringLiteral("LabVerbale"));
        click(kScreen, QStringLiteral("Command5"));
        compareRows(positionRow(QStringLiteral("verbale")),
                    shifted(verbale, {{"alto", 110}, {"al", 25}}));
        compareRows(positionRow(QStringLiteral("scheda")), scheda);
    }

    void movingAtOnceEditsTheCardsFirstSet()
    {
        startAtMenu();
        const QVariantMap scheda = positionRow(QStringLiteral("scheda"));
        const QVariantMap verbale = positionRow(QStringLiteral("verbale"));
        openPositionScreen();
        for (const char* button : {"Command5", "Command2", "Command4"})
            click(kScreen, QString::fromLatin1(button));
        compareRows(positionRow(QStringLiteral("scheda")), shifted(scheda, {{"alto", 110},
                                                                            {"al", 25},
                                                                            {"sinistra", 110},
                                                                            {"sin", 25},
                                                                            {"destra", -110},
                                                                            {"des", 25}}));
        compareRows(positionRow(QStringLiteral("verbale")), verbale);
    }

    void fontSizeBelongsToThePrintKind_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("other");
        QTest::newRow("10, third term") << "Labterzo"
                                        << "10"
                                        << "scheda"
                                        << "verbale";
        QTest::newRow("8, first term") << "Labprimo"
                                       << "8"
                                       << "scheda"
                                       << "verbale";
        QTest::newRow("14, verbale") << "LabVerbale"
                                     << "14"
                                     << "verbale"
                                     << "scheda";
    }
    void fontSizeBelongsToThePrintKind()
    {
        QFETCH(QString, label);
        QFETCH(QString, size);
        QFETCH(QString, kind);
        QFETCH(QString, other);
        startAtMenu();
        const QVariantMap changed = positionRow(kind);
        const QVariantMap untouched = positionRow(other);
        openPositionScreen();
        click(kScreen, label);
        chooseFromList(find<QComboBox>(kScreen, QStringLiteral("ComboOPZIONI")), size);
        QCOMPARE(appState().printFontSize, qint16(size.toInt()));
        compareRows(positionRow(kind),
                    shifted(changed, {{"DimCar", size.toInt() - changed.value("DimCar").toInt()}}));
        compareRows(positionRow(other), untouched);
    }

    void tornaReturnsAndStartsAgain_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("caller");
        QTest::newRow("flessibile") << "Flessibile"
                                    << "Fgiudix2";
        QTest::newRow("rigido") << "Rigido"
                                << "FgiudixRIGID";
    }
    void tornaReturnsAndStartsAgain()
    {
        QFETCH(QString, model);
        QFETCH(QString, caller);
        startAtMenu(model);
        openPositionScreen(model);
        QCOMPARE(appState().callerScreen, caller);
        window(caller)->hide();
        click(kScreen, QStringLiteral("Labsec"));
        QPointer<QWidget> first = window(kScreen);
        click(kScreen, QStringLiteral("Labtorna"));
        QVERIFY(window(caller)->isVisible());
        QVERIFY(!ScreenRegistry::find(kScreen));
        QTRY_VERIFY(first.isNull());

        // The next opening is a new screen on the card's first set.
        openPositionScreen(model);
        QVERIFY(screen());
        QCOMPARE(screen()->printKind(), QStringLiteral("scheda"));
        QCOMPARE(screen()->selectedSet(), QStringLiteral("primo"));
        QCOMPARE(find<QLabel>(kScreen, QStringLiteral("Labtrim"))->text(), QStringLiteral("primo"));
        QCOMPARE(background(findControl(kScreen, QStringLiteral("Labprimo"))), kSelected);
        QCOMPARE(background(findControl(kScreen, QStringLiteral("Labsec"))), buttonFace());
        QCOMPARE(shownOutline().left,
                 positionRow(QStringLiteral("scheda")).value("sin").toDouble());
        const QVariantMap scheda = positionRow(QStringLiteral("scheda"));
        click(kScreen, QStringLiteral("Command6"));
        compareRows(positionRow(QStringLiteral("scheda")),
                    shifted(scheda, {{"alto", -110}, {"al", -25}}));
    }

    void tornaShowsNoOtherScreen()
    {
        startAtMenu();
        openPositionScreen();
        window(m_compose)->hide();
        appState().callerScreen = QStringLiteral("Favviogiudix2");
        click(kScreen, QStringLiteral("Labtorna"));
        QVERIFY(!window(QStringLiteral("Favviogiudix2"))->isVisible());
        QVERIFY(!window(m_compose)->isVisible());
        QVERIFY(!ScreenRegistry::find(kScreen));
    }
};

QTEST_MAIN(TestPrintPositions)
#include "tst_print_positions.moc"

// Every window of the program on the screen it runs on (a 1366 x 768 laptop,
// and a screen twice as dense at 200%): it fits, nothing in it is cut, the
// keyboard reaches every control and Escape throws nothing away.
// With GIUDIZI_SCREENSHOTS set, the windows are also saved there as pictures
// (tools/screenshots.sh makes the README's).
#include "app/application.h"
#include "data/ArchiveStore.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTextEdit>

using namespace giudizi;
using namespace giudizi::test;

namespace {

QStringList problemsOf(QWidget* window)
{
    QStringList problems;
    const QRect screen = window->screen()->availableGeometry();
    if (window->frameGeometry().width() > screen.width() ||
        window->frameGeometry().height() > screen.height())
        problems << QStringLiteral("window %1x%2 larger than the screen")
                        .arg(window->frameGeometry().width())
                        .arg(window->frameGeometry().height());
    for (QWidget* child : window->findChildren<QWidget*>()) {
        // Unnamed children are the inner parts of a grid or a box, not controls.
        if (!child->isVisible() || child->objectName().isEmpty() ||
            child->objectName().startsWith(QLatin1String("qt_")))
            continue;
        const QRect place(child->mapTo(window, QPoint(0, 0)), child->size());
        if (!window->rect().contains(place))
            problems << child->objectName() + QStringLiteral(" outside the window");
        const auto* label = qobject_cast<QLabel*>(child);
        const bool oneLineText = (label && !label->wordWrap() && label->pixmap().isNull()) ||
                                 qobject_cast<QAbstractButton*>(child);
        if (oneLineText && child->width() + 1 < child->minimumSizeHint().width())
            problems << child->objectName() + QStringLiteral(" cut (%1 < %2)")
                                                  .arg(child->width())
                                                  .arg(child->minimumSizeHint().width());
        const bool control = qobject_cast<QAbstractButton*>(child) ||
                             qobject_cast<QLineEdit*>(child) ||
                             child->inherits("giudizi::ClickLabel");
        if (control && child->isEnabled() && !(child->focusPolicy() & Qt::TabFocus))
            problems << child->objectName() + QStringLiteral(" out of the keyboard's reach");
    }
    return problems;
}

} // namespace

class TestScreens : public QObject {
    Q_OBJECT

    std::unique_ptr<PdfFolder> m_pdf;
    std::unique_ptr<ProgramRun> m_run;
    QStringList m_checked;

    // Checks a window on show, presses Escape on it, saves its picture.
    void check(const QString& name)
    {
        QWidget* w = window(name);
        QVERIFY2(w && w->isVisible(), qPrintable(name));
        QApplication::processEvents();
        const QStringList problems = problemsOf(w);
        QVERIFY2(problems.isEmpty(), qPrintable(name + QStringLiteral(": ") + problems.join(", ")));
        QTest::keyClick(w, Qt::Key_Escape);
        QVERIFY2(w->isVisible(), qPrintable(name + QStringLiteral(" closed by Escape")));
        const QString pictures = qEnvironmentVariable("GIUDIZI_SCREENSHOTS");
        if (!pictures.isEmpty())
            w->grab().save(QDir(pictures).filePath(name + QStringLiteral(".png")));
        m_checked << name;
    }

private slots:
    void init() { m_pdf = std::make_unique<PdfFolder>(); }
    void cleanup()
    {
        m_run.reset();
        m_pdf.reset();
    }

    void mediaAndFlexibleScreens()
    {
        m_run = std::make_unique<ProgramRun>(false);
        QVERIFY(startApplication());
        check(QStringLiteral("Favvio"));
        m_run.reset();
        m_run = std::make_unique<ProgramRun>();
        execArchive(QStringLiteral("UPDATE scuola SET titolosc = 'SCUOLA MEDIA STATALE', "
                                   "nomesc = 'GIROTONDO', indirizzosc = 'Via dei Tigli 7', "
                                   "dirigentesc = 'Neri', trimquad = 'QUADRIMESTRE'"));
        addJudgment({{"nome", "BIANCHI ANNA"},
                     {"sex", "F"},
                     {"scuola", "Medie"},
                     {"classe", 3},
                     {"sezione", "B"},
                     {"anno", "2025-2026"},
                     {"quadrimestre", 2},
                     {"seclinstra", "Francese"},
                     {"nomeopz1", "Coro"},
                     {"nomeopz2", "Nessuna"},
                     {"giudizio", "L'alunna ha partecipato con interesse e impegno costante "
                                  "alle attività proposte, raggiungendo ottimi risultati."}});
        chooseStart(QStringLiteral("Flessibile"), QStringLiteral("Medie"), 3);
        check(QStringLiteral("Favviogiudix2"));
        click(QStringLiteral("Favviogiudix2"), QStringLiteral("Labprimo"));
        check(QStringLiteral("Fgiudix2"));
        click(QStringLiteral("Fgiudix2"), QStringLiteral("cmdsuccessivo"));
        check(QStringLiteral("Fimmissio2"));
        find<QLineEdit>(QStringLiteral("Fimmissio2"), "Text1")->setText("Rossi Mario");
        click(QStringLiteral("Fimmissio2"), QStringLiteral("LabM"));
        click(QStringLiteral("Fimmissio2"), QStringLiteral("cmdfatto"));
        clickListItem(QStringLiteral("Fgiudix2"), QStringLiteral("List1"), 0);
        clickListItem(QStringLiteral("Fgiudix2"), QStringLiteral("List1"), 2);
        click(QStringLiteral("Fgiudix2"), QStringLiteral("cmdmaiuscole"));
        check(QStringLiteral("Fgiudix2")); // with a judgment, for the picture
        click(QStringLiteral("Fgiudix2"), QStringLiteral("cmdopzioni"));
        check(QStringLiteral("FimpostaSTAMPA"));
        click(QStringLiteral("FimpostaSTAMPA"), QStringLiteral("Labtorna"));
        click(QStringLiteral("Fgiudix2"), QStringLiteral("Cmdmenù"));
        click(QStringLiteral("Favviogiudix2"), QStringLiteral("Labstampa"));
        click(QStringLiteral("Farchiv2"), QStringLiteral("cmdTUTTO"));
        check(QStringLiteral("Farchiv2"));
        click(QStringLiteral("Farchiv2"), QStringLiteral("cmdstampatutto"));
        check(QStringLiteral("frmPrintGiudizi"));
        click(QStringLiteral("frmPrintGiudizi"), QStringLiteral("Command1"));
        click(QStringLiteral("Farchiv2"), QStringLiteral("CmdStampaAttestato"));
        check(QStringLiteral("FStampaFoglio"));
        click(QStringLiteral("FStampaFoglio"), QStringLiteral("CmdAnteprima"));
        check(QStringLiteral("frmPrintText"));
        click(QStringLiteral("frmPrintText"), QStringLiteral("Command1"));
        click(QStringLiteral("FStampaFoglio"), QStringLiteral("CmdScrittura"));
        click(QStringLiteral("Farchiv2"), QStringLiteral("cmdpanorama"));
        check(QStringLiteral("formGRIGLIA2"));
        click(QStringLiteral("formGRIGLIA2"), QStringLiteral("cmdmenù"));
        click(QStringLiteral("Favviogiudix2"), QStringLiteral("Labmodifica"));
        check(QStringLiteral("fmodifica2"));
    }

    void elementaryAndRigidScreens()
    {
        m_run = std::make_unique<ProgramRun>();
        execArchive(QStringLiteral("UPDATE scuola SET titolosc = 'ISTITUTO COMPRENSIVO', "
                                   "nomesc = 'ARCOBALENO', indirizzosc = 'Via Roma 1', "
                                   "dirigentesc = 'Neri', trimquad = 'TRIMESTRE'"));
        chooseStart(QStringLiteral("Rigido"), QStringLiteral("Elementari"), 3);
        check(QStringLiteral("FavviogiudixRIG"));
        click(QStringLiteral("FavviogiudixRIG"), QStringLiteral("LabBq2"));
        check(QStringLiteral("FgiudixRIGID"));
        click(QStringLiteral("FgiudixRIGID"), QStringLiteral("cmdsuccessivo"));
        check(QStringLiteral("FimmissioELEM"));
        find<QLineEdit>(QStringLiteral("FimmissioELEM"), "Text1")->setText("Verdi Luca");
        click(QStringLiteral("FimmissioELEM"), QStringLiteral("LabM"));
        click(QStringLiteral("FimmissioELEM"), QStringLiteral("cmdfatto"));
        clickListItem(QStringLiteral("FgiudixRIGID"), QStringLiteral("List1"), 0);
        click(QStringLiteral("FgiudixRIGID"), QStringLiteral("cmdmaiuscole"));
        click(QStringLiteral("FgiudixRIGID"), QStringLiteral("cmdStampaFoglio"));
        check(QStringLiteral("FStampaELEM"));
        click(QStringLiteral("FStampaELEM"), QStringLiteral("Cmdmenu"));
        click(QStringLiteral("FavviogiudixRIG"), QStringLiteral("Labstampa"));
        click(QStringLiteral("FarchivElem"), QStringLiteral("cmdclasse"));
        check(QStringLiteral("FarchivElem"));
        click(QStringLiteral("FarchivElem"), QStringLiteral("cmdmenù"));
        click(QStringLiteral("FavviogiudixRIG"), QStringLiteral("Labmodifica"));
        check(QStringLiteral("FmodificRIGID"));
    }
};

QTEST_MAIN(TestScreens)
#include "tst_screens.moc"

#include "screens/archive/ClassPrintJobs.h"

#include "data/AppState.h"
#include "data/ArchiveStore.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "platform/MessageBox.h"
#include "platform/PrinterDevice.h"
#include "platform/ScreenRegistry.h"
#include "platform/Widgets.h"
#include "printing/CardPrint.h"
#include "printing/PrintCheck.h"
#include "screens/Handovers.h"
#include "shared/AttestatoHandover.h"
#include "shared/ClassRoll.h"

#include <QApplication>
#include <QProgressDialog>
#include <QPushButton>
#include <QVBoxLayout>

namespace giudizi {

namespace {
// Up to this many pupils a job is over before a progress dialog would help.
constexpr int kFewPupils = 5;

const QString kEmptyClass = QStringLiteral("In questa classe non c'è nessun giudizio da stampare.");
const QString kAllAdmitted = QStringLiteral(
    "È l'ultimo periodo dell'anno: ogni attestato della classe porterà la frase di ammissione. "
    "Un alunno non ammesso va stampato da solo, con il pulsante \"Stampa Attestato\".");

} // namespace

ClassPrintJobs::ClassPrintJobs(QWidget* screen, bool media)
    : QWidget(screen)
    , m_screen(screen)
    , m_media(media)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    m_cards = makeButton(QStringLiteral("cmdSchedeClasse"),
                         QStringLiteral("Stampo le schede della classe"), this);
    m_attestati = makeButton(QStringLiteral("cmdAttestatiClasse"),
                             QStringLiteral("Stampo gli attestati della classe"), this);
    connect(m_cards, &QPushButton::clicked, this, &ClassPrintJobs::cmdSchedeClasse_Click);
    connect(m_attestati, &QPushButton::clicked, this, &ClassPrintJobs::cmdAttestatiClasse_Click);
    column->addWidget(m_cards);
    column->addWidget(m_attestati);
    setResults(nullptr, false);
}

void ClassPrintJobs::setResults(std::shared_ptr<Recordset> results, bool ofClass)
{
    m_results = ofClass ? std::move(results) : nullptr;
    m_cards->setEnabled(m_results != nullptr);
    m_attestati->setEnabled(m_results != nullptr);
}

bool ClassPrintJobs::readRoll(const Recordset& results, ClassRoll& roll)
{
    try {
        roll = readClassRoll(results,
                             m_media ? QStringLiteral("Medie") : QStringLiteral("Elementari"));
    } catch (const DbError& e) {
        msg::info(m_screen, e.text());
        return false;
    }
    if (!roll.pupils.isEmpty())
        return true;
    QStringList lines{kEmptyClass};
    lines << roll.leftOutLines();
    msg::info(m_screen, lines.join(QLatin1Char('\n')));
    return false;
}

void ClassPrintJobs::cmdSchedeClasse_Click()
{
    ClassRoll roll;
    if (!m_results || !readRoll(*m_results, roll) || !lookedAt(roll))
        return;
    const std::optional<FrameSetting> frame = cardFrame(m_screen);
    if (!frame)
        return;
    PupilRef ref = roll.classOf;
    ref.term = QString::number(appState().currentTerm);
    PrinterDevice printer(classCardsJob(ref));
    if (!printer.chooseDestination(m_screen))
        return;
    runJob(printer, roll, QStringLiteral("schede"),
           [&roll, &frame](int index, PrinterDevice& device) {
               return drawCard(device, *frame, roll.pupils.at(index).judgment);
           });
}

void ClassPrintJobs::cmdAttestatiClasse_Click()
{
    if (!m_results)
        return;
    const std::shared_ptr<Recordset> results = m_results;
    const QString target = appState().printTarget;
    if (!attestatoTarget(target)) {
        msg::info(m_screen, kCardChosenAtStart);
        return;
    }
    ClassRoll roll;
    if (!readRoll(*results, roll) || !lookedAt(roll))
        return;
    auto* sheet = ScreenRegistry::as<AttestatoSheetScreen>(attestatoScreenFor(appState()));
    auto* preview = ScreenRegistry::as<PagePreview>(QStringLiteral("frmPrintText"));
    if (!sheet || !preview)
        return;
    appState().callerScreen = m_screen->objectName();
    archiveStore().HandedJudgments = results;
    const Recordset::KeepPosition keep(*results);
    // The pupil's own hand-over, then the page it would print at once.
    const auto pageOf = [&](int index) -> std::optional<AttestatoSheetScreen::HandedPage> {
        try {
            results->setBookmark(roll.pupils.at(index).key);
        } catch (const DbError& e) {
            msg::info(m_screen, e.text());
            return std::nullopt;
        }
        return sheet->pageAfterHandover(target);
    };
    std::optional<AttestatoSheetScreen::HandedPage> first = pageOf(0);
    if (first && first->lastTerm)
        msg::info(m_screen, kAllAdmitted);
    PrinterDevice printer(classAttestatiJob(roll.classOf));
    if (first && printer.chooseDestination(m_screen)) {
        runJob(printer, roll, QStringLiteral("attestati"), [&](int index, PrinterDevice& device) {
            std::optional<AttestatoSheetScreen::HandedPage> page =
                index == 0 ? first : pageOf(index);
            if (!page)
                return PrintOutcome::DatabaseError;
            return preview->drawAttestato(page->page, device);
        });
    }
}

bool ClassPrintJobs::lookedAt(const ClassRoll& roll)
{
    QList<PupilText> texts;
    for (const ClassRoll::Pupil& pupil : roll.pupils)
        texts.append({pupil.name, pupil.judgment});
    return checkClassBeforePrinting(m_screen, texts, roll.withoutText);
}

void ClassPrintJobs::runJob(PrinterDevice& printer, const ClassRoll& roll, const QString& what,
                            const DrawPupil& draw)
{
    const int count = static_cast<int>(roll.pupils.size());
    std::unique_ptr<QProgressDialog> progress;
    if (count > kFewPupils) {
        progress = std::make_unique<QProgressDialog>(QStringLiteral("Preparo la stampa…"),
                                                     QStringLiteral("Annulla"), 0, count, m_screen);
        progress->setObjectName(QStringLiteral("progressoStampa"));
        progress->setWindowTitle(QStringLiteral("Giudizi"));
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(0);
        progress->setValue(0);
    }
    if (!printer.startDocument()) {
        progress.reset();
        reportPrintOutcome(m_screen, deviceFailure(printer));
        return;
    }
    PrintOutcome outcome = PrintOutcome::Printed;
    int index = 0;
    for (; index < count; ++index) {
        if (progress) {
            progress->setLabelText(QStringLiteral("Stampo %1 di %2: %3")
                                       .arg(index + 1)
                                       .arg(count)
                                       .arg(roll.pupils.at(index).name));
            progress->setValue(index);
            QApplication::processEvents();
            if (progress->wasCanceled()) {
                printer.abortDocument();
                return;
            }
        }
        if (index > 0 && !printer.newPage())
            outcome = deviceFailure(printer);
        if (outcome == PrintOutcome::Printed)
            outcome = draw(index, printer);
        if (outcome != PrintOutcome::Printed)
            break;
    }
    if (outcome == PrintOutcome::Printed && !printer.endDocument())
        outcome = deviceFailure(printer);
    progress.reset();
    if (outcome == PrintOutcome::DatabaseError) {
        printer.abortDocument(); // the pupil's sheet could not be made: already told
        return;
    }
    if (outcome != PrintOutcome::Printed) {
        printer.abortDocument();
        // `index` is the pupil it stopped at (the last one when ending failed).
        msg::info(m_screen,
                  roll.stoppedMessage(std::min(index, count - 1), outcomeMessage(outcome)));
        return;
    }
    msg::info(m_screen, roll.doneMessage(what));
}

} // namespace giudizi

#include "screens/archive/ArchiveScreen.h"

#include "data/AppState.h"
#include "data/ArchiveRow.h"
#include "data/ArchiveSearch.h"
#include "data/ArchiveStore.h"
#include "data/DbError.h"
#include "platform/MessageBox.h"
#include "platform/ProgramEnd.h"
#include "platform/ScreenRegistry.h"
#include "platform/Widgets.h"
#include "printing/CardPrint.h"
#include "screens/ColleagueSave.h"
#include "screens/Handovers.h"
#include "screens/PreparaAttestato.h"
#include "screens/archive/ArchiveRowDisplay.h"
#include "screens/archive/ArchiveSearchPanel.h"
#include "screens/archive/ClassPrintJobs.h"
#include "screens/archive/ResultSetActions.h"
#include "shared/AttestatoHandover.h"
#include "shared/JudgmentExport.h"
#include "shared/TypedNumbers.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace giudizi {

namespace {
const QString kNotFoundName =
    QStringLiteral("Non ho trovato nulla. Forse hai scritto male il nome; riprova.");
const QString kNotFoundClass =
    QStringLiteral("Non ho trovato nulla. Forse hai inserito dati sbagliati; riprova.");
const QString kFourChoices =
    QStringLiteral("Hai fornito le 4 informazioni necessarie alla ricerca?");
const QString kEmptyArchive = QStringLiteral("L'archivio non contiene ancora nessun giudizio.");
const QString kNoCurrentRow =
    QStringLiteral("Il documento sullo schermo non è tra i risultati dell'ultima ricerca: ripeti "
                   "la ricerca e riprova.");
const QString kClassNotNumber =
    QStringLiteral("La classe deve essere un numero intero maggiore di zero (per esempio 1, 2 o "
                   "3). Correggila e registra di nuovo.");
const QString kTermNotNumber =
    QStringLiteral("Il trimestre o quadrimestre deve essere un numero intero maggiore di zero "
                   "(1, 2 o 3). Correggilo e registra di nuovo.");

} // namespace

ArchiveScreen::ArchiveScreen(bool media, const QString& title, const QString& opzioniCaption)
    : Screen(title)
    , m_media(media)
{
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(12, 10, 12, 10);
    root->setSpacing(8);

    auto* header = new QHBoxLayout;
    auto* heading = makeLabel(QStringLiteral("LabTitolo"), QStringLiteral("Modulo ARCHIVIO"), this);
    heading->setStyleSheet(QStringLiteral("font-size: 16pt; font-weight: bold; color: #600060;"));
    heading->setWordWrap(false);
    auto* notice = makeLabel(
        QStringLiteral("Label13"),
        QStringLiteral("ATTENZIONE: per inserire nell'archivio NUOVI alunni, bisogna utilizzare il "
                       "modulo SCRITTURA (cliccare su 'Menù')"),
        this);
    notice->setStyleSheet(QStringLiteral("color: #a00000;"));
    header->addWidget(heading);
    header->addSpacing(20);
    header->addWidget(notice, 1);
    root->addLayout(header);

    auto* body = new QHBoxLayout;
    body->setSpacing(12);
    root->addLayout(body, 1);
    m_search = new ArchiveSearchPanel(
        media ? QStringList{"1", "2", "3"} : QStringList{"1", "2", "3", "4", "5"}, this);
    connect(m_search->pupilButton(), &QPushButton::clicked, this, &ArchiveScreen::cmdalunno_Click);
    connect(m_search->classButton(), &QPushButton::clicked, this, &ArchiveScreen::cmdclasse_Click);
    connect(m_search->okButton(), &QPushButton::clicked, this, &ArchiveScreen::cmdok_Click);
    connect(m_search->nameBox(), &QLineEdit::returnPressed, this, &ArchiveScreen::cmdok_Click);
    connect(m_search->allButton(), &QPushButton::clicked, this, &ArchiveScreen::cmdTUTTO_Click);
    body->addWidget(m_search);

    auto* centre = new QVBoxLayout;
    m_display = new ArchiveRowDisplay(media, this);
    centre->addWidget(m_display, 1);
    auto* navigation = new QHBoxLayout;
    const struct {
        const char* name;
        const char* caption;
        void (ArchiveScreen::*handler)();
    } moves[] = {{"cmddprimo", "Primo", &ArchiveScreen::cmddprimo_Click},
                 {"cmddpreced", "Precedente", &ArchiveScreen::cmddpreced_Click},
                 {"cmddnext", "Seguente", &ArchiveScreen::cmddnext_Click},
                 {"cmddultimo", "Ultimo", &ArchiveScreen::cmddultimo_Click}};
    for (const auto& move : moves) {
        auto* button =
            makeButton(QString::fromLatin1(move.name), QString::fromLatin1(move.caption), this);
        connect(button, &QPushButton::clicked, this, move.handler);
        navigation->addWidget(button);
    }
    centre->addLayout(navigation);
    body->addLayout(centre, 1);
    body->addWidget(buildActions(opzioniCaption));

    resize(1320, 700);
    Form_Load();
}

QWidget* ArchiveScreen::buildActions(const QString& opzioniCaption)
{
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    const struct {
        const char* name;
        QString caption;
        void (ArchiveScreen::*handler)();
    } actions[] = {
        {"CmdRegistro", QStringLiteral("Registro in archivio il giudizio e/o i dati  modificati"),
         &ArchiveScreen::CmdRegistro_Click},
        {"cmdELIMINO", QStringLiteral("ELIMINO questo documento"),
         &ArchiveScreen::cmdELIMINO_Click},
        {"cmdstampa", QStringLiteral("Stampa scheda ministeriale"),
         &ArchiveScreen::cmdstampa_Click},
        {"cmdstampaverbale", QStringLiteral("Stampa verbale d'esame"),
         &ArchiveScreen::cmdstampaverbale_Click},
        {"cmdstampatutto",
         QStringLiteral("Stampa in elenco tutti i giudizi della classe selezionata"),
         &ArchiveScreen::cmdstampatutto_Click},
        {"CmdStampaAttestato", QStringLiteral("Stampa Attestato"),
         &ArchiveScreen::CmdStampaAttestato_Click},
        {"cmdopzioni", opzioniCaption, &ArchiveScreen::cmdopzioni_Click},
        {"cmdpanorama", QStringLiteral("Vado alla tabella panoramica dei giudizi"),
         &ArchiveScreen::cmdpanorama_Click},
        {"cmdmenù", QStringLiteral("Menù"), &ArchiveScreen::cmdmenu_Click},
        {"cmdesco", QStringLiteral("Esco"), &ArchiveScreen::cmdesco_Click},
    };
    for (const auto& action : actions) {
        auto* button = makeButton(QString::fromUtf8(action.name), action.caption, panel);
        connect(button, &QPushButton::clicked, this, action.handler);
        column->addWidget(button);
        if (button->objectName() == QLatin1String("cmdELIMINO"))
            m_delete = button;
        if (button->objectName() == QLatin1String("CmdStampaAttestato")) {
            m_classJobs = new ClassPrintJobs(this, m_media);
            column->addWidget(m_classJobs);
            m_resultActions = new ResultSetActions(m_display, panel);
            column->addWidget(m_resultActions);
        }
        if (button->objectName() == QLatin1String("cmdopzioni") ||
            button->objectName() == QLatin1String("CmdStampaAttestato"))
            column->addSpacing(12);
    }
    column->addStretch();
    return panel;
}

void ArchiveScreen::Form_Load()
{
    move(0, 0);
    m_search->showControls(false, false);
    m_delete->hide();
}

void ArchiveScreen::cmdalunno_Click()
{
    m_search->startPupilSearch();
    m_mode = SearchMode::Pupil;
}

void ArchiveScreen::cmdclasse_Click()
{
    m_search->startClassSearch();
    m_mode = SearchMode::Class;
}

void ArchiveScreen::cmdok_Click()
{
    try {
        if (m_mode == SearchMode::Pupil) {
            runSearch(searchPupil(archiveStore().ArchiveDb, m_search->typedName()), kNotFoundName,
                      std::nullopt);
        } else if (m_mode == SearchMode::Class) {
            const auto query = classQuery(m_search->classChoice());
            if (!query) {
                msg::info(this, kFourChoices);
                return;
            }
            runSearch(searchClass(archiveStore().ArchiveDb, *query), kNotFoundClass,
                      classExportFileName(*query));
        }
    } catch (const DbError& e) {
        msg::info(this, QStringLiteral("La ricerca non è riuscita:\n%1").arg(e.text()));
    }
}

void ArchiveScreen::runSearch(const std::shared_ptr<Recordset>& results,
                              const QString& nothingFound, std::optional<QString> exportName)
{
    // The result set is replaced at once; when it is empty the display keeps
    // the row it showed, and the actions on a row refuse to act on it.
    m_results = results;
    // Only a class search names its export, and only a class prints as one.
    const bool ofClass = exportName.has_value();
    offerResults(std::move(exportName), ofClass);
    if (m_results->isEmpty()) {
        msg::info(this, nothingFound);
        return;
    }
    m_results->moveFirst();
    CaricaDa();
    appState().currentTerm = static_cast<qint16>(leadingNumber(m_display->shownTerm()));
    m_delete->show();
}

void ArchiveScreen::offerResults(std::optional<QString> exportName, bool ofClass)
{
    m_resultActions->setResults(m_results, std::move(exportName));
    m_classJobs->setResults(m_results, ofClass && !m_results->isEmpty());
}

void ArchiveScreen::cmdTUTTO_Click()
{
    m_search->showControls(false, false);
    m_delete->show();
    try {
        m_results = openWholeArchive(archiveStore().ArchiveDb);
        offerResults(wholeArchiveExportFileName(), false);
    } catch (const DbError& e) {
        msg::info(this, QStringLiteral("La ricerca non è riuscita:\n%1").arg(e.text()));
        return;
    }
    if (m_results->isEmpty()) {
        m_display->clear();
        msg::info(this, kEmptyArchive);
        return;
    }
    m_results->moveFirst();
    CaricaDa();
}

void ArchiveScreen::CaricaDa()
{
    if (!m_results || m_results->eof() || m_results->bof()) {
        m_display->clear();
        return;
    }
    m_shownVersion = Recordset::kUnknownVersion;
    try {
        if (!m_results->currentRowExists()) {
            // Deleted meanwhile (by the other archive screen, say): said, and
            // left out of the result set, so browsing goes on.
            msg::info(this, MissingRowError().text());
            m_results->forget(m_results->bookmark());
            if (m_results->eof())
                m_results->moveLast();
            CaricaDa();
            return;
        }
        // What a save later checks: has a colleague changed the row since?
        m_shownVersion = m_results->version();
    } catch (const DbError& e) {
        msg::info(this, e.text());
    }
    m_display->showRow(readShownJudgment(*m_results));
}

bool ArchiveScreen::canBrowse() const
{
    return m_display->rowOnShow() && m_results && !m_results->isEmpty();
}

void ArchiveScreen::cmddprimo_Click()
{
    if (!canBrowse())
        return;
    m_results->moveFirst();
    CaricaDa();
}

void ArchiveScreen::cmddultimo_Click()
{
    if (!canBrowse())
        return;
    m_results->moveLast();
    CaricaDa();
}

void ArchiveScreen::cmddnext_Click()
{
    if (!canBrowse())
        return;
    m_results->moveNext();
    if (m_results->eof()) {
        msg::info(this, QStringLiteral("questo è l'ultimo"));
        m_results->moveLast();
        return;
    }
    CaricaDa();
}

void ArchiveScreen::cmddpreced_Click()
{
    if (!canBrowse())
        return;
    m_results->movePrevious();
    if (m_results->bof()) {
        msg::info(this, QStringLiteral("questo è il primo"));
        m_results->moveFirst();
        return;
    }
    CaricaDa();
}

void ArchiveScreen::cmdpanorama_Click()
{
    openPanorama(this);
}

void ArchiveScreen::cmdopzioni_Click()
{
    appState().callerScreen = objectName();
    ScreenRegistry::open(QStringLiteral("FimpostaSTAMPA"));
}

void ArchiveScreen::cmdmenu_Click()
{
    hide();
    ScreenRegistry::open(menuScreenFor(appState()));
}

void ArchiveScreen::cmdesco_Click()
{
    endProgram(0);
}

bool ArchiveScreen::requireText()
{
    if (!m_display->judgmentText().isEmpty())
        return true;
    msg::info(this, kNothingToPrint);
    return false;
}

bool ArchiveScreen::requireCurrentRow()
{
    if (m_results && !m_results->eof() && !m_results->bof())
        return true;
    msg::info(this, kNoCurrentRow);
    return false;
}

bool ArchiveScreen::isOpenInComposition(qint64 key) const
{
    for (const CompositionScreen* compose : existingCompositions())
        if (compose->pupilRowKey() == key)
            return true;
    return false;
}

void ArchiveScreen::CmdRegistro_Click()
{
    const auto correction = correctionOf(m_display->typed(), m_media);
    if (const auto* problem = std::get_if<CorrectionProblem>(&correction)) {
        if (*problem == CorrectionProblem::EmptyText)
            msg::info(this, QStringLiteral("Non puoi salvare un documento con un testo vuoto"));
        else if (*problem == CorrectionProblem::ClassNotNumber)
            msg::info(this, kClassNotNumber);
        else
            msg::info(this, kTermNotNumber);
        return;
    }
    if (!requireCurrentRow())
        return;
    const auto& typed = std::get<JudgmentCorrection>(correction);
    try {
        if (!saveOverColleague(this, m_shownVersion, [&](qint64 expected) {
                writeCorrection(*m_results, typed, expected);
            }))
            return;
    } catch (const DbError& e) {
        msg::info(this, QStringLiteral("Le modifiche non sono state registrate nell'archivio:\n%1")
                            .arg(e.text()));
        return;
    }
    m_shownVersion = m_results->versionOrUnknown(); // the version this save gave the row
}

void ArchiveScreen::cmdELIMINO_Click()
{
    if (m_display->typed().nome.isEmpty())
        return;
    if (!requireCurrentRow())
        return;
    try {
        if (isOpenInComposition(m_results->bookmark())) {
            msg::info(this, QStringLiteral("Non puoi cancellare questo documento; è ancora attivo "
                                           "nel modulo 'Composizione'"));
            return;
        }
        if (!msg::yesNo(this, QStringLiteral("Sei sicuro di voler eliminare?"), msg::Default::No))
            return;
        m_results->remove();
        m_resultActions->rowsChanged();
    } catch (const DbError& e) {
        msg::info(this, QStringLiteral("Il documento non è stato eliminato:\n%1").arg(e.text()));
        return;
    }
    m_results->moveFirst();
    CaricaDa();
}

void ArchiveScreen::CmdStampaAttestato_Click()
{
    if (!requireText())
        return;
    if (appState().printTarget.isEmpty()) {
        msg::info(this, kCardChosenAtStart);
        return;
    }
    if (!requireCurrentRow())
        return;
    appState().callerScreen = objectName();
    archiveStore().HandedJudgments = m_results;
    PreparaAttestato(this);
}

void ArchiveScreen::cmdstampa_Click()
{
    if (!requireText())
        return;
    if (appState().currentTerm == 0)
        appState().currentTerm = static_cast<qint16>(leadingNumber(m_display->shownTerm()));
    printOnCard(m_display->judgmentText(), pupilRefOf(m_display->typed()), this);
}

void ArchiveScreen::cmdstampaverbale_Click()
{
    if (!requireText())
        return;
    printOnVerbale(m_display->judgmentText(), pupilRefOf(m_display->typed()), this);
}

void ArchiveScreen::cmdstampatutto_Click()
{
    if (!requireText() || !requireCurrentRow())
        return;
    auto* list = ScreenRegistry::as<ClassListWindow>(QStringLiteral("frmPrintGiudizi"));
    if (!list)
        return;
    archiveStore().HandedJudgments = m_results;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const PrintOutcome outcome = list->CopiaPagina(this);
    QApplication::restoreOverrideCursor();
    if (outcome == PrintOutcome::DatabaseError)
        return;
    reportPrintOutcome(this, outcome);
    ScreenRegistry::open(QStringLiteral("frmPrintGiudizi"));
}

} // namespace giudizi

#include "screens/compose/ComposeScreen.h"

#include "data/AppState.h"
#include "data/ArchiveRow.h"
#include "data/ArchiveStore.h"
#include "data/DbError.h"
#include "platform/ClickLabel.h"
#include "platform/Colors.h"
#include "platform/MessageBox.h"
#include "platform/NoticeLabel.h"
#include "platform/ProgramEnd.h"
#include "platform/ScreenRegistry.h"
#include "platform/Widgets.h"
#include "printing/CardFitLabel.h"
#include "printing/CardPrint.h"
#include "screens/ColleagueSave.h"
#include "screens/Handovers.h"
#include "screens/PreparaAttestato.h"
#include "shared/AttestatoHandover.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QTextEdit>
#include <QVBoxLayout>

namespace giudizi {

namespace {
const QString kNothingToSave =
    QStringLiteral("Non c'è niente da archiviare... Inizia o completa il giudizio, poi clicca per "
                   "le maiuscole e l'archiviazione.");
const QString kNoPupil = QStringLiteral(
    "Prima di salvare, clicca su \"SCRIVO IL GIUDIZIO\" e inserisci i dati dell'alunno.");
const QString kUnsaved = QStringLiteral(
    "Il testo del giudizio contiene modifiche non ancora salvate in archivio: passando "
    "all'alunno successivo andranno perse.\nVuoi passare comunque al giudizio successivo?");
} // namespace

ComposeScreen::ComposeScreen(const QString& title, const QStringList& areaCaptions,
                             const Captions& captions)
    : Screen(title)
{
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(10, 8, 10, 8);
    root->setSpacing(6);

    auto* header = new QHBoxLayout;
    m_pupilName = makeLabel(QStringLiteral("Label2"), QString(), this);
    m_pupilName->setStyleSheet(QStringLiteral("font-size: 14pt; font-weight: bold;"));
    m_pupilName->setWordWrap(false);
    m_termCaption = makeLabel(QStringLiteral("LabTQ"), QString(), this);
    m_termCaption->setStyleSheet(QStringLiteral("font-size: 12pt; color: #600060;"));
    m_termCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_termCaption->setWordWrap(false);
    header->addWidget(m_pupilName, 1);
    header->addWidget(m_termCaption);
    root->addLayout(header);

    auto* body = new QHBoxLayout;
    root->addLayout(body, 1);
    m_left = new QVBoxLayout;
    m_right = new QVBoxLayout;
    body->addLayout(m_left, 5);
    body->addLayout(m_right, 6);

    auto* areas = new QGridLayout;
    areas->setSpacing(4);
    const int perRow = areaCaptions.size() > 4 ? 5 : 2;
    for (int i = 0; i < areaCaptions.size(); ++i) {
        auto* area = makeClickLabel(arrayName(QStringLiteral("Lab8"), i), areaCaptions.at(i), this);
        area->setAlignment(Qt::AlignCenter);
        area->setMinimumHeight(30);
        setTextColor(area, Qt::white);
        setBackground(area, colors::areaNormal);
        connect(area, &ClickLabel::clicked, this, [this, i] { onAreaClicked(i); });
        areas->addWidget(area, i / perRow, i % perRow);
        m_areas.append(area);
    }
    m_left->addLayout(areas);

    m_list1 = new QListWidget(this);
    m_list1->setObjectName(QStringLiteral("List1"));
    m_list1->setWordWrap(true);
    m_list1->setAlternatingRowColors(true);
    QFont listFont = m_list1->font();
    listFont.setPointSize(11);
    m_list1->setFont(listFont);
    m_list1->setSpacing(1);
    // One insertion per click: itemActivated would fire too where a single
    // click activates, so the keyboard gets its own shortcut instead.
    connect(m_list1, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { List1_Click(m_list1->row(item)); });
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        auto* shortcut = new QShortcut(key, m_list1, nullptr, nullptr, Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this,
                [this] { List1_Click(m_list1->currentRow()); });
    }
    m_list2 = new QListWidget(this);
    m_list2->setObjectName(QStringLiteral("List2"));
    m_list2->hide(); // kept in step with List1, never shown

    m_text = new QTextEdit(this);
    m_text->setObjectName(QStringLiteral("RTextB1"));
    m_text->setAcceptRichText(false);
    m_text->setTabChangesFocus(true); // a tab means nothing in a judgment
    m_text->setMinimumHeight(220);
    QFont font = m_text->font();
    font.setPointSize(12);
    m_text->setFont(font);
    m_spazio = new CardFitLabel(
        m_text, [] { return static_cast<int>(appState().currentTerm); }, this);

    m_successivo =
        makeButton(QStringLiteral("cmdsuccessivo"), QStringLiteral("SCRIVO IL GIUDIZIO"), this);
    m_successivo->setStyleSheet(QStringLiteral("font-weight: bold;"));
    m_maiuscole = makeButton(QStringLiteral("cmdmaiuscole"), captions.maiuscole, this);
    m_maiuscole->setStyleSheet(QStringLiteral("font-weight: bold;"));
    m_cancfrase = makeButton(QStringLiteral("Cmdcancfrase"), captions.cancfrase, this);
    m_cancello =
        makeButton(QStringLiteral("cmdcancello"), QStringLiteral("Cancello tutto il testo"), this);
    m_stampo = makeButton(QStringLiteral("CmdSTAMPO"), captions.stampo, this);
    m_stampaFoglio =
        makeButton(QStringLiteral("cmdStampaFoglio"), QStringLiteral("Prepara Attestato"), this);
    m_opzioni = makeButton(QStringLiteral("cmdopzioni"), captions.opzioni, this);
    m_altroModello = makeButton(QStringLiteral("CmaAltroModello"), captions.altroModello, this);
    m_menu = makeButton(QStringLiteral("Cmdmenù"), QStringLiteral("Menù"), this);
    m_esco = makeButton(QStringLiteral("cmdesco"), QStringLiteral("Esco"), this);
    m_command1 = makeButton(QStringLiteral("Command1"), QString(), this);
    m_command1->hide();
    m_copia = makeButton(QStringLiteral("cmdCopia"), QStringLiteral("Copia il giudizio"), this);
    m_copia->setToolTip(QStringLiteral("Copia il giudizio negli appunti, con le maiuscole e le "
                                       "desinenze del salvataggio, per incollarlo nel registro "
                                       "elettronico"));
    m_copiato = new NoticeLabel(QStringLiteral("LabCopiato"), this);

    m_buttons = new QGridLayout;
    m_buttons->setSpacing(4);
    m_buttons->addWidget(m_successivo, 0, 0);
    m_buttons->addWidget(m_maiuscole, 0, 1);
    m_buttons->addWidget(m_cancfrase, 1, 0);
    m_buttons->addWidget(m_cancello, 1, 1);
    m_buttons->addWidget(m_stampo, 2, 0);
    m_buttons->addWidget(m_stampaFoglio, 2, 1);
    m_buttons->addWidget(m_opzioni, 3, 0);
    m_buttons->addWidget(m_altroModello, 3, 1);
    m_buttons->addWidget(m_menu, 4, 0);
    m_buttons->addWidget(m_esco, 4, 1);
    m_buttons->addWidget(m_copia, 5, 0);
    m_buttons->addWidget(m_copiato, 5, 1);

    connect(m_command1, &QPushButton::clicked, this, &ComposeScreen::Command1_Click);
    connect(m_successivo, &QPushButton::clicked, this, &ComposeScreen::cmdsuccessivo_Click);
    connect(m_maiuscole, &QPushButton::clicked, this, &ComposeScreen::cmdmaiuscole_Click);
    connect(m_stampo, &QPushButton::clicked, this, &ComposeScreen::CmdSTAMPO_Click);
    connect(m_stampaFoglio, &QPushButton::clicked, this, &ComposeScreen::cmdStampaFoglio_Click);
    connect(m_opzioni, &QPushButton::clicked, this, &ComposeScreen::cmdopzioni_Click);
    connect(m_menu, &QPushButton::clicked, this, &ComposeScreen::Cmdmenu_Click);
    connect(m_esco, &QPushButton::clicked, this, &ComposeScreen::cmdesco_Click);
    connect(m_copia, &QPushButton::clicked, this, &ComposeScreen::cmdCopia_Click);
    connect(m_text, &QTextEdit::textChanged, this,
            [this] { m_copia->setEnabled(!text().isEmpty()); });

    // Load state: nothing to print, nothing to undo, no pupil yet.
    m_stampo->setEnabled(false);
    m_stampaFoglio->setEnabled(false);
    m_cancfrase->setEnabled(false);
    m_list1->setEnabled(false);
    m_copia->setEnabled(false);
    resize(1280, 700);
}

QString ComposeScreen::text() const
{
    return m_text->toPlainText();
}

void ComposeScreen::setText(const QString& text)
{
    m_text->setPlainText(text);
    QTextCursor cursor = m_text->textCursor();
    cursor.movePosition(QTextCursor::End);
    m_text->setTextCursor(cursor);
}

void ComposeScreen::setTermCaption(const QString& caption)
{
    m_termCaption->setText(caption);
}

void ComposeScreen::highlightArea(int index)
{
    for (int i = 0; i < m_areas.size(); ++i)
        setBackground(m_areas.at(i), i == index ? colors::areaCurrent : colors::areaNormal);
}

void ComposeScreen::clearLists()
{
    m_list1->clear();
    m_list2->clear();
}

void ComposeScreen::Command1_Click()
{
    highlightArea(0);
    clearLists();
}

void ComposeScreen::primeForPupil(const QString& pupilName, const QString& caption,
                                  const QString& storedText)
{
    m_row = archiveStore().CurrentJudgment;
    m_rowKey = m_row ? m_row->bookmark() : -1;
    m_rowVersion = m_row ? m_row->versionOrUnknown() : Recordset::kNoCheck;
    m_archivedText = storedText;
    m_pupilSex = appState().pupilSex;
    setText(storedText);
    m_pupilName->setText(pupilName);
    m_termCaption->setText(caption);
    m_command1->click();
    appState().currentStep = 0;
    loadCatalogue();
}

void ComposeScreen::setNavigationEnabled(bool enabled)
{
    for (QPushButton* b :
         {m_stampo, m_stampaFoglio, m_successivo, m_altroModello, m_opzioni, m_esco, m_menu})
        b->setEnabled(enabled);
}

void ComposeScreen::cmdsuccessivo_Click()
{
    // The next pupil replaces the text in the box: never without asking when
    // it holds something the archive has not got.
    if (!text().isEmpty() && text() != m_archivedText &&
        !msg::yesNo(this, kUnsaved, msg::Default::No))
        return;
    setNavigationEnabled(false);
    m_successivo->setText(QStringLiteral("GIUDIZIO SUCCESSIVO"));
    m_list1->setEnabled(true);
    beforeNextPupil();
    const AppState& state = appState();
    const bool elementary = state.schoolLevel == QLatin1String("Elementari");
    const QString name = entryScreenFor(state);
    if (auto* entry = ScreenRegistry::as<PupilEntry>(name)) {
        entry->startPupil(elementary && isFlexibleModel(state) ? state.currentTerm : 0);
        ScreenRegistry::open(name);
    }
}

void ComposeScreen::cmdmaiuscole_Click()
{
    const QString original = text();
    if (original.isEmpty()) {
        msg::info(this, kNothingToSave);
        return;
    }
    if (!m_row) {
        msg::info(this, kNoPupil);
        return;
    }
    const QString prepared = prepareForSaving(original, m_pupilSex);
    const auto write = [&](qint64 expected) {
        m_row->setBookmark(m_rowKey);
        m_row->editExpecting(expected);
        m_row->setField(QStringLiteral("giudizio"), prepared);
        m_row->update();
    };
    try {
        if (!saveOverColleague(this, m_rowVersion, write))
            return;
    } catch (const DbError& e) {
        // Not saved: the screen stays as it was, the teacher's text untouched.
        msg::info(
            this,
            QStringLiteral("Il giudizio non è stato salvato nell'archivio:\n%1").arg(e.text()));
        return;
    }
    m_rowVersion = m_row->versionOrUnknown(); // the version this save gave the row
    m_archivedText = prepared;
    archiveStore().CurrentJudgment = m_row;
    setNavigationEnabled(true);
    if (prepared != original)
        setText(prepared);
    afterSave();
}

void ComposeScreen::CmdSTAMPO_Click()
{
    if (text().isEmpty()) {
        msg::info(this, kNothingToPrint);
        return;
    }
    printOnCard(text(), shownPupil(), this);
}

void ComposeScreen::cmdopzioni_Click()
{
    appState().callerScreen = objectName();
    ScreenRegistry::open(QStringLiteral("FimpostaSTAMPA"));
}

void ComposeScreen::cmdStampaFoglio_Click()
{
    if (text().isEmpty()) {
        msg::info(this, kNothingToPrint);
        return;
    }
    if (appState().printTarget.isEmpty()) {
        msg::info(this, kCardChosenAtStart);
        return;
    }
    appState().callerScreen = objectName();
    archiveStore().HandedJudgments = m_row ? pupilRow() : archiveStore().CurrentJudgment;
    PreparaAttestato(this);
}

PupilRef ComposeScreen::shownPupil()
{
    if (!m_row)
        return PupilRef{};
    try {
        m_row->setBookmark(m_rowKey);
        return pupilRefOf(*m_row);
    } catch (const DbError&) {
        // Deleted elsewhere: the printout is named after the screen's caption.
        return PupilRef{m_pupilName->text(), {}, {}, {}, {}};
    }
}

std::shared_ptr<Recordset> ComposeScreen::pupilRow()
{
    try {
        m_row->setBookmark(m_rowKey);
    } catch (const DbError&) {
        // The row is gone (deleted elsewhere): hand over the cursor as it stands.
    }
    return m_row;
}

void ComposeScreen::cmdCopia_Click()
{
    if (text().isEmpty())
        return;
    copyJudgment(prepareForSaving(text(), m_pupilSex), m_copiato);
}

void ComposeScreen::Cmdmenu_Click()
{
    hide();
    ScreenRegistry::open(menuScreenFor(appState()));
}

void ComposeScreen::cmdesco_Click()
{
    endProgram(0);
}

} // namespace giudizi

#include "screens/compose/FgiudixRIGID.h"

#include "data/AppState.h"
#include "data/ArchiveStore.h"
#include "data/DbError.h"
#include "platform/ClickLabel.h"
#include "platform/MessageBox.h"
#include "platform/ScreenRegistry.h"
#include "platform/Widgets.h"
#include "shared/Catalogues.h"
#include "shared/JudgmentText.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>

namespace giudizi {

namespace {
const QString kAdotta = QStringLiteral("ADOTTA avanzamento automatico");
const QString kAnnulla = QStringLiteral("ANNULLA avanzamento automatico");
} // namespace

FgiudixRIGID::FgiudixRIGID()
    : ComposeScreen(QStringLiteral("Giudizi - Modello rigido"),
                    {QStringLiteral("Comportamento"), QStringLiteral("Partecipazione"),
                     QStringLiteral("Impegno"), QStringLiteral("Autonomia"),
                     QStringLiteral("Espressione"), QStringLiteral("Apprendimento"),
                     QStringLiteral("Metodo"), QStringLiteral("Rielaborazione"),
                     QStringLiteral("Giudizio"), QStringLiteral("Profitto")},
                    {QStringLiteral("Passa al modello FESSIBILE"),
                     QStringLiteral("Opzioni di stampa per la scheda"),
                     QStringLiteral("Cancello  ultimo inserimento"),
                     QStringLiteral("Stampa Scheda"),
                     QStringLiteral("Inserisco desinenze e SALVO in archivio")})
{
    auto* inizio = new ClickLabel(QString(), this);
    inizio->setObjectName(QStringLiteral("LabINIZIO"));
    inizio->setWordWrap(true);
    inizio->setCursor(Qt::ArrowCursor);
    inizio->setMinimumHeight(28);
    inizio->setStyleSheet(QStringLiteral("font-size: 12pt; font-style: italic; color: #400040;"));
    connect(inizio, &ClickLabel::clicked, this, &FgiudixRIGID::LabINIZIO_Click);
    m_inizio = inizio;
    leftColumn()->addWidget(m_inizio);
    leftColumn()->addWidget(m_list1, 1);
    leftColumn()->addWidget(m_list2);
    m_avanzamento = makeButton(QStringLiteral("CmdAvanzamento"), kAdotta, this);
    leftColumn()->addWidget(m_avanzamento);
    rightColumn()->addWidget(m_text, 1);
    rightColumn()->addWidget(m_spazio);
    rightColumn()->addLayout(buttonGrid());

    m_list2->setEnabled(false);
    connect(m_avanzamento, &QPushButton::clicked, this, &FgiudixRIGID::CmdAvanzamento_Click);
    connect(m_cancfrase, &QPushButton::clicked, this, &FgiudixRIGID::Cmdcancfrase_Click);
    connect(m_cancello, &QPushButton::clicked, this, &FgiudixRIGID::cmdcancello_Click);
    connect(m_altroModello, &QPushButton::clicked, this, &FgiudixRIGID::CmaAltroModello_Click);
}

void FgiudixRIGID::showDescriptorCursor()
{
    clearLists();
    m_inizio->clear();
    m_savedOpening.clear();
    auto cursor = archiveStore().DescriptorCursor;
    if (!cursor)
        return;
    appState().descriptorCount = static_cast<qint16>(cursor->recordCount());
    cursor->moveFirst();
    if (cursor->eof())
        return; // an aspect without rows: empty lists, no opening words
    m_savedOpening = cursor->text(QStringLiteral("inizio"));
    m_inizio->setText(m_savedOpening);
    for (int i = 0; !cursor->eof(); cursor->moveNext(), ++i) {
        m_list1->addItem(cursor->text(QStringLiteral("indicatore")));
        m_list2->addItem(QString::number(i));
    }
}

void FgiudixRIGID::CaricaIndicatori()
{
    AppState& state = appState();
    highlightArea(state.currentStep);
    clearLists();
    if (state.currentClass == 0)
        state.currentClass = 1;
    const QString table = rigidTable(state.currentClass, state.currentTerm);
    try {
        CaricaClasse(table);
        // Any other class reads the last opened rows again.
        showDescriptorCursor();
    } catch (const DbError& e) {
        msg::info(this, e.text());
    }
}

void FgiudixRIGID::Lab8_Click(int index)
{
    appState().currentStep = static_cast<qint16>(index);
    CaricaIndicatori();
}

void FgiudixRIGID::List1_Click(int row)
{
    if (row < 0 || row >= m_list1->count())
        return;
    setText(appendRigidPick(text(), m_list1->item(row)->text(), m_inizio->text(), row, m_undo));
    m_cancfrase->setEnabled(true);
    m_inizio->clear();
    if (!autoAdvance())
        return;
    AppState& state = appState();
    state.currentStep = static_cast<qint16>(nextAspect(state.currentStep));
    if (state.currentStep == 0)
        highlightArea(0); // a full round: the lists keep the last aspect
    else
        CaricaIndicatori();
}

void FgiudixRIGID::CmdAvanzamento_Click()
{
    if (m_avanzamento->text() == kAdotta) {
        m_autoAdvance = QStringLiteral("si");
        m_avanzamento->setText(kAnnulla);
    } else if (m_avanzamento->text() == kAnnulla) {
        m_avanzamento->setText(kAdotta);
        m_autoAdvance = QStringLiteral("no");
    }
}

void FgiudixRIGID::Cmdcancfrase_Click()
{
    if (text().isEmpty()) {
        m_text->setFocus();
        return;
    }
    setText(removeLastInsertion(text(), m_undo));
    if (m_undo.listIndex >= 0 && m_undo.listIndex < m_list1->count())
        m_list1->item(m_undo.listIndex)->setSelected(false);
    m_inizio->setText(m_savedOpening);
    m_cancfrase->setEnabled(false);
    if (autoAdvance()) {
        AppState& state = appState();
        state.currentStep = static_cast<qint16>(previousAspect(state.currentStep));
        CaricaIndicatori();
    }
}

void FgiudixRIGID::cmdcancello_Click()
{
    setText(QString());
    m_text->setFocus();
    appState().currentStep = 0;
    CaricaIndicatori();
}

void FgiudixRIGID::CmaAltroModello_Click()
{
    appState().model = QStringLiteral("Flessibile");
    ScreenRegistry::open(QStringLiteral("Favviogiudix2"));
    hide();
}

QString FgiudixRIGID::prepareForSaving(const QString& text, const QString& sex) const
{
    return applyGenderEndings(text, sex);
}

void FgiudixRIGID::afterSave()
{
    m_list1->setEnabled(false);
    m_list2->setEnabled(false);
}

void FgiudixRIGID::beforeNextPupil()
{
    m_list2->setEnabled(true);
}

} // namespace giudizi

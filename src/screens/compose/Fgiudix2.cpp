#include "screens/compose/Fgiudix2.h"

#include "data/AppState.h"
#include "data/ArchiveStore.h"
#include "data/DbError.h"
#include "platform/ClickLabel.h"
#include "platform/Colors.h"
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
const char* const kWords[15] = {
    "spesso",        "di solito",        "talvolta", "non sempre", "anche se", "in parte",
    "con sicurezza", "sufficientemente", "poco",     "deve",       "né",       "dovrebbe",
    "molto",         "abbastanza",       "però"};
} // namespace

Fgiudix2::Fgiudix2()
    : ComposeScreen(QStringLiteral("Giudizi - Modello flessibile"),
                    {QStringLiteral("Socio-affettività"),
                     QStringLiteral("Responsabilità e psicomotricità"),
                     QStringLiteral("Area cognitiva 1"), QStringLiteral("Area cognitiva 2")},
                    {QStringLiteral("Passa al modello RIGIDO"), QStringLiteral("Opzioni di stampa"),
                     QStringLiteral("Cancello ultimo inserimento  (due clic)"),
                     QStringLiteral("Stampa SCHEDA"),
                     QStringLiteral("Inserisco Maiuscole e salvo in archivio")})
{
    leftColumn()->insertWidget(
        0, makeLabel(QStringLiteral("Label4"), QStringLiteral("Scegli, qui sotto, l'area"), this));
    leftColumn()->addWidget(m_list1, 1);
    leftColumn()->addWidget(m_list2);
    rightColumn()->addWidget(m_text, 1);
    rightColumn()->addWidget(m_spazio);
    buildWordPad();
    rightColumn()->addLayout(buttonGrid());

    connect(m_cancfrase, &QPushButton::clicked, this, &Fgiudix2::Cmdcancfrase_Click);
    connect(m_cancello, &QPushButton::clicked, this, &Fgiudix2::cmdcancello_Click);
    connect(m_altroModello, &QPushButton::clicked, this, &Fgiudix2::CmaAltroModello_Click);
}

void Fgiudix2::buildWordPad()
{
    auto* pad = new QGridLayout;
    pad->setSpacing(3);
    auto addWordLabel = [this, pad](const QString& name, const QString& caption, int index,
                                    bool punctuation) {
        auto* label = makeClickLabel(name, caption, this);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumHeight(26);
        setBackground(label, QColor(236, 228, 240));
        setTextColor(label, Qt::black);
        if (punctuation)
            label->setStyleSheet(QStringLiteral("font-size: 14pt; font-weight: bold;"));
        // Press feedback: white while the mouse is down.
        connect(label, &ClickLabel::pressed, label, [label] { setTextColor(label, Qt::white); });
        connect(label, &ClickLabel::released, label, [label] { setTextColor(label, Qt::black); });
        connect(label, &ClickLabel::clicked, this, [this, caption, punctuation] {
            if (punctuation)
                insertPunctuation(caption);
            else
                insertWord(caption);
        });
        pad->addWidget(label, index / 6, index % 6);
    };
    int index = 0;
    for (int i = 0; i < 15; ++i)
        addWordLabel(arrayName(QStringLiteral("Label1"), i), QString::fromUtf8(kWords[i]), index++,
                     false);
    addWordLabel(QStringLiteral("LabelE"), QStringLiteral("e"), index++, false);
    addWordLabel(QStringLiteral("LabelMA"), QStringLiteral("ma"), index++, false);
    addWordLabel(QStringLiteral("LabelED"), QStringLiteral("ed"), index++, false);
    addWordLabel(QStringLiteral("Labelnon"), QStringLiteral("non"), index++, false);
    addWordLabel(QStringLiteral("Labelpunt"), QStringLiteral("."), index++, true);
    addWordLabel(QStringLiteral("Labelvirg"), QStringLiteral(","), index++, true);
    addWordLabel(QStringLiteral("Labelpuntvirg"), QStringLiteral(";"), index++, true);
    rightColumn()->addLayout(pad);
}

void Fgiudix2::CaricaIndicatori2()
{
    clearLists();
    AppState& state = appState();
    const QString table = flexibleTable(state.currentTerm, state.currentStep);
    if (table.isEmpty())
        return;
    try {
        archiveStore().DescriptorCursor = openFlexibleCatalogue(table);
        showDescriptorCursor();
    } catch (const DbError& e) {
        msg::info(this, e.text());
    }
}

void Fgiudix2::showDescriptorCursor()
{
    clearLists();
    const auto& cursor = archiveStore().DescriptorCursor;
    if (!cursor)
        return;
    appState().descriptorCount = static_cast<qint16>(cursor->recordCount());
    for (cursor->moveFirst(); !cursor->eof(); cursor->moveNext()) {
        m_list1->addItem(cursor->text(QStringLiteral("descrittori")));
        m_list2->addItem(cursor->text(QStringLiteral("ordine")));
    }
}

void Fgiudix2::Lab8_Click(int index)
{
    highlightArea(index);
    clearLists();
    appState().currentStep = static_cast<qint16>(index);
    CaricaIndicatori2();
}

void Fgiudix2::List1_Click(int row)
{
    if (row < 0 || row >= m_list1->count())
        return;
    setText(appendDescriptor(text(), m_list1->item(row)->text(), row, m_undo));
    m_cancfrase->setEnabled(true);
}

void Fgiudix2::insertWord(const QString& word)
{
    setText(appendWord(text(), word, m_undo));
}

void Fgiudix2::insertPunctuation(const QString& mark)
{
    setText(appendPunctuation(text(), mark, m_undo));
}

void Fgiudix2::Cmdcancfrase_Click()
{
    if (text().isEmpty()) {
        m_text->setFocus();
        return;
    }
    setText(removeLastInsertion(text(), m_undo));
    m_cancfrase->setEnabled(false);
    if (m_undo.fromList && m_undo.listIndex >= 0 && m_undo.listIndex < m_list1->count())
        m_list1->item(m_undo.listIndex)->setSelected(false);
}

void Fgiudix2::cmdcancello_Click()
{
    setText(QString());
    m_text->setFocus();
    appState().currentStep = 0;
    highlightArea(0);
    clearLists();
    CaricaIndicatori2();
}

void Fgiudix2::CmaAltroModello_Click()
{
    appState().model = QStringLiteral("Rigido");
    ScreenRegistry::open(QStringLiteral("FavviogiudixRIG"));
    hide();
}

QString Fgiudix2::prepareForSaving(const QString& text, const QString& sex) const
{
    return applyGenderEndings(capitalizeSentences(text), sex);
}

void Fgiudix2::afterSave()
{
    archiveStore().HandedJudgments = archiveStore().CurrentJudgment;
}

} // namespace giudizi

#include "screens/descriptors/FmodificRIGID.h"

#include "data/AppState.h"
#include "data/ArchiveStore.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "platform/ClickLabel.h"
#include "platform/Colors.h"
#include "platform/MessageBox.h"
#include "platform/Widgets.h"
#include "shared/CatalogueGrid.h"
#include "shared/Catalogues.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace giudizi {

namespace {
struct Catalogue {
    const char* label;
    const char* caption;
    const char* table;
    const char* button;
    const char* buttonCaption;
    const char* subtitle;
};
const Catalogue kCatalogues[] = {
    {"LabclAq1", "1° 2° Media e 4° Elem - 1°Q/T", "classeAq1", "CmdSTAq1",
     "1° 2° Media e 4° Elem. - 1°Q/T",
     "del primo T/Q per le classi 1° e 2° Media e 4° Elementare."},
    {"LabclAq2", "1° 2° Media e 4° Elem - 2°Q/T-3°T", "classeAq2", "CmdSTAq2",
     "1° 2° Media e 4° Elem - 2°Q/T-3°T",
     "del 2° T/Q - 3° T per le classi 1° e 2° Media e 4° Elementare."},
    {"LabclBq1", "3° Media e 5° Elem - 1° Q/T", "classeBq1", "CmdSTBq1",
     "3° Media e 5°Elem - 1°Q/T", "del primo T/Q per le classi 3° Media e 5° Elementare."},
    {"LabclBq2", "3° Med e 5° Elem - 2°Q/T-3°T", "classeBq2", "CmdSTBq2",
     "3° Media e 5°Elem - 2°Q/T-3°T", "del 2° T/Q - 3° T per le classi 3° Media e 5° Elementare."},
};
constexpr int kAspectBoxes = 11;
const QColor kSelected(255, 0, 0);
const QColor kCatalogueColour(255, 192, 192);
const QColor kAspectColour(255, 128, 255);

} // namespace

FmodificRIGID::FmodificRIGID()
    : DescriptorEditor({QStringLiteral("Giudizi - Modifica i descrittori (modello rigido)"), 9000,
                        QStringLiteral("?"),
                        QStringLiteral("2. cliccare, nella lista, sulla riga aggiunta (99 - ?)"),
                        QStringLiteral("Stampa la griglia intera"),
                        QStringLiteral("Stampa la griglia di:")})
{
    auto* catalogues = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        auto* label = makeClickLabel(QString::fromLatin1(kCatalogues[i].label),
                                     QString::fromUtf8(kCatalogues[i].caption), this);
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(false);
        label->setMinimumHeight(28);
        label->setMinimumWidth(label->sizeHint().width() + 12);
        connect(label, &ClickLabel::clicked, this, [this, i] { selectCatalogue(i); });
        catalogues->addWidget(label, i / 2, i % 2);
        m_labels.append(label);
    }
    selectorColumn()->addLayout(catalogues);

    auto* aspects = new QGridLayout;
    aspects->setVerticalSpacing(2);
    aspects->addWidget(
        makeLabel(QStringLiteral("Label3"), QStringLiteral("Titoli dei descrittori..."), this), 0,
        0);
    aspects->addWidget(
        makeLabel(QStringLiteral("Label4"), QStringLiteral("..che iniziano con..."), this), 0, 1);
    for (int i = 0; i < kAspectBoxes; ++i) {
        auto* title = new QLineEdit(this);
        title->setObjectName(arrayName(QStringLiteral("Text1"), i));
        title->setReadOnly(true);
        title->setCursor(Qt::PointingHandCursor);
        title->installEventFilter(this);
        auto* opening = new QLineEdit(this);
        opening->setObjectName(arrayName(QStringLiteral("Text2"), i));
        opening->setReadOnly(true);
        aspects->addWidget(title, i + 1, 0);
        aspects->addWidget(opening, i + 1, 1);
        m_titles.append(title);
        m_openings.append(opening);
    }
    selectorColumn()->addSpacing(8);
    selectorColumn()->addLayout(aspects);
    auto* hint = makeLabel(QStringLiteral("Label1"),
                           QStringLiteral("Cliccare nella tabella sul descrittore da modificare. "
                                          "Inserire nelle finestre bianche il numero d'ordine e il "
                                          "nuovo testo. cliccare su Salva. "),
                           this);
    hint->setMaximumWidth(420);
    selectorColumn()->addWidget(hint);
    selectorColumn()->addStretch();

    for (int i = 0; i < 4; ++i)
        connect(addPrintButton(QString::fromLatin1(kCatalogues[i].button),
                               QString::fromUtf8(kCatalogues[i].buttonCaption)),
                &QPushButton::clicked, this, [this, i] { printCatalogue(i); });
    resize(1340, 680);
    Form_Load();
}

void FmodificRIGID::Form_Load()
{
    move(0, 0);
    printFrame()->hide();
    m_table = QStringLiteral("classeAq1");
    Titoli();
    for (int i = 0; i < m_labels.size(); ++i)
        setBackground(m_labels.at(i), i == 0 ? kSelected : kCatalogueColour);
    forgetSelection();
    selectAspect(0);
}

void FmodificRIGID::Titoli()
{
    try {
        auto rows = openRigidCatalogue(m_table);
        int box = 0;
        for (rows->moveFirst(); !rows->eof() && box < kAspectBoxes; rows->moveNext()) {
            const QString area = rows->text(QStringLiteral("area"));
            if (area.isEmpty())
                continue;
            m_titles.at(box)->setText(area);
            const QString opening = rows->text(QStringLiteral("inizio"));
            if (!opening.isEmpty())
                m_openings.at(box)->setText(opening);
            ++box;
        }
    } catch (const DbError& e) {
        msg::info(this, e.text());
    }
}

void FmodificRIGID::colourAspects(int selected, bool enabled)
{
    for (int i = 0; i < m_titles.size(); ++i) {
        setBoxBackground(m_titles.at(i), i == selected ? kSelected : kAspectColour);
        m_titles.at(i)->setEnabled(enabled);
    }
}

void FmodificRIGID::selectAspect(int index)
{
    // A title belongs to its aspect: none is handed to another one.
    m_rememberedTitle.clear();
    m_rememberedOpening.clear();
    appState().currentStep = static_cast<qint16>(index);
    m_aspect = index + 1;
    colourAspects(index, true);
    fillGrid();
}

void FmodificRIGID::selectCatalogue(int index)
{
    m_table = QString::fromLatin1(kCatalogues[index].table);
    for (int i = 0; i < m_labels.size(); ++i)
        setBackground(m_labels.at(i), i == index ? kSelected : kCatalogueColour);
    forgetSelection();
    selectAspect(0);
}

void FmodificRIGID::Text1_Click(int index)
{
    if (index < 0 || index >= m_titles.size() || !m_titles.at(index)->isEnabled())
        return;
    forgetSelection();
    selectAspect(index);
}

bool FmodificRIGID::eventFilter(QObject* watched, QEvent* event)
{
    // A click, or Enter or Space from the keyboard, chooses the aspect.
    bool chosen = event->type() == QEvent::MouseButtonRelease;
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        chosen = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    }
    if (chosen)
        for (int i = 0; i < m_titles.size(); ++i)
            if (watched == m_titles.at(i))
                Text1_Click(i);
    return DescriptorEditor::eventFilter(watched, event);
}

CatalogueKind FmodificRIGID::kind() const
{
    return {m_table, QStringLiteral("indicatore"), m_aspect};
}

std::shared_ptr<Recordset> FmodificRIGID::loadWorkingSet()
{
    // The eleventh box has no aspect of its own: it lists nothing.
    if (m_aspect > 10)
        return Recordset::open(archiveStore().DescriptorDb, m_table, QStringLiteral("1 = 0"), {},
                               QString());
    // The shared loaders read the step; the composition may have moved it since.
    appState().currentStep = static_cast<qint16>(m_aspect - 1);
    CaricaClasse(m_table);
    return archiveStore().DescriptorCursor;
}

QString FmodificRIGID::textHeader(const QVector<CatalogueRow>& rows) const
{
    return rows.isEmpty() ? QString() : rows.first().inizio;
}

void FmodificRIGID::Grid_Click(int row)
{
    fillGrid(); // the aspect's rows, read again
    DescriptorEditor::Grid_Click(row);
}

void FmodificRIGID::rowClicked(const CatalogueRow& row)
{
    if (row.ordine == 0) {
        m_rememberedTitle = row.area;
        m_rememberedOpening = row.inizio;
    }
}

DescriptorEdit FmodificRIGID::editFor(int ordine, const QString& text) const
{
    DescriptorEdit edit;
    edit.ordine = ordine;
    edit.text = text;
    edit.area = m_rememberedTitle;
    edit.inizio = m_rememberedOpening;
    return edit;
}

void FmodificRIGID::rowDeleted(const DeletedDescriptor& deleted)
{
    if (!deleted.area.isEmpty()) {
        m_rememberedTitle = deleted.area;
        m_rememberedOpening = deleted.inizio;
    }
}

void FmodificRIGID::catalogueReplaced()
{
    // The titles of the new catalogue, none left over from the old one.
    for (int i = 0; i < kAspectBoxes; ++i) {
        m_titles.at(i)->clear();
        m_openings.at(i)->clear();
    }
    Titoli();
    forgetSelection();
    selectAspect(m_aspect - 1);
}

void FmodificRIGID::Cmdstampa_Click()
{
    DescriptorEditor::Cmdstampa_Click();
    for (QLineEdit* title : m_titles) {
        setBoxBackground(title, kAspectColour);
        title->setEnabled(false);
    }
}

void FmodificRIGID::printCatalogue(int index)
{
    QVector<RigidGridRow> rows;
    try {
        auto catalogue = openRigidCatalogue(QString::fromLatin1(kCatalogues[index].table));
        for (catalogue->moveFirst(); !catalogue->eof(); catalogue->moveNext())
            rows.append({catalogue->field(QStringLiteral("ordine")).toInt(),
                         catalogue->text(QStringLiteral("indicatore")),
                         catalogue->text(QStringLiteral("area")),
                         catalogue->text(QStringLiteral("inizio"))});
    } catch (const DbError& e) {
        printFrame()->hide();
        msg::info(this, e.text());
        return;
    }
    printGrid(rigidGridLines(QString::fromUtf8(kCatalogues[index].subtitle), rows),
              catalogueJob(true));
}

} // namespace giudizi

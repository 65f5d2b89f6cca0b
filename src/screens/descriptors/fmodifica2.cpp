#include "screens/descriptors/fmodifica2.h"

#include "data/DbError.h"
#include "data/Recordset.h"
#include "platform/ClickLabel.h"
#include "platform/Colors.h"
#include "platform/MessageBox.h"
#include "platform/Widgets.h"
#include "printing/PrintOutcome.h"
#include "shared/CatalogueGrid.h"
#include "shared/Catalogues.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace giudizi {

namespace {
struct Area {
    const char* title;
    const char* labelPrefix;
    const char* table;
    QColor colour;
};
const Area kAreas[] = {
    {"SOCIO-AFFETTIVO modifico i descrittori del", "LabSA", "socioaffettiv", QColor(255, 224, 192)},
    {"RESPONSABILITA' e PSICOMOTRICITA': modifico il", "LabRES", "responsabilit",
     QColor(255, 192, 192)},
    {"AREA COGNITIVA1:  modifico i descrittori del", "LabCOGA", "cognitivA", QColor(255, 192, 255)},
    {"AREA COGNITIVA2:  modifico i descrittori del", "LabCOGB", "cognitivB", QColor(255, 128, 255)},
};
const char* const kTerms[] = {"Primo Q/T", "Secondo Q/T", "Terzo Trim"};
const QColor kSelected(255, 0, 0);
} // namespace

fmodifica2::fmodifica2()
    : DescriptorEditor(
          {QStringLiteral("Giudizi - Modifica i descrittori (modello flessibile)"), 5500,
           QStringLiteral("???"),
           QStringLiteral("2. cliccare, nella lista, sulla riga aggiunta (99 - \?\?\?)"),
           QStringLiteral("Stampa la griglia"), QStringLiteral("Stampa la griglia del")})
{
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(4);
    int row = 0;
    for (const Area& area : kAreas) {
        auto* title = makeLabel(QString(), QString::fromUtf8(area.title), this);
        setBackground(title, area.colour);
        grid->addWidget(title, row++, 0, 1, 3);
        for (int term = 0; term < 3; ++term) {
            auto* label =
                makeClickLabel(QString::fromLatin1(area.labelPrefix) + QString::number(term + 1),
                               QString::fromLatin1(kTerms[term]), this);
            label->setAlignment(Qt::AlignCenter);
            label->setMinimumHeight(28);
            const int index = static_cast<int>(m_labels.size());
            connect(label, &ClickLabel::clicked, this, [this, index] { selectCatalogue(index); });
            grid->addWidget(label, row, term);
            m_labels.append(label);
        }
        ++row;
        grid->setRowMinimumHeight(row++, 8);
    }
    selectorColumn()->addLayout(grid);
    selectorColumn()->addStretch();

    connect(addPrintButton(QStringLiteral("cmdprimo"), QStringLiteral("I tri-quadrimestre")),
            &QPushButton::clicked, this, &fmodifica2::cmdprimo_Click);
    connect(addPrintButton(QStringLiteral("cmdsecondo"), QStringLiteral("II tri-quadrimestre")),
            &QPushButton::clicked, this, &fmodifica2::cmdsecondo_Click);
    connect(addPrintButton(QStringLiteral("cmdterzo"), QStringLiteral("III trimestre")),
            &QPushButton::clicked, this, &fmodifica2::cmdterzo_Click);
    resize(1250, 640);
    Form_Load();
}

void fmodifica2::Form_Load()
{
    move(0, 0);
    printFrame()->hide();
    forgetSelection();
    colourLabels(0);
    m_table = QStringLiteral("socioaffettiv1");
    fillGrid();
}

void fmodifica2::colourLabels(int selected)
{
    for (int i = 0; i < m_labels.size(); ++i)
        setBackground(m_labels.at(i), i == selected ? kSelected : kAreas[i / 3].colour);
}

void fmodifica2::selectCatalogue(int index)
{
    const Area& area = kAreas[index / 3];
    const QString term = QString::number(index % 3 + 1);
    colourLabels(index);
    m_table = QString::fromLatin1(area.table) + term;
    // A selection belongs to the catalogue it was made in.
    forgetSelection();
    fillGrid();
}

CatalogueKind fmodifica2::kind() const
{
    return {m_table, QStringLiteral("descrittori"), std::nullopt};
}

std::shared_ptr<Recordset> fmodifica2::loadWorkingSet()
{
    return openFlexibleCatalogue(m_table);
}

void fmodifica2::printTerm(int term)
{
    static const char* const titles[] = {"Griglia del primo quadrimestre",
                                         "Griglia del secondo quadrimestre",
                                         "Griglia del terzo trimestre"};
    QList<QStringList> areas;
    try {
        for (int area = 0; area < 4; ++area) {
            auto rows = openFlexibleCatalogue(flexibleTable(term, area));
            QStringList phrases;
            for (rows->moveFirst(); !rows->eof(); rows->moveNext())
                phrases.append(rows->text(QStringLiteral("descrittori")));
            areas.append(phrases);
        }
    } catch (const DbError&) {
        printFrame()->hide();
        msg::info(this, kPrinterProblem); // any failure of this print
        return;
    }
    printGrid(flexibleGridLines(QString::fromLatin1(titles[term - 1]), areas), catalogueJob(false));
}

} // namespace giudizi

#include "screens/descriptors/DescriptorEditor.h"

#include "data/AppState.h"
#include "data/ArchiveStore.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "platform/MessageBox.h"
#include "platform/PrinterDevice.h"
#include "platform/ProgramEnd.h"
#include "platform/ScreenRegistry.h"
#include "platform/Widgets.h"
#include "printing/PlainTextPrint.h"
#include "printing/PrintOutcome.h"
#include "screens/Handovers.h"
#include "screens/descriptors/CatalogueSharing.h"
#include "shared/TypedNumbers.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

namespace giudizi {

DescriptorEditor::DescriptorEditor(const Setup& setup)
    : Screen(setup.title)
    , m_newRowText(setup.newRowText)
    , m_helpAddedRowLine(setup.helpAddedRowLine)
{
    auto* root = new QHBoxLayout(this);
    root->setContentsMargins(12, 10, 12, 10);
    root->setSpacing(14);
    m_selectors = new QVBoxLayout;
    root->addLayout(m_selectors);

    auto* centre = new QVBoxLayout;
    m_grid = new QTableWidget(0, 2, this);
    m_grid->setObjectName(QStringLiteral("Grid"));
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setWordWrap(false);
    m_grid->setHorizontalHeaderLabels({QString(), QString()});
    m_grid->verticalHeader()->setVisible(true);
    m_grid->verticalHeader()->setFixedWidth(twipsToPixels(this, 200));
    m_grid->setColumnWidth(0, twipsToPixels(this, 300));
    m_grid->setColumnWidth(1, twipsToPixels(this, setup.textColumnTwips));
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setMinimumWidth(twipsToPixels(this, 300 + setup.textColumnTwips + 600));
    connect(m_grid, &QTableWidget::clicked, this,
            [this](const QModelIndex& index) { Grid_Click(index.row() + 1); });
    // From the keyboard: the arrows choose the row, Enter takes it.
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        auto* shortcut = new QShortcut(key, m_grid, nullptr, nullptr, Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this,
                [this] { Grid_Click(m_grid->currentRow() + 1); });
    }
    centre->addWidget(m_grid, 1);

    auto* boxes = new QHBoxLayout;
    m_number = new QLineEdit(this);
    m_number->setObjectName(QStringLiteral("TxtOrdine"));
    m_number->setFixedWidth(60);
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("TxtModifica"));
    m_text->setTabChangesFocus(true);
    m_text->setFixedHeight(90);
    boxes->addWidget(m_number, 0, Qt::AlignTop);
    boxes->addWidget(m_text, 1);
    centre->addLayout(boxes);
    root->addLayout(centre, 1);

    auto* buttons = new QVBoxLayout;
    const struct {
        const char* name;
        QString caption;
        void (DescriptorEditor::*handler)();
    } actions[] = {
        {"CmdAggiungi", QStringLiteral("Aggiungi"), &DescriptorEditor::CmdAggiungi_Click},
        {"CmdSalva", QStringLiteral("Salva"), &DescriptorEditor::CmdSalva_Click},
        {"CmdElimina", QStringLiteral("Elimina"), &DescriptorEditor::CmdElimina_Click},
        {"Cmdaiuto", QStringLiteral("Aiuto ?"), &DescriptorEditor::Cmdaiuto_Click},
        {"Cmdstampa", setup.printCaption, &DescriptorEditor::Cmdstampa_Click},
        {"cmdEsportaCatalogo", QStringLiteral("Esporto il catalogo…"),
         &DescriptorEditor::cmdEsportaCatalogo_Click},
        {"cmdImportaCatalogo", QStringLiteral("Importo un catalogo…"),
         &DescriptorEditor::cmdImportaCatalogo_Click},
        {"Cmdmenù", QStringLiteral("Menù"), &DescriptorEditor::Cmdmenu_Click},
        {"cmsESCO", QStringLiteral("Esco"), &DescriptorEditor::cmsESCO_Click},
    };
    for (const auto& action : actions) {
        auto* button = makeButton(QString::fromUtf8(action.name), action.caption, this);
        button->setMinimumWidth(180);
        connect(button, &QPushButton::clicked, this, action.handler);
        buttons->addWidget(button);
        if (button->objectName() == QLatin1String("CmdSalva"))
            m_save = button;
    }
    m_printFrame = makeFrame(QStringLiteral("Frame1"), setup.printFrameTitle, this);
    new QVBoxLayout(m_printFrame);
    m_printFrame->hide();
    buttons->addSpacing(12);
    buttons->addWidget(m_printFrame);
    buttons->addStretch();
    root->addLayout(buttons);
    m_save->setEnabled(false);
    move(0, 0);
}

QPushButton* DescriptorEditor::addPrintButton(const QString& name, const QString& caption)
{
    auto* button = makeButton(name, caption, m_printFrame);
    m_printFrame->layout()->addWidget(button);
    return button;
}

QString DescriptorEditor::textHeader(const QVector<CatalogueRow>& rows) const
{
    Q_UNUSED(rows);
    return QString();
}

DescriptorEdit DescriptorEditor::editFor(int ordine, const QString& text) const
{
    DescriptorEdit edit;
    edit.ordine = ordine;
    edit.text = text;
    return edit;
}

void DescriptorEditor::fillGrid(bool reload)
{
    try {
        if (reload || !m_workingSet)
            m_workingSet = loadWorkingSet();
        m_rows = catalogueRows(*m_workingSet, kind());
    } catch (const DbError& e) {
        m_rows.clear();
        msg::info(this, e.text());
    }
    m_grid->clearContents();
    m_grid->setRowCount(static_cast<int>(m_rows.size()));
    for (int r = 0; r < m_rows.size(); ++r) {
        m_grid->setItem(r, 0, new QTableWidgetItem(QString::number(m_rows.at(r).ordine)));
        m_grid->setItem(r, 1, new QTableWidgetItem(m_rows.at(r).text));
        m_grid->setVerticalHeaderItem(r, new QTableWidgetItem(QString()));
    }
    m_grid->setHorizontalHeaderLabels({QString(), textHeader(m_rows)});
}

void DescriptorEditor::forgetSelection()
{
    m_number->clear();
    m_text->clear();
    m_save->setEnabled(false);
}

void DescriptorEditor::Grid_Click(int row)
{
    if (row < 1 || row > m_rows.size() || !m_workingSet)
        return;
    m_text->setPlainText(m_grid->item(row - 1, 1)->text());
    m_number->setText(m_grid->item(row - 1, 0)->text());
    // The stored text, exactly: the one a deletion looks for.
    m_rememberedText = m_rows.at(row - 1).text;
    m_workingSet->setBookmark(m_rows.at(row - 1).key);
    m_save->setEnabled(editable());
    rowClicked(m_rows.at(row - 1));
}

void DescriptorEditor::CmdAggiungi_Click()
{
    if (!msg::yesNo(this, QStringLiteral("Sicuro di voler aggiungere un nuovo indicatore?")))
        return;
    forgetSelection();
    if (!editable())
        return;
    try {
        if (reloadsAfterAdding() || !m_workingSet)
            m_workingSet = loadWorkingSet();
        addDescriptor(*m_workingSet, kind(), m_newRowText);
    } catch (const DbError& e) {
        msg::info(this, QStringLiteral("Il descrittore non è stato aggiunto:\n%1").arg(e.text()));
    }
    fillGrid(reloadsAfterAdding());
}

void DescriptorEditor::CmdSalva_Click()
{
    if (m_text->toPlainText().isEmpty()) {
        msg::info(this, QStringLiteral("Non c'è niente da salvare. Completare il testo"));
        return;
    }
    if (m_text->toPlainText().size() > kMaxCatalogueText) {
        msg::info(this, QStringLiteral("Il testo è troppo lungo: al massimo %1 caratteri.")
                            .arg(kMaxCatalogueText));
        return;
    }
    if (m_number->text().isEmpty()) {
        msg::info(this, QStringLiteral("Devi inserire il numero che indica l'ORDINE di "
                                       "visualizzazione del descrittore."));
        return;
    }
    if (!editable() || !m_workingSet)
        return;
    const DescriptorEdit edit = editFor(leadingNumber(m_number->text()), m_text->toPlainText());
    try {
        saveDescriptor(*m_workingSet, kind(), edit);
    } catch (const DbError& e) {
        msg::info(this, QStringLiteral("Il descrittore non è stato salvato:\n%1").arg(e.text()));
        return;
    }
    m_rememberedText = edit.text;
    forgetSelection();
    fillGrid();
}

void DescriptorEditor::CmdElimina_Click()
{
    if (m_number->text().isEmpty() || m_text->toPlainText().isEmpty()) {
        msg::info(this, QStringLiteral(
                            "Devi prima selezionare nella tabella il descrittore da eliminare"));
        return;
    }
    if (!msg::yesNo(this, QStringLiteral("Sicuro di voler ELIMINARE l'indicatore?"),
                    msg::Default::No) ||
        !editable())
        return;
    // The title a deleted title row hands on is what a save as number 0 would take.
    const DescriptorEdit remembered = editFor(0, m_rememberedText);
    try {
        const auto deleted = deleteDescriptor(archiveStore().DescriptorDb, kind(), m_rememberedText,
                                              remembered.area, remembered.inizio);
        if (!deleted)
            msg::info(this,
                      QStringLiteral("Il descrittore da eliminare non c'è più nel catalogo."));
        else
            rowDeleted(*deleted);
    } catch (const DbError& e) {
        msg::info(this, QStringLiteral("Il descrittore non è stato eliminato:\n%1").arg(e.text()));
        return;
    }
    forgetSelection();
    fillGrid();
}

void DescriptorEditor::Cmdaiuto_Click()
{
    const QStringList lines = {
        QStringLiteral("Per EILIMINARE un descrittore:"),
        QStringLiteral("1. cliccare, nella lista, sul descrittore da eliminare."),
        QStringLiteral("2. cliccare su 'Elimina'"),
        QString(),
        QStringLiteral("Per MODIFICARE un descrittore:"),
        QStringLiteral("1. cliccare, nella lista, sul descrittore da modificare."),
        QStringLiteral(
            "2. nelle caselle di testo bianche, scrivere il nuovo testo e, se necessario, "
            "il nuovo numero che indica l'ordine di presentazione del descrittore."),
        QStringLiteral("3. cliccare su 'Salva'"),
        QString(),
        QStringLiteral("Per AGGIUNGERE un nuovo descrittore:"),
        QStringLiteral("1. cliccare su 'Aggiungi'"),
        m_helpAddedRowLine,
        QStringLiteral("3. scrivere il testo del descrittore e il numero d'ordine"),
        QStringLiteral("4. cliccare su 'Salva'.")};
    msg::info(this, lines.join(QLatin1Char('\n')));
}

void DescriptorEditor::Cmdstampa_Click()
{
    m_printFrame->show();
}

void DescriptorEditor::cmdEsportaCatalogo_Click()
{
    exportCatalogue(this, model());
}

void DescriptorEditor::cmdImportaCatalogo_Click()
{
    if (importCatalogue(this, model()))
        catalogueReplaced();
}

void DescriptorEditor::catalogueReplaced()
{
    forgetSelection();
    fillGrid();
}

void DescriptorEditor::printGrid(const QList<TextLine>& lines, const PrintJob& job)
{
    PlainTextPage page; // the class list's page: Arial 10, margins 15, 20, 20, 30 mm
    PrinterDevice printer(job);
    if (!printer.chooseDestination(this))
        return; // the choice stays open for another try
    PlainTextPrinter plain(printer, page);
    const PrintOutcome outcome = plain.printFittedLines(lines);
    m_printFrame->hide();
    reportPrintOutcome(this, outcome);
}

void DescriptorEditor::Cmdmenu_Click()
{
    hide();
    ScreenRegistry::open(menuScreenFor(appState()));
}

void DescriptorEditor::cmsESCO_Click()
{
    endProgram(0);
}

} // namespace giudizi

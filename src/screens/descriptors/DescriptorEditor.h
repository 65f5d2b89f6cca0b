#pragma once

#include "data/DescriptorEditing.h"
#include "platform/Screen.h"
#include "shared/CatalogueFile.h"
#include "shared/PlainTextLayout.h"
#include "shared/PrintJob.h"

#include <memory>

class QBoxLayout;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace giudizi {

class Recordset;

// What the flexible and the rigid descriptor editors share: the grid of one
// catalogue (or aspect), the number and text boxes, adding, saving with the
// renumbering, deleting, help, the print frame and the way out. The screens
// say which rows are on show and what else a row carries.
class DescriptorEditor : public Screen {
    Q_OBJECT
public:
    // A click on grid row `row` (from 1).
    virtual void Grid_Click(int row);
    void CmdAggiungi_Click();
    void CmdSalva_Click();
    void CmdElimina_Click();
    void Cmdaiuto_Click();
    void Cmdmenu_Click();
    void cmsESCO_Click();
    virtual void Cmdstampa_Click();
    void cmdEsportaCatalogo_Click();
    void cmdImportaCatalogo_Click();

protected:
    struct Setup {
        QString title;
        int textColumnTwips = 0;  // width of the grid's text column
        QString newRowText;       // what a new row says until it is written
        QString helpAddedRowLine; // the help's line about the added row
        QString printCaption;     // "Stampa la griglia" ...
        QString printFrameTitle;  // "Stampa la griglia del" ...
    };
    explicit DescriptorEditor(const Setup& setup);

    // The model whose catalogue the editor keeps.
    virtual CatalogueModel model() const = 0;
    // The catalogue on show and the rows the grid lists (the working set).
    virtual CatalogueKind kind() const = 0;
    virtual std::shared_ptr<Recordset> loadWorkingSet() = 0;
    // Whether rows may be added, saved and deleted here (not in an aspect
    // that has no rows of its own).
    virtual bool editable() const { return true; }
    virtual bool reloadsAfterAdding() const { return true; }
    // The grid's header over the texts (the rigid aspect's opening words).
    virtual QString textHeader(const QVector<CatalogueRow>& rows) const;
    virtual void rowClicked(const CatalogueRow& row) { Q_UNUSED(row); }
    virtual DescriptorEdit editFor(int ordine, const QString& text) const;
    virtual void rowDeleted(const DeletedDescriptor& deleted) { Q_UNUSED(deleted); }
    // After an import: what is on show, read again.
    virtual void catalogueReplaced();

    // CreaTabella / ScriviGRID: the rows of the working set (loaded again
    // when `reload`) into the grid.
    void fillGrid(bool reload = true);
    // No row selected: both boxes empty, "Salva" disabled.
    void forgetSelection();
    // Prints catalogue lines on the class list's page, then hides the frame.
    void printGrid(const QList<TextLine>& lines, const PrintJob& job);

    QBoxLayout* selectorColumn() const { return m_selectors; }
    QGroupBox* printFrame() const { return m_printFrame; }
    QPushButton* addPrintButton(const QString& name, const QString& caption);

private:
    QString m_newRowText;
    QString m_helpAddedRowLine;
    QTableWidget* m_grid = nullptr;
    QLineEdit* m_number = nullptr;
    QPlainTextEdit* m_text = nullptr;
    QPushButton* m_save = nullptr;
    QGroupBox* m_printFrame = nullptr;
    QBoxLayout* m_selectors = nullptr;
    std::shared_ptr<Recordset> m_workingSet;
    QVector<CatalogueRow> m_rows; // as the grid shows them
    QString m_rememberedText;
};

} // namespace giudizi

#pragma once

#include "screens/descriptors/DescriptorEditor.h"

#include <QVector>

class QLineEdit;

namespace giudizi {

class ClickLabel;

// The editor of the four rigid catalogues, one aspect at a time; the aspects'
// titles and opening words stand in the boxes on the left.
class FmodificRIGID : public DescriptorEditor {
    Q_OBJECT
public:
    static constexpr const char* Name = "FmodificRIGID";
    FmodificRIGID();

    void Form_Load();
    // Fills the title boxes from the catalogue on show (once, at opening).
    void Titoli();
    // A click on catalogue label `index` (LabclAq1, LabclAq2, LabclBq1, LabclBq2).
    void selectCatalogue(int index);
    // A click on aspect box Text1(index).
    void Text1_Click(int index);
    void Grid_Click(int row) override;
    void Cmdstampa_Click() override;
    void printCatalogue(int index);

protected:
    CatalogueModel model() const override { return CatalogueModel::Rigid; }
    CatalogueKind kind() const override;
    std::shared_ptr<Recordset> loadWorkingSet() override;
    bool editable() const override { return m_aspect <= 10; }
    QString textHeader(const QVector<CatalogueRow>& rows) const override;
    void rowClicked(const CatalogueRow& row) override;
    DescriptorEdit editFor(int ordine, const QString& text) const override;
    void rowDeleted(const DeletedDescriptor& deleted) override;
    void catalogueReplaced() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void colourAspects(int selected, bool enabled);
    void selectAspect(int index);

    QVector<ClickLabel*> m_labels;
    QVector<QLineEdit*> m_titles;   // Text1(0..10)
    QVector<QLineEdit*> m_openings; // Text2(0..10)
    QString m_table;
    int m_aspect = 1;
    QString m_rememberedTitle;
    QString m_rememberedOpening;
};

} // namespace giudizi

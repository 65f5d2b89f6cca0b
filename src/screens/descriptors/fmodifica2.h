#pragma once

#include "screens/descriptors/DescriptorEditor.h"

#include <QVector>

namespace giudizi {

class ClickLabel;

// The editor of the twelve flexible catalogues (four areas, three terms).
class fmodifica2 : public DescriptorEditor {
    Q_OBJECT
public:
    static constexpr const char* Name = "fmodifica2";
    fmodifica2();

    void Form_Load();
    // A click on catalogue label `index` (LabSA1 ... LabCOGB3, in that order).
    void selectCatalogue(int index);
    void cmdprimo_Click() { printTerm(1); }
    void cmdsecondo_Click() { printTerm(2); }
    void cmdterzo_Click() { printTerm(3); }

protected:
    CatalogueModel model() const override { return CatalogueModel::Flexible; }
    CatalogueKind kind() const override;
    std::shared_ptr<Recordset> loadWorkingSet() override;
    bool reloadsAfterAdding() const override { return false; }

private:
    void colourLabels(int selected);
    void printTerm(int term);

    QVector<ClickLabel*> m_labels;
    QString m_table;
};

} // namespace giudizi

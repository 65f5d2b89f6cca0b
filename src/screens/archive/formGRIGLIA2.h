#pragma once

#include "platform/Screen.h"
#include "screens/Handovers.h"

class QTableView;

namespace giudizi {

class ArchiveGridModel;

// The panorama: every judgment of the archive with every column in one
// read-only grid, ordered by class, section and name. Corrections are made in
// the archive screen.
class formGRIGLIA2 : public Screen, public ArchiveOverview {
    Q_OBJECT
public:
    static constexpr const char* Name = "formGRIGLIA2";
    formGRIGLIA2();

    // Data1's refresh: reads the archive again.
    void refreshArchive() override;

    void cmdARCHIVIO_Click();
    void Cmdscrittura_Click();
    void cmdMODIFICA_Click();
    void cmdmenu_Click();
    void cmsESCO_Click();

    QTableView* grid() const { return m_grid; }

private:
    void setColumnWidths();
    QWidget* buildNavigator();
    void moveToRow(int row);

    ArchiveGridModel* m_model = nullptr;
    QTableView* m_grid = nullptr;
};

} // namespace giudizi

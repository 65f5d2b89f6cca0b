#pragma once

#include "screens/start/WritingMenu.h"

namespace giudizi {

// The writing menu of the rigid model: class group and term.
class FavviogiudixRIG : public WritingMenu {
    Q_OBJECT
public:
    static constexpr const char* Name = "FavviogiudixRIG";
    FavviogiudixRIG();

    void LabAq1_Click();
    void LabAq2_Click();
    void LabBq1_Click();
    void LabBq2_Click();
    void CaricaSeguente();

private:
    // `entryTerm` is the Elementare entry's term to preselect, 0 for none.
    void chooseGroup(const QString& table, qint16 term, qint16 group, const QString& caption,
                     int entryTerm);
};

} // namespace giudizi

#pragma once

#include "data/AttestatoData.h"
#include "platform/Screen.h"
#include "screens/Handovers.h"

#include <memory>

class QPushButton;

namespace giudizi {

class Recordset;
class SchoolDataFrame;
class SheetMockup;

// What the Media and the Elementare attestato screens share: the sheet on
// screen, its composition for the four kinds of paper, the school data, the
// marks and the admission choice, preview and print. The twins differ in the
// subjects and their order and in a few captions.
class AttestatoScreen : public Screen, public AttestatoSheetScreen {
    Q_OBJECT
public:
    bool composeSheet(const QString& printTarget) override;
    void offerAdmission() override;
    std::optional<HandedPage> pageAfterHandover(const QString& printTarget) override;

    // Opens the school data and asks for every field without value; false
    // when the archive could not be read or written (the teacher was told).
    bool Intestazione();
    void Ammesso();
    void NONammesso();

    void CmdSalvaVoti_Click();
    void CmdScuola_Click();
    void CmdFrame1_Click();
    void CmdAnteprima_Click();
    void CmdStampa_Click();
    void CmdScrittura_Click();
    void Cmdmenu_Click();
    void CmdEsco_Click();

protected:
    AttestatoScreen(bool media, const QString& title);
    void resizeEvent(QResizeEvent* event) override;

private:
    // The sheet for marks or not, on blank paper or on letterhead.
    bool compose(bool withMarks, bool letterhead);
    void showSchool(const SchoolData& school, bool letterhead);
    void showPupil(const PupilOnSheet& pupil);
    void setAdmission(bool admitted);
    void upperCaseMarks();
    bool saveMarks();
    // Builds the page (with or without marks) and previews or prints it.
    void output(bool withMarks, bool print);
    bool lastTerm() const;
    PupilRef shownPupil() const;

    bool m_media;
    SheetMockup* m_sheet = nullptr;
    SchoolDataFrame* m_schoolFrame = nullptr;
    QPushButton* m_saveMarks = nullptr;
    // The pupil of the sheet: a cursor of this screen's own on the row handed
    // over, so marks are written there whatever the other screens do.
    std::shared_ptr<Recordset> m_row;
    std::shared_ptr<Recordset> m_school;
    int m_term = 0;
    // The division of the year the sheet was composed with.
    QString m_division;
};

} // namespace giudizi

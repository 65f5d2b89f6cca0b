#pragma once

#include "platform/Screen.h"

#include <memory>
#include <optional>

class QPushButton;

namespace giudizi {

class ArchiveRowDisplay;
class ClassPrintJobs;
class ArchiveSearchPanel;
class Recordset;
class ResultSetActions;

// What the Media and the Elementare archive screens share: the searches, the
// result set and its navigation, the row display, and what is done with the
// row on show (correct, delete, print on card or verbale, class list,
// attestato). The twins differ in the second-language box and the class list.
class ArchiveScreen : public Screen {
    Q_OBJECT
public:
    enum class SearchMode { None, Pupil, Class };

    void Form_Load();
    void cmdalunno_Click();
    void cmdclasse_Click();
    void cmdok_Click();
    void cmdTUTTO_Click();
    void cmddprimo_Click();
    void cmddpreced_Click();
    void cmddnext_Click();
    void cmddultimo_Click();
    void CaricaDa();
    void cmdpanorama_Click();
    void cmdopzioni_Click();
    void cmdmenu_Click();
    void cmdesco_Click();

    void CmdRegistro_Click();
    void cmdELIMINO_Click();
    void CmdStampaAttestato_Click();
    void cmdstampa_Click();
    void cmdstampaverbale_Click();
    void cmdstampatutto_Click();

protected:
    ArchiveScreen(bool media, const QString& title, const QString& opzioniCaption);

private:
    QWidget* buildActions(const QString& opzioniCaption);
    // `exportName`: the file name suggested for exporting these results, or
    // nothing when they are not exported (a pupil's rows).
    void runSearch(const std::shared_ptr<Recordset>& results, const QString& nothingFound,
                   std::optional<QString> exportName);
    // The result set on hand to the export and the whole-class jobs; `ofClass`
    // when it comes from a class search.
    void offerResults(std::optional<QString> exportName, bool ofClass);
    // The result set stands on a row (not after a search that found nothing,
    // nor after the last row was deleted); tells the teacher otherwise.
    bool requireCurrentRow();
    // Browsing needs a row on show and a result set that is not empty.
    bool canBrowse() const;
    bool requireText();
    bool isOpenInComposition(qint64 key) const;

    bool m_media;
    SearchMode m_mode = SearchMode::None;
    std::shared_ptr<Recordset> m_results;
    qint64 m_shownVersion = -1; // of the row on show, as read (server only; -1 none)

    ArchiveSearchPanel* m_search = nullptr;
    ArchiveRowDisplay* m_display = nullptr;
    QPushButton* m_delete = nullptr;
    ClassPrintJobs* m_classJobs = nullptr;
    ResultSetActions* m_resultActions = nullptr;
};

} // namespace giudizi

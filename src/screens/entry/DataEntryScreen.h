#pragma once

#include "data/KnownPupils.h"
#include "platform/Screen.h"
#include "screens/Handovers.h"

#include <QList>
#include <optional>

class QComboBox;
class QCompleter;
class QLineEdit;
class QPushButton;
class QStringListModel;

namespace giudizi {

class ClickLabel;
struct PupilData;

// The pupil's data before a judgment: Media and Elementare differ only in the
// second-language list, the class offered first and a caption.
class DataEntryScreen : public Screen, public PupilEntry {
    Q_OBJECT
public:
    // Prepares the next pupil: empty name; `term` > 0 preselects the term.
    void startPupil(int term) override;
    // Selects a term in the term list by its text ("1", "2", "3").
    void selectTerm(int term) override;
    bool sexChosen() const;

    void LabM_Click();
    void LabF_Click();
    void cmdfatto_Click();
    void cmdImportaElenco_Click();

protected:
    DataEntryScreen(bool media);
    void showEvent(QShowEvent* event) override;

private:
    // The class, section and year chosen; nothing while the class is not a number.
    std::optional<ClassKey> chosenClass() const;
    // The names the completion offers, read again for the class chosen.
    void refreshKnownNames();
    // A name picked from the completion: an imported one brings its sex.
    void knownNamePicked(const QString& name);
    void resetSexLabels();
    bool collect(PupilData& pupil);
    bool storeRow(const PupilData& pupil);
    void openComposition(const QString& storedText, int classe);

    bool m_media;
    QLineEdit* m_name = nullptr;
    QComboBox* m_class = nullptr;
    QComboBox* m_section = nullptr;
    QComboBox* m_year = nullptr;
    QComboBox* m_term = nullptr;
    QComboBox* m_language = nullptr;
    QLineEdit* m_opz1 = nullptr;
    QLineEdit* m_opz2 = nullptr;
    ClickLabel* m_male = nullptr;
    ClickLabel* m_female = nullptr;
    QCompleter* m_completer = nullptr;
    QStringListModel* m_knownNames = nullptr;
    QList<KnownPupil> m_known;
};

} // namespace giudizi

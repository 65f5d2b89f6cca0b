#pragma once

#include "data/ArchiveSearch.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace giudizi {

// The search area of the archive screens: the two kinds of search, the name
// box, the four class choices, "OK" and "Vedo TUTTO". The screen owns the
// handlers; this panel owns the controls and which of them are visible.
class ArchiveSearchPanel : public QWidget {
    Q_OBJECT
public:
    // `classes`: the class list ("1".."3" for Media, "1".."5" for Elementare).
    ArchiveSearchPanel(const QStringList& classes, QWidget* parent);

    // Shows the name box (pupil) or the four choices (classes), and "OK"
    // with either.
    void showControls(bool pupil, bool classes);
    // Empties the name box and gives it the keyboard.
    void startPupilSearch();
    void startClassSearch();

    QString typedName() const;
    ClassChoice classChoice() const;

    QPushButton* pupilButton() const { return m_byPupil; }
    QPushButton* classButton() const { return m_byClass; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* allButton() const { return m_all; }
    QLineEdit* nameBox() const { return m_name; }

private:
    QPushButton* m_byPupil = nullptr;
    QPushButton* m_byClass = nullptr;
    QLabel* m_nameCaption = nullptr;
    QLineEdit* m_name = nullptr;
    QComboBox* m_class = nullptr;
    QComboBox* m_section = nullptr;
    QComboBox* m_year = nullptr;
    QComboBox* m_term = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_all = nullptr;
};

} // namespace giudizi

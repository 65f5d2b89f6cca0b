#pragma once

#include "data/ArchiveRow.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QTextEdit;

namespace giudizi {

// The row display of the archive screens: one box per column of the row on
// show, the judgment text and the school level. Everything can be edited;
// edits reach the archive only through the screen's "Registro" button.
class ArchiveRowDisplay : public QWidget {
    Q_OBJECT
public:
    // `media`: with the second-language box (Text7).
    ArchiveRowDisplay(bool media, QWidget* parent);

    // CaricaDa: the boxes are emptied, then filled from `row`; a null column
    // leaves its box empty and a null school level keeps the caption.
    void showRow(const ShownJudgment& row);
    // Empties every box and the caption (no row to show).
    void clear();
    // What the boxes hold now, as typed.
    ShownJudgment typed() const;

    QString judgmentText() const;
    // A row is on show when the name and the class boxes are not empty.
    bool rowOnShow() const;
    QString shownTerm() const;

signals:
    // The judgment box changed, shown or typed.
    void judgmentChanged();

private:
    QLineEdit* m_name = nullptr;
    QLineEdit* m_class = nullptr;
    QLineEdit* m_section = nullptr;
    QLineEdit* m_year = nullptr;
    QLineEdit* m_term = nullptr;
    QLineEdit* m_language = nullptr;
    QLineEdit* m_opz1 = nullptr;
    QLineEdit* m_opz2 = nullptr;
    QTextEdit* m_text = nullptr;
    QLabel* m_school = nullptr;
};

} // namespace giudizi

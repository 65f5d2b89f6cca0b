#pragma once

#include "shared/AttestatoPage.h"

#include <QHash>
#include <QVector>
#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace giudizi {

// The attestato as the teacher sees it on screen: the header, the pupil, the
// mark boxes under their subjects, the judgment, the admission choice and the
// signature, laid out like the printed sheet. Captions are in Arial 12, so
// their widths in millimetres are those the page centres by.
class SheetMockup : public QWidget {
    Q_OBJECT
public:
    explicit SheetMockup(bool media, QWidget* parent);

    QLabel* label(const QString& name) const;
    // Mark box `box` (table order) and its subject label.
    QLineEdit* markBox(int box) const { return m_marks.at(box); }
    QLabel* subjectLabel(int box) const { return m_subjects.at(box); }
    int markCount() const { return static_cast<int>(m_marks.size()); }
    QLineEdit* optionalBox(int which) const { return which == 1 ? m_opz1 : m_opz2; }
    QPlainTextEdit* judgmentBox() const { return m_judgment; }
    QGroupBox* admissionFrame() const { return m_admission; }
    QPushButton* admittedButton() const { return m_admitted; }
    QPushButton* notAdmittedButton() const { return m_notAdmitted; }

    // Shows or hides the parts only the sheets with marks have; showing
    // them empties the boxes.
    void showMarks(bool withMarks);
    // What the page is built from: captions, their widths, the boxes.
    AttestatoSheet gather() const;
    // A caption's width on screen in millimetres (its text's width for the
    // labels that size themselves to it, the label's own width otherwise).
    double widthMm(const QLabel* label) const;

private:
    // A caption in the sheet's font; `fixedMm` > 0 gives it a fixed width.
    QLabel* addLabel(const QString& name, const QString& caption, double fixedMm = 0,
                     QWidget* parent = nullptr);
    QWidget* buildMarks();

    bool m_media;
    QHash<QString, QLabel*> m_labels;
    QHash<const QLabel*, double> m_fixedWidths; // mm, labels that do not size to their text
    QVector<QLineEdit*> m_marks;
    QVector<QLabel*> m_subjects;
    QLineEdit* m_opz1 = nullptr;
    QLineEdit* m_opz2 = nullptr;
    QPlainTextEdit* m_judgment = nullptr;
    QGroupBox* m_admission = nullptr;
    QPushButton* m_admitted = nullptr;
    QPushButton* m_notAdmitted = nullptr;
};

} // namespace giudizi

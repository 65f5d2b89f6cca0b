#pragma once

#include "shared/PrintJob.h"

#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

namespace giudizi {

// The look at the text before a card or a verbale is printed: when the text
// shows something (an ending left, a word twice, blanks and marks out of
// place, the same text as another pupil's of the class and term), one
// question lists it, with "Stampo lo stesso" and "Correggo" (the default).
// True to print: nothing found, or the teacher chose to print.
bool checkBeforePrinting(QWidget* parent, const QString& text, const PupilRef& pupil);

// The same for a whole class: each pupil's text, the same text given to two
// pupils, and the pupils without a judgment, in one question.
struct PupilText {
    QString name;
    QString text;
};
bool checkClassBeforePrinting(QWidget* parent, const QList<PupilText>& pupils,
                              const QStringList& withoutText);

} // namespace giudizi

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace giudizi {

// Something in a judgment worth a look before it is printed, and the words
// concerned as they stand in the text.
struct TextRemark {
    enum class Kind { EndingLeft, RepeatedWord, BlankBeforeMark, NoBlankAfterMark, DoubleBlank };
    Kind kind;
    QString quoted;
};

// What the text of one judgment shows: a "#" left (an ending not applied),
// the same word twice in a row (ignoring case), a blank before . , ; : , one
// of those marks followed directly by a letter, two blanks in a row inside a
// line. A clean text gives none.
QList<TextRemark> checkJudgmentText(const QString& text);

// One remark in Italian: «una desinenza non applicata: «L'alunn#»».
QString remarkText(const TextRemark& remark);

// The question asked before printing when something was found: `lines` are
// what was found ("- …" each), `many` when they are about several pupils.
QString printCheckQuestion(const QStringList& lines, bool many);

} // namespace giudizi

#pragma once

#include <QString>

namespace giudizi {

// The one-level undo record of a composition screen.
struct UndoRecord {
    qsizetype start = 0;   // where the last insertion begins
    qsizetype length = 0;  // how many characters it added
    bool fromList = false; // the flexible "lista"/"no" source
    int listIndex = -1;    // List1 index of the last descriptor
    QString lastInserted;  // the last descriptor insertion
};

// Flexible model. Each insertion is appended at the end and ends in one blank.
QString appendDescriptor(const QString& text, const QString& item, int listIndex, UndoRecord& undo);
QString appendWord(const QString& text, const QString& word, UndoRecord& undo);
// The mark goes against the previous word: blanks around the text are dropped.
QString appendPunctuation(const QString& text, const QString& mark, UndoRecord& undo);

// Rigid model: the aspect's opening words (when not yet used) precede the pick.
QString appendRigidPick(const QString& text, const QString& item, const QString& opening,
                        int listIndex, UndoRecord& undo);

// Removes the last insertion recorded in `undo`; positions are clamped to the
// text, so an undo never reaches before its start or past its end.
QString removeLastInsertion(const QString& text, const UndoRecord& undo);

// The class-and-term caption of the composition screens, e.g. "2° Media 1° T/Q";
// `termText` is the term as the teacher typed or picked it.
QString pupilCaption(int classe, bool media, const QString& termText);

// Aspect stepping of the rigid automatic advance.
inline int nextAspect(int step)
{
    return step + 1 > 9 ? 0 : step + 1;
}
inline int previousAspect(int step)
{
    return step - 1 < 0 ? 9 : step - 1;
}

} // namespace giudizi

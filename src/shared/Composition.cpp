#include "shared/Composition.h"

namespace giudizi {

namespace {
const QString kBlank = QStringLiteral(" ");

// Blanks only, like the old Trim: the teacher's line breaks stay.
QString trimBlanks(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}
} // namespace

QString appendDescriptor(const QString& text, const QString& item, int listIndex, UndoRecord& undo)
{
    undo.listIndex = listIndex;
    undo.fromList = true;
    undo.start = text.size();
    undo.lastInserted = item + kBlank;
    undo.length = undo.lastInserted.size();
    return text + undo.lastInserted;
}

QString appendWord(const QString& text, const QString& word, UndoRecord& undo)
{
    undo.fromList = false;
    undo.start = text.size();
    undo.length = word.size() + 1;
    return text + word + kBlank;
}

QString appendPunctuation(const QString& text, const QString& mark, UndoRecord& undo)
{
    undo.fromList = false;
    undo.start = text.size() - 1;
    undo.length = 1;
    return trimBlanks(text) + mark + kBlank;
}

QString appendRigidPick(const QString& text, const QString& item, const QString& opening,
                        int listIndex, UndoRecord& undo)
{
    undo.listIndex = listIndex;
    undo.fromList = true;
    undo.start = text.size();
    undo.lastInserted = item + kBlank;
    if (!opening.isEmpty())
        undo.lastInserted = opening + kBlank + undo.lastInserted;
    undo.length = undo.lastInserted.size();
    return text + undo.lastInserted;
}

QString pupilCaption(int classe, bool media, const QString& termText)
{
    return QStringLiteral("%1° %2 %3° T/Q")
        .arg(classe)
        .arg(media ? QStringLiteral("Media") : QStringLiteral("Elem"), termText);
}

QString removeLastInsertion(const QString& text, const UndoRecord& undo)
{
    const qsizetype start = qBound<qsizetype>(0, undo.start, text.size());
    const qsizetype length = qBound<qsizetype>(0, undo.length, text.size() - start);
    QString result = text;
    result.remove(start, length);
    return result;
}

} // namespace giudizi

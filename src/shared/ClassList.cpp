#include "shared/ClassList.h"

#include "data/DbError.h"
#include "data/Recordset.h"

namespace giudizi {

QString classListText(Recordset& rows)
{
    const QString lineEnd = QStringLiteral("\r\n");
    const bool onRow = !rows.eof() && !rows.bof();
    const Recordset::Bookmark position = onRow ? rows.bookmark() : -1;
    QString text;
    try {
        for (rows.moveFirst(); !rows.eof(); rows.moveNext()) {
            QString entry;
            try {
                entry = rows.text(QStringLiteral("nome")) + lineEnd +
                        rows.text(QStringLiteral("giudizio")) + lineEnd + lineEnd;
            } catch (const MissingRowError&) {
                continue; // deleted meanwhile: not in the list
            }
            text += entry;
        }
    } catch (...) {
        if (onRow)
            rows.setBookmark(position);
        throw;
    }
    if (onRow)
        rows.setBookmark(position);
    return text;
}

} // namespace giudizi

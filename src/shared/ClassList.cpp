#include "shared/ClassList.h"

#include "data/Recordset.h"

namespace giudizi {

QString classListText(Recordset& rows)
{
    const QString lineEnd = QStringLiteral("\r\n");
    const bool onRow = !rows.eof() && !rows.bof();
    const Recordset::Bookmark position = onRow ? rows.bookmark() : -1;
    QString text;
    for (rows.moveFirst(); !rows.eof(); rows.moveNext()) {
        text += rows.text(QStringLiteral("nome"));
        text += lineEnd;
        text += rows.text(QStringLiteral("giudizio"));
        text += lineEnd;
        text += lineEnd;
    }
    if (onRow)
        rows.setBookmark(position);
    return text;
}

} // namespace giudizi

#include "shared/ClassList.h"

#include "data/DbError.h"
#include "data/Recordset.h"

namespace giudizi {

QString classListText(Recordset& rows)
{
    const QString lineEnd = QStringLiteral("\r\n");
    const Recordset::KeepPosition keep(rows);
    QString text;
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
    return text;
}

} // namespace giudizi

#include "shared/ClassList.h"

#include "data/Recordset.h"

namespace giudizi {

QString classListText(const Recordset& rows)
{
    const QString lineEnd = QStringLiteral("\r\n");
    QString text;
    // Read a batch at a time, as the export reads: one lock a row costs more
    // than the reading.
    rows.readEach(
        {QStringLiteral("nome"), QStringLiteral("giudizio")}, [&](const QVector<QVariant>& values) {
            text += values.at(0).toString() + lineEnd + values.at(1).toString() + lineEnd + lineEnd;
            return true;
        });
    return text;
}

} // namespace giudizi

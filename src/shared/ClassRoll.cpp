#include "shared/ClassRoll.h"

#include "data/DbError.h"
#include "data/Recordset.h"

namespace giudizi {

QStringList ClassRoll::leftOutLines() const
{
    QStringList lines;
    if (!withoutText.isEmpty())
        lines << (withoutText.size() == 1 ? QStringLiteral("1 alunno senza giudizio: %1.")
                                          : QStringLiteral("%2 alunni senza giudizio: %1."))
                     .arg(withoutText.join(QStringLiteral(", ")))
                     .arg(withoutText.size());
    if (otherLevel > 0)
        lines << (otherLevel == 1
                      ? QStringLiteral("1 giudizio dell'altro grado di scuola.")
                      : QStringLiteral("%1 giudizi dell'altro grado di scuola.").arg(otherLevel));
    if (deleted > 0)
        lines << (deleted == 1
                      ? QStringLiteral("1 documento eliminato nel frattempo dall'archivio.")
                      : QStringLiteral("%1 documenti eliminati nel frattempo dall'archivio.")
                            .arg(deleted));
    return lines;
}

ClassRoll readClassRoll(Recordset& rows, const QString& level)
{
    const QString other =
        level == QLatin1String("Medie") ? QStringLiteral("Elementari") : QStringLiteral("Medie");
    const Recordset::KeepPosition keep(rows);
    ClassRoll roll;
    for (rows.moveFirst(); !rows.eof(); rows.moveNext()) {
        if (!rows.currentRowExists()) {
            ++roll.deleted;
            continue;
        }
        const ShownJudgment row = readShownJudgment(rows);
        if (row.scuola && row.scuola->trimmed().compare(other, Qt::CaseInsensitive) == 0)
            ++roll.otherLevel;
        else if (row.giudizio.trimmed().isEmpty())
            roll.withoutText << row.nome;
        else
            roll.pupils.append({rows.bookmark(), row});
    }
    return roll;
}

} // namespace giudizi

#include "shared/ClassRoll.h"

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

QString ClassRoll::doneMessage(const QString& what) const
{
    QStringList lines{
        QStringLiteral("Ho stampato %1 %2 della classe.").arg(pupils.size()).arg(what)};
    const QStringList leftOut = leftOutLines();
    if (!leftOut.isEmpty())
        lines << QStringLiteral("Non ho stampato:") << leftOut;
    return lines.join(QLatin1Char('\n'));
}

QString ClassRoll::stoppedMessage(int index, const QString& reason) const
{
    return QStringLiteral("La stampa si è interrotta a %1 (%2 di %3):\n%4")
        .arg(pupils.value(index).name)
        .arg(index + 1)
        .arg(pupils.size())
        .arg(reason);
}

ClassRoll readClassRoll(const Recordset& rows, const QString& level)
{
    enum Column { Key, Name, Judgment, School, Class, Section, Year, Term };
    static const QStringList columns = {"data",   "nome",    "giudizio", "scuola",
                                        "classe", "sezione", "anno",     "quadrimestre"};
    const QString other =
        level == QLatin1String("Medie") ? QStringLiteral("Elementari") : QStringLiteral("Medie");
    ClassRoll roll;
    int read = 0;
    rows.readEach(columns, [&](const QVector<QVariant>& values) {
        ++read;
        const QString name = values.at(Name).toString();
        const QString judgment = values.at(Judgment).toString();
        if (values.at(School).toString().trimmed().compare(other, Qt::CaseInsensitive) == 0) {
            ++roll.otherLevel;
        } else if (judgment.trimmed().isEmpty()) {
            roll.withoutText << name;
        } else {
            if (roll.pupils.isEmpty())
                roll.classOf =
                    PupilRef{QString(), values.at(Class).toString(), values.at(Section).toString(),
                             values.at(Year).toString(), values.at(Term).toString()};
            roll.pupils.append({values.at(Key).toLongLong(), name, judgment});
        }
        return true;
    });
    roll.deleted = rows.recordCount() - read;
    return roll;
}

} // namespace giudizi

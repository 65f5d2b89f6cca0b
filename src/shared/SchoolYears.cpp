#include "shared/SchoolYears.h"

namespace giudizi {

QStringList schoolYearChoices(const QDate& today)
{
    QStringList years = {"2004-2005", "2005-2006", "2006-2007", "2007-2008", "2008-2009"};
    const int first = today.month() >= 9 ? today.year() : today.year() - 1;
    for (int start : {first, first + 1}) {
        const QString year = QStringLiteral("%1-%2").arg(start).arg(start + 1);
        if (!years.contains(year))
            years.append(year);
    }
    return years;
}

} // namespace giudizi

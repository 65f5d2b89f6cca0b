#include "data/Clock.h"

namespace giudizi::clock {

QDate today()
{
    const QDate set = QDate::fromString(qEnvironmentVariable("GIUDIZI_TODAY"), Qt::ISODate);
    return set.isValid() ? set : QDate::currentDate();
}

} // namespace giudizi::clock

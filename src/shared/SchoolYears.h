#pragma once

#include "data/Clock.h"

#include <QDate>
#include <QStringList>

namespace giudizi {

// The school years the year lists offer: the years they have always listed,
// then the current school year (September to August) and the next one.
QStringList schoolYearChoices(const QDate& today = clock::today());

} // namespace giudizi

#pragma once

#include <QDate>

namespace giudizi::clock {

// Today's date, as everything that depends on the date reads it:
// GIUDIZI_TODAY (AAAA-MM-GG) when set, so a test can move the day; the
// system's date otherwise.
QDate today();

} // namespace giudizi::clock

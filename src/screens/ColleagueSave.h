#pragma once

#include <QtGlobal>
#include <functional>

class QWidget;

namespace giudizi {

// A save checked against the row version the screen read: `write` runs with
// `expected`; when a colleague changed the row meanwhile the teacher is asked
// whether to write over it, and on Yes `write` runs again without the check.
// False when the teacher keeps the colleague's text (nothing written; the
// screen keeps its own text, unsaved). A DbError of the write passes through.
bool saveOverColleague(QWidget* parent, qint64 expected,
                       const std::function<void(qint64 expected)>& write);

} // namespace giudizi

#pragma once

#include <QString>

namespace giudizi {

class Recordset;

// The class list of a result set: for each row, from the first, the name, a
// line end, the judgment and two line ends (CR LF). A null column adds
// nothing; a row deleted meanwhile is left out. The cursor does not move.
QString classListText(const Recordset& rows);

} // namespace giudizi

#pragma once

#include <QString>

namespace giudizi {

// The program's statements are written for the local files (SQLite). On the
// server the same shapes read:
//   "col = ? COLLATE NOCASE"  ->  "lower(col) = lower(? COLLATE "C")": both
//                                 sides folded in ASCII only, as NOCASE does
//                                 (the database's own collation would also
//                                 fold "Ò" on one side alone)
//   any other COLLATE NOCASE  ->  dropped
// Nothing a teacher typed ever reaches this text: values are bound.
QString serverSql(const QString& sql);

} // namespace giudizi

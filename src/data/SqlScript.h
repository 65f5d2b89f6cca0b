#pragma once

#include <QStringList>

namespace giudizi {

// Splits an SQL script into statements at semicolons that stand outside quoted
// text, dropping "--" comment lines. Phrases may contain ';' and "--".
QStringList splitSqlScript(const QString& script);

} // namespace giudizi

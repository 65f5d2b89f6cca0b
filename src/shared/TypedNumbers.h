#pragma once

#include <QString>
#include <optional>

namespace giudizi {

// Numbers the teacher types into boxes and lists.

// The number a text starts with, as the old Val() read it: "3" and " 3a" give
// 3, "" and "x" give 0.
int leadingNumber(const QString& text);

// A class or term typed into a list box ("3", " 2 "): a whole number the
// program can hold, 1 to 32,767; nothing for "3a", "", "0" or "70000".
std::optional<int> parseClassOrTerm(const QString& text);

} // namespace giudizi

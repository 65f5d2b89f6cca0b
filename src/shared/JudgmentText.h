#pragma once

#include <QString>

namespace giudizi {

// Upper-cases the first character and the second character after every period
// (the punctuation labels always leave one blank between). Periods at
// positions 0 and 1 are not looked at. Works on texts of any length.
QString capitalizeSentences(const QString& text);

// Replaces every gender marker "#" from position 2 on with "o" for "M" and "a"
// for "F"; any other sex leaves the markers.
QString applyGenderEndings(const QString& text, const QString& sex);

} // namespace giudizi

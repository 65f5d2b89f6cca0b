#pragma once

#include <QString>

namespace giudizi {

// The refusal of an attestato when the ministerial card was chosen at start.
extern const QString kCardChosenAtStart;

// The refusal of an attestato asked from an archive screen for a row of the
// other school level; empty when the hand-over may go on. Only the archive
// screens ("Farchiv2", "FarchivElem") can meet a row of the other level.
QString levelRefusal(const QString& rowScuola, const QString& callerScreen);

// A judgment is the last of the school year at term 3 of a trimester year
// ("TRIMESTRE") or at term 2 of a quadrimester year ("QUADRIMESTRE").
bool isLastTerm(const QString& termDivision, int quadrimestre);

} // namespace giudizi

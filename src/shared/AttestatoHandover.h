#pragma once

#include <QString>
#include <optional>

namespace giudizi {

// The refusal of an attestato when the ministerial card was chosen at start.
extern const QString kCardChosenAtStart;

// The refusal of an attestato asked from an archive screen for a row of the
// other school level; empty when the hand-over may go on. Only the archive
// screens ("Farchiv2", "FarchivElem") can meet a row of the other level.
QString levelRefusal(const QString& rowScuola, const QString& callerScreen);

// What the print target chosen at start asks of the attestato: marks or not,
// blank paper or paper with the school's letterhead already on it; nothing
// for any other target (the card).
struct AttestatoTarget {
    bool withMarks = false;
    bool letterhead = false;
};
std::optional<AttestatoTarget> attestatoTarget(const QString& printTarget);

// A judgment is the last of the school year at term 3 of a trimester year
// ("TRIMESTRE") or at term 2 of a quadrimester year ("QUADRIMESTRE").
bool isLastTerm(const QString& termDivision, int quadrimestre);

} // namespace giudizi

#pragma once

#include "printing/StampaRiquadro.h"

class QWidget;

namespace giudizi {

// Prints a judgment into the frame of the ministerial card: the margins of the
// current term and the font size of the card's posizione row, through the
// hidden holder Formstampa2. Messages go to `parent`.
PrintOutcome printOnCard(const QString& text, QWidget* parent);

// Prints a judgment onto the exam verbale: the first set of margins and the
// font size of the "verbale" row, whatever the term. Without that row the
// teacher is told and nothing is printed.
PrintOutcome printOnVerbale(const QString& text, QWidget* parent);

} // namespace giudizi

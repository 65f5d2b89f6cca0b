#pragma once

#include "printing/StampaRiquadro.h"
#include "shared/PrintJob.h"

class QWidget;

namespace giudizi {

// Prints a judgment into the frame of the ministerial card: the margins of the
// current term and the font size of the card's posizione row, through the
// hidden holder Formstampa2, on the destination the teacher set. `pupil`
// names the job (its term is the one printed). Messages go to `parent`.
PrintOutcome printOnCard(const QString& text, PupilRef pupil, QWidget* parent);

// Prints a judgment onto the exam verbale: the first set of margins and the
// font size of the "verbale" row, whatever the term. Without that row the
// teacher is told and nothing is printed.
PrintOutcome printOnVerbale(const QString& text, const PupilRef& pupil, QWidget* parent);

} // namespace giudizi

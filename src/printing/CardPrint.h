#pragma once

#include "printing/PrintPosition.h"
#include "printing/StampaRiquadro.h"
#include "shared/PrintJob.h"

#include <optional>

class QWidget;

namespace giudizi {

// Where a judgment goes on the card or the verbale: the frame's margins
// (twips from the paper's edges; the left one whole twips, as stored) and
// the font size of the posizione row.
struct FrameSetting {
    FrameMargins margins;
    int fontSize = kDefaultPrintFontSize;
};

// The frame of the ministerial card for the current term; nothing when the
// print settings could not be read (the teacher was told, over `parent`).
std::optional<FrameSetting> cardFrame(QWidget* parent);

// The same frame as the next card print of `term` would take, read without a
// word to the teacher and without moving anything; nothing when it cannot be
// read.
std::optional<FrameSetting> cardFrameToCome(int term);

// How a judgment sits in a card frame: the lines it takes, the lines the
// frame holds.
struct CardFit {
    int lines = 0;
    int capacity = 0;
    bool fits() const { return lines <= capacity; }
};
// Laid out as the card print lays it out, on `printer`'s metrics.
CardFit cardFit(PrinterDevice& printer, const FrameSetting& frame, const QString& text);

// Prints a judgment into the frame of the ministerial card: the margins of the
// current term and the font size of the card's posizione row, through the
// hidden holder Formstampa2, on the destination the teacher set. `pupil`
// names the job (its term is the one printed). Messages go to `parent`.
PrintOutcome printOnCard(const QString& text, PupilRef pupil, QWidget* parent);

// Prints a judgment onto the exam verbale: the first set of margins and the
// font size of the "verbale" row, whatever the term. Without that row the
// teacher is told and nothing is printed.
PrintOutcome printOnVerbale(const QString& text, const PupilRef& pupil, QWidget* parent);

// Draws one judgment into `frame` on a job already started, from its current
// sheet on, exactly as its own card print would; the caller ends the job.
// Says nothing: FrameTooSmall when not even one character fits.
PrintOutcome drawCard(PrinterDevice& printer, const FrameSetting& frame, const QString& text);

} // namespace giudizi

#pragma once

#include <QString>

class QWidget;

namespace giudizi {

// What a print job came to; the screen that started it tells the teacher.
enum class PrintOutcome {
    Printed,
    PrinterFailure, // the printer is missing, off or refused the job
    FrameTooSmall,  // the margins leave no room for the text
    DatabaseError,  // the print settings could not be read (already told)
    NothingToPrint, // there was no text
};

extern const QString kPrinterProblem;
extern const QString kNothingToPrint;
extern const QString kFrameTooSmall;

// Shows the message of a failed outcome (printer, frame); nothing otherwise.
void reportPrintOutcome(QWidget* parent, PrintOutcome outcome);

} // namespace giudizi

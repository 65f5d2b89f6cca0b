#pragma once

#include <QString>

class QWidget;

namespace giudizi {

class PrinterDevice;

// What a print job came to; the screen that started it tells the teacher.
enum class PrintOutcome {
    Printed,
    PrinterFailure, // the printer is missing, off or refused the job
    FrameTooSmall,  // the margins leave no room for the text
    DatabaseError,  // the print settings could not be read (already told)
    NothingToPrint, // there was no text
    Cancelled,      // the teacher cancelled the choice of printer or file
    FileNotWritten, // the PDF file chosen could not be written
};

extern const QString kPrinterProblem;
extern const QString kNothingToPrint;
extern const QString kFrameTooSmall;
extern const QString kFileNotWritten;

// What a device that failed makes of a job: a file that could not be
// written, or a printer problem.
PrintOutcome deviceFailure(const PrinterDevice& printer);

// The message of a failed outcome (printer, file, frame); empty otherwise.
QString outcomeMessage(PrintOutcome outcome);
// Shows that message, when there is one.
void reportPrintOutcome(QWidget* parent, PrintOutcome outcome);

} // namespace giudizi

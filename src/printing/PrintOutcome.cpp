#include "printing/PrintOutcome.h"

#include "platform/MessageBox.h"
#include "platform/PrinterDevice.h"

namespace giudizi {

const QString kPrinterProblem = QStringLiteral(
    "Ci sono problemi con la stampante: hai controllato che sia collegata e che sia accesa?");
const QString kNothingToPrint = QStringLiteral("Non c'è nessun giudizio da stampare");
const QString kFrameTooSmall = QStringLiteral(
    "Il riquadro di stampa è troppo piccolo: controlla i margini nelle Opzioni di stampa.");

const QString kFileNotWritten =
    QStringLiteral("Il file PDF non si può scrivere: controlla che la cartella esista e che tu "
                   "possa scriverci, poi riprova.");

PrintOutcome deviceFailure(const PrinterDevice& printer)
{
    return printer.writesFile() ? PrintOutcome::FileNotWritten : PrintOutcome::PrinterFailure;
}

void reportPrintOutcome(QWidget* parent, PrintOutcome outcome)
{
    if (outcome == PrintOutcome::PrinterFailure)
        msg::info(parent, kPrinterProblem);
    else if (outcome == PrintOutcome::FileNotWritten)
        msg::info(parent, kFileNotWritten);
    else if (outcome == PrintOutcome::FrameTooSmall)
        msg::info(parent, kFrameTooSmall);
}

} // namespace giudizi

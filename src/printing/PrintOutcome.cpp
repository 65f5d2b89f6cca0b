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

QString outcomeMessage(PrintOutcome outcome)
{
    switch (outcome) {
    case PrintOutcome::PrinterFailure:
        return kPrinterProblem;
    case PrintOutcome::FileNotWritten:
        return kFileNotWritten;
    case PrintOutcome::FrameTooSmall:
        return kFrameTooSmall;
    default:
        return QString();
    }
}

void reportPrintOutcome(QWidget* parent, PrintOutcome outcome)
{
    const QString message = outcomeMessage(outcome);
    if (!message.isEmpty())
        msg::info(parent, message);
}

} // namespace giudizi

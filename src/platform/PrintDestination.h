#pragma once

namespace giudizi {

// Where every printout goes, as the teacher set it in the print settings
// (remembered between runs). GIUDIZI_PDF_DIR overrides it.
enum class PrintDestination {
    DefaultPrinter = 0,
    ChooseEachTime = 1, // the system's print dialog before each job
    PdfFile = 2,        // a PDF file named in a save dialog
};

PrintDestination printDestination();
void setPrintDestination(PrintDestination destination);

} // namespace giudizi

#pragma once

#include <QString>

namespace giudizi::environment {

// Folder that receives every print job as a numbered PDF, or empty to print.
QString pdfDirectory();
// Folder that stands for the floppy drive a:\ (GIUDIZI_FLOPPY_DIR), or empty
// when the teacher chooses it.
QString floppyDirectory();

} // namespace giudizi::environment

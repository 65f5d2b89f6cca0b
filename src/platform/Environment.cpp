#include "platform/Environment.h"

namespace giudizi::environment {

QString pdfDirectory()
{
    return qEnvironmentVariable("GIUDIZI_PDF_DIR");
}

QString floppyDirectory()
{
    return qEnvironmentVariable("GIUDIZI_FLOPPY_DIR");
}

} // namespace giudizi::environment

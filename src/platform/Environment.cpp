#include "platform/Environment.h"

namespace giudizi::environment {

QString pdfDirectory()
{
    return qEnvironmentVariable("GIUDIZI_PDF_DIR");
}

QString floppyDirectory()
{
    const QString dir = qEnvironmentVariable("GIUDIZI_FLOPPY_DIR");
    return dir.isEmpty() ? QStringLiteral("/media/floppy") : dir;
}

} // namespace giudizi::environment

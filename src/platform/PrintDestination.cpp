#include "platform/PrintDestination.h"

#include <QSettings>

namespace giudizi {

namespace {
const QString kKey = QStringLiteral("stampa/destinazione");
} // namespace

PrintDestination printDestination()
{
    bool ok = false;
    const int stored =
        QSettings(QStringLiteral("Giudizi"), QStringLiteral("Giudizi")).value(kKey, 0).toInt(&ok);
    // A value this program never wrote prints as it always has.
    if (!ok || stored < 0 || stored > static_cast<int>(PrintDestination::PdfFile))
        return PrintDestination::DefaultPrinter;
    return static_cast<PrintDestination>(stored);
}

void setPrintDestination(PrintDestination destination)
{
    QSettings(QStringLiteral("Giudizi"), QStringLiteral("Giudizi"))
        .setValue(kKey, static_cast<int>(destination));
}

} // namespace giudizi

#include "printing/CardPrint.h"

#include "data/AppState.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "platform/MessageBox.h"
#include "platform/PrinterDevice.h"
#include "platform/ScreenRegistry.h"
#include "printing/Formstampa2.h"
#include "printing/PrintPosition.h"

#include <cmath>

namespace giudizi {

namespace {
// A term outside 1..3 prints where the previous card went (the first term's
// frame when there was none), never at the paper's edge.
std::optional<FrameMargins>& previousMargins()
{
    static std::optional<FrameMargins> margins;
    return margins;
}

// Reads the posizione row of `kind`, then prints `text` in its frame: the
// margins `choose` picks from the row, the row's font size.
template <class Choose>
PrintOutcome printInFrame(const QString& kind, const QString& text, const PrintJob& job,
                          QWidget* parent, Choose choose)
{
    FrameMargins margins;
    int size = kDefaultPrintFontSize;
    try {
        auto row = openPositionRow(kind);
        size = ensureFontSize(*row);
        margins = choose(*row);
    } catch (const DbError& e) {
        msg::info(parent, e.text());
        return PrintOutcome::DatabaseError;
    }
    appState().printFontSize = static_cast<qint16>(size);

    PrinterDevice printer(job);
    if (!printer.chooseDestination(parent))
        return PrintOutcome::Cancelled;
    printer.setFontName(QStringLiteral("Arial"));
    printer.setFontSize(size);
    auto* holder = ScreenRegistry::get<Formstampa2>();
    holder->setPrintText(text, size);
    return StampaRiquadro(holder->box(), static_cast<int>(std::lround(margins.left)), margins.top,
                          margins.right, margins.bottom, printer);
}
} // namespace

PrintOutcome printOnCard(const QString& text, PupilRef pupil, QWidget* parent)
{
    pupil.term = QString::number(appState().currentTerm);
    return printInFrame(
        QStringLiteral("scheda"), text, cardJob(pupil), parent, [](const Recordset& row) {
            std::optional<FrameMargins> term = termMargins(row, appState().currentTerm);
            if (!term)
                term = previousMargins() ? previousMargins() : termMargins(row, 1);
            previousMargins() = term;
            return *term;
        });
}

PrintOutcome printOnVerbale(const QString& text, const PupilRef& pupil, QWidget* parent)
{
    return printInFrame(QStringLiteral("verbale"), text, verbaleJob(pupil), parent,
                        [](const Recordset& row) { return *termMargins(row, 1); });
}

} // namespace giudizi

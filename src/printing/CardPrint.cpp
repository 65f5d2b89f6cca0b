#include "printing/CardPrint.h"

#include "data/AppState.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "platform/FormatRange.h"
#include "platform/MessageBox.h"
#include "platform/PrinterDevice.h"
#include "platform/ScreenRegistry.h"
#include "printing/Formstampa2.h"
#include "printing/PrintCheck.h"

#include <QTextDocument>
#include <QTextEdit>
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

// Reads the posizione row of `kind`: the margins `choose` picks from it, its
// font size.
template <class Choose>
std::optional<FrameSetting> readFrame(const QString& kind, QWidget* parent, Choose choose)
{
    FrameSetting setting;
    try {
        auto row = openPositionRow(kind);
        setting.fontSize = ensureFontSize(*row);
        setting.margins = choose(*row);
    } catch (const DbError& e) {
        msg::info(parent, e.text());
        return std::nullopt;
    }
    appState().printFontSize = static_cast<qint16>(setting.fontSize);
    setting.margins.left = std::lround(setting.margins.left);
    return setting;
}

// The holder's box, which the print reads text and font from.
QTextEdit* holderWith(const QString& text, int fontSize)
{
    auto* holder = ScreenRegistry::get<Formstampa2>();
    holder->setPrintText(text, fontSize);
    return holder->box();
}

PrintOutcome printInFrame(const std::optional<FrameSetting>& setting, const QString& text,
                          const PrintJob& job, QWidget* parent)
{
    if (!setting)
        return PrintOutcome::DatabaseError;
    PrinterDevice printer(job);
    if (!printer.chooseDestination(parent))
        return PrintOutcome::Cancelled;
    printer.setFontName(QStringLiteral("Arial"));
    printer.setFontSize(setting->fontSize);
    const FrameMargins& m = setting->margins;
    return StampaRiquadro(holderWith(text, setting->fontSize), static_cast<int>(m.left), m.top,
                          m.right, m.bottom, printer);
}
} // namespace

namespace {
// A term's margins, or where the previous card went.
FrameMargins marginsOfTerm(const Recordset& row, int termNumber)
{
    std::optional<FrameMargins> term = termMargins(row, termNumber);
    if (!term)
        term = previousMargins() ? previousMargins() : termMargins(row, 1);
    return *term;
}
} // namespace

std::optional<FrameSetting> cardFrame(QWidget* parent)
{
    return readFrame(QStringLiteral("scheda"), parent, [](const Recordset& row) {
        previousMargins() = marginsOfTerm(row, appState().currentTerm);
        return *previousMargins();
    });
}

std::optional<FrameSetting> cardFrameToCome(int term)
{
    try {
        auto row = openPositionRow(QStringLiteral("scheda"));
        FrameSetting setting;
        // The size the print would take, without storing the default as it does.
        bool ok = false;
        const int size = row->field(QStringLiteral("DimCar")).toInt(&ok);
        setting.fontSize = ok && size > 0 ? size : kDefaultPrintFontSize;
        setting.margins = marginsOfTerm(*row, term);
        setting.margins.left = std::lround(setting.margins.left);
        return setting;
    } catch (const DbError&) {
        return std::nullopt;
    }
}

CardFit cardFit(PrinterDevice& printer, const FrameSetting& frame, const QString& text)
{
    printer.setFontName(QStringLiteral("Arial"));
    printer.setFontSize(frame.fontSize);
    // The holder's font, without filling the holder: nothing is printed here.
    const QFont font = Formstampa2::printFont(frame.fontSize);
    const RangeFill fill =
        measureFill(printer.paintDevice(), text, font, framePixels(printer, frame.margins));
    return CardFit{fill.lines, fill.capacity};
}

PrintOutcome printOnCard(const QString& text, PupilRef pupil, QWidget* parent)
{
    pupil.term = QString::number(appState().currentTerm);
    if (!checkBeforePrinting(parent, text, pupil))
        return PrintOutcome::Cancelled;
    return printInFrame(cardFrame(parent), text, cardJob(pupil), parent);
}

PrintOutcome printOnVerbale(const QString& text, const PupilRef& pupil, QWidget* parent)
{
    if (!checkBeforePrinting(parent, text, pupil))
        return PrintOutcome::Cancelled;
    const auto setting = readFrame(QStringLiteral("verbale"), parent,
                                   [](const Recordset& row) { return *termMargins(row, 1); });
    return printInFrame(setting, text, verbaleJob(pupil), parent);
}

PrintOutcome drawCard(PrinterDevice& printer, const FrameSetting& frame, const QString& text)
{
    printer.setFontName(QStringLiteral("Arial"));
    printer.setFontSize(frame.fontSize);
    const QFont font = holderWith(text, frame.fontSize)->document()->defaultFont();
    const QRectF pixels = framePixels(printer, frame.margins);
    if (!fitsInFrame(printer, text, font, pixels))
        return PrintOutcome::FrameTooSmall;
    return drawInFrame(printer, text, font, pixels);
}

} // namespace giudizi

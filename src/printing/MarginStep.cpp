#include "printing/MarginStep.h"

#include "data/Recordset.h"

namespace giudizi {

namespace {
const QString kTooLow = QStringLiteral("Meno di così non si può...");
const QString kTooHigh = QStringLiteral("Più di così non si può...");

struct Rule {
    double Outline::*coordinate;
    double outlineSign; // direction of the outline on screen
    double printSign;   // direction of the print column
    const char* printColumn;
    const char* outlineColumn;
    bool upperLimit; // the limit is a maximum (else a minimum)
    double limit;
    const QString& message;
};

Rule ruleFor(MarginMove move)
{
    switch (move) {
    case MarginMove::LeftMarginLeft:
        return {&Outline::left, -1, -1, "sinistra", "sin", false, kOutlineMinLeft, kTooLow};
    case MarginMove::LeftMarginRight:
        return {&Outline::left, +1, +1, "sinistra", "sin", true, kOutlineMaxLeft, kTooHigh};
    // The right print margin is a distance from the right edge: a narrower
    // outline means a larger margin.
    case MarginMove::RightMarginLeft:
        return {&Outline::width, -1, +1, "destra", "des", false, kOutlineMinWidth, kTooLow};
    case MarginMove::RightMarginRight:
        return {&Outline::width, +1, -1, "destra", "des", true, kOutlineMaxWidth, kTooHigh};
    case MarginMove::Lower:
        return {&Outline::top, +1, +1, "alto", "al", true, kOutlineMaxTop, kTooHigh};
    case MarginMove::Higher:
        // The top limit tells the same as the upper limits.
        return {&Outline::top, -1, -1, "alto", "al", false, kOutlineMinTop, kTooHigh};
    }
    Q_UNREACHABLE();
}
} // namespace

QString setSuffix(const QString& set)
{
    if (set == QLatin1String("secondo"))
        return QStringLiteral("2");
    if (set == QLatin1String("terzo"))
        return QStringLiteral("3");
    return QString();
}

MarginStep stepMargin(MarginMove move, const Outline& from, const QString& set)
{
    const Rule rule = ruleFor(move);
    MarginStep step;
    step.outline = from;
    double& value = step.outline.*rule.coordinate;
    value += rule.outlineSign * kOutlineStep;
    // The limits are compared in single precision, as the screen's coordinates are.
    const auto moved = static_cast<float>(value);
    const auto limit = static_cast<float>(rule.limit);
    const bool past = rule.upperLimit ? moved > limit : moved < limit;
    if (past) {
        value = rule.limit;
        step.message = rule.message;
        return step;
    }
    const QString suffix = setSuffix(set);
    step.store = true;
    step.printColumn = QString::fromLatin1(rule.printColumn) + suffix;
    step.printDelta = rule.printSign * kPrintStep;
    step.outlineColumn = QString::fromLatin1(rule.outlineColumn) + suffix;
    step.outlineDelta = rule.outlineSign * kOutlineStep;
    return step;
}

void applyStep(Recordset& row, const MarginStep& step)
{
    if (!step.store || row.recordCount() == 0)
        return;
    row.edit();
    for (const auto& [column, delta] : {std::pair{step.printColumn, step.printDelta},
                                        std::pair{step.outlineColumn, step.outlineDelta}}) {
        if (!row.isNull(column))
            row.setField(column, row.field(column).toDouble() + delta);
    }
    row.update();
}

} // namespace giudizi

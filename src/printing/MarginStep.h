#pragma once

#include <QString>

namespace giudizi {

class Recordset;

// The on-screen outline of the print area, in twips of the position screen:
// 25 of them stand for 110 on paper.
struct Outline {
    double left = 0;
    double width = 0;
    double top = 0;
};

// The six move buttons of the position screen, in the order of their names
// (Command1 ... Command6).
enum class MarginMove {
    LeftMarginLeft = 1,
    LeftMarginRight,
    RightMarginLeft,
    RightMarginRight,
    Lower,
    Higher,
};

constexpr double kOutlineStep = 25; // twips on screen per click
constexpr double kPrintStep = 110;  // twips on paper per click (about 2 mm)
constexpr double kOutlineMinLeft = 670;
constexpr double kOutlineMaxLeft = 920;
constexpr double kOutlineMinWidth = 250; // keeps the printed frame about 2 cm wide
constexpr double kOutlineMaxWidth = 2400;
constexpr double kOutlineMinTop = 1375;
constexpr double kOutlineMaxTop = 4200;

// What one click does.
struct MarginStep {
    Outline outline;       // where the outline goes (the limit when past it)
    bool store = false;    // within the limit: the row changes
    QString message;       // past the limit: what the teacher is told
    QString printColumn;   // e.g. "destra2"
    double printDelta = 0; // added to printColumn
    QString outlineColumn; // e.g. "des2"
    double outlineDelta = 0;
};

// Column suffix of a set of the card: "primo" "", "secondo" "2", "terzo" "3".
QString setSuffix(const QString& set);

// One click of `move` with the outline at `from`, editing `set`.
MarginStep stepMargin(MarginMove move, const Outline& from, const QString& set);

// Writes a step into the current row (one update); empty columns stay empty.
void applyStep(Recordset& row, const MarginStep& step);

} // namespace giudizi

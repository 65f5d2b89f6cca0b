#pragma once

#include <QString>
#include <memory>
#include <optional>

namespace giudizi {

class Recordset;

// Distances of the printed text from the paper edges, in twips.
struct FrameMargins {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// The card and the verbale keep the last line this far above the paper's
// bottom edge (about 4.3 cm).
constexpr double kFrameBottomMargin = 2440;
// The font size an empty DimCar stands for.
constexpr int kDefaultPrintFontSize = 12;

// Opens ArchiveStore::PositionCursor on the posizione row of a print kind
// ("scheda" or "verbale") and returns it; throws DbError when the row is missing.
std::shared_ptr<Recordset> openPositionRow(const QString& kind);
// DimCar of the row; an empty (or unusable) one becomes 12 and is stored.
int ensureFontSize(Recordset& row);
// The margins of term 1, 2 or 3 (alto/sinistra/destra, then the ...2 and ...3
// columns) with the fixed bottom margin; nothing for another term.
std::optional<FrameMargins> termMargins(const Recordset& row, int term);

} // namespace giudizi

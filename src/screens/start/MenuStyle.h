#pragma once

#include <QPixmap>

namespace giudizi {

class ClickLabel;

// The program's emblem: an open register with a pen, drawn, not loaded.
QPixmap menuEmblem(int size);
// A large, framed choice on the start screen.
void styleChoiceLabel(ClickLabel* label);
// An entry of a menu picture: a tile with its name.
void styleMenuTile(ClickLabel* label, const QString& color);

} // namespace giudizi

#pragma once

#include <QColor>

class QWidget;

namespace giudizi {

// Colours named by the program's screens live in the palette (Window for the
// background, WindowText for the text) so they can be read back.
void setBackground(QWidget* widget, const QColor& color);
QColor background(const QWidget* widget);
// An editable box: its visible background is Base, set with Window.
void setBoxBackground(QWidget* box, const QColor& color);
void setTextColor(QWidget* widget, const QColor& color);
QColor textColor(const QWidget* widget);

namespace colors {
inline const QColor areaNormal{192, 0, 192};     // &HC000C0
inline const QColor areaCurrent{128, 0, 128};    // &H800080
inline const QColor sexMaleOff{192, 192, 255};   // light blue
inline const QColor sexFemaleOff{255, 192, 255}; // light pink
inline const QColor sexChosen{255, 0, 0};
inline const QColor selection{192, 192, 255}; // &HFFC0C0
} // namespace colors

} // namespace giudizi

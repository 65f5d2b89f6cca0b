#pragma once

#include <QString>
#include <QStringList>

namespace giudizi {

// The 61 lines of the quick guide, leading blanks included.
QStringList guideLines();
// The whole guide text: title and lines joined with CR LF.
QString guideText();
// Rebuilds appState().guideText.
void CreaGuida();

} // namespace giudizi

#pragma once

#include "platform/Screen.h"

class QFont;
class QTextEdit;

namespace giudizi {

// The hidden holder of a text on its way to the printer: the card and the
// verbale are rendered from here, so the teacher's own text box is never
// touched. Never shown.
class Formstampa2 : public Screen {
    Q_OBJECT
public:
    static constexpr const char* Name = "Formstampa2";
    Formstampa2();

    QTextEdit* box() const { return m_box; }
    // Takes the text as plain text, in Arial at `points`.
    void setPrintText(const QString& text, int points);
    // The font the text is printed in at `points`.
    static QFont printFont(int points);

private:
    QTextEdit* m_box = nullptr;
};

} // namespace giudizi

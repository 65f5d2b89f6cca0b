#pragma once

#include "printing/MarginStep.h"

#include <QWidget>

class QLabel;

namespace giudizi {

// A reduced picture of the A4 card with the outline `AREAstampa` of where the
// text will print. The picture stands at 450, 1100 twips of the position
// screen; outline values are in those screen twips, 15 to a pixel.
class CardPicture : public QWidget {
    Q_OBJECT
public:
    explicit CardPicture(QWidget* parent = nullptr);

    void setOutline(const Outline& outline);
    Outline outline() const { return m_outline; }
    QLabel* outlineLabel() const { return m_area; }

    // Where the picture stands on the screen, in twips, and its scale.
    static constexpr double kLeft = 450;
    static constexpr double kTop = 1100;
    static constexpr double kTwipsPerPixel = 15;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* m_area = nullptr;
    Outline m_outline;
};

} // namespace giudizi

#pragma once

#include <QGroupBox>

namespace giudizi {

// "Dove stampare": where every printout goes. The choice is stored as soon
// as a button is pressed and shown again at the next opening.
class PrintDestinationGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit PrintDestinationGroup(QWidget* parent);
};

} // namespace giudizi

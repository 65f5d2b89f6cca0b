#pragma once

#include "screens/attestato/AttestatoScreen.h"

namespace giudizi {

// The attestato of Scuola Elementare: 11 subjects.
class FStampaELEM : public AttestatoScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "FStampaELEM";
    FStampaELEM()
        : AttestatoScreen(false, QStringLiteral("Elementari"))
    {
    }
};

} // namespace giudizi

#pragma once

#include "screens/attestato/AttestatoScreen.h"

namespace giudizi {

// The attestato of Scuola Media: 13 subjects with the second language.
class FStampaFoglio : public AttestatoScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "FStampaFoglio";
    FStampaFoglio()
        : AttestatoScreen(true, QStringLiteral("Medie"))
    {
    }
};

} // namespace giudizi

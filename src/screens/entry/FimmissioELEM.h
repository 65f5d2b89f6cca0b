#pragma once

#include "screens/entry/DataEntryScreen.h"

namespace giudizi {

// Pupil data for Scuola Elementare.
class FimmissioELEM : public DataEntryScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "FimmissioELEM";
    FimmissioELEM()
        : DataEntryScreen(false)
    {
    }
};

} // namespace giudizi

#pragma once

#include "screens/entry/DataEntryScreen.h"

namespace giudizi {

// Pupil data for Scuola Media.
class Fimmissio2 : public DataEntryScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "Fimmissio2";
    Fimmissio2()
        : DataEntryScreen(true)
    {
    }
};

} // namespace giudizi

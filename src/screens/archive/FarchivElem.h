#pragma once

#include "screens/archive/ArchiveScreen.h"

namespace giudizi {

// The archive of Scuola Elementare: classes 1 to 5, no second language.
class FarchivElem : public ArchiveScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "FarchivElem";
    FarchivElem()
        : ArchiveScreen(false, QStringLiteral("Giudizi - Archivio (Scuola Elementare)"),
                        QStringLiteral("Opzioni di stampa (solo per la scheda e il verbale)"))
    {
    }
};

} // namespace giudizi

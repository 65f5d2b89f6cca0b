#pragma once

#include "screens/archive/ArchiveScreen.h"

namespace giudizi {

// The archive of Scuola Media: classes 1 to 3, with the second language.
class Farchiv2 : public ArchiveScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "Farchiv2";
    Farchiv2()
        : ArchiveScreen(true, QStringLiteral("Giudizi - Archivio (Scuola Media)"),
                        QStringLiteral("Opzioni di stampa (solo per la scheda e il Verbale)"))
    {
    }
};

} // namespace giudizi

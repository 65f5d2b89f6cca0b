#include "screens/PreparaAttestato.h"

#include "data/AppState.h"
#include "data/ArchiveStore.h"
#include "data/DbError.h"
#include "platform/MessageBox.h"
#include "shared/AttestatoHandover.h"

namespace giudizi {

void PreparaAttestato(QWidget* parent)
{
    QString scuola;
    try {
        const auto& handed = archiveStore().HandedJudgments;
        if (handed)
            scuola = handed->text(QStringLiteral("scuola"));
    } catch (const DbError& e) {
        msg::info(parent, e.text());
        return;
    }
    const QString refusal = levelRefusal(scuola, appState().callerScreen);
    if (!refusal.isEmpty()) {
        msg::info(parent, refusal);
        return;
    }
    msg::info(parent, QStringLiteral("La stampa dell'attestato non è ancora disponibile in questa "
                                     "versione del programma."));
}

} // namespace giudizi

#include "screens/PreparaAttestato.h"

#include "data/AppState.h"
#include "data/ArchiveStore.h"
#include "data/DbError.h"
#include "platform/MessageBox.h"
#include "platform/ScreenRegistry.h"
#include "screens/Handovers.h"
#include "shared/AttestatoHandover.h"

namespace giudizi {

void PreparaAttestato(QWidget* parent)
{
    const auto& handed = archiveStore().HandedJudgments;
    QString scuola;
    try {
        if (!handed)
            throw MissingRowError();
        scuola = handed->text(QStringLiteral("scuola"));
    } catch (const DbError& e) {
        msg::info(parent, e.text());
        return;
    }
    const AppState& state = appState();
    const QString refusal = levelRefusal(scuola, state.callerScreen);
    if (!refusal.isEmpty()) {
        msg::info(parent, refusal);
        return;
    }
    const QString name = attestatoScreenFor(state);
    auto* sheet = ScreenRegistry::as<AttestatoSheetScreen>(name);
    if (!sheet || !sheet->composeSheet(state.printTarget))
        return;
    sheet->offerAdmission();
    ScreenRegistry::open(name);
}

} // namespace giudizi

#pragma once

#include "data/AppState.h"
#include "printing/PrintOutcome.h"

#include <QString>

namespace giudizi {

// The window names the program state leads to (empty when the state does not
// name one: nothing is opened then).
inline QString archiveScreenFor(const AppState& state)
{
    if (state.schoolLevel == QLatin1String("Elementari"))
        return QStringLiteral("FarchivElem");
    if (state.schoolLevel == QLatin1String("Medie"))
        return QStringLiteral("Farchiv2");
    return QString();
}
inline QString menuScreenFor(const AppState& state)
{
    if (isFlexibleModel(state))
        return QStringLiteral("Favviogiudix2");
    if (isRigidModel(state))
        return QStringLiteral("FavviogiudixRIG");
    return QString();
}
inline QString compositionScreenFor(const AppState& state)
{
    if (isFlexibleModel(state))
        return QStringLiteral("Fgiudix2");
    if (isRigidModel(state))
        return QStringLiteral("FgiudixRIGID");
    return QString();
}

// The hand-overs between screens. A screen implements the ones it offers;
// another screen finds it in the registry by window name
// (ScreenRegistry::as<Interface>("Fgiudix2")) and never includes its class.

// A composition screen (Fgiudix2, FgiudixRIGID).
class CompositionScreen {
public:
    virtual ~CompositionScreen() = default;
    // The `data` of the archive row of the pupil open on this screen, -1 when none.
    virtual qint64 pupilRowKey() const = 0;
    // Loads the descriptor lists of the current term and step.
    virtual void loadCatalogue() = 0;
};

// The panorama grid (formGRIGLIA2).
class ArchiveOverview {
public:
    virtual ~ArchiveOverview() = default;
    // Reads the archive again, so the grid shows the stored rows of now.
    virtual void refreshArchive() = 0;
};

// The class-list window (frmPrintGiudizi).
class ClassListWindow {
public:
    virtual ~ClassListWindow() = default;
    // Builds the list of the rows of ArchiveStore::HandedJudgments, shows it
    // in the window's text box and prints it. The cursor's position is kept.
    virtual PrintOutcome CopiaPagina() = 0;
};

} // namespace giudizi

#pragma once

#include "data/AppState.h"
#include "printing/PrintOutcome.h"
#include "shared/AttestatoPage.h"
#include "shared/PrintJob.h"

#include <QList>
#include <QString>
#include <optional>

class QWidget;

namespace giudizi {

class PrinterDevice;

// The window names the program state leads to (empty when the state does not
// name one: nothing is opened then).
QString archiveScreenFor(const AppState& state);
QString menuScreenFor(const AppState& state);
QString compositionScreenFor(const AppState& state);
QString attestatoScreenFor(const AppState& state);
QString entryScreenFor(const AppState& state);

// Prints the guide last built (AppState::guideText) through the page-preview
// window, telling `parent` of a printer failure.
void printGuide(QWidget* parent);
// Reads the archive again into the panorama and shows it in place of `from`.
void openPanorama(QWidget* from);

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
    // Fills the descriptor lists from ArchiveStore::DescriptorCursor as it
    // stands (the rigid menu opens it); throws DbError.
    virtual void showDescriptorCursor() = 0;
    virtual void setTermCaption(const QString& caption) = 0;
    // Colours every area (aspect) label normal and `index` highlighted.
    virtual void highlightArea(int index) = 0;
    virtual void clearLists() = 0;
    virtual void setText(const QString& text) = 0;
    // The data entry's hand-over: the pupil as typed, the class-and-term
    // caption, the text stored in the pupil's row.
    virtual void primeForPupil(const QString& pupilName, const QString& caption,
                               const QString& storedText) = 0;
};

// A data entry screen (Fimmissio2, FimmissioELEM).
class PupilEntry {
public:
    virtual ~PupilEntry() = default;
    // Ready for the next pupil: empty name; `term` > 0 preselects the term.
    virtual void startPupil(int term) = 0;
    // Selects a term in the term list.
    virtual void selectTerm(int term) = 0;
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
    // in the window's text box and prints it on the destination the teacher
    // set (dialogs over `parent`). The cursor's position is kept.
    virtual PrintOutcome CopiaPagina(QWidget* parent) = 0;
};

// The page-preview window (frmPrintText): the attestato page and the guide.
class PagePreview {
public:
    virtual ~PagePreview() = default;
    // Fits the page to the sheet, puts it in the window's text box (Arial 12),
    // then shows the window (`print` false) or prints the page under the
    // emblem, as `job`, on the destination the teacher set (dialogs over
    // `parent`; the page is fitted to the device chosen).
    virtual PrintOutcome outputAttestato(AttestatoPage page, bool print, const PrintJob& job,
                                         QWidget* parent) = 0;
    // Prints the guide in Arial 10 under the emblem; the window stays hidden.
    virtual PrintOutcome CopiaHelp(const QString& guide, QWidget* parent) = 0;
    // Fits the page to `printer` and draws it under the emblem from the
    // current sheet of a job already started; the caller ends the job.
    virtual PrintOutcome drawAttestato(AttestatoPage page, PrinterDevice& printer) = 0;
};

// An attestato screen (FStampaFoglio, FStampaELEM).
class AttestatoSheetScreen {
public:
    virtual ~AttestatoSheetScreen() = default;
    // Composes the sheet of the print target for the current row of
    // ArchiveStore::HandedJudgments; false when it could not (already told).
    virtual bool composeSheet(const QString& printTarget) = 0;
    // At the last term of the year shows the admission choice with the
    // admitted sentence; else hides it.
    virtual void offerAdmission() = 0;

    // The page the current row of ArchiveStore::HandedJudgments prints on
    // the sheet of `printTarget` when printed right after its hand-over
    // (admitted at the last term), and whether that term is the last.
    // Nothing when the sheet could not be composed (the teacher was told).
    struct HandedPage {
        AttestatoPage page;
        bool lastTerm = false;
    };
    virtual std::optional<HandedPage> pageAfterHandover(const QString& printTarget) = 0;
};

// The composition screens made so far (asking creates none).
QList<CompositionScreen*> existingCompositions();

} // namespace giudizi

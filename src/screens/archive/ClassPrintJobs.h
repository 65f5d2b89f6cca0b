#pragma once

#include "printing/PrintOutcome.h"

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

class QPushButton;

namespace giudizi {

class PrinterDevice;
class Recordset;
struct ClassRoll;

// The whole-class print jobs of an archive screen: every pupil of a class
// search's result set, in its order, in one job, each pupil from a new sheet
// and printed exactly as on its own. Rows without a judgment, of the other
// school level or deleted meanwhile are left out and counted in the closing
// message. A progress dialog with "Annulla" follows longer jobs. The two
// buttons are enabled only for the result set of a class search.
class ClassPrintJobs : public QWidget {
    Q_OBJECT
public:
    // `media`: on the screen of the Scuola Media (else the Elementare's).
    ClassPrintJobs(QWidget* screen, bool media);

    // A new result set; `ofClass` when it comes from a class search.
    void setResults(std::shared_ptr<Recordset> results, bool ofClass);

    // Each pupil's judgment in the card frame of the current term.
    void cmdSchedeClasse_Click();
    // Each pupil's attestato on the sheet chosen at start, admitted at the
    // last term of the year; every pupil is handed over as on its own.
    void cmdAttestatiClasse_Click();

private:
    using DrawPupil = std::function<PrintOutcome(int index, PrinterDevice& printer)>;
    // Starts the job, draws every pupil (a new sheet each) and ends it;
    // tells the teacher how it went. `what` names the pieces ("schede").
    void runJob(PrinterDevice& printer, const ClassRoll& roll, const QString& what,
                const DrawPupil& draw);
    // The look at every text before the job; true to print.
    bool lookedAt(const ClassRoll& roll);
    // The roll of `results`, or nothing (told) when no pupil is to print.
    bool readRoll(const Recordset& results, ClassRoll& roll);

    QWidget* m_screen;
    bool m_media;
    std::shared_ptr<Recordset> m_results;
    QPushButton* m_cards = nullptr;
    QPushButton* m_attestati = nullptr;
};

} // namespace giudizi

#pragma once

#include "platform/Screen.h"
#include "screens/Handovers.h"

class QPlainTextEdit;

namespace giudizi {

// The class list: the names and judgments of the rows handed over, printed
// at once and then shown full screen until "Chiudi Anteprima di stampa".
class frmPrintGiudizi : public Screen, public ClassListWindow {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmPrintGiudizi";
    frmPrintGiudizi();

    void Form_Load();
    PrintOutcome CopiaPagina(QWidget* parent) override;
    void Command1_Click();

private:
    // Prints the text of TxtMain: Arial at the print font size, margins left
    // 15, right 20, top 20, bottom 30 mm, paged by the printed height.
    PrintOutcome print(const QString& text, const PrintJob& job, QWidget* parent);

    QPlainTextEdit* m_text = nullptr;
};

} // namespace giudizi

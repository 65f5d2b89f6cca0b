#pragma once

#include "platform/Screen.h"
#include "printing/PlainTextPrint.h"
#include "screens/Handovers.h"

class QLabel;
class QPlainTextEdit;

namespace giudizi {

class PrinterDevice;

// The page preview: the attestato page (or the guide) in TxtMain, under the
// emblem, exactly as it prints: left and right margins 10 mm, top 20,
// bottom 30, the emblem 95 mm from the left and 8 mm from the top.
class frmPrintText : public Screen, public PagePreview {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmPrintText";
    frmPrintText();

    void Form_Load();
    PrintOutcome outputAttestato(AttestatoPage page, bool print, const PrintJob& job,
                                 QWidget* parent) override;
    PrintOutcome CopiaHelp(const QString& guide, QWidget* parent) override;
    PrintOutcome drawAttestato(AttestatoPage sheet, PrinterDevice& printer) override;
    // Prints TxtMain in Arial at the print font size on `printer`.
    PrintOutcome StampaTesto(PrinterDevice& printer);
    void Command1_Click();

    // The emblem as printed: 59 x 67 pixels at 72 dots per inch.
    static QImage emblem();

private:
    PlainTextPage page() const;
    void setText(const QString& text, int points);

    QLabel* m_picture = nullptr;
    QPlainTextEdit* m_text = nullptr;
    int m_fontSize = 12;
};

} // namespace giudizi

#pragma once

#include <QLabel>
#include <QTimer>
#include <functional>
#include <memory>

class QTextEdit;

namespace giudizi {

class PrinterDevice;

// LabSpazio: how the judgment being written sits in the card frame of the
// current term, "Nel riquadro: 9 righe su 12", or in red when it does not
// fit. Worked out by the card print's own layout once typing pauses.
class CardFitLabel : public QLabel {
    Q_OBJECT
public:
    // `term`: the term the next card print of the screen would take.
    CardFitLabel(QTextEdit* box, std::function<int()> term, QWidget* parent);
    ~CardFitLabel() override;

    // Works the figures out now (they follow the box by themselves).
    void refresh();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QTextEdit* m_box;
    std::function<int()> m_term;
    QTimer m_pause;
    std::unique_ptr<PrinterDevice> m_device;
};

} // namespace giudizi

#pragma once

#include <QLabel>

namespace giudizi {

// A label the teacher clicks like a button (menu entries, words, areas).
// Emits pressed() on mouse press, released() on release, and clicked() when the
// release happens inside the label. Keyboard: Space or Enter when focused.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString& text = QString(), QWidget* parent = nullptr);

signals:
    void pressed();
    void released();
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The keyboard's place is shown with a focus frame.
    void paintEvent(QPaintEvent* event) override;

private:
    // A click is a press and a release on this label: a double click counts
    // once, and its second half never lands on a label that appeared under it.
    bool m_pressed = false;
};

} // namespace giudizi

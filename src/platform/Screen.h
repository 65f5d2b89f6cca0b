#pragma once

#include <QWidget>

namespace giudizi {

// Base of every window of the program: a top-level window placed at the
// top-left corner, with the program's title. Screens without a way to be
// closed from the title bar force the teacher through their own buttons, so
// that no text is lost by a stray click.
class Screen : public QWidget {
    Q_OBJECT
public:
    explicit Screen(const QString& title, bool closable = false);

signals:
    // The title-bar close of a closable screen (start screen, menus).
    void closeRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool m_closable;
};

// Puts a window at the top-left corner, as high and as wide as the screen.
void fillScreen(QWidget* window);

// Finds a child control by object name, or aborts: a missing control is a
// programming error, never a teacher's.
template <class T> T* control(const QWidget* screen, const QString& name)
{
    T* child = screen->findChild<T*>(name);
    Q_ASSERT_X(child, "control", qPrintable(name));
    return child;
}

} // namespace giudizi

#include "platform/Screen.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

namespace giudizi {

Screen::Screen(const QString& title, bool closable)
    : QWidget(nullptr, closable ? Qt::Window
                                : Qt::Window | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint |
                                      Qt::CustomizeWindowHint)
    , m_closable(closable)
{
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void Screen::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (m_closable)
        emit closeRequested();
}

void fillScreen(QWidget* window)
{
    window->move(0, 0);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window->resize(screen->availableGeometry().size() * 3 / 4);
    // The title bar and borders stay on the screen too.
    window->setWindowState(window->windowState() | Qt::WindowMaximized);
}

} // namespace giudizi

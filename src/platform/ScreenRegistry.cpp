#include "platform/ScreenRegistry.h"

#include <QHash>
#include <QPointer>

namespace giudizi {

namespace {
QHash<QString, QPointer<QWidget>>& screens()
{
    static QHash<QString, QPointer<QWidget>> map;
    return map;
}
QHash<QString, ScreenRegistry::Factory>& factories()
{
    static QHash<QString, ScreenRegistry::Factory> map;
    return map;
}
} // namespace

void ScreenRegistry::registerFactory(const QString& name, Factory factory)
{
    factories().insert(name, std::move(factory));
}

QWidget* ScreenRegistry::obtain(const QString& name)
{
    if (name.isEmpty())
        return nullptr;
    if (QWidget* existing = find(name))
        return existing;
    const Factory factory = factories().value(name);
    if (!factory)
        return nullptr;
    QWidget* screen = factory();
    screen->setObjectName(name);
    add(screen);
    return screen;
}

bool ScreenRegistry::open(const QString& name)
{
    QWidget* screen = obtain(name);
    if (!screen)
        return false;
    if (auto* openable = dynamic_cast<OpenableScreen*>(screen))
        return openable->openScreen();
    showScreen(screen);
    return true;
}

QWidget* ScreenRegistry::find(const QString& name)
{
    return screens().value(name).data();
}

bool ScreenRegistry::show(const QString& name)
{
    QWidget* screen = find(name);
    if (!screen)
        return false;
    showScreen(screen);
    return true;
}

void ScreenRegistry::discard(const QString& name)
{
    QPointer<QWidget> screen = screens().take(name);
    if (screen) {
        screen->hide();
        screen->deleteLater();
    }
}

void ScreenRegistry::destroyAll()
{
    const auto all = screens();
    screens().clear();
    for (const QPointer<QWidget>& screen : all)
        delete screen.data();
}

void ScreenRegistry::add(QWidget* screen)
{
    screens().insert(screen->objectName(), screen);
}

void showScreen(QWidget* screen)
{
    screen->move(0, 0);
    screen->show();
    screen->raise();
    screen->activateWindow();
}

} // namespace giudizi

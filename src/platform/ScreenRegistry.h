#pragma once

#include <QString>
#include <QWidget>
#include <functional>

namespace giudizi {

// A screen that needs more than show() to be opened: a writing menu loads its
// databases the first time, the print-position screen its row.
class OpenableScreen {
public:
    virtual ~OpenableScreen() = default;
    // Shows the screen; false when it could not be opened (the teacher has
    // been told why).
    virtual bool openScreen() = 0;
};

// Every window class exists once per run: created on first use, then only
// hidden and shown. A screen class names itself with `static const char* Name`.
// Screens reach each other by window name: each class is registered once with
// a factory, and a screen asks for another one's hand-over interface, never
// for its class.
class ScreenRegistry {
public:
    using Factory = std::function<QWidget*()>;
    template <class T> static void registerScreen()
    {
        registerFactory(QString::fromLatin1(T::Name), [] { return new T(); });
    }
    static void registerFactory(const QString& name, Factory factory);
    // The screen of that window class, created through its factory on first
    // use; null for a name nobody registered.
    static QWidget* obtain(const QString& name);
    // The screen of that name as one of its hand-over interfaces, or null.
    template <class I> static I* as(const QString& name) { return dynamic_cast<I*>(obtain(name)); }
    // Obtains and shows a screen (through openScreen() when it has one).
    static bool open(const QString& name);

    template <class T> static T* get()
    {
        if (QWidget* existing = find(QString::fromLatin1(T::Name)))
            return static_cast<T*>(existing);
        T* screen = new T();
        screen->setObjectName(QString::fromLatin1(T::Name));
        add(screen);
        return screen;
    }
    // The screen of that window class if it has been created, else null.
    static QWidget* find(const QString& name);
    // Shows an already created screen by name (the way back through callerScreen).
    static bool show(const QString& name);
    // Discards one screen (the print-position screen is recreated on each visit).
    static void discard(const QString& name);
    // Destroys every screen of the run.
    static void destroyAll();

private:
    static void add(QWidget* screen);
};

// Shows a screen at the top-left corner of the desktop and brings it forward.
void showScreen(QWidget* screen);

} // namespace giudizi

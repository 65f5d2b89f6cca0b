#pragma once

#include <QString>
#include <QWidget>

namespace giudizi {

// Every window class exists once per run: created on first use, then only
// hidden and shown. A screen class names itself with `static const char* Name`.
class ScreenRegistry {
public:
    template <class T> static T* get(bool* created = nullptr)
    {
        if (created)
            *created = false;
        if (QWidget* existing = find(QString::fromLatin1(T::Name)))
            return static_cast<T*>(existing);
        if (created)
            *created = true;
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

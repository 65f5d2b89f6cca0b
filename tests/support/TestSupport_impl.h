#pragma once

#include <QTest>
#include <QWidget>

namespace giudizi::test {

template <class T> T* find(const QString& windowName, const QString& controlName)
{
    T* control = qobject_cast<T*>(findControl(windowName, controlName));
    if (!control)
        qWarning("control %s of %s has another type", qPrintable(controlName),
                 qPrintable(windowName));
    return control;
}

} // namespace giudizi::test

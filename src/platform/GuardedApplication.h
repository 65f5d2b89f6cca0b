#pragma once

#include <QApplication>

namespace giudizi {

// The program's QApplication: a database or device error that a handler did
// not catch is shown to the teacher instead of ending the program, so the
// screens and the text being composed survive it.
class GuardedApplication : public QApplication {
public:
    GuardedApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace giudizi

#pragma once

#include "support/TestSupport.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

namespace giudizi::test {

// While it lives, answers the program's save dialogs: each file dialog gets
// `path` (an empty path presses Cancel) after its suggested name and folder
// are recorded; each message box in between gets the next of `answers`
// (QMessageBox::Yes, No, Ok), its text and default button recorded.
class SaveAs {
public:
    explicit SaveAs(const QString& path, const QList<int>& answers = {});
    QStringList suggestedNames() const; // file names the dialogs proposed
    QStringList folders() const;        // the folders they opened in
    QStringList messages() const;
    QList<int> defaultButtons() const;

private:
    struct State;
    std::shared_ptr<State> m_state;
    std::unique_ptr<DialogHandler> m_handler;
};

} // namespace giudizi::test

#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace giudizi::msg {

// Every message of the program is a modal QMessageBox run with exec(), so that
// the teacher (and a test) answers it before anything else happens.
void info(QWidget* parent, const QString& text);
// Which button Enter presses. A question whose Yes discards or deletes the
// teacher's work defaults to No.
enum class Default { Yes, No };
// true when the teacher pressed OK. Default::No makes Cancel the default.
bool okCancel(QWidget* parent, const QString& text, Default defaultButton = Default::Yes);
// true when the teacher pressed Yes.
bool yesNo(QWidget* parent, const QString& text, Default defaultButton = Default::Yes);
// The same with captions of its own on the Yes and No buttons, and a long
// list behind "Mostra dettagli" (`details`, when not empty).
bool yesNo(QWidget* parent, const QString& text, const QString& yesCaption,
           const QString& noCaption, Default defaultButton, const QString& details = QString());

// A one-line question (QInputDialog): the text typed, or nothing on Cancel.
std::optional<QString> ask(QWidget* parent, const QString& prompt);
// A passphrase (QInputDialog, password echo): the text typed, or nothing on
// Cancel.
std::optional<QString> askPassword(QWidget* parent, const QString& prompt);
// A choice among `items` (QInputDialog::getItem, not editable): the index
// chosen, or nothing on Cancel.
std::optional<int> choose(QWidget* parent, const QString& prompt, const QStringList& items);

} // namespace giudizi::msg

#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace giudizi {

// Asks where to save a file the program writes (a PDF, an export): a save
// dialog that starts in the folder last used (first a "Giudizi" folder in the
// documents folder, made when missing) with `suggestedName` filled in. When
// the file chosen exists the teacher is asked once whether to replace it
// (No keeps it). Nothing when the teacher cancels or keeps the old file.
// `filter` is the dialog's name filter ("File PDF (*.pdf)").
std::optional<QString> chooseSaveFile(QWidget* parent, const QString& suggestedName,
                                      const QString& filter);

// Asks which existing file to open (an import): an open dialog that starts
// in the same folder as chooseSaveFile. Nothing when the teacher cancels.
std::optional<QString> chooseOpenFile(QWidget* parent, const QString& filter);

// The message for a file that could not be written (its name only).
QString fileNotWrittenMessage(const QString& path);

} // namespace giudizi

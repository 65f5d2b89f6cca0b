#pragma once

class QWidget;

namespace giudizi {

// "Ripristino l'archivio da una copia": the teacher picks a copy (the backup
// medium, an automatic copy, another folder), the copy is checked and
// described, and on Yes it takes the place of the data files; the program
// then ends so that it starts again on them. Messages go to `parent`.
void restoreArchive(QWidget* parent);

} // namespace giudizi

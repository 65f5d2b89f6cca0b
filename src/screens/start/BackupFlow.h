#pragma once

class QWidget;

namespace giudizi {

// "Copia l'archivio su floppy": the warning, the medium, the passphrase asked
// twice (both empty: a plain copy), then the verified backup; the program
// ends once it is on the medium. Messages go to `parent`.
void backUpArchive(QWidget* parent);

} // namespace giudizi

#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace giudizi {

// The folder that stands for the backup medium: GIUDIZI_FLOPPY_DIR when it
// is set; otherwise the folder the teacher chooses (a USB stick, say) with the
// system's folder dialog, which opens on the folder chosen last time and
// remembers the new choice. Nothing when the teacher cancels.
std::optional<QString> chooseBackupFolder(QWidget* parent);

// The folder of the last backup: GIUDIZI_FLOPPY_DIR when it is set, else the
// folder chosen last time (empty when none was).
QString lastBackupFolder();

} // namespace giudizi

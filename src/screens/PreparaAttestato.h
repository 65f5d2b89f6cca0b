#pragma once

class QWidget;

namespace giudizi {

// The one way into the attestato: the pupil is the current row of
// ArchiveStore::HandedJudgments, the caller's window name is in
// AppState::callerScreen. Refuses a row of the other school level; messages
// go to `parent`.
void PreparaAttestato(QWidget* parent);

} // namespace giudizi

#pragma once

#include <QLabel>
#include <QTimer>

namespace giudizi {

// A short notice in the window (a copy made, a file written) that goes away
// by itself after a few seconds: the teacher is told without a box to close.
// Hidden, it keeps its room, so nothing around it moves when it comes.
class NoticeLabel : public QLabel {
    Q_OBJECT
public:
    NoticeLabel(const QString& name, QWidget* parent);
    void flash(const QString& text, int shownMs = 4000);

private:
    QTimer m_timer;
};

// Puts `text` on the clipboard as plain text and says so on `notice`.
void copyJudgment(const QString& text, NoticeLabel* notice);

} // namespace giudizi

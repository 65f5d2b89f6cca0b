#include "platform/NoticeLabel.h"

#include <QClipboard>
#include <QGuiApplication>

namespace giudizi {

NoticeLabel::NoticeLabel(const QString& name, QWidget* parent)
    : QLabel(parent)
{
    setObjectName(name);
    setStyleSheet(QStringLiteral("color: #006000; font-weight: bold;"));
    setWordWrap(true);
    QSizePolicy policy = sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    setSizePolicy(policy);
    hide();
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &QWidget::hide);
}

void NoticeLabel::flash(const QString& text, int shownMs)
{
    setText(text);
    show();
    m_timer.start(shownMs); // a second notice gets its full time
}

void copyJudgment(const QString& text, NoticeLabel* notice)
{
    QGuiApplication::clipboard()->setText(text);
    notice->flash(QStringLiteral("Giudizio copiato negli appunti"));
}

} // namespace giudizi

#include "printing/Formstampa2.h"

#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

namespace giudizi {

Formstampa2::Formstampa2()
    : Screen(QStringLiteral("Giudizi - stampa"))
{
    m_box = new QTextEdit(this);
    m_box->setObjectName(QStringLiteral("RichTextBox1"));
    m_box->setAcceptRichText(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_box);
    move(0, 0);
}

QFont Formstampa2::printFont(int points)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(points);
    return font;
}

void Formstampa2::setPrintText(const QString& text, int points)
{
    const QFont font = printFont(points);
    m_box->setFont(font);
    m_box->document()->setDefaultFont(font);
    m_box->setPlainText(text);
}

} // namespace giudizi

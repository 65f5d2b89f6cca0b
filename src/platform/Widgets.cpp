#include "platform/Widgets.h"

#include "platform/ClickLabel.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace giudizi {

QPushButton* makeButton(const QString& name, const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

QLabel* makeLabel(const QString& name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

ClickLabel* makeClickLabel(const QString& name, const QString& text, QWidget* parent)
{
    auto* label = new ClickLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QComboBox* makeEditableCombo(const QString& name, const QStringList& items, const QString& initial,
                             QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    combo->setEditText(initial);
    return combo;
}

QGroupBox* makeFrame(const QString& name, const QString& title, QWidget* parent)
{
    auto* frame = new QGroupBox(title, parent);
    frame->setObjectName(name);
    return frame;
}

QString arrayName(const QString& name, int index)
{
    return QStringLiteral("%1(%2)").arg(name).arg(index);
}

int twipsToPixels(const QWidget* widget, int twips)
{
    return twips * widget->logicalDpiX() / 1440;
}

} // namespace giudizi

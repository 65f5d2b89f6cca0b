#pragma once

#include <QString>
#include <QStringList>

class QComboBox;
class QLabel;
class QPushButton;
class QGroupBox;
class QWidget;

namespace giudizi {

class ClickLabel;

// Small factories that give every control its object name at birth.
QPushButton* makeButton(const QString& name, const QString& text, QWidget* parent = nullptr);
QLabel* makeLabel(const QString& name, const QString& text, QWidget* parent = nullptr);
ClickLabel* makeClickLabel(const QString& name, const QString& text, QWidget* parent = nullptr);
// An editable combo box: the teacher picks from `items` or types; `initial`
// is the text it starts with.
QComboBox* makeEditableCombo(const QString& name, const QStringList& items, const QString& initial,
                             QWidget* parent = nullptr);
QGroupBox* makeFrame(const QString& name, const QString& title, QWidget* parent = nullptr);
// An element of a control array: "Lab8" and 3 give "Lab8(3)".
QString arrayName(const QString& name, int index);
// A length in twips (1/1440 inch) as pixels of `widget`'s screen.
int twipsToPixels(const QWidget* widget, int twips);

} // namespace giudizi

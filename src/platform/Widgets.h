#pragma once

#include <QString>

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
QGroupBox* makeFrame(const QString& name, const QString& title, QWidget* parent = nullptr);
// An element of a control array: "Lab8" and 3 give "Lab8(3)".
QString arrayName(const QString& name, int index);

} // namespace giudizi

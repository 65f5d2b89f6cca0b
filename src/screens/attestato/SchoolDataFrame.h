#pragma once

#include "data/AttestatoData.h"

#include <QGroupBox>
#include <QVector>

class QLineEdit;
class QPushButton;

namespace giudizi {

// The school-data editor of the attestato screens (Frame1): title, name and
// address of the school, head teacher, division of the year.
class SchoolDataFrame : public QGroupBox {
    Q_OBJECT
public:
    SchoolDataFrame(bool media, QWidget* parent);

    void setData(const SchoolData& data);
    // The five boxes as typed (no case change, no trimming).
    SchoolData typed() const;
    QPushButton* saveButton() const { return m_save; }

private:
    QVector<QLineEdit*> m_boxes;
    QPushButton* m_save = nullptr;
};

} // namespace giudizi

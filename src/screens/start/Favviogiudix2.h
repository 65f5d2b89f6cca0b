#pragma once

#include "screens/start/WritingMenu.h"

namespace giudizi {

// The writing menu of the flexible model: three terms.
class Favviogiudix2 : public WritingMenu {
    Q_OBJECT
public:
    static constexpr const char* Name = "Favviogiudix2";
    Favviogiudix2();

    void Labprimo_Click();
    void Labsecondo_Click();
    void Labterzo_Click();
    void Text1_Click();
    void AvvioGiudix();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void chooseTerm(qint16 term, const QString& caption);
};

} // namespace giudizi

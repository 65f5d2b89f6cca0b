#pragma once

#include "screens/compose/ComposeScreen.h"

namespace giudizi {

// The flexible composition screen: four areas, connectives, punctuation and
// free typing; saving capitalises and applies the gender endings.
class Fgiudix2 : public ComposeScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "Fgiudix2";
    Fgiudix2();

    void CaricaIndicatori2();
    void loadCatalogue() override { CaricaIndicatori2(); }
    void showDescriptorCursor() override;

    void Lab8_Click(int index);
    void List1_Click(int row) override;
    void insertWord(const QString& word);
    void insertPunctuation(const QString& mark);
    void Cmdcancfrase_Click();
    void cmdcancello_Click();
    void CmaAltroModello_Click();

protected:
    QString prepareForSaving(const QString& text, const QString& sex) const override;
    void afterSave() override;
    void beforeNextPupil() override {}
    void onAreaClicked(int index) override { Lab8_Click(index); }

private:
    void buildWordPad();
};

} // namespace giudizi

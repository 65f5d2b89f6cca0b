#pragma once

#include "screens/compose/ComposeScreen.h"

namespace giudizi {

// The rigid composition screen: one descriptor for each of ten aspects, in a
// fixed order, each sentence opened by the aspect's opening words.
class FgiudixRIGID : public ComposeScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "FgiudixRIGID";
    FgiudixRIGID();

    void CaricaIndicatori();
    void loadCatalogue() override { CaricaIndicatori(); }
    // Counts the rows of DescriptorCursor and fills LabINIZIO and the lists.
    void showDescriptorCursor() override;

    void Lab8_Click(int index);
    void LabINIZIO_Click() {}
    void List1_Click(int row) override;
    void CmdAvanzamento_Click();
    void Cmdcancfrase_Click();
    void cmdcancello_Click();
    void CmaAltroModello_Click();

    bool autoAdvance() const { return m_autoAdvance == QLatin1String("si"); }

protected:
    QString prepareForSaving(const QString& text, const QString& sex) const override;
    void afterSave() override;
    void beforeNextPupil() override;
    void onAreaClicked(int index) override { Lab8_Click(index); }

private:
    QLabel* m_inizio = nullptr;
    QPushButton* m_avanzamento = nullptr;
    QString m_autoAdvance; // "si", "no", or empty (off) until first pressed
    QString m_savedOpening;
};

} // namespace giudizi

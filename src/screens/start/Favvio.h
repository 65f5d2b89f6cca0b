#pragma once

#include "platform/Screen.h"

#include <memory>

class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace giudizi {

class ClickLabel;
class Recordset;

// The start screen: password, then model, school level and print target.
class Favvio : public Screen {
    Q_OBJECT
public:
    static constexpr const char* Name = "Favvio";
    Favvio();

    // Opens the archive; false (after telling the teacher) when it cannot.
    bool Form_Load();
    // The way back from a writing menu: the model step, without the password.
    void showModelStep();

    void CmdEntra_Click();
    void CmdCambioPass_Click();
    void LabFlessibile_Click();
    void LabRigido_Click();
    void LabElem_Click();
    void LaMedie_Click();
    void Option1_Click(int index);
    void LabHELP_Click();
    void CmdNascondi_Click();
    void cmdesco_Click();

private:
    void buildUi();
    void openScuola();

    QGroupBox* m_frame1 = nullptr;
    QGroupBox* m_frame2 = nullptr;
    QGroupBox* m_frame3 = nullptr;
    QGroupBox* m_frame4 = nullptr;
    QLineEdit* m_password = nullptr;
    QLineEdit* m_previousPassword = nullptr;
    QPushButton* m_entra = nullptr;
    QPushButton* m_cambio = nullptr;
    QPlainTextEdit* m_guide = nullptr;
    QPushButton* m_printGuide = nullptr;
    QPushButton* m_hideGuide = nullptr;
    QRadioButton* m_options[5] = {};
    bool m_frame1WasVisible = false;
    std::shared_ptr<Recordset> m_scuola;
};

} // namespace giudizi

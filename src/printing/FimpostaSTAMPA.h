#pragma once

#include "platform/Screen.h"
#include "platform/ScreenRegistry.h"
#include "printing/MarginStep.h"

#include <QVector>
#include <memory>

class QComboBox;
class QLabel;

namespace giudizi {

class CardPicture;
class ClickLabel;
class Recordset;

// Where the card's judgment (one set of margins per term) and the verbale
// print, and in which font size. Every click is stored at once in the
// posizione row of the selected print kind. The screen is discarded when left
// and starts again from the card's first term on the next opening.
class FimpostaSTAMPA : public Screen, public OpenableScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "FimpostaSTAMPA";
    FimpostaSTAMPA();

    // Shows the screen, creating and loading it when it is not open.
    bool openScreen() override;

    void Form_Load();
    void caricaDATI();

    void Labprimo_Click();
    void Labsec_Click();
    void Labterzo_Click();
    void LabVerbale_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void ComboOPZIONI_Click(int index);
    void Labtorna_Click();

    QString printKind() const { return m_kind; }
    QString selectedSet() const { return m_set; }
    Outline outline() const;

private:
    void select(int index);
    void openRow();
    void placeOutline();
    void moveMargin(MarginMove move);
    QWidget* buildSelectionColumn();
    QWidget* buildMoveColumn();
    void placeSetLabels();

    QString m_kind;
    QString m_set;
    // The row this screen edits. Kept here as well as in the shared cursor, so
    // that a print made meanwhile (which reopens the shared cursor on its own
    // row) cannot redirect the next click to another print kind.
    std::shared_ptr<Recordset> m_row;
    bool m_loaded = false;

    QVector<ClickLabel*> m_selectors;
    QLabel* m_heading = nullptr;
    QLabel* m_trim = nullptr;
    QLabel* m_quad = nullptr;
    CardPicture* m_picture = nullptr;
    QComboBox* m_size = nullptr;
};

} // namespace giudizi

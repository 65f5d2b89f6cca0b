#pragma once

#include "platform/Screen.h"
#include "platform/ScreenRegistry.h"

class QGridLayout;
class QPlainTextEdit;
class QPushButton;

namespace giudizi {

class ClickLabel;

// What the two writing menus share: the picture with its entries, the way back
// to the start screen, the guide and the end of the program. Each model's menu
// adds its own term entries to the picture.
class WritingMenu : public Screen, public OpenableScreen {
    Q_OBJECT
public:
    // Opens the descriptor and print-settings databases and the judgment table.
    // False (after telling the teacher) when a database cannot be opened.
    bool Form_Load();
    // Shows the menu, loading it the first time.
    bool openScreen() override;

    void Labstampa_Click();
    void LabGRID_Click();
    void Labmodifica_Click();
    void LabFloppy_Click();
    void Label1_Click();
    void LabHELP_Click();
    void CmdNascondi_Click();
    void Labesco_Click();

protected:
    // `editor`: the window name of the model's descriptor editor.
    WritingMenu(const QString& modelCaption, const QString& editor);
    // Adds an entry to the term row of the picture.
    ClickLabel* addTermEntry(const QString& name, const QString& caption, int column);
    QPlainTextEdit* guideBox() const { return m_guide; }

private:
    QGridLayout* m_terms = nullptr;
    QPlainTextEdit* m_guide = nullptr;
    QPushButton* m_printGuide = nullptr;
    QPushButton* m_hideGuide = nullptr;
    QString m_editor;
    bool m_loaded = false;
};

} // namespace giudizi

#pragma once

#include "platform/Screen.h"
#include "screens/Handovers.h"
#include "shared/Composition.h"

#include <QVector>
#include <memory>

class QBoxLayout;
class QGridLayout;
class QLabel;
class QListWidget;
class QPushButton;
class QTextEdit;

namespace giudizi {

class ClickLabel;
class NoticeLabel;
class Recordset;

// What the flexible and the rigid composition screens share: the text box, the
// pupil and term captions, the descriptor lists, the area labels and the
// buttons that save, print, hand over and move between screens.
class ComposeScreen : public Screen, public CompositionScreen {
    Q_OBJECT
public:
    // Text of the composition box (plain text only).
    QString text() const;
    void setText(const QString& text) override;

    void setTermCaption(const QString& caption) override;
    // Colours every area label normal and `index` highlighted.
    void highlightArea(int index) override;
    void clearLists() override;

    // Data entry hand-over: pupil as typed, class-and-term caption, stored text.
    void primeForPupil(const QString& pupilName, const QString& caption,
                       const QString& storedText) override;
    // Loads the catalogue of the current step (CaricaIndicatori2 / CaricaIndicatori).
    void loadCatalogue() override = 0;
    void showDescriptorCursor() override = 0;
    qint64 pupilRowKey() const override { return m_row ? m_rowKey : -1; }
    // A descriptor picked from List1 (mouse click, or Enter on the current row).
    virtual void List1_Click(int row) = 0;

    void Command1_Click();
    void cmdsuccessivo_Click();
    void cmdmaiuscole_Click();
    void CmdSTAMPO_Click();
    void cmdopzioni_Click();
    void cmdStampaFoglio_Click();
    void Cmdmenu_Click();
    void cmdesco_Click();
    // The text as the save would store it, on the clipboard; nothing is saved.
    void cmdCopia_Click();

    const UndoRecord& undoRecord() const { return m_undo; }

protected:
    struct Captions {
        QString altroModello, opzioni, cancfrase, stampo, maiuscole;
    };
    ComposeScreen(const QString& title, const QStringList& areaCaptions, const Captions& captions);

    // The flexible save capitalises; the rigid one only applies endings.
    virtual QString prepareForSaving(const QString& text, const QString& sex) const = 0;
    // What else a save changes on the screen (lists, hand-over).
    virtual void afterSave() = 0;
    // The per-model parts of "next pupil".
    virtual void beforeNextPupil() = 0;
    virtual void onAreaClicked(int index) = 0;

    // Layout slots for the subclasses.
    QBoxLayout* leftColumn() const { return m_left; }
    QBoxLayout* rightColumn() const { return m_right; }
    QGridLayout* buttonGrid() const { return m_buttons; }

    QTextEdit* m_text = nullptr;
    QLabel* m_spazio = nullptr; // how the text sits in the card frame
    QLabel* m_termCaption = nullptr;
    QLabel* m_pupilName = nullptr;
    QListWidget* m_list1 = nullptr;
    QListWidget* m_list2 = nullptr;
    QVector<ClickLabel*> m_areas;
    QPushButton* m_successivo = nullptr;
    QPushButton* m_maiuscole = nullptr;
    QPushButton* m_cancfrase = nullptr;
    QPushButton* m_cancello = nullptr;
    QPushButton* m_stampo = nullptr;
    QPushButton* m_stampaFoglio = nullptr;
    QPushButton* m_opzioni = nullptr;
    QPushButton* m_altroModello = nullptr;
    QPushButton* m_menu = nullptr;
    QPushButton* m_esco = nullptr;
    QPushButton* m_command1 = nullptr;
    UndoRecord m_undo;

private:
    QPushButton* m_copia = nullptr;
    NoticeLabel* m_copiato = nullptr;
    // The archive row of the pupil on this screen: saving always writes there,
    // even if the other model's screen has moved the shared cursor since.
    std::shared_ptr<Recordset> m_row;
    qint64 m_rowKey = -1;
    qint64 m_rowVersion = -1; // as read when the pupil came (server only)
    // The text as it stands in the archive (or as the pupil's row was opened):
    // anything else in the box has not been saved yet.
    QString m_archivedText;
    // The sex of that pupil: the other screen may have entered another pupil since.
    QString m_pupilSex;

    void setNavigationEnabled(bool enabled);
    // This screen's pupil row as the row handed to printing and attestato.
    std::shared_ptr<Recordset> pupilRow();
    // The pupil on this screen, as printouts are named after it.
    PupilRef shownPupil();
    QBoxLayout* m_left = nullptr;
    QBoxLayout* m_right = nullptr;
    QGridLayout* m_buttons = nullptr;
};

} // namespace giudizi

#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

#include "support/TestServer.h"
#include <functional>
#include <memory>

class QComboBox;
class QTimer;
class QWidget;

namespace giudizi::test {

class TestServerDatabase;

// A fresh working folder for one test: the current directory moves into it
// and back when the object dies. The remembered settings and the documents
// folder live in it too, so nothing one test chooses reaches another.
class WorkFolder {
public:
    WorkFolder();
    ~WorkFolder();
    QString path() const { return m_dir.path(); }
    // The documents folder the program sees during the test.
    QString documents() const;

    // The run's own database on the test server, when the archive is kept
    // there (null otherwise).
    const TestServerDatabase* server() const { return m_server.get(); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
    QByteArray m_previousConfig;
    std::unique_ptr<TestServerDatabase> m_server;
};

// A folder that receives every print job of the test as a PDF
// (GIUDIZI_PDF_DIR), removed with the object.
class PdfFolder {
public:
    PdfFolder();
    ~PdfFolder();
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

// Records endProgram() calls instead of exiting.
struct EndRecorder {
    EndRecorder();
    ~EndRecorder();
    QList<int> statuses;
};

// One run of the program for one test: a fresh working folder, endProgram()
// recorded, and when it dies the screens destroyed, the databases closed and
// the folder removed.
class ProgramRun {
public:
    // `enter`: start the program and pass the password step.
    explicit ProgramRun(bool enter = true);
    ~ProgramRun();
    const QList<int>& endStatuses() const { return m_end.statuses; }
    const WorkFolder& work() const { return m_work; }

private:
    WorkFolder m_work;
    EndRecorder m_end;
};

// The top-level window with that object name, or null.
QWidget* window(const QString& name);
// A control of a window; fails the test when missing.
template <class T> T* find(const QString& windowName, const QString& controlName);
QWidget* findControl(const QString& windowName, const QString& controlName);

// Clicks a button (click()) or a clickable label (mouse press and release).
void click(const QString& windowName, const QString& controlName);
// A real double click on a control: a click, then the second press (a double
// click event) and release on whatever stands under the mouse by then.
void doubleClick(const QString& windowName, const QString& controlName);
// Picks an item of a combo box from its drop-down list, with the mouse.
void chooseFromList(QComboBox* combo, const QString& text);
// Clicks item `row` of a list box with the mouse.
void clickListItem(const QString& windowName, const QString& listName, int row);

// Arranges for the next modal dialog to be answered: records its text and
// presses the given standard button (QMessageBox::Ok, Yes, No, Cancel).
class ModalAnswer {
public:
    explicit ModalAnswer(int button);
    // Answers as many dialogs, one after the other, with these buttons.
    explicit ModalAnswer(const QList<int>& buttons);
    // One-line questions answered, one after the other, with these texts (a
    // null QString() presses Cancel); a message box in between gets OK.
    explicit ModalAnswer(const QStringList& inputs);
    ~ModalAnswer();
    // The text of the first dialog answered, and of all of them.
    QString text() const;
    QStringList texts() const;
    // The button Enter would have pressed on each message box answered.
    QList<int> defaultButtons() const;
    bool answered() const;

private:
    struct State;
    std::shared_ptr<State> m_state;
};

// While it lives, every dialog that comes up is handed to `handler` (a file
// dialog, say), and no dialog counts as unexpected.
class DialogHandler {
public:
    explicit DialogHandler(std::function<void(QWidget* dialog)> handler);
    ~DialogHandler();

private:
    std::unique_ptr<QTimer> m_timer;
};

// From the first call on, any dialog that appears while no ModalAnswer waits
// for it is closed at once and collected; click() fails when its click
// showed one. Returns (and forgets) the texts collected so far.
void watchForUnexpectedDialogs();
QStringList unexpectedDialogs();
// Fails the test when a dialog nobody expected came up during `action`.
void verifyNoUnexpectedDialog(const QString& action);

// Destroys the screens of the run and closes its databases, so that the
// working folder can go.
void shutDown();

// Runs one statement on the descriptor database (catalogues a test replaces).
void execDescriptors(const QString& sql, const QVariantList& binds = {});
// The posizione row of a print kind ("scheda", "verbale"), column by column.
QVariantMap positionRow(const QString& kind);
// Writes columns of the posizione row of a print kind.
void setPosition(const QString& kind, const QVariantMap& values);
// Every row of giudizi, in the order the rows were added.
QList<QVariantMap> archiveRows();
// Adds a row to giudizi with the given columns; returns its data.
qint64 addJudgment(const QVariantMap& columns);
// Runs one statement on the archive database.
void execArchive(const QString& sql, const QVariantList& binds = {});
// The texts of a list box.
QStringList listItems(const QString& windowName, const QString& listName);
// Whether a window exists and is on screen.
bool isShown(const QString& windowName);
// Types as the keyboard would, accented letters included.
void typeInto(QWidget* widget, const QString& text);

// Starts a fresh run in the current folder and enters with the password.
void startAndEnter(const QString& password = QStringLiteral("scuola"));
// From the model step: chooses model ("Flessibile"/"Rigido"), level
// ("Medie"/"Elementari") and print target option index.
void chooseStart(const QString& model, const QString& level, int target);

} // namespace giudizi::test

#include "support/TestSupport_impl.h"

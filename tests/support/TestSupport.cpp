#include "support/TestSupport.h"

#include "app/application.h"
#include "data/AppState.h"
#include "data/ArchiveStore.h"
#include "platform/ScreenRegistry.h"
#include "support/TestServer.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProgressDialog>
#include <QPushButton>
#include <QSettings>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTimer>

namespace giudizi::test {

WorkFolder::WorkFolder()
    : m_previous(QDir::currentPath())
    , m_previousConfig(qgetenv("XDG_CONFIG_HOME"))
{
    QDir::setCurrent(m_dir.path());
    const QString config = m_dir.filePath(QStringLiteral(".config"));
    QDir().mkpath(config);
    QFile dirs(config + QStringLiteral("/user-dirs.dirs"));
    if (dirs.open(QIODevice::WriteOnly))
        dirs.write("XDG_DOCUMENTS_DIR=\"" + documents().toUtf8() + "\"\n");
    qputenv("XDG_CONFIG_HOME", config.toLocal8Bit());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config);
    if (onTestServer())
        m_server = std::make_unique<TestServerDatabase>();
}

WorkFolder::~WorkFolder()
{
    QDir::setCurrent(m_previous);
    if (m_previousConfig.isEmpty()) {
        qunsetenv("XDG_CONFIG_HOME");
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QDir::homePath() + QStringLiteral("/.config"));
    } else {
        qputenv("XDG_CONFIG_HOME", m_previousConfig);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromLocal8Bit(m_previousConfig));
    }
}

QString WorkFolder::documents() const
{
    return m_dir.filePath(QStringLiteral("Documenti"));
}

PdfFolder::PdfFolder()
{
    qputenv("GIUDIZI_PDF_DIR", m_dir.path().toLocal8Bit());
}

PdfFolder::~PdfFolder()
{
    qunsetenv("GIUDIZI_PDF_DIR");
}

EndRecorder::EndRecorder()
{
    setEndProgramHandler([this](int status) { statuses.append(status); });
}

EndRecorder::~EndRecorder()
{
    setEndProgramHandler({});
}

ProgramRun::ProgramRun(bool enter)
{
    watchForUnexpectedDialogs();
    if (enter)
        startAndEnter(QStringLiteral("scuola"));
}

ProgramRun::~ProgramRun()
{
    // A dialog nobody expected since the last click fails the test too.
    const QStringList unexpected = unexpectedDialogs();
    if (!unexpected.isEmpty())
        QTest::qFail(qPrintable(QStringLiteral("messages nobody expected: ") +
                                unexpected.join(QStringLiteral(" | "))),
                     __FILE__, __LINE__);
    shutDown();
}

QWidget* window(const QString& name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name)
            return w;
    return nullptr;
}

QWidget* findControl(const QString& windowName, const QString& controlName)
{
    QWidget* w = window(windowName);
    if (!w) {
        qWarning("window %s not found", qPrintable(windowName));
        return nullptr;
    }
    auto* control = w->findChild<QWidget*>(controlName);
    if (!control)
        qWarning("control %s of %s not found", qPrintable(controlName), qPrintable(windowName));
    return control;
}

void click(const QString& windowName, const QString& controlName)
{
    QWidget* control = findControl(windowName, controlName);
    QVERIFY2(control, qPrintable(windowName + QLatin1Char('.') + controlName));
    // A teacher cannot click what is disabled or hidden; neither may a test.
    QVERIFY2(control->isEnabled(), qPrintable(controlName + QStringLiteral(" is disabled")));
    QVERIFY2(control->isVisible(), qPrintable(controlName + QStringLiteral(" is not on screen")));
    watchForUnexpectedDialogs();
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->click();
    else
        QTest::mouseClick(control, Qt::LeftButton);
    verifyNoUnexpectedDialog(controlName);
}

void verifyNoUnexpectedDialog(const QString& action)
{
    const QStringList unexpected = unexpectedDialogs();
    QVERIFY2(unexpected.isEmpty(),
             qPrintable(QStringLiteral("%1 showed a message nobody expected: %2")
                            .arg(action, unexpected.join(QStringLiteral(" | ")))));
}

void doubleClick(const QString& windowName, const QString& controlName)
{
    QWidget* control = findControl(windowName, controlName);
    QVERIFY(control);
    watchForUnexpectedDialogs();
    QWidget* top = control->window();
    const QPoint inWindow = control->mapTo(top, control->rect().center());
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
    QWidget* under = top->childAt(inWindow);
    if (!under)
        under = top;
    const QPointF local = under->mapFrom(top, inWindow);
    const QPointF global = top->mapToGlobal(inWindow);
    QMouseEvent press(QEvent::MouseButtonDblClick, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(under, &press);
    QTest::mouseRelease(under, Qt::LeftButton, {}, local.toPoint());
    verifyNoUnexpectedDialog(controlName);
}

void chooseFromList(QComboBox* combo, const QString& text)
{
    const int index = combo->findText(text);
    QVERIFY(index >= 0);
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    QTRY_VERIFY(view->isVisible());
    const QModelIndex item = view->model()->index(index, 0);
    view->scrollTo(item);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
    QTRY_VERIFY(!view->isVisible());
}

void clickListItem(const QString& windowName, const QString& listName, int row)
{
    auto* list = find<QListWidget>(windowName, listName);
    QVERIFY(list);
    QVERIFY2(row >= 0 && row < list->count(), qPrintable(QStringLiteral("row %1").arg(row)));
    list->scrollToItem(list->item(row));
    const QPoint at = list->visualItemRect(list->item(row)).center();
    watchForUnexpectedDialogs();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    verifyNoUnexpectedDialog(listName);
}

struct ModalAnswer::State {
    QList<int> buttons; // still to press
    QStringList inputs; // still to type (input dialogs)
    bool typing = false;
    QStringList texts;
    QList<int> defaults;
    bool done = false;
    QTimer timer;
};

namespace {

// Answers that tests are waiting to give (ModalAnswer objects not answered yet).
int& pendingAnswers()
{
    static int count = 0;
    return count;
}

// A dialog that no test arranged to answer would wait for ever: it is closed
// at once and remembered, and the click that opened it fails.
class UnexpectedDialogs {
public:
    static UnexpectedDialogs& instance()
    {
        static UnexpectedDialogs guard;
        return guard;
    }
    QStringList take()
    {
        QStringList seen = m_seen;
        m_seen.clear();
        return seen;
    }

private:
    UnexpectedDialogs()
    {
        m_timer.setInterval(50);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { check(); });
        m_timer.start();
    }
    void check()
    {
        if (pendingAnswers() > 0)
            return;
        QWidget* modal = QApplication::activeModalWidget();
        // A progress dialog asks nothing: the job it shows goes on.
        if (!modal || qobject_cast<QProgressDialog*>(modal))
            return;
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            m_seen << box->text();
        else if (auto* input = qobject_cast<QInputDialog*>(modal))
            m_seen << input->labelText();
        else
            m_seen << modal->objectName();
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
        // A program that keeps asking would never give the click back.
        if (m_seen.size() > 50)
            qFatal("dialogs nobody expected: %s", qPrintable(m_seen.mid(0, 5).join(" | ")));
    }
    QTimer m_timer;
    QStringList m_seen;
};

} // namespace

DialogHandler::DialogHandler(std::function<void(QWidget*)> handler)
    : m_timer(std::make_unique<QTimer>())
{
    ++pendingAnswers();
    m_timer->setInterval(0);
    QObject::connect(m_timer.get(), &QTimer::timeout, [handler] {
        if (QWidget* modal = QApplication::activeModalWidget())
            handler(modal);
    });
    m_timer->start();
}

DialogHandler::~DialogHandler()
{
    --pendingAnswers();
}

void watchForUnexpectedDialogs()
{
    UnexpectedDialogs::instance();
}

QStringList unexpectedDialogs()
{
    return UnexpectedDialogs::instance().take();
}

ModalAnswer::ModalAnswer(int button)
    : ModalAnswer(QList<int>{button})
{
}

ModalAnswer::ModalAnswer(const QStringList& inputs)
    : ModalAnswer(QList<int>())
{
    m_state->typing = true;
    m_state->inputs = inputs;
}

ModalAnswer::ModalAnswer(const QList<int>& buttons)
    : m_state(std::make_shared<State>())
{
    m_state->buttons = buttons;
    ++pendingAnswers();
    std::weak_ptr<State> weak = m_state;
    m_state->timer.setInterval(0);
    QObject::connect(&m_state->timer, &QTimer::timeout, [weak] {
        auto state = weak.lock();
        if (!state || state->done)
            return;
        QWidget* modal = QApplication::activeModalWidget();
        auto* box = qobject_cast<QMessageBox*>(modal);
        auto* input = qobject_cast<QInputDialog*>(modal);
        if (!box && !input)
            return;
        int button = QMessageBox::Ok;
        QString typed;
        if (!state->typing)
            button = state->buttons.takeFirst();
        else if (input) {
            typed = state->inputs.takeFirst();
            button = typed.isNull() ? QMessageBox::Cancel : QMessageBox::Ok;
            input->setTextValue(typed);
        }
        if (state->typing ? state->inputs.isEmpty() : state->buttons.isEmpty()) {
            state->done = true;
            state->timer.stop();
            --pendingAnswers();
        }
        if (box) {
            state->texts << box->text();
            state->defaults << (box->defaultButton() ? box->standardButton(box->defaultButton())
                                                     : QMessageBox::NoButton);
            if (QAbstractButton* b = box->button(static_cast<QMessageBox::StandardButton>(button)))
                b->click();
            else
                box->reject();
        } else {
            state->texts << input->labelText();
            if (button == QMessageBox::Ok)
                input->accept();
            else
                input->reject();
        }
    });
    m_state->timer.start();
}

ModalAnswer::~ModalAnswer()
{
    m_state->timer.stop();
    if (!m_state->done)
        --pendingAnswers();
}

QString ModalAnswer::text() const
{
    return m_state->texts.value(0);
}

QStringList ModalAnswer::texts() const
{
    return m_state->texts;
}

QList<int> ModalAnswer::defaultButtons() const
{
    return m_state->defaults;
}

bool ModalAnswer::answered() const
{
    return !m_state->texts.isEmpty();
}

namespace {
void execOn(const Database& database, const QString& sql, const QVariantList& binds)
{
    QSqlQuery q(database.handle());
    if (binds.isEmpty()) { // the server prepares no CREATE or DROP
        QVERIFY2(q.exec(database.dialect(sql)), qPrintable(sql + q.lastError().text()));
        return;
    }
    QVERIFY2(q.prepare(database.dialect(sql)), qPrintable(sql));
    for (const QVariant& v : binds)
        q.addBindValue(v);
    QVERIFY2(q.exec(), qPrintable(sql));
}
} // namespace

void execDescriptors(const QString& sql, const QVariantList& binds)
{
    execOn(*archiveStore().DescriptorDb, sql, binds);
}

QVariantMap positionRow(const QString& kind)
{
    QVariantMap values;
    QSqlQuery q(archiveStore().PrintSettingsDb->handle());
    q.prepare(QStringLiteral("SELECT * FROM posizione WHERE stampacosa = ?"));
    q.addBindValue(kind);
    if (q.exec() && q.next())
        for (int i = 0; i < q.record().count(); ++i)
            values.insert(q.record().fieldName(i), q.value(i));
    return values;
}

void setPosition(const QString& kind, const QVariantMap& values)
{
    for (auto it = values.begin(); it != values.end(); ++it) {
        QSqlQuery q(archiveStore().PrintSettingsDb->handle());
        QVERIFY(q.prepare(
            QStringLiteral("UPDATE posizione SET %1 = ? WHERE stampacosa = ?").arg(it.key())));
        q.addBindValue(it.value());
        q.addBindValue(kind);
        QVERIFY2(q.exec(), qPrintable(it.key()));
    }
}

QList<QVariantMap> archiveRows()
{
    QList<QVariantMap> rows;
    const Database& archive = *archiveStore().ArchiveDb;
    QSqlQuery q(archive.handle());
    if (!q.exec(QStringLiteral("SELECT %1 FROM giudizi ORDER BY data")
                    .arg(archive.columns(QStringLiteral("giudizi")).join(QLatin1Char(',')))))
        return rows;
    while (q.next()) {
        QVariantMap row;
        const QSqlRecord r = q.record();
        for (int i = 0; i < r.count(); ++i)
            row.insert(r.fieldName(i), q.value(i));
        rows << row;
    }
    return rows;
}

qint64 addJudgment(const QVariantMap& columns)
{
    QStringList names, marks;
    for (auto it = columns.begin(); it != columns.end(); ++it) {
        names << it.key();
        marks << QStringLiteral("?");
    }
    const Database& archive = *archiveStore().ArchiveDb;
    QSqlQuery q(archive.handle());
    const QString returning = archive.isServer() ? QStringLiteral(" RETURNING data") : QString();
    if (!q.prepare(QStringLiteral("INSERT INTO giudizi (%1) VALUES (%2)%3")
                       .arg(names.join(QLatin1Char(',')), marks.join(QLatin1Char(',')), returning)))
        return -1;
    for (const QVariant& v : columns)
        q.addBindValue(v);
    if (!q.exec())
        return -1;
    if (archive.isServer())
        return q.next() ? q.value(0).toLongLong() : -1;
    return q.lastInsertId().toLongLong();
}

void execArchive(const QString& sql, const QVariantList& binds)
{
    execOn(*archiveStore().ArchiveDb, sql, binds);
}

QStringList listItems(const QString& windowName, const QString& listName)
{
    QStringList result;
    auto* w = find<QListWidget>(windowName, listName);
    for (int i = 0; w && i < w->count(); ++i)
        result << w->item(i)->text();
    return result;
}

bool isShown(const QString& windowName)
{
    QWidget* w = window(windowName);
    return w && w->isVisible();
}

void typeInto(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(widget, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(c.toUpper().unicode()), QString(c),
                                Qt::NoModifier);
    }
}

void shutDown()
{
    ScreenRegistry::destroyAll();
    archiveStore().reset();
    resetAppState();
    releaseDataFolder();
}

void startAndEnter(const QString& password)
{
    QVERIFY(startApplication());
    auto* box = find<QLineEdit>(QStringLiteral("Favvio"), QStringLiteral("TXTpassword"));
    QVERIFY(box);
    box->setText(password);
    click(QStringLiteral("Favvio"), QStringLiteral("CmdEntra"));
}

void chooseStart(const QString& model, const QString& level, int target)
{
    click(QStringLiteral("Favvio"), model == QLatin1String("Rigido")
                                        ? QStringLiteral("LabRigido")
                                        : QStringLiteral("LabFlessibile"));
    click(QStringLiteral("Favvio"), level == QLatin1String("Elementari")
                                        ? QStringLiteral("LabElem")
                                        : QStringLiteral("LaMedie"));
    click(QStringLiteral("Favvio"), QStringLiteral("Option1(%1)").arg(target));
}

} // namespace giudizi::test

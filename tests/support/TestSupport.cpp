#include "support/TestSupport.h"

#include "app/application.h"
#include "data/AppState.h"
#include "data/ArchiveStore.h"
#include "platform/ScreenRegistry.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTimer>

namespace giudizi::test {

WorkFolder::WorkFolder()
    : m_previous(QDir::currentPath())
{
    QDir::setCurrent(m_dir.path());
}

WorkFolder::~WorkFolder()
{
    QDir::setCurrent(m_previous);
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
    if (enter)
        startAndEnter(QStringLiteral("scuola"));
}

ProgramRun::~ProgramRun()
{
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
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->click();
        return;
    }
    QTest::mouseClick(control, Qt::LeftButton);
}

void doubleClick(const QString& windowName, const QString& controlName)
{
    QWidget* control = findControl(windowName, controlName);
    QVERIFY(control);
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
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
}

struct ModalAnswer::State {
    int button = 0;
    QString text;
    bool answered = false;
    QTimer timer;
};

ModalAnswer::ModalAnswer(int button)
    : m_state(std::make_shared<State>())
{
    m_state->button = button;
    std::weak_ptr<State> weak = m_state;
    m_state->timer.setInterval(0);
    QObject::connect(&m_state->timer, &QTimer::timeout, [weak] {
        auto state = weak.lock();
        if (!state || state->answered)
            return;
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            state->answered = true;
            state->timer.stop();
            state->text = box->text();
            QAbstractButton* b =
                box->button(static_cast<QMessageBox::StandardButton>(state->button));
            if (b)
                b->click();
            else
                box->reject();
        } else if (auto* input = qobject_cast<QInputDialog*>(modal)) {
            state->answered = true;
            state->timer.stop();
            state->text = input->labelText();
            if (state->button == QMessageBox::Ok)
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
}

QString ModalAnswer::text() const
{
    return m_state->text;
}

bool ModalAnswer::answered() const
{
    return m_state->answered;
}

void execDescriptors(const QString& sql, const QVariantList& binds)
{
    QSqlQuery q(archiveStore().DescriptorDb->handle());
    QVERIFY2(q.prepare(sql), qPrintable(sql));
    for (const QVariant& v : binds)
        q.addBindValue(v);
    QVERIFY2(q.exec(), qPrintable(sql));
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
    QSqlQuery q(archiveStore().ArchiveDb->handle());
    if (!q.exec(QStringLiteral("SELECT * FROM giudizi ORDER BY data")))
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

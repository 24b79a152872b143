#include "support/screen_test.h"

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QListView>
#include <QTest>
#include <QTimer>
#include <memory>

#include "gui/app/shell.h"

namespace corvelo::test {

QApplication& TestApp() {
    static int argc = 1;
    static char name[] = "corvelo-tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        auto* created = new QApplication(argc, argv);
        SetUpApplication();
        return created;
    }();
    return *app;
}

void ShowActive(QWidget* window) {
    window->show();
    window->activateWindow();
    window->raise();
    QElapsedTimer waited;
    waited.start();
    while (!window->isActiveWindow() && waited.elapsed() < 1000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

namespace {
Qt::Key KeyOf(QChar c) {
    const char16_t u = c.toUpper().unicode();
    if ((u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9')) return static_cast<Qt::Key>(u);
    switch (u) {
        case u',':
            return Qt::Key_Comma;
        case u'.':
            return Qt::Key_Period;
        case u'-':
            return Qt::Key_Minus;
        case u' ':
            return Qt::Key_Space;
        default:
            return Qt::Key_unknown;
    }
}

void SendKey(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &release);
}

QString TextOfKey(Qt::Key key) {
    switch (key) {
        case Qt::Key_Return:
            return QStringLiteral("\r");
        case Qt::Key_Enter:
            return QStringLiteral("\r");
        case Qt::Key_Tab:
            return QStringLiteral("\t");
        case Qt::Key_Backspace:
            return QStringLiteral("\b");
        default:
            return {};
    }
}
}  // namespace

void Focus(QWidget* box) {
    box->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
}

void Type(QWidget* box, const QString& text) {
    if (!box->hasFocus()) Focus(box);
    for (QChar c : text) {
        // Keys go where the user's keys go: the focused control.
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : box;
        SendKey(target, KeyOf(c), c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier, QString(c));
    }
}

void Press(QWidget* box, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    if (!box->hasFocus()) Focus(box);
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : box;
    SendKey(target, key, modifiers, TextOfKey(key));
}

void Leave(QWidget* box) {
    QWidget* window = box->window();
    for (QWidget* other : window->findChildren<QWidget*>()) {
        if (other != box && other->isVisible() && other->focusPolicy() != Qt::NoFocus &&
            !box->isAncestorOf(other) && !other->isAncestorOf(box) && other->isEnabled()) {
            other->setFocus(Qt::MouseFocusReason);
            QCoreApplication::processEvents();
            if (!box->hasFocus()) return;
        }
    }
    box->clearFocus();
    QCoreApplication::processEvents();
}

void OnNextModal(std::function<void(QWidget*)> handle) {
    // Polls until the dialog's own event loop runs, then hands it over.
    auto* timer = new QTimer;
    timer->setInterval(0);
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    QObject::connect(timer, &QTimer::timeout, [timer, started, handle = std::move(handle)] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            handle(modal);
        } else if (started->elapsed() > 5000) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "no modal dialog appeared";
        }
    });
    timer->start();
}

void ScreenTest::DoubleClick(QListView* list, int row) {
    const QRect rect = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

}  // namespace corvelo::test

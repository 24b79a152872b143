// The push button of the dialogs and list screens, and the wiring of a
// screen's buttons to its commands. Header only, so every
// screen module, the application's own screens included, builds its buttons
// the same way without linking the kit.
#pragma once

#include <QAbstractButton>
#include <QPushButton>
#include <QSize>
#include <QString>
#include <utility>

namespace corvelo {

// A push button with its object name and caption, at least `minimum` in size.
// It is never a dialog's automatic default button: Enter in a box follows the
// box's own chain and does not press a button elsewhere on the screen.
inline QPushButton* MakeButton(const QString& name, const QString& text, QWidget* parent,
                               QSize minimum = QSize(110, 28)) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setMinimumSize(minimum);
    return button;
}

// Runs `action` on every click of the button named `name` among the
// children of `screen` (a push button or a picture), for as long as the
// screen lives. The button must exist.
template <class Action>
void OnClick(QWidget* screen, const char* name, Action&& action) {
    auto* button = screen->findChild<QAbstractButton*>(QLatin1String(name));
    Q_ASSERT(button);
    QObject::connect(button, &QAbstractButton::clicked, screen, std::forward<Action>(action));
}

}  // namespace corvelo

// The push button of the dialogs and list screens. Header only, so every
// screen module, the application's own screens included, builds its buttons
// the same way without linking the kit.
#pragma once

#include <QPushButton>
#include <QSize>
#include <QString>

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

}  // namespace corvelo

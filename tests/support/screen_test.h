// Helpers for screen tests: one QApplication for the whole test program,
// finding controls by name, typing, leaving boxes and answering modal
// dialogs that a handler opens.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QString>
#include <QWidget>
#include <functional>
#include <ostream>

#include "support/fake_services.h"

class QListView;

// Lets test failures show texts as texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace corvelo::test {

// The application object of the test program, created on first use with the
// application-wide set-up (pictures, Italian conventions).
QApplication& TestApp();

// Returns the control called name inside screen, failing the test when it
// is missing or of another type.
template <class T = QWidget>
T* Find(const QWidget* screen, const QString& name) {
    T* control = screen->findChild<T*>(name);
    EXPECT_NE(control, nullptr) << "no control " << name.toStdString();
    return control;
}

// Shows the window and makes it the active one, so focus moves work.
void ShowActive(QWidget* window);

// Gives box the focus as a user would (mouse click focus).
void Focus(QWidget* box);
// Types text into box as key clicks (box gets the focus first).
void Type(QWidget* box, const QString& text);
// Presses one key in the focused control (box gets the focus first).
void Press(QWidget* box, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Moves the focus away from box to another focusable control of its window
// (or clears it), so its leave handling runs.
void Leave(QWidget* box);

// Runs handle on the next modal widget that appears (as soon as the event
// loop of a dialog's exec() runs), then the test goes on after exec().
void OnNextModal(std::function<void(QWidget*)> handle);

// A test with the application and fake services.
class ScreenTest : public ::testing::Test {
  public:
    // Clicks then double-clicks list line row, as a user does.
    static void DoubleClick(QListView* list, int row);

  protected:
    ScreenTest() { TestApp(); }
    FakeServices services;
};

}  // namespace corvelo::test

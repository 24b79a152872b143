// The help window: a topic title, the page text, a link to the PDF manual
// and "Chiudi". Callers create it, set title and text, show it modally and
// destroy it; ShowHelp does all of that for one page.
#pragma once

#include <QDialog>

#include "core/app/help_pages.h"

class QLabel;
class QPlainTextEdit;

namespace corvelo {

class Services;

class TfrmGuida : public QDialog {
    Q_OBJECT
  public:
    TfrmGuida(Services& services, QWidget* parent = nullptr);

    void SetTitle(const QString& title);
    void SetText(const QString& text);

  private:
    Services& services_;
    QLabel* lblTitolo_;
    QPlainTextEdit* txtGuida_;
};

// Shows the help page of topic modally over parent.
void ShowHelp(QWidget* parent, Services& services, HelpTopic topic);

}  // namespace corvelo

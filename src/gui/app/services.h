// Everything a screen needs from the world outside its own controls: the data
// folder, the clock, message boxes, the input box, shell open, file dialogs
// and printing. Screens receive a Services& and never reach Qt's message
// boxes, QDesktopServices, the system clock or a printer directly, so tests
// can answer every question in advance and see everything a screen shows.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QUrl>
#include <functional>
#include <optional>

#include "core/receipts/notice.h"

class QPrinter;
class QWidget;

namespace corvelo {

// The kinds of message box the application shows. Warning, Error and
// Information carry the buttons "OK" and "Annulla" (both only close the box);
// Confirmation carries "Sì" and "No"; Plain carries a single "OK".
enum class MessageKind { Warning, Error, Information, Confirmation, Plain };

// Paints one report onto a printer (or a preview's printer). Called once per
// output; the printer is already set up (page size, orientation, copies).
// Returns false when the printer could not be opened (nothing was printed).
using PaintJob = std::function<bool(QPrinter& printer)>;

class Services {
  public:
    virtual ~Services() = default;

    // The folder that holds every data file: the folder of the executable.
    virtual QString DataFolder() const = 0;
    // Returns DataFolder() joined with a file name.
    QString DataPath(const QString& fileName) const;

    // Today's date and the current date and time of the computer's clock.
    virtual QDate Today() const = 0;
    virtual QDateTime Now() const = 0;

    // Shows a modal message box of the given kind and returns once it is
    // closed. For Confirmation the result is true when the answer was "No"
    // (closing the box without choosing is not "No"); for every other kind
    // the result is false.
    virtual bool ShowMessage(MessageKind kind, const QString& text) = 0;

    void Warning(const QString& text) { ShowMessage(MessageKind::Warning, text); }
    void Error(const QString& text) { ShowMessage(MessageKind::Error, text); }
    void Information(const QString& text) { ShowMessage(MessageKind::Information, text); }
    void Message(const QString& text) { ShowMessage(MessageKind::Plain, text); }
    // Asks a Yes/No question; returns true only when the answer was "No".
    // Callers go on with the asked action whenever this returns false.
    bool AnsweredNo(const QString& text) { return ShowMessage(MessageKind::Confirmation, text); }
    // Shows the box a core rule chose (nothing for an empty notice).
    void Show(const Notice& notice);

    // Shows the input box with a title, a prompt and a proposed text.
    // Returns the text typed (untrimmed) or nullopt when it was cancelled.
    virtual std::optional<QString> InputBox(const QString& title, const QString& prompt,
                                            const QString& proposed) = 0;

    // Hands a file path, a folder, a web address or a mailto: link to the
    // operating system to be opened with its associated program; does not
    // wait and ignores the result. The command may be wrapped in double
    // quotes. Nothing ever passes through a command shell: quotes, blanks or
    // ";" in a path are part of the path.
    virtual void ShellOpen(const QString& command) = 0;
    // The same, telling whether the operating system took the command:
    // false when no program could be started for it.
    virtual bool ShellOpenChecked(const QString& command) {
        ShellOpen(command);
        return true;
    }

    // Shows a file-open dialog; returns the chosen full path, or an empty
    // text when it was cancelled. filter as in "Immagini (*.bmp *.jpg)".
    virtual QString OpenFileName(const QString& title, const QString& filter) = 0;

    // Shows the print dialog for printer (choice of printer, copies) and
    // returns true when the user confirmed it.
    virtual bool PrintDialog(QPrinter& printer) = 0;
    // Prints job on printer without a dialog. Returns false when the printer
    // could not be opened, so nothing was printed.
    virtual bool Print(QPrinter& printer, const PaintJob& job) = 0;
    // Prints job as Print does; when the printer cannot be opened shows the
    // error box that says so and returns false.
    bool PrintOrReport(QPrinter& printer, const PaintJob& job);
    // Shows a modal print preview of job with the given window title; the
    // preview offers printing of the same job.
    virtual void Preview(QPrinter& printer, const QString& title, const PaintJob& job) = 0;
};

// Turns a shell-open command into the address the operating system opens:
// one pair of surrounding double quotes is removed; "scheme:..." texts
// (http, https, mailto, file, ...) are addresses, everything else is a local
// path (relative paths are taken from folder). Never runs anything.
QUrl ShellOpenTarget(const QString& command, const QString& folder);

// The real services of the running application.
class DesktopServices : public Services {
  public:
    explicit DesktopServices(QString dataFolder);

    QString DataFolder() const override { return folder_; }
    QDate Today() const override;
    QDateTime Now() const override;
    bool ShowMessage(MessageKind kind, const QString& text) override;
    std::optional<QString> InputBox(const QString& title, const QString& prompt,
                                    const QString& proposed) override;
    void ShellOpen(const QString& command) override;
    bool ShellOpenChecked(const QString& command) override;
    QString OpenFileName(const QString& title, const QString& filter) override;
    bool PrintDialog(QPrinter& printer) override;
    bool Print(QPrinter& printer, const PaintJob& job) override;
    void Preview(QPrinter& printer, const QString& title, const PaintJob& job) override;

  private:
    QString folder_;
};

// The window message boxes and dialogs are shown over: the active modal
// window, else the active window (may be null).
QWidget* DialogParent();

}  // namespace corvelo

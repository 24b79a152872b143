// Services for screen tests: a fixed date, a temporary data folder, a file
// system that fails on demand, and a record of every message, shell open,
// dialog and print job. Questions are answered from queues filled by the
// test before it presses a button.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <optional>
#include <ostream>
#include <vector>

#include "core/storage/file_system.h"
#include "gui/app/services.h"
#include "support/fault_file_system.h"

namespace corvelo::test {

struct ShownMessage {
    MessageKind kind;
    QString text;
    bool operator==(const ShownMessage&) const = default;
};

// How a failing comparison prints a message: its kind and its text.
inline void PrintTo(const ShownMessage& m, std::ostream* os) {
    *os << "{kind " << static_cast<int>(m.kind) << ", \"" << m.text.toStdString() << "\"}";
}

// One output a screen asked for: a printing or a preview; painted tells
// whether the job was run (see paintJobs), failed that the printer could not
// be opened (see printerFails).
struct PrintJobRecord {
    enum class Kind { Print, Preview } kind;
    QString title;
    bool painted = false;
    bool failed = false;
};

class FakeServices : public Services {
  public:
    // The file system of every storage call while this object lives (it is
    // the process's default file system meanwhile): it passes every call to
    // the real one until a test arms a fault.
    FaultFileSystem files;

    // Uses a fresh temporary folder as the data folder.
    FakeServices();
    // Uses folder as the data folder (the caller owns it).
    explicit FakeServices(QString folder);

    QString DataFolder() const override { return folder_; }
    QDate Today() const override { return today; }
    QDateTime Now() const override { return QDateTime(today, time); }
    bool ShowMessage(MessageKind kind, const QString& text) override;
    std::optional<QString> InputBox(const QString& title, const QString& prompt,
                                    const QString& proposed) override;
    void ShellOpen(const QString& command) override { shellOpens.push_back(command); }
    bool ShellOpenChecked(const QString& command) override {
        shellOpens.push_back(command);
        return !shellOpenFails;
    }
    QString OpenFileName(const QString& title, const QString& filter) override;
    bool PrintDialog(QPrinter& printer) override;
    bool Print(QPrinter& printer, const PaintJob& job) override;
    void Preview(QPrinter& printer, const QString& title, const PaintJob& job) override;

    // The clock: fixed at 15/03/2024 10:30 unless a test sets it.
    QDate today{2024, 3, 15};
    QTime time{10, 30};

    // Everything shown, in order.
    std::vector<ShownMessage> messages;
    QStringList shellOpens;
    std::vector<PrintJobRecord> printJobs;
    struct InputRequest {
        QString title, prompt, proposed;
    };
    std::vector<InputRequest> inputRequests;
    QStringList fileDialogTitles;
    int printDialogs = 0;

    // Answers, taken from the front; when a queue is empty a confirmation is
    // answered "Sì", an input box is cancelled, a file dialog is cancelled and
    // the print dialog is confirmed.
    std::deque<bool> answerNo;
    std::deque<std::optional<QString>> inputAnswers;
    std::deque<QString> fileAnswers;
    bool printDialogAccepts = true;
    // When set, ShellOpenChecked reports that nothing could be opened.
    bool shellOpenFails = false;
    // When set, print and preview jobs really paint into a PDF in the data
    // folder, so a test can see that painting works and count pages.
    bool paintJobs = false;
    // When set, the printer cannot be opened: a print job really runs, on a
    // PDF printer whose file lies in a folder that does not exist.
    bool printerFails = false;

    // Texts of the messages shown, in order; and the last one (empty if none).
    QStringList MessageTexts() const;
    QString LastMessage() const;
    void Clear();

  private:
    // Runs job when paintJobs is set; false when it was not run.
    bool RunJob(QPrinter& printer, const PaintJob& job);

    ScopedDefaultFileSystem filesInPlace_{files};
    std::optional<QTemporaryDir> tempDir_;
    QString folder_;
};

}  // namespace corvelo::test

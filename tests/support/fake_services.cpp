#include "support/fake_services.h"

#include <QDir>
#include <QPainter>
#include <QPrinter>

namespace corvelo::test {

FakeServices::FakeServices() : tempDir_(std::in_place) {
    folder_ = tempDir_->path();
}

FakeServices::FakeServices(QString folder) : folder_(std::move(folder)) {}

bool FakeServices::ShowMessage(MessageKind kind, const QString& text) {
    messages.push_back({kind, text});
    if (kind != MessageKind::Confirmation || answerNo.empty()) return false;
    const bool no = answerNo.front();
    answerNo.pop_front();
    return no;
}

std::optional<QString> FakeServices::InputBox(const QString& title, const QString& prompt,
                                              const QString& proposed) {
    inputRequests.push_back({title, prompt, proposed});
    if (inputAnswers.empty()) return std::nullopt;
    const bool cancelled = !inputAnswers.front().has_value();
    const QString typed = inputAnswers.front().value_or(QString());
    inputAnswers.pop_front();
    if (cancelled) return std::nullopt;
    return typed;
}

QString FakeServices::OpenFileName(const QString& title, const QString& /*filter*/) {
    fileDialogTitles << title;
    if (fileAnswers.empty()) return {};
    QString answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

bool FakeServices::PrintDialog(QPrinter& /*printer*/) {
    ++printDialogs;
    return printDialogAccepts;
}

bool FakeServices::RunJob(QPrinter& printer, const PaintJob& job) {
    if (!paintJobs) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QDir(folder_).filePath(
        QStringLiteral("job%1.pdf").arg(static_cast<int>(printJobs.size()))));
    job(printer);
    return true;
}

bool FakeServices::Print(QPrinter& printer, const PaintJob& job) {
    PrintJobRecord record{PrintJobRecord::Kind::Print, printer.docName()};
    if (printerFails) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QDir(folder_).filePath(QStringLiteral("no-such-folder/job.pdf")));
        record.failed = !job(printer);
    } else {
        record.painted = RunJob(printer, job);
    }
    printJobs.push_back(record);
    return !record.failed;
}

void FakeServices::Preview(QPrinter& printer, const QString& title, const PaintJob& job) {
    printJobs.push_back({PrintJobRecord::Kind::Preview, title, RunJob(printer, job)});
}

QStringList FakeServices::MessageTexts() const {
    QStringList texts;
    for (const auto& m : messages) texts << m.text;
    return texts;
}

QString FakeServices::LastMessage() const {
    return messages.empty() ? QString() : messages.back().text;
}

void FakeServices::Clear() {
    messages.clear();
    shellOpens.clear();
    printJobs.clear();
    inputRequests.clear();
    fileDialogTitles.clear();
    printDialogs = 0;
}

}  // namespace corvelo::test

#include "gui/app/services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>

#include "core/report/print_messages.h"

namespace corvelo {

void Services::Show(const Notice& notice) {
    const QString text = QString::fromStdString(notice.text);
    switch (notice.kind) {
        case NoticeKind::kWarning:
            Warning(text);
            break;
        case NoticeKind::kError:
            Error(text);
            break;
        case NoticeKind::kInformation:
            Information(text);
            break;
        case NoticeKind::kPlain:
            Message(text);
            break;
        case NoticeKind::kNone:
            break;
    }
}

bool Services::PrintOrReport(QPrinter& printer, const PaintJob& job) {
    if (Print(printer, job)) return true;
    Error(QString::fromUtf8(kMsgStampaNonAvviata.data(), qsizetype(kMsgStampaNonAvviata.size())));
    return false;
}

QString Services::DataPath(const QString& fileName) const {
    return QDir(DataFolder()).filePath(fileName);
}

QUrl ShellOpenTarget(const QString& command, const QString& folder) {
    QString target = command;
    if (target.size() >= 2 && target.startsWith(u'"') && target.endsWith(u'"')) {
        target = target.mid(1, target.size() - 2);
    }
    // Two or more letters before the colon: a single letter would be a drive.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    if (scheme.match(target).hasMatch()) {
        return QUrl(target, QUrl::TolerantMode);
    }
    return QUrl::fromLocalFile(QDir(folder).absoluteFilePath(target));
}

QWidget* DialogParent() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
}

DesktopServices::DesktopServices(QString dataFolder) : folder_(std::move(dataFolder)) {}

QDate DesktopServices::Today() const {
    return QDate::currentDate();
}

QDateTime DesktopServices::Now() const {
    return QDateTime::currentDateTime();
}

bool DesktopServices::ShowMessage(MessageKind kind, const QString& text) {
    QMessageBox box(DialogParent());
    box.setText(text);
    QPushButton* no = nullptr;
    switch (kind) {
        case MessageKind::Warning:
            box.setIcon(QMessageBox::Warning);
            box.setWindowTitle(QStringLiteral("Attenzione"));
            break;
        case MessageKind::Error:
            box.setIcon(QMessageBox::Critical);
            box.setWindowTitle(QStringLiteral("Errore"));
            break;
        case MessageKind::Information:
            box.setIcon(QMessageBox::Information);
            box.setWindowTitle(QStringLiteral("Informazione"));
            break;
        case MessageKind::Confirmation:
            box.setIcon(QMessageBox::Question);
            box.setWindowTitle(QStringLiteral("Conferma"));
            break;
        case MessageKind::Plain:
            box.setWindowTitle(QStringLiteral("Corvelo"));
            break;
    }
    switch (kind) {
        case MessageKind::Warning:
        case MessageKind::Error:
        case MessageKind::Information:
            box.setDefaultButton(box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole));
            box.setEscapeButton(box.addButton(QStringLiteral("Annulla"), QMessageBox::RejectRole));
            break;
        case MessageKind::Confirmation: {
            QPushButton* yes = box.addButton(QStringLiteral("Sì"), QMessageBox::YesRole);
            no = box.addButton(QStringLiteral("No"), QMessageBox::NoRole);
            box.setDefaultButton(yes);
            // Closing the box without choosing lets the action go on.
            box.setEscapeButton(yes);
        } break;
        case MessageKind::Plain:
            box.setDefaultButton(box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole));
            break;
    }
    box.exec();
    return no != nullptr && box.clickedButton() == no;
}

std::optional<QString> DesktopServices::InputBox(const QString& title, const QString& prompt,
                                                 const QString& proposed) {
    QInputDialog dialog(DialogParent());
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(proposed);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Annulla"));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue();
}

void DesktopServices::ShellOpen(const QString& command) {
    QDesktopServices::openUrl(ShellOpenTarget(command, folder_));
}

bool DesktopServices::ShellOpenChecked(const QString& command) {
    return QDesktopServices::openUrl(ShellOpenTarget(command, folder_));
}

QString DesktopServices::OpenFileName(const QString& title, const QString& filter) {
    return QFileDialog::getOpenFileName(DialogParent(), title, folder_, filter);
}

bool DesktopServices::PrintDialog(QPrinter& printer) {
    QPrintDialog dialog(&printer, DialogParent());
    dialog.setWindowTitle(QStringLiteral("Stampa"));
    return dialog.exec() == QDialog::Accepted;
}

bool DesktopServices::Print(QPrinter& printer, const PaintJob& job) {
    return job(printer);
}

void DesktopServices::Preview(QPrinter& printer, const QString& title, const PaintJob& job) {
    QPrintPreviewDialog dialog(&printer, DialogParent());
    dialog.setWindowTitle(title);
    dialog.setWindowState(Qt::WindowMaximized);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [&job](QPrinter* p) { job(*p); });
    dialog.exec();
}

}  // namespace corvelo

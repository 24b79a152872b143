// The one crossing between the core's texts (UTF-8 std::string), paths and
// dates and the screens' QString, QDate and QTime. Header only, so every screen module, the
// application's own screens included, uses it without linking the kit.
#pragma once

#include <QDate>
#include <QFile>
#include <QString>
#include <QTime>
#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>

namespace corvelo {

// A core text as the screens show it.
inline QString Q(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// A screen text as the core takes it.
inline std::string Utf8(const QString& text) {
    return text.toStdString();
}

// A path as the core's file functions take it (in the file system's own
// encoding of names).
inline std::filesystem::path FsPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

// A date as the core's date rules take it.
inline std::chrono::year_month_day CivilDate(const QDate& date) {
    return std::chrono::year_month_day{std::chrono::year(date.year()),
                                       std::chrono::month(unsigned(date.month())),
                                       std::chrono::day(unsigned(date.day()))};
}

// The whole seconds since midnight of a time of day (a printed card's time).
inline std::chrono::seconds SecondsOfDay(const QTime& time) {
    return std::chrono::seconds(time.msecsSinceStartOfDay() / 1000);
}

}  // namespace corvelo

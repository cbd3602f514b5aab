#pragma once
// Conversions between the core's UTF-8 strings and days and Qt's types.
#include <QDate>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <string>
#include <vector>

#include "common/dates.h"

namespace verdika::ui {

inline QString qs(const std::string& s) { return QString::fromStdString(s); }
inline QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
inline QString qs(const char* s) { return QString::fromUtf8(s); }
inline std::string ss(const QString& s) { return s.toStdString(); }

inline QString qpath(const std::filesystem::path& p) {
    auto u8 = p.u8string();
    return QString::fromUtf8(reinterpret_cast<const char*>(u8.data()), static_cast<qsizetype>(u8.size()));
}
inline std::filesystem::path fspath(const QString& s) {
    QByteArray u = s.toUtf8();
    return std::filesystem::path(std::u8string(u.begin(), u.end()));
}

inline QDate toQDate(Date d) { return QDate(yearOf(d), static_cast<int>(monthOf(d)), static_cast<int>(dayOf(d))); }
inline Date fromQDate(const QDate& d) {
    return makeDate(d.year(), static_cast<unsigned>(d.month()), static_cast<unsigned>(d.day()));
}

inline QStringList toQStringList(const std::vector<std::string>& lines) {
    QStringList out;
    out.reserve(static_cast<qsizetype>(lines.size()));
    for (const auto& l : lines) out << qs(l);
    return out;
}

}  // namespace verdika::ui

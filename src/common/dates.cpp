#include "common/dates.h"

#include <ctime>

#include "common/errors.h"
#include "common/text.h"

namespace verdika {

using namespace std::chrono;

Date makeDate(int year, unsigned month, unsigned day) {
    return sys_days(std::chrono::year(year) / std::chrono::month(month) / std::chrono::day(day));
}

int yearOf(Date d) { return static_cast<int>(year_month_day(d).year()); }
unsigned monthOf(Date d) { return static_cast<unsigned>(year_month_day(d).month()); }
unsigned dayOf(Date d) { return static_cast<unsigned>(year_month_day(d).day()); }

std::optional<Date> tryParseDate(std::string_view text) {
    std::string_view t = trimBlanks(text);
    int parts[3] = {0, 0, 0};
    int lengths[3] = {0, 0, 0};
    int idx = 0;
    for (char c : t) {
        if (c == '.') {
            if (++idx > 2) return std::nullopt;
        } else if (c >= '0' && c <= '9') {
            if (++lengths[idx] > 4) return std::nullopt;
            parts[idx] = parts[idx] * 10 + (c - '0');
        } else {
            return std::nullopt;
        }
    }
    if (idx != 2 || lengths[0] == 0 || lengths[1] == 0 || lengths[0] > 2 || lengths[1] > 2 || lengths[2] != 4)
        return std::nullopt;
    year_month_day ymd{std::chrono::year(parts[2]), std::chrono::month(static_cast<unsigned>(parts[1])),
                       std::chrono::day(static_cast<unsigned>(parts[0]))};
    // Four digits without a leading zero: "1.1.0999" would come back as
    // "1.1.999", which nothing reads.
    if (!ymd.ok() || parts[2] < kFirstYear) return std::nullopt;
    return sys_days(ymd);
}

Date parseDate(std::string_view text) {
    if (auto d = tryParseDate(text)) return *d;
    throw ConversionError("„" + std::string(trimBlanks(text)) + "“ není platné datum (den.měsíc.rok).");
}

std::string formatDate(Date d) {
    year_month_day ymd(d);
    std::string year = std::to_string(static_cast<int>(ymd.year()));
    // A computed day outside the readable years still gets four digits.
    if (year.size() < 4 && year[0] != '-') year.insert(0, 4 - year.size(), '0');
    return std::to_string(static_cast<unsigned>(ymd.day())) + "." + std::to_string(static_cast<unsigned>(ymd.month())) +
           "." + year;
}

std::string formatLongDate(Date d) {
    // The Czech long date names the month in the genitive.
    static const char* const kMonths[] = {"ledna", "února", "března", "dubna", "května", "června",
                                          "července", "srpna", "září", "října", "listopadu", "prosince"};
    year_month_day ymd(d);
    return std::to_string(static_cast<unsigned>(ymd.day())) + ". " +
           kMonths[static_cast<unsigned>(ymd.month()) - 1] + " " + std::to_string(static_cast<int>(ymd.year()));
}

std::string formatTime(int seconds) {
    int h = seconds / 3600, m = (seconds / 60) % 60;
    return std::to_string(h) + ":" + (m < 10 ? "0" : "") + std::to_string(m);
}

DateTime now() {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
#if defined(_WIN32)
    localtime_s(&tm, &t);
#else
    localtime_r(&t, &tm);
#endif
    DateTime dt;
    dt.date = makeDate(tm.tm_year + 1900, static_cast<unsigned>(tm.tm_mon + 1), static_cast<unsigned>(tm.tm_mday));
    dt.seconds = tm.tm_hour * 3600 + tm.tm_min * 60 + tm.tm_sec;
    return dt;
}

Date today() { return now().date; }

}  // namespace verdika

#include "core/app/time_text.h"

#include <cstdio>

namespace corvelo {

std::string TimeText(std::chrono::seconds time_of_day) {
    long long s = time_of_day.count() % 86400;
    if (s < 0) s += 86400;
    char text[16];
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", s / 3600, s / 60 % 60, s % 60);
    return text;
}

}  // namespace corvelo

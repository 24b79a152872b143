// The time of day as the printed sheets write it.
#pragma once

#include <chrono>
#include <string>

namespace corvelo {

// "hh:mm:ss" (24 hours, two digits each) for a time of day; a value outside
// one day is taken modulo a day.
std::string TimeText(std::chrono::seconds time_of_day);

}  // namespace corvelo

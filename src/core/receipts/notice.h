// A message that core chose for a screen to show: its box kind and its text.
// Screens map the kind onto their own message boxes.
#pragma once

#include <string>

namespace corvelo {

enum class NoticeKind { kNone, kWarning, kError, kInformation, kPlain };

struct Notice {
    NoticeKind kind = NoticeKind::kNone;
    std::string text;

    bool empty() const { return kind == NoticeKind::kNone; }
    bool operator==(const Notice&) const = default;
};

}  // namespace corvelo

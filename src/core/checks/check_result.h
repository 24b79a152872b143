// What a check screen does after its check button: the message it shows (if
// any), the kind of box, and whether the value was found valid, wrong, or
// not checked at all because the screen asks for another value.
#pragma once

#include <string>

namespace corvelo {

// The box a check screen shows. Warning and information boxes carry OK and
// Cancel; None means the screen closes without a word.
enum class CheckNotice { None, Warning, Information };

enum class CheckVerdict {
    Valid,  // reported valid (or nothing shown); the screen closes
    Wrong,  // reported wrong; the screen closes
    Retry,  // wrong length or empty: the screen stays open, focus on the box
};

struct CheckResult {
    CheckVerdict verdict = CheckVerdict::Valid;
    CheckNotice notice = CheckNotice::None;
    std::string message;  // UTF-8, line breaks exactly as shown

    bool ScreenCloses() const { return verdict != CheckVerdict::Retry; }
    bool operator==(const CheckResult&) const = default;
};

}  // namespace corvelo

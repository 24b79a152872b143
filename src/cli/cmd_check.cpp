// check cf|iva|iban|carta VALUE: the value goes into the check screen's box
// as if pasted, the check button is pressed, and the message the screen
// shows is printed exactly (nothing when it shows none).
#include <array>
#include <ostream>
#include <string>
#include <string_view>

#include "cli/cli.h"
#include "core/checks/check_box.h"
#include "core/storage/cp1252.h"

namespace corvelo::cli {
namespace {

struct CheckWord {
    std::string_view word;
    CheckKind kind;
};

constexpr std::array<CheckWord, 4> kWords = {{
    {"cf", CheckKind::CodiceFiscale},
    {"iva", CheckKind::PartitaIva},
    {"iban", CheckKind::Iban},
    {"carta", CheckKind::Carta},
}};

constexpr const char* kUsageLine = "check cf|iva|iban|carta VALUE";

int Run(Context& ctx) {
    const CheckWord* chosen = nullptr;
    if (ctx.args.size() == 2) {
        for (const CheckWord& w : kWords) {
            if (ctx.args[0] == w.word) chosen = &w;
        }
    }
    if (!chosen) {
        ctx.err << "usage: corvelo-cli " << kUsageLine << "\n";
        return kUsage;
    }
    const std::string& value = ctx.args[1];
    const std::size_t limit = CheckBoxOf(chosen->kind).maxLength;
    if (CodePointCount(value) > limit) {
        // The box takes no more than its length, as a paste into it would;
        // say so, since the screen would show the cut text and we do not.
        ctx.err << "check " << chosen->word << ": the box holds " << limit
                << " characters; the rest of the value was left out\n";
    }
    const CheckResult result = RunCheck(chosen->kind, PasteIntoBox(chosen->kind, value));
    if (result.notice != CheckNotice::None) ctx.out << result.message << "\n";
    switch (result.verdict) {
        case CheckVerdict::Valid:
            return kDone;
        case CheckVerdict::Wrong:
            return kWrong;
        case CheckVerdict::Retry:
            return kUsage;
    }
    return kUsage;
}

}  // namespace

static CliCommand reg("check", kUsageLine, Run);

}  // namespace corvelo::cli

// Readable names for the cases of parameterised tests, so that ctest lists
// "Cases/SaveCheckOrder.Warns/CustomerBeforeNumber" and not a dump of bytes.
//
//   INSTANTIATE_TEST_SUITE_P(Cases, SaveCheckOrder, ::testing::Values(...),
//                            testing::ByName());  // the cases' `name` member
//   INSTANTIATE_TEST_SUITE_P(Amounts, LeaveTest, ::testing::Values(...),
//                            [](const auto& info) { return testing::Spelled(info.param.typed); });
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <string_view>

#include "core/storage/status.h"

namespace corvelo::testing {

// A name made of letters, digits and '_' only, as test names must be: every
// run of other bytes becomes one '_', none at either end ("only blanks" is
// "only_blanks", "\"/dati/a.pdf\"" is "dati_a_pdf"). An empty result is "empty".
inline std::string CaseName(std::string_view text) {
    std::string name;
    for (const char c : text) {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            name += c;
        } else if (!name.empty() && name.back() != '_') {
            name += '_';
        }
    }
    while (!name.empty() && name.back() == '_') name.pop_back();
    return name.empty() ? "empty" : name;
}

// A name for a case named by its data (a typed text, a command): the signs
// that matter in such texts are spelt out ("12,5" is "12_comma_5", "   " is
// "blank_blank_blank"), so that texts differing only in them stay apart.
// Other bytes outside letters and digits become '_'.
inline std::string Spelled(std::string_view text) {
    if (text.empty()) return "empty";
    static constexpr struct {
        char sign;
        const char* word;
    } kWords[] = {{',', "comma"}, {'.', "point"}, {' ', "blank"},     {'-', "minus"},
                  {'"', "quote"}, {'/', "slash"}, {';', "semicolon"}, {':', "colon"}};
    std::string name;
    auto separate = [&name] {
        if (!name.empty() && name.back() != '_') name += '_';
    };
    for (const char c : text) {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            name += c;
            continue;
        }
        const char* word = nullptr;
        for (const auto& w : kWords) {
            if (w.sign == c) word = w.word;
        }
        if (word) {
            separate();
            name += word;
            name += '_';
        } else if (name.empty() || name.back() != '_') {
            name += '_';
        }
    }
    while (name.size() > 1 && name.back() == '_') name.pop_back();
    return name;
}

// The name of a file step, for suites that fail each step in turn.
inline std::string StepName(IoOp op) {
    switch (op) {
        case IoOp::kNone:
            return "None";
        case IoOp::kOpen:
            return "Open";
        case IoOp::kCreate:
            return "Create";
        case IoOp::kSize:
            return "Size";
        case IoOp::kSeek:
            return "Seek";
        case IoOp::kRead:
            return "Read";
        case IoOp::kWrite:
            return "Write";
        case IoOp::kFlush:
            return "Flush";
        case IoOp::kClose:
            return "Close";
        default:
            break;
    }
    return "Step" + std::to_string(static_cast<int>(op));
}

// Names each case by its param's `name` member (see CaseName).
struct ByName {
    template <class Param>
    std::string operator()(const ::testing::TestParamInfo<Param>& info) const {
        return CaseName(info.param.name);
    }
};

}  // namespace corvelo::testing

// The one shape of the identifier check tests: a table of boxes, each with
// the verdict the check must give, and the report that goes with a verdict.
//
//   class IbanCase : public testing::CheckCaseTest {};
//   TEST_P(IbanCase, Reports) {
//       testing::ExpectReport(CheckIban(GetParam().box), GetParam().verdict,
//                             {kMsgIbanValido, kMsgIbanErrato, kMsgIbanLunghezza});
//   }
//   INSTANTIATE_TEST_SUITE_P(Ibans, IbanCase, ::testing::Values(...), testing::ByName());
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

#include "core/checks/check_result.h"
#include "support/case_names.h"

namespace corvelo::testing {

struct CheckCase {
    const char* name;
    std::string box;  // the text checked
    CheckVerdict verdict;
    // What the message of a valid value names (the card type, the tax
    // office); checks without such a part leave it out.
    const char* detail = nullptr;
};

// gtest shows a failing case by its box.
inline void PrintTo(const CheckCase& c, std::ostream* out) {
    *out << '"' << c.box << '"';
}

class CheckCaseTest : public ::testing::TestWithParam<CheckCase> {};

// The message a check shows for each verdict.
struct CheckMessages {
    std::string_view valid;  // empty: a valid value shows no box at all
    std::string_view wrong;
    std::string_view retry;
};

// Expects `r` to give `verdict` with its report: an information box with the
// valid message (or none), a warning with the wrong message, a warning with
// the retry message.
inline void ExpectReport(const CheckResult& r, CheckVerdict verdict, const CheckMessages& m) {
    EXPECT_EQ(r.verdict, verdict);
    switch (verdict) {
        case CheckVerdict::Valid:
            EXPECT_EQ(r.notice, m.valid.empty() ? CheckNotice::None : CheckNotice::Information);
            EXPECT_EQ(r.message, m.valid);
            break;
        case CheckVerdict::Wrong:
            EXPECT_EQ(r.notice, CheckNotice::Warning);
            EXPECT_EQ(r.message, m.wrong);
            break;
        case CheckVerdict::Retry:
            EXPECT_EQ(r.notice, CheckNotice::Warning);
            EXPECT_EQ(r.message, m.retry);
            break;
    }
}

}  // namespace corvelo::testing

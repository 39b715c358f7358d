#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/errortrap.h"

namespace {

using vb::ErrorTrap;
using vb::RuntimeError;

// A sequence of statements under the installer's trap: 75, 76 and 58 are passed over,
// 53 is reported and the next statement runs, anything else ends the sequence.
TEST(ErrorTrapTest, GoesOnOrEndsByErrorNumber) {
    const struct {
        int error;
        std::vector<std::string> reports;
        std::vector<int> ran;
        bool ended;
    } cases[] = {
        {75, {}, {1, 3}, false},
        {76, {}, {1, 3}, false},
        {58, {}, {1, 3}, false},
        {53, {"File not found"}, {1, 3}, false},
        {62, {}, {1}, true},
        {5, {}, {1}, true},
    };
    for (const auto& c : cases) {
        std::vector<std::string> reports;
        std::vector<int> ran;
        ErrorTrap trap({75, 76, 58}, {53}, [&](const RuntimeError& e) { reports.push_back(e.Description()); });
        EXPECT_TRUE(trap([&] { ran.push_back(1); }));
        const bool goesOn = trap([&] {
            throw RuntimeError(c.error);
            ran.push_back(2);  // never reached: the rest of a failing statement is skipped
        });
        trap([&] { ran.push_back(3); });
        EXPECT_EQ(goesOn, !c.ended) << c.error;
        EXPECT_EQ(trap.Ended(), c.ended) << c.error;
        EXPECT_EQ(trap.LastError(), c.error);
        EXPECT_EQ(reports, c.reports) << c.error;
        EXPECT_EQ(ran, c.ran) << c.error;
    }
}

TEST(ErrorTrapTest, OtherFailuresAndFailingReportsEndTheSequence) {
    ErrorTrap a({75}, {53}, nullptr);
    a([] { throw std::logic_error("no number"); });
    EXPECT_TRUE(a.Ended());
    ErrorTrap b({75}, {53}, [](const RuntimeError&) { throw RuntimeError(5); });
    EXPECT_FALSE(b([] { throw RuntimeError(53); }));
    int ran = 0;
    b([&] { ++ran; });
    EXPECT_EQ(ran, 0);
}

}  // namespace

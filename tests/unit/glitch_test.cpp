// The kernel's run-time glitch reports, each made by the one reporting
// function: its exact bytes and where they go (the standard output, the
// standard error, or the game's output text and the log), nothing elsewhere.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>

#include "input.h"
#include "say.h"
#include "services.h"
#include "state.h"
#include "text.h"

namespace {

struct Report {
    const char *what;
    std::function<void()> make;
    std::string out, err, text;  // the text is also the log's
};

TEST(Glitch, EachReportGoesWhereItBelongsByteForByte) {
    int32_t locals[2] = {0, 0};
    int16_t flags[2] = {0, 0};
    int32_t result = 0;
    const Report reports[] = {
        {"flag of a flagless entity", [] { bitmod('s', 1300, 3); }, "*** Run-time glitch! Setting flag on a flagless entity 1300! ***\n", "", ""},
        {"flag word of a flagless entity", [] { set_bitword(2, 0); }, "*** Run-time glitch! Setting the flag word of a flagless entity 2! ***\n", "", ""},
        {"bad local", [&] { lbitmod(2, 's', 5, 0, locals, flags); }, "*** Run-time glitch! Local entity 5 >= locals 2! ***\n", "", ""},
        {"bad local flag", [&] { lbitmod(2, 's', 1, 16, locals, flags); }, "*** Run-time glitch! Local entity 2 >= locals 2! ***\n", "", ""},
        {"moving a non-object", [] { apport(200, 196); }, "*** Run-time glitch! Moving a non-object 200! ***\n", "", ""},
        {"moving to a bad place", [] { apport(5, 5000); }, "*** Run-time glitch! Moving 5 to a bad place 5000! ***\n", "", ""},
        {"procedure out of range", [] { pcall(2000); }, "", "\n*GLITCH* Called proc offest 2000, but game's offset range is 0 to 1144!\n\n", ""},
        {"procedure of a parser code", [] { pcall(-4); }, "",
         "\n*GLITCH* Called proc offest -4, but game's offset range is 0 to 1144!\n"
         "   Probable cause: ambiguous typo in player command not handled by game's code.\n\n", ""},
        {"bad word slot", [] { verbatim(1150); }, "", "", "GLITCH! Bad ARGn indicator: 1150\n"},
        {"bad clock code", [&] { svar(3, &result); }, "", "", "GLITCH! Bad svar code: 3\n"},
        {"bad special code", [&] { special(-7, &result); }, "", "", "\n \nGLITCH! Bad special code: -7\n"},
    };
    for (const Report &r : reports) {
        SCOPED_TRACE(r.what);
        kernel_reset();
        FILE *log = tmpfile();
        ASSERT_TRUE(log);
        log_file = log;
        zap_text();
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        r.make();
        std::string out = testing::internal::GetCapturedStdout();
        std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(out, r.out);
        EXPECT_EQ(err, r.err);
        EXPECT_EQ(std::string(text_buf, lptr), r.text);
        log_file = nullptr;
        rewind(log);
        std::string logged;
        for (int c; (c = fgetc(log)) != EOF;) logged += char(c);
        fclose(log);
        EXPECT_EQ(logged, r.text);
    }
}

}  // namespace

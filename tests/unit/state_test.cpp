// The world-state primitives, the random generator and the condition fold.
#include <gtest/gtest.h>

#include <vector>

#include <cstring>
#include <string>

#include "input.h"
#include "proc.h"
#include "state.h"
#include "text.h"

namespace {

struct StateTest : ::testing::Test {
    void SetUp() override {
        kernel_reset();
        value[KV_ARG1] = -1;
        value[KV_ARG2] = -1;
        value[KV_HERE] = 195;
        value[KV_THERE] = 195;
    }
};

TEST_F(StateTest, FlagsAreComputedOrStored) {
    bitmod('s', 1150, 0);
    struct {
        int r, n, want;
    } cases[] = {
        {5, 0, 1},      {5, 1, 0},     {200, 1, 1},   {800, 2, 1},  {1150, 0, 1},
        {1300, 3, 0},   {0, 0, 0},     {2, 1, 0},     {-1, 0, 0},   {194, 0, 1},
        {195, 0, 0},    {703, 1, 1},   {1143, 2, 1},  {1144, 2, 0},
    };
    for (auto &c : cases) EXPECT_EQ(bitest(c.r, c.n), c.want) << c.r << " flag " << c.n;
}

TEST_F(StateTest, BitwordAddresses) {
    EXPECT_EQ(bitword(3), objbits);
    EXPECT_EQ(bitword(194), objbits + 2 * 191);
    EXPECT_EQ(bitword(195), placebits);
    EXPECT_EQ(bitword(704), varbits);
    EXPECT_EQ(bitword(1264), varbits + 560);
    EXPECT_EQ(bitword(1265), nullptr);
    EXPECT_EQ(bitword(2), nullptr);
    EXPECT_EQ(bitword(-1), nullptr);
}

// A computed refno's flag word is written only where there is one; any
// other refno is reported and nothing of the image changes.
TEST_F(StateTest, SetBitwordWritesOnlyAFlagWord) {
    for (int r : {3, 194, 195, 703, 704, 1263, 1264}) {
        set_bitword(r, ref_mark);
        EXPECT_EQ(*bitword(r), ref_mark) << r;
    }
    const state_image before = IMAGE;
    for (int r : {-1, 0, 2, 1265, 3571, NVALUES}) {
        testing::internal::CaptureStdout();
        set_bitword(r, ref_mark);
        EXPECT_NE(testing::internal::GetCapturedStdout().find("flagless entity " + std::to_string(r)),
                  std::string::npos);
    }
    EXPECT_EQ(memcmp(&before, &IMAGE, IMAGE_SIZE), 0);
}

TEST_F(StateTest, FlagSpillsIntoTheNextWordButNotPastTheEnd) {
    bitmod('s', 1242, 17);
    EXPECT_EQ(uint16_t(*bitword(1243)), 2);
    EXPECT_EQ(bitest(1242, 17), 1);
    bitmod('c', 1242, 17);
    EXPECT_EQ(*bitword(1243), 0);

    testing::internal::CaptureStdout();
    bitmod('s', 1264, 16);  // would land past the last flag word
    bitmod('s', 1300, 1);
    bitmod('s', 1, 1);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("Setting flag on a flagless entity 1264"), std::string::npos);
    EXPECT_NE(out.find("Setting flag on a flagless entity 1300"), std::string::npos);
    EXPECT_NE(out.find("Setting flag on a flagless entity 1"), std::string::npos);
    EXPECT_EQ(bitest(1264, 16), 0);
}

TEST_F(StateTest, FlagFifteenAndObjectFlags) {
    bitmod('s', 10, 31);
    EXPECT_EQ(bitest(10, 31), 1);
    EXPECT_EQ(uint16_t(bitword(10)[1]), 0x8000);
    bitmod('x', 10, 31);  // any op but 's' clears
    EXPECT_EQ(bitest(10, 31), 0);
}

TEST_F(StateTest, HaveAndIsatDifferInTheirStateTests) {
    const int obj = 20;
    location[obj] = 300;
    value[obj] = 2;
    bitmod('s', obj, 6);  // present at two places
    EXPECT_EQ(isat(obj, 0, 2, 301), 1);
    EXPECT_EQ(isat(obj, 0, 2, 300), 1);
    EXPECT_EQ(isat(obj, 0, 3, 300), 0);
    location[obj] = 702;
    EXPECT_EQ(isat(obj, -1, 0, 703), 0);
    location[obj] = K_CARRIED;
    EXPECT_EQ(have(obj, -5, 0), 1);   // no test
    EXPECT_EQ(have(obj, 0, 2), 1);
    EXPECT_EQ(have(obj, 0, 1), 0);
    EXPECT_EQ(have(obj, 1, 9), 0);    // flag 9 clear
    EXPECT_EQ(isat(obj, -5, 0, K_CARRIED), 1);  // flag 0 of an object is always 1
    EXPECT_EQ(isat(obj, -5, 1, K_CARRIED), 0);  // flag 1 is never
    // Carried objects are never present through the second place.
    location[obj] = 702;
    EXPECT_EQ(have(obj, -1, 0), 0);
    for (int bad : {-1, 0, 2, 195, 1145}) {
        EXPECT_EQ(have(bad, -1, 0), 0);
        EXPECT_EQ(isat(bad, -1, 0, 0), 0);
        EXPECT_EQ(getloc(bad), 0);
    }
}

TEST_F(StateTest, HereAndNear) {
    location[30] = 195;
    location[31] = K_CARRIED;
    EXPECT_EQ(ishere(30, -1, 0), 1);
    EXPECT_EQ(isnear(30, -1, 0), 1);
    EXPECT_EQ(isnear(31, -1, 0), 1);
    EXPECT_EQ(ishere(31, -1, 0), 0);
    value[KV_HERE] = 196;
    EXPECT_EQ(isnear(30, -1, 0), 0);
}

TEST_F(StateTest, MovetoConditionalOnWords) {
    value[KV_ARG1] = 746;
    moveto(250, 0, 745, -746);
    EXPECT_EQ(value[KV_HERE], 250);
    EXPECT_EQ(value[KV_THERE], 195);
    EXPECT_EQ(loop, 1);
    EXPECT_EQ(bitest(KV_COMMAND_STATUS, 0), 1);
    EXPECT_EQ(*bitword(KV_HERE), ref_mark);
    EXPECT_EQ(*bitword(KV_THERE), ref_mark);

    SetUp();
    value[KV_ARG1] = 747;
    moveto(250, 0, 745, -746);
    EXPECT_EQ(value[KV_HERE], 195);
    EXPECT_EQ(loop, 0);
    EXPECT_EQ(bitest(KV_COMMAND_STATUS, 0), 0);
}

TEST_F(StateTest, MovetoMessages) {
    moveto(250, -1);
    EXPECT_EQ(value[KV_HERE], 250);
    EXPECT_EQ(loop, 0);
    EXPECT_EQ(bitest(KV_COMMAND_STATUS, 0), 1);
    moveto(251, -2);
    EXPECT_EQ(value[KV_HERE], 251);
    EXPECT_EQ(loop, 1);
}

TEST_F(StateTest, ApportSetsCarriedChangeBeforeResolvingAVariable) {
    value[1159] = K_CARRIED;
    EXPECT_EQ(apport(40, 1159), K_CARRIED);
    EXPECT_EQ(location[40], K_CARRIED);
    EXPECT_EQ(bitest(KV_COMMAND_STATUS, 6), 0);
    apport(40, 300);
    EXPECT_EQ(bitest(KV_COMMAND_STATUS, 6), 1);
    bitmod('c', KV_COMMAND_STATUS, 6);
    apport(41, K_CARRIED);
    EXPECT_EQ(bitest(KV_COMMAND_STATUS, 6), 1);

    testing::internal::CaptureStdout();
    EXPECT_EQ(apport(2, 300), 0);
    EXPECT_EQ(apport(195, 300), 0);
    bitmod('c', KV_COMMAND_STATUS, 6);
    EXPECT_EQ(apport(41, 5000), 0);  // a carried object, a bad place
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("glitch"), std::string::npos);
    EXPECT_EQ(location[41], K_CARRIED);
    EXPECT_EQ(bitest(KV_COMMAND_STATUS, 6), 0);
}

TEST_F(StateTest, SetCarriesTheRefMark) {
    value[KV_ARG1] = 12;
    set('V', 1150, 'v', KV_ARG1, nullptr, nullptr);
    EXPECT_EQ(value[1150], 12);
    EXPECT_EQ(*bitword(1150), ref_mark);
    set('V', 1150, 'c', 5, nullptr, nullptr);
    EXPECT_EQ(value[1150], 5);
    EXPECT_EQ(*bitword(1150), 0);
    // An unmarked target keeps its ordinary flags.
    bitmod('s', 1151, 3);
    set('V', 1151, 'c', 7, nullptr, nullptr);
    EXPECT_EQ(bitest(1151, 3), 1);
    // A marked variable source passes its mark on; 'e' never does.
    *bitword(1152) = ref_mark;
    value[1152] = 33;
    set('V', 1153, 'v', 1152, nullptr, nullptr);
    EXPECT_EQ(*bitword(1153), ref_mark);
    set('V', 1154, 'e', 1152, nullptr, nullptr);
    EXPECT_EQ(value[1154], 33);
    EXPECT_EQ(*bitword(1154), 0);
    // Locals.
    frame<3> f{ref(9), num(4)};
    set('L', 2, 'l', 0, f);
    EXPECT_EQ(f.lvals[2], 9);
    EXPECT_EQ(f.lbits[2], ref_mark);
    set('L', 2, 'l', 1, f);
    EXPECT_EQ(f.lbits[2], 0);
    // Out of range targets change nothing.
    set('V', 1300, 'c', 5, nullptr, nullptr);
    EXPECT_EQ(value[1300], 0);
    set('T', 100, 'c', 5, nullptr, nullptr);
    EXPECT_EQ(value[100], 0);
}

TEST_F(StateTest, SetOnATextKeepsTheVariantInRange) {
    // A text of the fixture database with several variants.
    int t = -1;
    for (int r = FIRST_TEXT; r <= LAST_TEXT; r++)
        if (text_info[(r - FIRST_TEXT) * 2 + 1] >= 2) {
            t = r;
            break;
        }
    ASSERT_GT(t, 0) << "the fixture database needs a text with variants";
    int c = text_info[(t - FIRST_TEXT) * 2 + 1];
    set('T', t, 'c', 99, nullptr, nullptr);
    EXPECT_EQ(value[t], c - 1);
    set('T', t, 'c', -4, nullptr, nullptr);
    EXPECT_EQ(value[t], 0);
    set('T', t, 'c', 0, nullptr, nullptr);
    EXPECT_EQ(value[t], 0);
    set('T', t, 'c', c - 1, nullptr, nullptr);
    EXPECT_EQ(value[t], c - 1);
}

TEST_F(StateTest, EvarFollowsTheMark) {
    value[1160] = 77;
    EXPECT_EQ(evar(1160), 1160);
    *bitword(1160) = ref_mark;
    EXPECT_EQ(evar(1160), 77);
    EXPECT_EQ(evar(5000), 5000);
}

TEST_F(StateTest, LocalFlags) {
    frame<3> f{ref(10), num(0)};
    lbitmod('s', 0, 8, f);  // a marked local acts on its entity
    EXPECT_EQ(bitest(10, 8), 1);
    EXPECT_EQ(lbitest(0, 8, f), 1);
    EXPECT_EQ(lbitest(0, 0, f), 1);  // computed through the entity
    lbitmod('s', 1, 3, f);           // an unmarked local's own word
    EXPECT_EQ(f.lbits[1], 8);
    EXPECT_EQ(lbitest(1, 3, f), 1);
    EXPECT_EQ(lbitest(1, 0, f), 0);  // not computed for an unmarked local
    lbitmod('s', 1, 17, f);          // spills into the next local's word
    EXPECT_EQ(f.lbits[2], 2);
    testing::internal::CaptureStdout();
    lbitmod('s', 3, 0, f);
    lbitmod('s', 2, 16, f);  // would spill past the last local
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("Local entity 3 >= locals 3"), std::string::npos);
    EXPECT_EQ(lbitest(5, 0, f), 0);
    EXPECT_EQ(lbitest(-1, 0, f), 0);
    EXPECT_EQ(levar(0, f), 10);
    EXPECT_EQ(levar(1, f), 1);
    EXPECT_EQ(levar(7, f), 0);
}

TEST_F(StateTest, CommandWordTests) {
    value[KV_ARG1] = -1;
    EXPECT_EQ(anyof(704, -1), 0);
    EXPECT_EQ(keyword(-1), 1);
    value[KV_ARG1] = 765;
    value[KV_ARG2] = 20;
    EXPECT_EQ(anyof(1, 20, -1), 1);
    EXPECT_EQ(anyof(1, -1, 20), 0);  // the list ends at the first negative value
    EXPECT_EQ(keyword(765, 20, -1), 1);
    EXPECT_EQ(keyword(765, 21, -1), 0);
}

TEST_F(StateTest, IrandSequence) {
    rseed = 1;
    irand(1);
    EXPECT_EQ(rseed, 78);  // 1025 / 13
    rseed = 1;
    int first[6];
    for (int &x : first) x = irand(100);
    rseed = 1;
    for (int x : first) EXPECT_EQ(irand(100), x);
    // Independent recomputation of the recurrence.
    int32_t s = 12345;
    rseed = s;
    for (int k = 0; k < 1000; k++) {
        s = int32_t(((int64_t(s) << 10) + s) / 13) & 0x7fff;
        ASSERT_EQ(irand(32768), s % 32768);
        ASSERT_GE(rseed, 0);
        ASSERT_LE(rseed, 32767);
    }
    // A clock seed overflows the first step, which wraps in 32 bits.
    struct {
        int32_t seed, next;
    } wraps[] = {{2000000000, 5435}, {1800000000, 4136}};
    for (const auto &w : wraps) {
        rseed = w.seed;
        irand(1);
        EXPECT_EQ(rseed, w.next) << w.seed;
    }
    int32_t before = rseed;
    EXPECT_EQ(irand(0), 0);
    EXPECT_NE(rseed, before);  // the step is taken all the same
    EXPECT_EQ(randsel(0), 0);
    rseed = 1;
    int pick = irand(3);
    rseed = 1;
    EXPECT_EQ(randsel(3, 10, 20, 30), (pick + 1) * 10);
    rseed = 500;
    int j = jrand(10);
    EXPECT_EQ(rseed, 500);  // jrand leaves the seed alone
    EXPECT_GE(j, 0);
    EXPECT_LT(j, 10);
    EXPECT_EQ(jrand(0), 0);
    // While a command file is replayed the clock is left out: the draw
    // follows the seed alone, so a replay says the same texts again.
    FILE *replay = tmpfile();
    com_file = replay;
    rseed = 500;
    EXPECT_EQ(jrand(1000), ((500 << 10) / 13 & 0x7fff) % 1000);
    com_file = nullptr;
    fclose(replay);
}

TEST_F(StateTest, ConditionsFoldLeftToRightWithoutShortCircuit) {
    // irand(100) < 4 and value[1198] == 3: the draw happens even when the
    // second term is false, and after the first.
    value[1198] = 0;
    rseed = 42;
    EXPECT_FALSE(cond(irand(100) < 4).AND(value[1198] == 3));
    rseed = 42;
    irand(1);
    int32_t after_one = rseed;
    rseed = 42;
    int order[3];
    int k = 0;
    auto term = [&](int id, int result) {
        order[k++] = id;
        return result;
    };
    (void)cond(term(1, 0)).AND(term(2, 1)).OR(term(3, 0));
    EXPECT_EQ(order[0], 1);
    EXPECT_EQ(order[1], 2);
    EXPECT_EQ(order[2], 3);
    rseed = 42;
    (void)cond(value[1198] == 3).AND(irand(100) < 4);
    EXPECT_EQ(rseed, after_one);
    // No precedence: X or Y and Z is (X or Y) and Z.
    EXPECT_FALSE(cond(1).OR(1).AND(0));
    EXPECT_TRUE(cond(0).AND(1).OR(1));
    // Flag 7 of HERE and not flag 18 of HERE, or HERE == 502: true at 502.
    value[KV_HERE] = 502;
    bitmod('s', 502, 18);
    EXPECT_TRUE(cond(bitest(value[KV_HERE], 7)).AND(!bitest(value[KV_HERE], 18)).OR(value[KV_HERE] == 502));
    EXPECT_EQ(value[0], 1);  // the fold lives in the status word
}

// A fold written as an operand is a parenthesised group: it is evaluated
// whole, every term and draw of it included, and only then combined with the
// running result, which the inner fold's steps through value[0] must not
// disturb.
TEST_F(StateTest, GroupedConditionsKeepTheOuterResult) {
    struct row {
        int a, b, c;
        int and_group, or_group;  // a and (b or c); a or (b and c)
    };
    const row rows[] = {
        {0, 1, 1, 0, 1}, {0, 0, 1, 0, 0}, {1, 0, 0, 0, 1}, {1, 0, 1, 1, 1},
        {1, 1, 0, 1, 1}, {0, 1, 0, 0, 0}, {0, 0, 0, 0, 0}, {1, 1, 1, 1, 1},
    };
    for (const row &r : rows) {
        value[0] = 7;
        EXPECT_EQ(bool(cond(r.a).AND(cond(r.b).OR(r.c))), bool(r.and_group)) << r.a << r.b << r.c;
        EXPECT_EQ(value[0], r.and_group);
        EXPECT_EQ(bool(cond(r.a).OR(cond(r.b).AND(r.c))), bool(r.or_group)) << r.a << r.b << r.c;
        EXPECT_EQ(value[0], r.or_group);
        // A group as the first term.
        EXPECT_EQ(bool(cond(cond(r.b).OR(r.c)).AND(r.a)), bool(r.and_group));
    }

    // Every term of both sides is evaluated, in written order, and each
    // step is stored: the value[0] seen by a term is the fold so far.
    std::vector<int> seen;
    auto term = [&](int id, int result) {
        seen.push_back(id * 10 + value[0]);
        return result;
    };
    value[0] = 5;
    (void)cond(term(1, 0)).AND(cond(term(2, 1)).OR(term(3, 0))).OR(term(4, 0));
    EXPECT_EQ(seen, (std::vector<int>{15, 20, 31, 40}));
    EXPECT_EQ(value[0], 0);

    // Draws inside a group are taken even when the outer term decides.
    rseed = 42;
    irand(1);
    irand(1);
    const int32_t after_two = rseed;
    rseed = 42;
    EXPECT_FALSE(cond(0).AND(cond(irand(100) < 50).OR(irand(100) < 50)));
    EXPECT_EQ(rseed, after_two);

    // Place 330's condition: any of 710, 287 and (730 or a one-word command);
    // the one-word command "730" names neither 710 nor 287.
    auto any_710_287 = [] { return value[KV_ARG1] == 710 || value[KV_ARG1] == 287; };
    value[KV_ARG1] = 730;
    value[KV_COMMAND_STATUS] = 1;
    EXPECT_FALSE(cond(any_710_287()).AND(cond(value[KV_ARG1] == 730).OR(value[KV_COMMAND_STATUS] == 1)));
    EXPECT_EQ(value[0], 0);
}

int calls[4];
int part_a() {
    calls[0]++;
    return 0;
}
int part_b() {
    calls[1]++;
    loop = 1;
    return 0;
}
int part_c() {
    calls[2]++;
    return 1;
}
int part_d() {
    calls[3]++;
    return 0;
}

TEST_F(StateTest, ChainHeadStopsAtAPartThatEndsTheTurnOrReturnsNonZero) {
    memset(calls, 0, sizeof calls);
    EXPECT_EQ(run_chain({part_a, part_b, part_d}), 0);
    EXPECT_EQ(calls[0], 1);
    EXPECT_EQ(calls[1], 1);
    EXPECT_EQ(calls[3], 0);
    loop = 0;
    EXPECT_EQ(run_chain({part_a, part_c, part_d}), 0);
    EXPECT_EQ(calls[3], 0);
    EXPECT_EQ(run_chain({part_a, part_d}), 1);
    EXPECT_EQ(calls[3], 1);
}

TEST_F(StateTest, ProcedureCallsThroughTheTableAreGuarded) {
    testing::internal::CaptureStderr();
    call_proc(-2);
    call_proc(1144);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("Called proc offest -2, but game's offset range is 0 to 1144!"), std::string::npos);
    EXPECT_NE(err.find("Probable cause: bad word in player command not handled by game's code."),
              std::string::npos);
    EXPECT_NE(err.find("Called proc offest 1144"), std::string::npos);
    for (int r = 0; r < NPROCS; r++) ASSERT_NE(procs[r], nullptr) << r;
}

TEST_F(StateTest, RecaseShiftAndFinita) {
    char buf[] = "Hello, World";
    EXPECT_STREQ(recase(buf, 'L'), "hello, world");
    EXPECT_STREQ(recase(buf, 'U'), "HELLO, WORLD");
    EXPECT_STREQ(recase(buf, 'x'), "HELLO, WORLD");
    EXPECT_EQ(recase(nullptr, 'L'), nullptr);
    char w[] = "zaZA-b";
    shift_dwarvish(w, 32, 1);
    EXPECT_STREQ(w, "abAB-c");
    shift_dwarvish(w, 32, -1);
    EXPECT_STREQ(w, "zaZA-b");
    char part[] = "abc";
    shift_dwarvish(part, 2, 1);
    EXPECT_STREQ(part, "bcc");
    finita();
    EXPECT_EQ(quitting, 1);
    EXPECT_EQ(loop, 1);
}

TEST_F(StateTest, UncalledInterfaceFunctions) {
    value[1160] = 3;
    value[3] = 44;
    eval(1161, 1160);
    EXPECT_EQ(value[1161], 44);
    deposit(1160, 55);
    EXPECT_EQ(value[3], 55);
    location[8] = 300;
    locate(1162, 8);
    EXPECT_EQ(value[1162], 300);
    EXPECT_EQ(*bitword(1162), ref_mark);
    int32_t out = 0;
    tie(1263, 1150);  // not a text: nothing changes (no write outside the kinds)
    tie(3572, 1150);
    EXPECT_EQ(value[1263], 0);
    svar(8, &out);
    EXPECT_EQ(out, 1);
    svar(5, &out);
    EXPECT_GE(out, 0);
    EXPECT_LE(out, 23);
}

}  // namespace

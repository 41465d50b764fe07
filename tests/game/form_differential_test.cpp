// Places written as row tables, checked against the same places written
// out by hand as plain if-chains (the way the turn cycle is written): from
// thousands of random states and commands both must say the same texts and
// leave the same state image, seed, typed words and `loop`.
#include "differential.h"

namespace {

using namespace game_test;

void mark_question(int flag) { bitmod('s', evar(VAR_QUESTION), flag); }
void heading_from_first_word() {
    if (cond(have(OBJ_HEADING, -1, 0))) {
        value[VAR_DIRECTION_WORD] = value[VAR_ARG1];
        *bitword(VAR_DIRECTION_WORD) = *bitword(VAR_ARG1);
    }
}
void direction(int d) {
    value[VAR_DIRECTION_WORD] = d;
    *bitword(VAR_DIRECTION_WORD) = ref_mark;
}
void first_word(int w) {
    value[VAR_ARG1] = w;
    *bitword(VAR_ARG1) = ref_mark;
}

// The streambed, by hand.
int streambed() {
    if (cond(anyof(822, -1))) {
        if (cond(anyof(919, -1))) {
            say(SAY_STOP, 3424, 0);
            if (loop) return 0;
        }
        if (cond(anyof(899, -1))) {
            say(SAY_STOP | SAY_ARG, 2165, 899);
            if (loop) return 0;
        }
        if (cond(anyof(202, 1002, 1130, -1))) {
            say(SAY_STOP, 2717, 0);
            if (loop) return 0;
        }
        if (cond(anyof(201, -1))) {
            say(SAY_STOP | SAY_ARG, 2718, 0);
            if (loop) return 0;
        }
        if (cond(anyof(131, 894, 985, 195, 203, 359, -1))) {
            say(SAY_STOP | SAY_ARG | SAY_ARGVAR, 2593, VAR_ARG2);
            if (loop) return 0;
        }
        return 0;
    }
    if (cond(anyof(757, 759, -1)).AND(anyof(120, -1)).OR(keyword(757, 899, -1))) {
        say(SAY_STOP, 2710, 0);
        if (loop) return 0;
    }
    if (cond(anyof(202, -1)).AND(anyof(755, 757, -1))) value[VAR_COMMAND_STATUS] = 1;
    if (cond(anyof(759, -1)).OR(value[VAR_COMMAND_STATUS] == 1)) {
        if (cond(anyof(754, -1))) {
            if (cond(irand(100) <= 49))
                value[VAR_ARG1] = 751;
            else
                value[VAR_ARG1] = 747;
            *bitword(VAR_ARG1) = ref_mark;
            heading_from_first_word();
        } else if (cond(anyof(899, -1)).AND(value[VAR_PHASE] == 3)) {
            first_word(745);
            heading_from_first_word();
        } else if (cond(anyof(1130, -1))) {
            first_word(749);
            heading_from_first_word();
        }
        if (cond(value[VAR_PHASE] == 8)) {
            moveto(518, 2162, -195);
            if (loop) return 0;
            moveto(201, 2162, -203);
            if (loop) return 0;
            moveto(203, 2162, -201);
            if (loop) return 0;
        }
        if (cond(have(OBJ_HEADING, -1, 0))) {
            if (cond(anyof(850, 919, 203, -1)))
                direction(749);
            else if (cond(anyof(201, 849, 200, -1)))
                direction(745);
            p152(var(VAR_DIRECTION_WORD));
            if (loop) return 0;
        }
        moveto(195, 0, 200, -195);
        if (loop) return 0;
        moveto(201, 0, 849, 745, -201);
        if (loop) return 0;
        moveto(203, 0, 850, 919, 749, -203);
        if (loop) return 0;
        moveto(541, 0, -746);
        if (loop) return 0;
        moveto(535, 0, -747);
        if (loop) return 0;
        moveto(536, 0, -748);
        if (loop) return 0;
        moveto(533, 0, -750);
        if (loop) return 0;
        moveto(532, 0, 751, -894);
        if (loop) return 0;
        moveto(531, 0, -752);
        if (loop) return 0;
        if (cond(anyof(202, 899, 755, 757, -1))) {
            if (cond(value[202] == 0)) {
                say(SAY_STOP, 1392, 0);
                if (loop) return 0;
            } else {
                say(0, 1862, 0);
                moveto(671, -1);
                bitmod('c', VAR_COMMAND_STATUS, 0);
                return 0;
            }
        }
    }
    if (cond(anyof(919, -1))) mark_question(1);
    return 0;
}

// The three-way chamber, by hand.
int three_way_chamber() {
    if (cond(value[26] == 1).OR(value[26] == 3)) value[26] = value[26] - 1;
    if (cond(anyof(822, -1))) {
        if (cond(anyof(1040, -1))) {
            say(SAY_STOP, 3174, 0);
            if (loop) return 0;
        }
        if (cond(anyof(936, -1))) {
            say(SAY_STOP, 3173, 0);
            if (loop) return 0;
        }
        if (cond(anyof(312, 999, -1))) {
            say(SAY_STOP | SAY_ARG, 3125, 1);
            if (loop) return 0;
        }
        if (cond(anyof(897, -1))) {
            say(SAY_STOP | SAY_ARG, 3537, 0);
            if (loop) return 0;
        }
        if (cond(anyof(1054, -1))) {
            say(SAY_STOP | SAY_ARG, 3537, 1);
            if (loop) return 0;
        }
        if (cond(anyof(1103, -1))) {
            say(SAY_STOP | SAY_ARG, 3537, 2);
            if (loop) return 0;
        }
        if (cond(anyof(201, -1))) value[VAR_COMMAND_STATUS] = 1;
        return 0;
    }
    if (cond(keyword(848, 936, -1))) {
        say(SAY_STOP, 3173, 0);
        if (loop) return 0;
    }
    if (cond(anyof(759, -1)).OR(value[VAR_COMMAND_STATUS] == 1)) {
        if (cond(value[32] == 1)) {
            moveto(314, 0, -752);
            if (loop) return 0;
            moveto(324, 0, -745);
            if (loop) return 0;
            moveto(354, 0, -746);
            if (loop) return 0;
        }
        moveto(312, 0, -749);
        if (loop) return 0;
        if (cond(anyof(201, -1))) {
            say(SAY_STOP, 1425, 0);
            if (loop) return 0;
        }
    }
    if (cond(anyof(201, 936, 1040, -1))) mark_question(1);
    if (cond(anyof(312, -1))) mark_question(2);
    return 0;
}

// Two cells of the honeycomb and the ledger cell, by hand.
int honeycomb_pre_rows() {
    if (cond(anyof(1068, -1))) {
        say(SAY_STOP, 3033, 0);
        if (loop) return 0;
    }
    if (cond(keyword(765, 1069, -1))) {
        say(SAY_STOP, 3035, 0);
        if (loop) return 0;
    }
    return 0;
}
bool maze_moving() { return cond(anyof(759, 762, -1)).OR(value[VAR_COMMAND_STATUS] == 1); }
// What every cell's look names, answered alike in every cell.
int honeycomb_looks() {
    if (cond(anyof(1068, -1))) {
        say(SAY_STOP, 3033, 0);
        if (loop) return 0;
    }
    if (cond(anyof(1069, -1))) {
        say(SAY_STOP, 3036, 0);
        if (loop) return 0;
    }
    if (cond(anyof(905, 902, -1))) {
        say(SAY_STOP, 3264, 0);
        if (loop) return 0;
    }
    return 0;
}

int cell_658() {
    honeycomb_pre_rows();
    if (loop) return 0;
    if (cond(anyof(822, -1))) {
        honeycomb_looks();
        if (loop) return 0;
        p22(num(2));
        if (loop) return 0;
        return 0;
    }
    if (maze_moving()) {
        if (cond(!bitest(670, PFLAG_VISITED))) {
            moveto(652, 0, -749);
            if (loop) return 0;
        }
        moveto(661, 0, -750);
        if (loop) return 0;
        moveto(659, 0, -751);
        if (loop) return 0;
        moveto(657, 0, -745);
        if (loop) return 0;
    }
    p467(num(2));
    if (loop) return 0;
    return 0;
}

int cell_666() {
    if (cond(anyof(822, -1))) {
        honeycomb_looks();
        if (loop) return 0;
        p22(num(1));
        if (loop) return 0;
        return 0;
    }
    if (maze_moving()) {
        if (cond(value[VAR_THERE] == 665)) {
            moveto(657, 0, -747);
            if (loop) return 0;
        }
        moveto(665, 0, -750);
        if (loop) return 0;
        moveto(667, 0, -752);
        if (loop) return 0;
    }
    p467(num(1));
    if (loop) return 0;
    return 0;
}

int ledger_cell() {
    if (cond(value[170] > 1)) {
        value[170] = 1;
        if (cond(anyof(745, 857, -1))) {
            value[VAR_EXCHANGE_STATE] = 3;
            say(SAY_STOP, 3397, 0);
            if (loop) return 0;
        }
        if (cond(anyof(856, -1))) {
            say(SAY_STOP, 3477, 0);
            if (loop) return 0;
        }
    }
    if (cond(anyof(767, -1)).AND(cond(anyof(170, -1)).OR(value[VAR_COMMAND_STATUS] == 1))) {
        if (value[VAR_ARG1] == 767) value[VAR_ARG1] = 798;
        if (value[VAR_ARG2] == 767) value[VAR_ARG2] = 798;
    }
    if (cond(anyof(170, -1))) {
        if (value[VAR_ARG1] == 822) value[VAR_ARG1] = 798;
        if (value[VAR_ARG2] == 822) value[VAR_ARG2] = 798;
    }
    p185(ref(170));
    if (loop) return 0;
    if (cond(anyof(170, -1)).OR(value[VAR_COMMAND_STATUS] == 1).AND(anyof(798, -1))) {
        if (cond(value[VAR_EXCHANGE_STATE] == 0)) value[VAR_EXCHANGE_STATE] = 1;
        say(SAY_STOP, 2784, 0);
        if (loop) return 0;
    }
    if (cond(anyof(170, -1)).OR(value[VAR_COMMAND_STATUS] == 1).AND(anyof(765, -1))) {
        if (cond(value[VAR_EXCHANGE_STATE] == 3)) {
            say(SAY_STOP, 3398, 0);
            if (loop) return 0;
        } else {
            say(0, 2782, 0);
            if (cond(value[VAR_EXCHANGE_STATE] == 1)) value[VAR_EXCHANGE_STATE] = 2;
            if (cond(value[VAR_EXCHANGE_STATE] == 2)) value[170] = 2;
            loop = 1;
            return 0;
        }
    }
    if (cond(anyof(170, -1))) {
        if (cond(anyof(808, 807, -1))) {
            say(SAY_STOP | SAY_ARG | SAY_ARGVAR, 2783, VAR_ARG1);
            if (loop) return 0;
        }
        mark_question(1);
        return 0;
    }
    if (cond(anyof(822, -1))) {
                if (cond(anyof(936, -1))) {
            say(SAY_STOP, 3429, 0);
            if (loop) return 0;
        }
        if (cond(anyof(905, -1))) {
            say(SAY_STOP | SAY_ARG, 3263, 5);
            if (loop) return 0;
        }
        if (cond(anyof(912, -1))) {
            say(SAY_STOP | SAY_ARG, 3263, 6);
            if (loop) return 0;
        }
        honeycomb_looks();
        if (loop) return 0;
        p22(num(0));
        if (loop) return 0;
        return 0;
    }
    if (maze_moving()) {
        moveto(667, 0, -747);
        if (loop) return 0;
    }
    p467(num(0));
    if (loop) return 0;
    if (cond(anyof(1018, -1))) mark_question(1);
    return 0;
}

// A hand-written chamber that differs from the table in one word: the
// differential run must notice.
int three_way_chamber_wrong() {
    if (cond(anyof(759, -1)).OR(value[VAR_COMMAND_STATUS] == 1)) {
        moveto(312, 0, -751);
        if (loop) return 0;
    }
    return three_way_chamber();
}

class FormDifferential : public GameTest {};

const std::vector<int> MOVES = {745, 746, 747, 748, 749, 750, 751, 752, 754, 755, 757, 758, 759, 762, 822};

TEST_F(FormDifferential, StreambedAlikeInBothForms) {
    draw_space d;
    d.here = 202;
    d.words = MOVES;
    for (int w : {919, 899, 202, 201, 120, 894, 1130, 850, 849, 200, 203, 195, 765, 766}) d.words.push_back(w);
    d.objects = {OBJ_HEADING, 120};
    d.places = {195, 201, 203, 531};
    d.values = {{VAR_PHASE, 9}, {202, 1}};
    EXPECT_EQ(differ(p781, streambed, d, 20000), "");
}

TEST_F(FormDifferential, ThreeWayChamberAlikeInBothForms) {
    draw_space d;
    d.here = 313;
    d.words = MOVES;
    for (int w : {1040, 936, 312, 999, 897, 1054, 1103, 201, 848, 765, 766}) d.words.push_back(w);
    d.values = {{26, 4}, {32, 2}};
    d.places = {312, 314, 324};
    EXPECT_EQ(differ(p79, three_way_chamber, d, 20000), "");
    // The runs notice a difference in a single word of one exit.
    EXPECT_NE(differ(three_way_chamber_wrong, three_way_chamber, d, 2000), "");
}

TEST_F(FormDifferential, HoneycombCellsAlikeInBothForms) {
    draw_space d;
    d.words = MOVES;
        for (int w : {1068, 1069, 765, 936, 170, 767, 798, 856, 857, 808, 807, 1018, 641, 902, 905, 912}) d.words.push_back(w);
    d.objects = {170};
    d.values = {{VAR_EXCHANGE_STATE, 3}};
    d.flags = {{670, PFLAG_VISITED}};
    d.places = {657, 665, 666, 667};
    const struct {
        int here;
        game_proc rows, hand;
    } cells[] = {{658, p456, cell_658}, {666, p464, cell_666}, {670, p466, ledger_cell}};
    for (const auto &c : cells) {
        d.here = c.here;
        EXPECT_EQ(differ(c.rows, c.hand, d, 20000), "") << c.here;
    }
}

}  // namespace

// The surface: the lane where play begins, the woodside, the valley, the
// streambed, the dell by the gate, the cottage, and the place out of play.
// Each place's procedure answers its feature words, moves the player along
// its exits and marks the words of its features for the last replies.
#include "game.h"

using namespace rows;

namespace {

// The word of a move made as the player's heading shows: when the heading
// stone is carried, the direction of the move is the first word's.
int direction_from_first_word() {
    if (cond(carried(OBJ_HEADING))) {
        value[VAR_DIRECTION_WORD] = value[VAR_ARG1];
        *bitword(VAR_DIRECTION_WORD) = *bitword(VAR_ARG1);
    }
    return 0;
}

// "Up" along the streambed goes one way or the other of the water, even
// chances.
int up_the_streambed() {
    if (cond(irand(100) <= 49))
        value[VAR_ARG1] = 751;
    else
        value[VAR_ARG1] = 747;
    *bitword(VAR_ARG1) = ref_mark;
    return 0;
}

// The streambed (202).
constexpr row STREAMBED[] = {
    look(),
        reply({919}, 3424),
        reply({899}, 2165, arg(899)),
        reply({202}, 2717),
        reply({201}, 2718, arg(0)),
        ret(),
    end(),
    when([] { return cond(anyof(757, 759, -1)).AND(has(OBJ_LIQUID_1)).OR(keyword(757, 899, -1)); }, reply(2710)),
    when([] { return cond(has(202)).AND(anyof(755, 757, -1)); }, let(VAR_COMMAND_STATUS, 1)),
    moving(),
        first(),
            group({754}),
                step(up_the_streambed),
                call(direction_from_first_word),
            end(),
            group([] { return cond(has(899)).AND(value[VAR_PHASE] == 3); }),
                let_ref(VAR_ARG1, 745),
                call(direction_from_first_word),
            end(),
            group({1130}),
                let_ref(VAR_ARG1, 749),
                call(direction_from_first_word),
            end(),
        end(),
        group([] { return cond(value[VAR_PHASE] == 8); }),
            go({195}, 518, 2162),
            go({203}, 201, 2162),
            go({201}, 203, 2162),
        end(),
        group([] { return cond(carried(OBJ_HEADING)); }),
            first(),
                direction({850, 919, 203}, 749),
                direction({201, 849, 200}, 745),
            end(),
            check_heading(),
        end(),
        go({200, 195}, 195),
        go({849, 745, 201}, 201),
        go({850, 919, 749, 203}, 203),
        go({746}, 541),
        go({747}, 535),
        go({748}, 536),
        go({750}, 533),
        go({751, 894}, 532),
        go({752}, 531),
        // The way on down the streambed opens only with the place's state,
        // which nothing sets: the refusal is all a player meets.
        group({202, 899, 755, 757}),
            first(),
                when([] { return cond(value[202] == 0); }, reply(1392)),
                otherwise(),
                    tell(1862),
                    forced_on(671),
                    clear_flag(VAR_COMMAND_STATUS, 0),
                    ret(),
                end(),
            end(),
        end(),
    end(),
    mark({919}),
};

}  // namespace

int p781() { return run<STREAMBED>(); }

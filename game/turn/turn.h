// The turn cycle's procedures and the procedures it calls in the rest of
// the game.
#pragma once

#include "state.h"

// Questions: askers and answerers.
int p33();
int p154();  // death
int p221();
int p223();
int p226();
int p247();
int p250();
int p322();  // the final score and the end of the game
int p404();
int p510(arg_pair next, arg_pair last);
int p552();
int p632();
int p687();
int p697();  // text variants drawn once per game
int p717();
int p718();
int p743();
int p744();
int p763();
int p765();  // start of play
int p776();
int p929();

// Puzzle steps.
int p147();

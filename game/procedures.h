// Every procedure of the game, grouped by the file that defines it. The
// procedure table (procs.cpp) is filled from its registration list; the
// turn cycle and a few procedures reach places, words and objects through
// the table, every other call is made by name.
#pragma once

#include "state.h"

// game/turn/chain.cpp: the null procedure and the REPEAT chain's head and tail.
int p0();
int p2();
int p8();

// game/turn/init.cpp: INIT.
int p1();

// game/turn/start.cpp: the start of a turn.
int p3();

// game/turn/read.cpp: reading the command, or the answer to a pending question.
int p6();

// game/turn/dispatch.cpp: dispatch of the command.
int p7();

// game/shared/describe.cpp: describing the place, and light.
int p487();                 // sets or clears the light flag
int p784();                 // the darkness death
int p188(arg_pair full);    // the full description of the place here
int p796();                 // the variable parts of a description
int p534(arg_pair last);    // counts (and names) the closed ways of a place
int p400();                 // the objects here
int p323();                 // object 163 appears at place 491
int p392();                 // the follower draws nearer

// game/words/shared.cpp: procedures that words share with places and the turn cycle.
int p185(arg_pair obj);                   // default object of word 798
int p222();                               // abbreviations into objects
int p550(arg_pair obj, arg_pair word);    // one abbreviation
int p850();                               // ties the tied texts to their entities
int p224(arg_pair n);                     // phase 9: the last questions
int p602();                               // phase 7
int p528();                               // phase 8
int p831(arg_pair n);                     // place 565 opens
int p536();                               // object 152's event
int p703();                               // object 63's replies
int p817(arg_pair text, arg_pair arg);    // the heading reply
int p868(arg_pair dir, arg_pair place);   // a guided move
int p756();
int p138();                               // word 848 at the grid edge
int p362();                               // replies of one place group
int p938();                               // does nothing
int p928();                               // the saved-game listing
int p291();                               // check before an all-command
int p234(arg_pair mode);                  // check before dropping all

// game/pending.cpp: procedures not built yet (empty bodies).
int p4();
int p5();
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
int p147();
int p39();                  // the general fallback replies
int p125();                 // object 3 with another word
int p152(arg_pair dir);     // a direction refused by the heading
int p184();                 // the name of place 206
int p320(arg_pair a);       // picks a vessel holding liquid 121
int p321(arg_pair a);       // picks a vessel holding liquid 120
int p378();                 // the score
int p476();                 // replies of the valley grid
int p625(arg_pair x);       // reply about an entity
int p729();                 // objects 112 and 110 in the end game
int p754();                 // words for the states of object 69
int p771();                 // the mirror's flags
int p805();                 // calling an object in the end game
int p820();                 // directions reversed in phase 8
int p854();                 // object 126

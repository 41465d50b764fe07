// Dispatch of the command, describing the place and light, and the small
// procedures that places, words and the turn cycle share; with the
// procedures of the rest of the game that they call.
#pragma once

#include "state.h"

// Dispatch: the fifth part of the REPEAT chain.
int p7();

// Describing the place and light.
int p487();                 // sets or clears the light flag
int p784();                 // the darkness death
int p188(arg_pair full);    // the full description of the place here
int p796();                 // the variable parts of a description
int p534(arg_pair last);    // counts (and names) the closed ways of a place
int p400();                 // the objects here
int p323();                 // object 163 appears at place 491
int p392();                 // the follower draws nearer

// Procedures shared with places and the turn cycle.
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

// Procedures of the rest of the game that these call.
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

// Procedures that later work builds, with empty bodies so that the game
// links and runs: each returns 0 and leaves the turn open. Grouped by the
// file that will define them; a procedure leaves this file when its file
// is written, and this file only shrinks.
#include "game.h"

// game/places/dunes.cpp
int p44() { return 0; }
int p134() { return 0; }
int p135() { return 0; }
int p136() { return 0; }
int p137() { return 0; }
int p189() { return 0; }
int p190() { return 0; }
int p191() { return 0; }
int p192() { return 0; }
int p193() { return 0; }
int p194() { return 0; }
int p195() { return 0; }
int p196() { return 0; }
int p197() { return 0; }
int p198() { return 0; }
int p199() { return 0; }
int p200() { return 0; }
int p201() { return 0; }
int p202() { return 0; }
int p203() { return 0; }
int p204() { return 0; }
int p205() { return 0; }
int p206() { return 0; }
int p207() { return 0; }
int p208() { return 0; }
int p209() { return 0; }
int p210() { return 0; }
int p211() { return 0; }
int p254() { return 0; }
int p621() { return 0; }
int p655() { return 0; }
int p656() { return 0; }
int p722() { return 0; }
int p723() { return 0; }
int p728() { return 0; }
int p749() { return 0; }
int p750() { return 0; }
int p751() { return 0; }
int p791() { return 0; }
int p799() { return 0; }
int p801() { return 0; }
int p802() { return 0; }
int p922() { return 0; }

// game/places/river.cpp
int p109() { return 0; }
int p110() { return 0; }
int p111() { return 0; }
int p112() { return 0; }
int p113() { return 0; }
int p114() { return 0; }
int p115() { return 0; }
int p116() { return 0; }
int p117() { return 0; }
int p721() { return 0; }
int p725() { return 0; }

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

// game/places/ring.cpp
int p57() { return 0; }
int p66() { return 0; }
int p81() { return 0; }
int p82() { return 0; }
int p83() { return 0; }
int p84() { return 0; }
int p85() { return 0; }
int p488() { return 0; }
int p489() { return 0; }
int p490() { return 0; }
int p491() { return 0; }
int p492() { return 0; }
int p493() { return 0; }
int p494() { return 0; }
int p495() { return 0; }
int p496() { return 0; }
int p497() { return 0; }
int p498() { return 0; }
int p499() { return 0; }
int p500() { return 0; }
int p501() { return 0; }
int p502() { return 0; }
int p503() { return 0; }
int p504() { return 0; }
int p720() { return 0; }
int p830() { return 0; }
int p890() { return 0; }
int p891() { return 0; }

// What every file of the game includes: the kernel's game interface, the
// names of the game's entities, and the game's procedures.
#pragma once

#include "common.h"
#include "constants.h"
#include "input.h"
#include "persist.h"
#include "proc.h"
#include "state.h"
#include "text.h"
#include "turn/turn.h"
#include "turn/dispatch.h"

// The null procedure, INIT and the REPEAT chain.
int p0();
int p1();
int p2();
int p3();
int p4();
int p5();
int p6();
int p7();
int p8();

// What every file of the game includes: the kernel's interface for game
// code (the world state and its primitives, saying, the command reader, the
// special operations), the condition fold and procedure frames, the row
// tables, the names of the game's entities, and the game's procedures.
// The kernel's own globals (the text database, the output pipeline, the
// start-up settings) stay out of sight.
#pragma once

#include "command.h"
#include "common.h"
#include "constants.h"
#include "proc.h"
#include "procedures.h"
#include "rows.h"
#include "say.h"
#include "services.h"
#include "state.h"

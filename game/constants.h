#pragma once

// Names of the game's entities, flags and questions.

// Dropped aliases:
//   VAR_ATTACK_HIT_CHANCE is variable 1210, named VAR_ATTACK_ESCAPE_CHANCE here.
//   WORD_FILL is word 790, named WORD_CONSUME_LIQUID here (WORD_FILL_VESSEL is 796).

// Built-in flags of every refno up to the last word.
constexpr int FLAG_IS_OBJECT = 0;                       // set exactly on objects 3..194
constexpr int FLAG_IS_PLACE = 1;                        // set exactly on places 195..703
constexpr int FLAG_IS_WORD = 2;                         // set exactly on words 704..1143

// Objects.
constexpr int OBJ_ALL = 3;                              // the word for every object
constexpr int OBJ_LOCKED_GATE = 6;                      // the gate below the surface; state 1 open
constexpr int OBJ_LIGHT_REFILL = 40;                    // gives the light source new power; state 1 ready, 3 used up
constexpr int OBJ_GRIFFIN = 85;                         // the griffin
constexpr int OBJ_LIQUID_4 = 87;                        // liquid held in a vessel whose state equals this object's value
constexpr int OBJ_WANDERER = 88;                        // character that moves on its own and keeps away from light
constexpr int OBJ_GRILLE = 98;                          // the grille
constexpr int OBJ_HEADING = 102;                        // object whose state is a compass heading 1..8
constexpr int OBJ_OPENER = 106;                         // must be carried to open the locked gate
constexpr int OBJ_LIGHT_SOURCE = 107;                   // the player's light
constexpr int OBJ_VESSEL_MEDIUM = 119;                  // the medium vessel
constexpr int OBJ_LIQUID_1 = 120;                       // liquid held in a vessel in state 3
constexpr int OBJ_LIQUID_2 = 121;                       // liquid held in a vessel in state 4
constexpr int OBJ_LIQUID_3 = 122;                       // liquid held in a vessel in state 5
constexpr int OBJ_VESSEL_SMALL = 123;                   // the small vessel
constexpr int OBJ_FOLLOWER = 130;                       // character that follows the player
constexpr int OBJ_VESSEL_LARGE = 136;                   // the large vessel
constexpr int OBJ_VASE = 144;                           // the vase
constexpr int OBJ_GATE = 164;                           // gate shared with places 478 and 479; 1 open, 0 closed
constexpr int OBJ_PRONOUN = 166;                        // its value is the object a pronoun stands for
constexpr int OBJ_ALL_SCORING = 168;                    // the word for every scoring object
constexpr int OBJ_ATTACKER = 193;                       // character that attacks the player and carries things off

// Places.
constexpr int PLACE_START = 195;                        // the start place
constexpr int PLACE_DEPOSIT = 200;                      // where scoring objects are delivered
constexpr int PLACE_INTRO = 302;                        // the introduction place
constexpr int PLACE_HOARD_DOOR = 472;                   // the doors of the hoard
constexpr int PLACE_HOARD = 473;                        // where the attacker keeps what it takes
constexpr int PLACE_WELL_HEAD = 475;                    // the well head
constexpr int PLACE_RUNE_DOOR = 575;                    // the rune door; its value is 1 while the door stands open
constexpr int PLACE_BEYOND_RUNE_DOOR = 576;             // beyond the rune door; its value is 1 while the way back is open
constexpr int PLACE_HOLDING = 700;                      // objects parked for a while
constexpr int PLACE_OFFSTAGE = 701;                     // objects out of play; the player before the first turn
constexpr int PLACE_GONE = 702;                         // destroyed objects and the dead player
constexpr int PLACE_CARRIED = 703;                      // objects carried by the player

// Words.
constexpr int WORD_MAGIC_TRAVEL_1 = 706;                // first magic travel word
constexpr int WORD_MAGIC_TRAVEL_3 = 707;                // third magic travel word
constexpr int WORD_MAGIC_TRAVEL_2 = 710;                // second magic travel word
constexpr int WORD_SEQ_4 = 716;                         // fourth word of the magic sequence
constexpr int WORD_SEQ_3 = 717;                         // third word of the magic sequence
constexpr int WORD_SEQ_2 = 718;                         // second word of the magic sequence
constexpr int WORD_SEQ_1 = 719;                         // first word of the magic sequence
constexpr int WORD_AGAIN = 724;                         // repeat the last command
constexpr int WORD_SAVE = 725;                          // save the game
constexpr int WORD_RESTORE = 726;                       // restore a saved game
constexpr int WORD_SAY = 730;                           // speak the literal rest of the line
constexpr int WORD_LINE_WIDTH = 732;                    // console line length setting
constexpr int WORD_PAGE_LENGTH = 733;                   // console page length setting
constexpr int WORD_MARGIN = 734;                        // console margin setting
constexpr int WORD_UNDO = 738;                          // undo commands
constexpr int WORD_REDO = 739;                          // redo undone commands
constexpr int WORD_COMPASS_1 = 745;                     // first compass word; compass words run 745..752 in ring order
constexpr int WORD_COMPASS_5 = 749;                     // fifth compass word
constexpr int WORD_COMPASS_8 = 752;                     // last compass word
constexpr int WORD_AXIS_1 = 754;                        // first axis word
constexpr int WORD_AXIS_2 = 755;                        // second axis word
constexpr int WORD_INWARD = 757;                        // go in
constexpr int WORD_OUTWARD = 758;                       // go out
constexpr int WORD_GO = 759;                            // go
constexpr int WORD_BACK = 761;                          // go back
constexpr int WORD_TAKE = 765;                          // take
constexpr int WORD_DROP = 766;                          // drop
constexpr int WORD_OPEN = 767;                          // open
constexpr int WORD_CLOSE = 769;                         // close
constexpr int WORD_ON = 777;                            // switch on
constexpr int WORD_OFF = 778;                           // switch off
constexpr int WORD_LIGHT = 779;                         // light
constexpr int WORD_EXTINGUISH = 780;                    // put out
constexpr int WORD_CONSUME_LIQUID = 790;                // take a liquid in, from a source or a vessel
constexpr int WORD_FILL_VESSEL = 796;                   // fill a carried vessel at a liquid source
constexpr int WORD_RECHARGE = 799;                      // give the light source new power
constexpr int WORD_LOOK = 822;                          // look
constexpr int WORD_QUIT = 823;                          // quit; also declines an answer
constexpr int WORD_MODE_BRIEF_ALL = 824;                // brief descriptions everywhere
constexpr int WORD_MODE_BRIEF_VISITED = 825;            // brief descriptions of visited places
constexpr int WORD_MODE_LONG_ALL = 826;                 // long descriptions everywhere
constexpr int WORD_HELP = 832;                          // ask for a paid hint
constexpr int WORD_INVENTORY = 844;                     // list what is carried
constexpr int WORD_SCORE = 845;                         // report the score
constexpr int WORD_ACCEPT = 856;                        // accepts an answer
constexpr int WORD_DECLINE = 857;                       // declines an answer
constexpr int WORD_DWARVISH_ON = 866;                   // turn the alternate wording on
constexpr int WORD_DWARVISH_OFF = 867;                  // turn the alternate wording off
constexpr int WORD_JUSTIFY = 870;                       // console justification setting
constexpr int WORD_ONWARD_1 = 897;                      // first onward word
constexpr int WORD_ONWARD_2 = 898;                      // second onward word
constexpr int WORD_TOGGLE_LIGHT = 938;                  // toggle the light source
constexpr int WORD_EXCEPT = 1139;                       // starts the except list of an all-command
constexpr int WORD_LIST_SEPARATOR = 1140;               // makes the next separator a comma
constexpr int WORD_COMMAND_SEPARATOR = 1142;            // makes the next separator a semicolon

// Variables.
constexpr int VAR_STATUS_WORD = 0;                      // scratch slot every condition is computed into
constexpr int VAR_ARG1 = 1144;                          // the command's first word
constexpr int VAR_ARG2 = 1145;                          // the command's second word
constexpr int VAR_HERE = 1146;                          // the player's place
constexpr int VAR_THERE = 1147;                         // the player's previous place
constexpr int VAR_DROP_PLACE = 1148;                    // where a put-down object lands
constexpr int VAR_DROP_TEXT = 1149;                     // text said when an object is put down
constexpr int VAR_LANDING_PLACE = 1150;                 // where a thrown or sent object lands
constexpr int VAR_LANDING_TEXT = 1151;                  // text said when an object lands
constexpr int VAR_DROP_TEXT_MODE = 1152;                // how the drop texts are said
constexpr int VAR_WORK_VALUE = 1153;                    // the grid place's state (519..543); the creature that answers
constexpr int VAR_LOOP_OBJECT = 1154;                   // loop variable over objects
constexpr int VAR_WORK_PLACE = 1155;                    // loop variable over places
constexpr int VAR_PROMPT_TEXT = 1156;                   // prompt of the pending question
constexpr int VAR_WORK_WORD = 1157;                     // a word a text names (marked): push, pull, the summit word
constexpr int VAR_RETURN_PLACE = 1159;                  // where the closet's exit leads back to
constexpr int VAR_HUB_ORIGIN = 1160;                    // place the player came from when last arriving at the hub
constexpr int VAR_MORE_TEXT_NEXT = 1161;                // next text of a run of texts shown in parts
constexpr int VAR_MORE_TEXT_LAST = 1162;                // last text of that run
constexpr int VAR_SPELL_WORD = 1164;                    // word a spell object reacts to
constexpr int VAR_PASSAGE_TEXT = 1165;                  // message of the magic-travel moves
constexpr int VAR_HOARD_PICK = 1166;                    // object reserved at the hoard; 0 none
constexpr int VAR_ENTRY_REMARK = 1168;                  // set on entering the first region from the surface
constexpr int VAR_HERE_COPY = 1169;                     // place the player lingers in
constexpr int VAR_SCORE_DEDUCTION = 1170;               // points deducted from the score
constexpr int VAR_SCORE_NET = 1171;                     // score after deductions
constexpr int VAR_EXCHANGE_STATE = 1172;                // state of the exchange; 2 suspends deductions, 3 gives a bonus
constexpr int VAR_COMMAND_STATUS = 1178;                // word count of the command, or a parser code
constexpr int VAR_GAME_FLAGS = 1179;                    // game event flags
constexpr int VAR_QUESTION = 1180;                      // number of the pending question; 0 none
constexpr int VAR_LIGHT_POWER = 1181;                   // remaining power of the light source
constexpr int VAR_CARRIED_COUNT = 1187;                 // number of objects carried
constexpr int VAR_DEATHS = 1188;                        // deaths so far
constexpr int VAR_PENALTY_POINTS = 1189;                // points charged for help
constexpr int VAR_SCORE = 1190;                         // gross score
constexpr int VAR_SCORE_MAX = 1191;                     // attainable maximum score
constexpr int VAR_UNDO_RESULT = 1192;                   // result of undo or redo; negative: undo off
constexpr int VAR_TURNS = 1193;                         // turns played
constexpr int VAR_ARRIVALS = 1194;                      // arrivals counted
constexpr int VAR_MAGIC_STEP = 1195;                     // step of the magic-word sequence
constexpr int VAR_THEFT_SCALE = 1196;                   // how often the attacker follows
constexpr int VAR_PHASE_TIMER = 1197;                   // turns until the scheduler next runs
constexpr int VAR_PHASE = 1198;                         // game phase 0..9
constexpr int VAR_SEQUENCE_TEXT = 1199;                 // what the magic-word sequence says next (a text, marked)
constexpr int VAR_TURNS_AT_ONE_PLACE = 1201;            // turns at one place; help sets it to 1 at least, an offer to 0
constexpr int VAR_CARRY_LIMIT = 1202;                   // how many objects may be carried
constexpr int VAR_ATTACK_CHANCE = 1209;                 // percent chance of the attacker striking when no move was made
constexpr int VAR_ATTACK_ESCAPE_CHANCE = 1210;          // percent chance of escaping the attacker
constexpr int VAR_GO_WEST_COUNT = 1211;                  // commands holding both word 751 and WORD_GO
constexpr int VAR_REFUSED_WAY = 1212;                   // the last way refused by a closed exit
constexpr int VAR_WAY_LET_THROUGH = 1213;               // a way let through once without the test
constexpr int VAR_HAZARD_LEVEL = 1214;                  // hazard level; the player dies at 7
constexpr int VAR_ATTACKER_FELLED = 1215;               // an aim felled the attacker; lasts to the second turn start
constexpr int VAR_GAME_FLAGS_2 = 1217;                  // more game event flags
constexpr int VAR_GAME_FLAGS_3 = 1218;                  // more game event flags
constexpr int VAR_DIRECTION_WORD = 1224;                // compass word of the move being made; 0 none
constexpr int VAR_HINT_NUMBER = 1242;                   // unsolicited hint chosen; its flags mark hints given
constexpr int VAR_HINT_TIMER = 1243;                    // turns until the next unsolicited hint
constexpr int VAR_RESERVE = 1246;                       // the player's reserve, raised by taking liquid in
constexpr int VAR_REFUSED_DIRECTION = 1249;             // compass word refused at place 544; -1 none
constexpr int VAR_STAY_CHANCE = 1250;                   // percent chance that a compass move stays put
constexpr int VAR_VESSEL = 1251;                        // vessel in use for the command; 0 none
constexpr int VAR_RESULT = 1253;                        // result returned by a procedure
constexpr int VAR_PRONOUN_BEFORE = 1254;                 // the pronoun's object before this command
constexpr int VAR_QUIET_EMPTY = 1255;                   // silences the next emptying of a vessel
constexpr int VAR_VESSEL_STATE = 1256;                  // work copy of the state of a vessel emptied or a thing drunk
constexpr int VAR_REMEMBERED_PLACE = 1257;              // put back into VAR_THERE after a bounce
constexpr int VAR_SCORING_CARRIED = 1261;               // scoring objects carried, counted once
constexpr int VAR_DWARVISH = 1262;                      // alternate wording on
constexpr int VAR_ARG3 = 1263;                          // code that ended an except list

// Object flags.
constexpr int OFLAG_PORTABLE = 3;                       // can be carried
constexpr int OFLAG_SEEN = 4;                           // the player has seen it
constexpr int OFLAG_SCORING = 5;                        // counts for the score
constexpr int OFLAG_TWO_PLACES = 6;                     // present at two places
constexpr int OFLAG_TAKEN_REACTS = 7;                   // reacts when it is next taken
constexpr int OFLAG_ADDRESSABLE = 8;                    // can be spoken to
constexpr int OFLAG_OPENABLE = 9;                       // can be opened
constexpr int OFLAG_FIXTURE = 10;                       // fixed in place
constexpr int OFLAG_NOT_COUNTED = 12;                   // not counted against the carry limit
constexpr int OFLAG_EEL_STIRRED = 14;                   // of the eel (94): the upstream pool is churned up
constexpr int OFLAG_BLOCKS_PASSAGE = 15;                // blocks some passages
constexpr int OFLAG_LIGHTABLE = 16;                     // can be lit
constexpr int OFLAG_NO_TRANSPORT = 17;                  // not to be transported

// Place flags.
constexpr int PFLAG_LIT = 3;                            // lit without a light source
constexpr int PFLAG_VISITED = 4;                        // the player has been here
constexpr int PFLAG_CREATURE_FREE = 5;                  // characters keep away from here
constexpr int PFLAG_NO_BACK = 6;                        // no way back to the previous place
constexpr int PFLAG_OPEN_AIR = 7;                       // under the open sky (headings checked, falls only stumbles)
constexpr int PFLAG_HINT_AVAILABLE = 8;                 // a hint may be offered here
constexpr int PFLAG_HINT_DECLINED = 9;                  // a hint offer was declined here
constexpr int PFLAG_MAZE = 10;                          // part of a maze
constexpr int PFLAG_HAZARD = 12;                        // hazardous place
constexpr int PFLAG_EXTRA_REMARK = 13;                   // description followed by text 1375 (a liquid poured out here)
constexpr int PFLAG_SHIFTING_EXITS = 15;                // the place's value holds its closed-exit set
constexpr int PFLAG_MIRE_TOLD = 16;                      // the mire's first remark has been made
constexpr int PFLAG_LIQUID_SOURCE = 17;                 // a liquid can be taken here

// Flags of variables, by the variable they belong to.
// VAR_COMMAND_STATUS:
constexpr int VFLAG_COMMAND_STATUS_MOVED = 0;           // the player moved since the last command
constexpr int VFLAG_COMMAND_STATUS_BRIEF_VISITED = 1;   // brief descriptions of visited places
constexpr int VFLAG_COMMAND_STATUS_BRIEF_ALL = 2;       // brief descriptions everywhere
constexpr int VFLAG_COMMAND_STATUS_ORPHAN = 5;          // the command lacked its partner word
constexpr int VFLAG_COMMAND_STATUS_CARRIED_CHANGED = 6; // the set of carried objects changed
constexpr int VFLAG_COMMAND_STATUS_EVENT = 7;           // a world event was told this turn
constexpr int VFLAG_COMMAND_STATUS_LIGHT = 8;           // there is light here
constexpr int VFLAG_COMMAND_STATUS_NOVICE_HINT = 10;    // give the novice hint on an unknown word
// VAR_QUESTION:
constexpr int VFLAG_QUESTION_REPLIED = 1;               // a reply list has handed on the command
constexpr int VFLAG_QUESTION_REPLIED_2 = 2;             // a reply list has handed on the command, second marker
constexpr int VFLAG_QUESTION_ARRIVED = 3;               // the player arrived at this place this turn
constexpr int VFLAG_QUESTION_FRESH_LINE = 4;            // a new input line was read
// VAR_UNDO_RESULT:
constexpr int VFLAG_UNDO_RESULT_SHORT = 5;              // fewer commands undone or redone than asked
constexpr int VFLAG_UNDO_RESULT_INVENTORY = 6;          // the carried objects changed
constexpr int VFLAG_UNDO_RESULT_BAD_COUNT = 7;          // the count given was not a number

// Questions.
constexpr int Q_NONE = 0;                               // no question pending
constexpr int Q_RESTORED = 2;                           // asked after the start-up restore
constexpr int Q_AFTER_SCORE = 3;                        // makes the turn after a score report uncounted
constexpr int Q_START = 4;                              // first turn: start play or restore a game
constexpr int Q_HELP_OFFER = 5;                         // offer of a paid hint
constexpr int Q_HELP_CONFIRM = 6;                       // confirm the paid hint
constexpr int Q_PLACES_591_592 = 7;                     // asked at places 591 and 592
constexpr int Q_PLACE_283 = 8;                          // asked at place 283
constexpr int Q_QUIT = 9;                               // really quit?
constexpr int Q_PAID_TEXT_OFFER = 10;                   // offer of a paid text
constexpr int Q_PAID_TEXT_CONFIRM = 11;                 // confirm the paid text
constexpr int Q_PAID_RETURN = 12;                       // paid return to the start place
constexpr int Q_PAID_MAZE_EXIT = 13;                    // paid way out of a maze
constexpr int Q_ADDRESSED_OBJECT = 14;                  // asked when an object is spoken to
constexpr int Q_SAVE_CONFIRM = 15;                      // confirm saving
constexpr int Q_SAVE_NAME = 16;                         // name of the saved game
constexpr int Q_CONTINUE_AFTER_SAVE = 17;               // go on playing after a save?
constexpr int Q_SNAPSHOT_TAKE = 18;                     // take a snapshot
constexpr int Q_SNAPSHOT_BACK = 19;                     // go back to the snapshot
constexpr int Q_PLACE_641 = 20;                         // asked at place 641
constexpr int Q_MORE_TEXT = 21;                         // show the next text of a run?
constexpr int Q_INTRO = 22;                             // introduction
constexpr int Q_PLACE_481 = 23;                         // asked at place 481
constexpr int Q_FILL_FOLLOW_UP = 24;                    // follow-up question after a fill
constexpr int Q_WORD_862 = 25;                          // asked by word 862
constexpr int Q_WORD_798 = 26;                          // asked by word 798
constexpr int Q_DEATH = 27;                             // go on after a death?
constexpr int Q_ADDRESS_OBJECT_21 = 28;                 // speaking to object 21
constexpr int Q_ADDRESS_OBJECT_193 = 29;                // speaking to object 193
constexpr int Q_ADDRESS_OBJECT_25 = 30;                 // speaking to object 25
constexpr int Q_PLACE_477 = 31;                         // asked at place 477
constexpr int Q_WORD_865 = 32;                          // asked by word 865
constexpr int Q_PLACE_444_ONWARD = 33;                  // asked at place 444, going on
constexpr int Q_PLACE_444_DOWN = 34;                    // asked at place 444, going down
constexpr int Q_WORDS_INTRO = 35;                       // introduction to the word list
constexpr int Q_WORDS_LIST = 36;                        // the word list
constexpr int Q_WORDS_MORE = 37;                        // more of the word list
constexpr int Q_WORDS_LAST = 38;                        // last of the word list
constexpr int Q_FINALE_1 = 39;                          // first question of the end phase
constexpr int Q_FINALE_2 = 40;                          // second question of the end phase
constexpr int Q_WORD_711_END = 41;                      // end after magic word 711
constexpr int Q_DELETE_BAD_SAVE = 42;                   // delete a saved game that cannot be read?
constexpr int Q_EARLY_RESTORE = 43;                     // keep a restored game younger than 5 minutes?
constexpr int Q_AFTER_RESTORE = 44;                     // asked after a restore
constexpr int Q_SAVED_GAMES = 45;                       // pick one of the saved games
constexpr int Q_OVERWRITE_SAVE = 46;                    // overwrite the existing saved game?
constexpr int Q_PLACE_574 = 47;                         // asked at place 574
constexpr int Q_TELEPORT = 48;                          // travel by word 806?
constexpr int Q_PLACES_465_466 = 49;                    // asked at places 465 and 466
constexpr int Q_UNDO_ENABLE = 50;                       // turn the undo facility on?
constexpr int Q_WORD_796 = 51;                          // asked by word 796's chain

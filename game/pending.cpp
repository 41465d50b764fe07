// Procedures that later work builds, with empty bodies so that the game
// links and runs: each returns 0 and leaves the turn open. Grouped by the
// file that will define them; a procedure leaves this file when its file
// is written, and this file only shrinks.
#include "game.h"

// game/places/warren.cpp
int p163() { return 0; }
int p180() { return 0; }
int p537() { return 0; }
int p538() { return 0; }
int p553() { return 0; }
int p554() { return 0; }
int p555() { return 0; }
int p556() { return 0; }
int p557() { return 0; }
int p558() { return 0; }
int p559() { return 0; }
int p560() { return 0; }
int p561() { return 0; }
int p562() { return 0; }
int p563() { return 0; }
int p564() { return 0; }
int p565() { return 0; }
int p566() { return 0; }
int p567() { return 0; }
int p568() { return 0; }
int p569() { return 0; }
int p570() { return 0; }
int p571() { return 0; }
int p572() { return 0; }
int p573() { return 0; }
int p574() { return 0; }
int p575() { return 0; }
int p576() { return 0; }
int p577() { return 0; }
int p578() { return 0; }
int p920() { return 0; }

// game/places/bridge.cpp
int p42() { return 0; }
int p55() { return 0; }
int p71() { return 0; }
int p74() { return 0; }
int p155() { return 0; }
int p352() { return 0; }
int p533() { return 0; }
int p611() { return 0; }
int p759() { return 0; }
int p760() { return 0; }
int p782() { return 0; }
int p818() { return 0; }
int p899() { return 0; }

// game/places/tangle.cpp
int p579() { return 0; }
int p580() { return 0; }
int p581() { return 0; }
int p582() { return 0; }
int p583() { return 0; }
int p584() { return 0; }
int p585() { return 0; }
int p586() { return 0; }
int p587() { return 0; }
int p588() { return 0; }
int p589() { return 0; }
int p590() { return 0; }

// game/places/vault.cpp
int p119() { return 0; }
int p166() { return 0; }
int p219() { return 0; }
int p482() { return 0; }
int p606() { return 0; }
int p740() { return 0; }
int p797() { return 0; }
int p853() { return 0; }
int p932() { return 0; }
int p934() { return 0; }

// game/places/chains.cpp
int p68() { return 0; }
int p69() { return 0; }
int p70() { return 0; }
int p157() { return 0; }
int p158() { return 0; }
int p159() { return 0; }
int p389() { return 0; }
int p486() { return 0; }
int p521() { return 0; }
int p783() { return 0; }

// game/places/labyrinth.cpp
int p411() { return 0; }
int p412() { return 0; }
int p413() { return 0; }
int p414() { return 0; }
int p415() { return 0; }
int p416() { return 0; }
int p417() { return 0; }
int p418() { return 0; }
int p419() { return 0; }
int p420() { return 0; }
int p421() { return 0; }
int p422() { return 0; }
int p423() { return 0; }
int p424() { return 0; }
int p425() { return 0; }
int p426() { return 0; }
int p427() { return 0; }
int p428() { return 0; }
int p429() { return 0; }
int p430() { return 0; }
int p431() { return 0; }
int p432() { return 0; }
int p433() { return 0; }
int p434() { return 0; }
int p435() { return 0; }
int p436() { return 0; }
int p437() { return 0; }
int p438() { return 0; }
int p439() { return 0; }
int p440() { return 0; }
int p441() { return 0; }
int p442() { return 0; }
int p443() { return 0; }
int p444() { return 0; }
int p445() { return 0; }
int p446() { return 0; }
int p447() { return 0; }
int p780() { return 0; }

// game/places/gallery.cpp
int p30() { return 0; }
int p31() { return 0; }
int p32() { return 0; }
int p48() { return 0; }
int p49() { return 0; }
int p52() { return 0; }
int p53() { return 0; }
int p54() { return 0; }
int p353() { return 0; }
int p477() { return 0; }
int p505() { return 0; }
int p526() { return 0; }
int p727() { return 0; }
int p741() { return 0; }
int p931() { return 0; }

// game/places/beyond.cpp
int p28() { return 0; }
int p36() { return 0; }
int p37() { return 0; }
int p43() { return 0; }
int p46() { return 0; }
int p87() { return 0; }
int p88() { return 0; }
int p89() { return 0; }
int p90() { return 0; }
int p91() { return 0; }
int p92() { return 0; }
int p93() { return 0; }
int p94() { return 0; }
int p95() { return 0; }
int p96() { return 0; }
int p97() { return 0; }
int p98() { return 0; }
int p99() { return 0; }
int p100() { return 0; }
int p101() { return 0; }
int p102() { return 0; }
int p103() { return 0; }
int p104() { return 0; }
int p130() { return 0; }
int p295() { return 0; }
int p296() { return 0; }
int p299() { return 0; }
int p393() { return 0; }
int p540() { return 0; }
int p612() { return 0; }
int p615() { return 0; }
int p619() { return 0; }
int p637() { return 0; }
int p665() { return 0; }
int p666() { return 0; }
int p674() { return 0; }
int p675() { return 0; }
int p676() { return 0; }
int p680() { return 0; }
int p713() { return 0; }
int p789() { return 0; }
int p806() { return 0; }
int p810() { return 0; }
int p867() { return 0; }
int p869() { return 0; }
int p870() { return 0; }

// game/places/ladder.cpp
int p45() { return 0; }
int p51() { return 0; }
int p120() { return 0; }
int p121() { return 0; }
int p123() { return 0; }
int p170() { return 0; }
int p241() { return 0; }
int p395() { return 0; }
int p694() { return 0; }
int p889() { return 0; }
int p912() { return 0; }
int p913() { return 0; }
int p914() { return 0; }
int p915() { return 0; }
int p916() { return 0; }
int p917() { return 0; }

// game/places/stair.cpp
int p106() { return 0; }
int p107() { return 0; }
int p248() { return 0; }
int p523() { return 0; }
int p731() { return 0; }
int p774() { return 0; }
int p775() { return 0; }
int p811() { return 0; }
int p857() { return 0; }
int p859() { return 0; }
int p860() { return 0; }
int p861() { return 0; }
int p862() { return 0; }
int p863() { return 0; }
int p864() { return 0; }

// game/places/chests.cpp
int p35() { return 0; }
int p165() { return 0; }
int p186() { return 0; }
int p242() { return 0; }
int p618() { return 0; }
int p662() { return 0; }
int p855() { return 0; }
int p918() { return 0; }

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

// game/places/corridor.cpp
int p9() { return 0; }
int p10() { return 0; }
int p11() { return 0; }
int p12() { return 0; }
int p13() { return 0; }
int p14() { return 0; }
int p15() { return 0; }
int p16() { return 0; }
int p18() { return 0; }
int p19() { return 0; }
int p594() { return 0; }
int p595() { return 0; }
int p596() { return 0; }
int p597() { return 0; }
int p598() { return 0; }
int p599() { return 0; }
int p600() { return 0; }
int p804() { return 0; }
int p807() { return 0; }
int p905() { return 0; }

// game/places/end.cpp
int p62() { return 0; }
int p176() { return 0; }
int p177() { return 0; }
int p483() { return 0; }
int p709() { return 0; }
int p819() { return 0; }
int p941() { return 0; }

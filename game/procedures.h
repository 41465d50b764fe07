// Every procedure of the game, grouped by the file that defines it (or
// will: a procedure not built yet has an empty body in game/pending.cpp
// until its file is written). The procedure table (procs.cpp) is filled
// from its registration list; the turn cycle and a few procedures reach
// places, words and objects through the table, every other call is made by
// name.
#pragma once

#include "state.h"

// game/turn/chain.cpp: the null procedure and the REPEAT chain.
int p0();                                   // null procedure (does nothing)
int p2();                                   // REPEAT chain head (p3..p8)
int p8();                                   // REPEAT chain, part 6: last part

// game/turn/init.cpp: iNIT.
int p1();                                   // INIT

// game/turn/start.cpp: start of turn.
int p3();                                   // REPEAT chain, part 1: start of turn

// game/turn/arrival.cpp: arrival and per-turn events.
int p4();                                   // REPEAT chain, part 2: arrival and world events
int p5();                                   // REPEAT chain, part 3: per-turn events

// game/turn/read.cpp: reading the command and answering questions.
int p6();                                   // REPEAT chain, part 4: reading the command, answers

// game/turn/dispatch.cpp: command dispatch.
int p7();                                   // REPEAT chain, part 5: dispatch

// game/shared/score.cpp: score and end of game.
int p322();                                 // final score and end of the game
int p378();                                 // computes the score

// game/shared/death.cpp: death.
int p154();                                 // the death
int p685();                                 // death by word 762 (places 387, 388, 427)
int p724(arg_pair variant);                 // hazard of word 762 at places 631..638
int p803();                                 // death naming the death count
int p848();                                 // per-turn countdown of object 18

// game/shared/phases.cpp: game phases, the scheduler and the paid help offer.
int p148();                                 // start of phase 6
int p149();                                 // start of phase 5
int p220();                                 // the one-time event
int p246(arg_pair quiet);                   // event: object 124 appears
int p272();                                 // per-turn scheduler
int p404();                                 // answer to questions 5 and 6 (paid hint)
int p405();                                 // help offer (asks question 5)
int p522();                                 // light power (warning, going out)
int p671(arg_pair quiet);                   // event: scoring objects carried off
int p936();                                 // declines the help offer

// game/shared/events.cpp: per-turn events and hints.
int p24();                                  // countdown of places 467..479 (object 163)
int p26();                                  // whether the moment suits a world event (VAR_RESULT)
int p184();                                 // the name of place 206 in the command
int p380();                                 // theft of an object lying about
int p609();                                 // unsolicited hint
int p660();                                 // word 798 with object 115 (question 26)
int p667();                                 // light of places 314..316
int p729();                                 // objects 112 and 110 in the end game
int p805();                                 // calling an object in the end game
int p809();                                 // each turn in phase 6
int p820();                                 // directions reversed in phase 8

// game/shared/describe.cpp: describing the place and light.
int p188(arg_pair full);                    // describes the current place
int p323();                                 // object 163 appears at place 491
int p392();                                 // the follower (object 130) draws nearer
int p400();                                 // lists the objects here
int p487();                                 // recomputes the light flag
int p534(arg_pair last);                    // counts (and names) the closed ways of a place
int p784();                                 // death in the dark
int p796();                                 // variable parts of a description

// game/shared/holding.cpp: moving groups of objects, the holding place and the hoard.
int p131();                                 // picks VAR_HOARD_PICK from the hoard
int p240(arg_pair place);                   // brings the objects parked at 700 back to a place
int p401();                                 // parks the portable objects here at 700
int p517(arg_pair passes);                  // object 193 brings objects back from the hoard
int p547();                                 // theft scale (each turn in phase 3)
int p626(arg_pair text, arg_pair arg);      // refusal while carrying an object that blocks a passage
int p940();                                 // carry-off at place 462

// game/shared/characters.cpp: self-moving characters, delivery check and progress hints.
int p410(arg_pair report);                  // delivery check (may start phase 4)
int p658(arg_pair chance_a, arg_pair chance_b); // encounter replies by what is near
int p659();                                 // moves the wanderer (object 88)
int p846();                                 // throws an object into place 502
int p892();                                 // progress hint

// game/shared/questions.cpp: askers and answerers of questions.
int p33();                                  // answer to questions 18 and 19 (in-memory snapshot)
int p221();                                 // says text 1283 (accepted question 22; word 821)
int p223();                                 // answer to question 7
int p226();                                 // answer to question 28
int p247();                                 // answer to question 29
int p250();                                 // answer to question 43
int p510(arg_pair next, arg_pair last);     // pages through a run of texts (question 21)
int p513();                                 // word 783 on object 109
int p514();                                 // asks question 28 (object 21)
int p515();                                 // asks question 29 (object 193)
int p516();                                 // asks question 30 (object 25)
int p552();                                 // answer to question 13
int p632();                                 // answer to question 30
int p687();                                 // answer to questions 10 and 11
int p697();                                 // starting variants of 62 texts
int p716();                                 // after a restore (asks question 44)
int p717();                                 // answer to questions 44 and 2
int p718();                                 // answer to question 27 (after a death)
int p743();                                 // answer to questions 15 and 17
int p744();                                 // the save itself
int p763();                                 // answer to question 31
int p765();                                 // start of play
int p776();                                 // list of known words (questions 36, 37)
int p800();                                 // asks question 7 (places 591, 592)
int p929();                                 // answer to question 8

// game/shared/fallback.cpp: fallback replies and shared reply lists.
int p39();                                  // general fallback replies
int p50();                                  // shared word replies of places 439..442 and 547..554
int p80();                                  // shared word replies of places 195, 539..541
int p297(arg_pair text, arg_pair arg);      // reply list for feature words 129, 134, 1080, 30, 74, 1018
int p298();                                 // replies for words 758 and 920
int p364();                                 // fallback: second word not an object
int p396();                                 // replies for word 988
int p397();                                 // fallback: object 121 named
int p398();                                 // fallback: object 120 named
int p448();                                 // replies of the maze 389..426
int p474();                                 // shared replies of places 542..544
int p475();                                 // shared replies of places 480, 481
int p476();                                 // shared replies of places 196, 519..538
int p479();                                 // shared replies of places 201, 518
int p625(arg_pair x);                       // reply about an entity
int p679(arg_pair kind);                    // replies of the ring, annexe and chain by kind

// game/shared/vessels.cpp: vessels and liquids.
int p127();                                 // refuses to handle a lit lightable object
int p218();                                 // empties the vessel in VAR_VESSEL
int p304();                                 // works the machine object 139
int p320(arg_pair a);                       // picks a vessel holding liquid 121
int p321(arg_pair a);                       // picks a vessel holding liquid 120
int p634();                                 // pours liquid 121 onto object 8
int p888();                                 // content of VAR_VESSEL into VAR_RESULT
int p903();                                 // pours liquid 120 onto object 13
int p904();                                 // pours liquid 120 onto object 8

// game/shared/puzzles.cpp: object and passage puzzles.
int p75();                                  // passage 631/632 and landing of objects sent off at 631..638
int p126(arg_pair with_state1);             // refusal unless liquid 87 or the large vessel is near
int p129();                                 // reply by object 145 (places 443, 444, 446)
int p140();                                 // load check of narrow ways (objects blocking a passage)
int p146();                                 // closes object 161 (place 472)
int p147();                                 // light at places 575/576 switched off (way closed)
int p305();                                 // object 109 handed over (drop, 795, 805 chains)
int p306();                                 // object 85 with object 118 (795, 805 chains)
int p529();                                 // works object 161 (places 467..479)
int p652();                                 // light at places 575/576 switched on (way opened)
int p678();                                 // one parked object comes back
int p814();                                 // replies of places 510, 511
int p854();                                 // object 126
int p858();                                 // passage between places 475 and 486
int p883();                                 // object 5 offered a liquid or vessel
int p884(arg_pair variant);                 // object 145 appears
int p898();                                 // stock replies of places 481..487
int p935();                                 // drop at place 618

// game/shared/passages.cpp: passage rules and maze walkers.
int p20(arg_pair type);                     // refusals shared by corridor 642..649 and maze 651..670
int p21(arg_pair type);                     // rules of the stepping corridor 642..649
int p22(arg_pair type);                     // look replies of corridor 642..648 and maze 651..670
int p65();                                  // reshuffles the closed exits at the current place
int p105();                                 // walker of the maze 335..350
int p152(arg_pair dir);                     // direction refused near the heading of object 102
int p212();                                 // closed-exit rule of places with PFLAG_SHIFTING_EXITS (each turn)
int p329(arg_pair end_a, arg_pair dir_a, arg_pair end_c, arg_pair dir_c); // passage between two places
int p467(arg_pair type);                    // rules of the maze 651..670
int p542();                                 // random fork at place 515
int p702();                                 // reply of place 517
int p808(arg_pair place);                   // new closed-exit set of a place

// game/shared/carrying.cpp: taking and putting down: special cases.
int p122();                                 // word 790 with object 84 near
int p232();                                 // put down: object 109
int p233();                                 // put down: object 108
int p235();                                 // put down: object 100
int p236();                                 // put down: object 102
int p237();                                 // put down: object 56
int p238();                                 // put down: a vessel (123, 119, 136)
int p268();                                 // empties VAR_VESSEL on putting it down
int p372();                                 // take: object 39
int p373();                                 // take: object 109
int p374();                                 // take: object 108
int p375();                                 // take: object 117
int p376();                                 // take: object 81
int p377();                                 // take: object 59
int p379();                                 // take: object 100
int p381();                                 // take: object 125
int p902(arg_pair amount, arg_pair text, arg_pair vessel); // word 790 on a source or a vessel
int p945();                                 // object 109 is lost

// game/shared/sending.cpp: throwing, sending off and releasing objects.
int p73();                                  // object 127 released
int p239();                                 // put down: object 127
int p795();                                 // object 126 released
int p878();                                 // lands an object sent off (word 793)
int p910();                                 // aims the object in VAR_ARG2 at what is near

// game/shared/hazards.cpp: per-turn hazards and object 194.
int p243();                                 // hazard of place 453 (end of object 194's hold)
int p245();                                 // attack of object 193
int p383(arg_pair from_word);               // object 194 and places 198/199
int p549();                                 // object 95 (each turn)
int p690();                                 // hazard count (places with PFLAG_HAZARD)
int p771();                                 // flags of object 17
int p835();                                 // drain of VAR_RESERVE
int p852(arg_pair stop);                    // darkness report

// game/shared/replies.cpp: small replies and puzzle steps of words and places.
int p125();                                 // object 3 with another word (dispatch)
int p228();                                 // word 790 reply for the large vessel in state 5
int p331();                                 // sequence word out of step
int p394();                                 // taking in the dark
int p539();                                 // replies by what is near (word 11)
int p614();                                 // reply to a compass word without an exit
int p651();                                 // OPEN-type word on objects 114/115
int p663();                                 // magic word said to object 36
int p670();                                 // after an object is taken or lit
int p698();                                 // object 94
int p754();                                 // second word 1106..1126 (states of object 69)
int p872();                                 // object 85 at place 448 (places 450, 585)
int p876();                                 // reaction of a flag-7 object on being taken

// game/words/movement.cpp: movement words.
int p38();                                  // word 761
int p108();                                 // word 889
int p225();                                 // word 755
int p251();                                 // word 747
int p391();                                 // word 759
int p472();                                 // word 757
int p507();                                 // word 762
int p617();                                 // word 745
int p622();                                 // word 746
int p623();                                 // word 752
int p654();                                 // word 758
int p788();                                 // word 749
int p793();                                 // word 748
int p794();                                 // word 750
int p877();                                 // word 754
int p919();                                 // word 751

// game/words/take.cpp: taking objects.
int p365();                                 // word 765 (chain head)
int p366();                                 // chain part of p365 (word 765), part 1 of 6: other words as second
int p367();                                 // chain part of p365 (word 765), part 2 of 6: the dark
int p368();                                 // chain part of p365 (word 765), part 3 of 6: liquid 120
int p369();                                 // chain part of p365 (word 765), part 4 of 6: liquid 121
int p370();                                 // chain part of p365 (word 765), part 5 of 6: objects with rules of their own
int p371();                                 // chain part of p365 (word 765), part 6 of 6: the general case
int p530();                                 // word 797
int p630();                                 // word 809
int p927();                                 // word 812

// game/words/drop.cpp: dropping objects.
int p23();                                  // word 724
int p229();                                 // word 766 (chain head)
int p230();                                 // chain part of p229 (word 766), part 1 of 2: objects with rules of their own
int p231();                                 // chain part of p229 (word 766), part 2 of 2: the general case
int p686();                                 // word 872
int p693();                                 // word 868
int p746();                                 // word 803
int p881();                                 // word 816

// game/words/throw.cpp: word 793 (throw) chain.
int p836();                                 // word 793 (chain head)
int p837();                                 // chain part of p836 (word 793), part 1 of 9
int p838();                                 // chain part of p836 (word 793), part 2 of 9
int p839();                                 // chain part of p836 (word 793), part 3 of 9
int p840();                                 // chain part of p836 (word 793), part 4 of 9
int p841();                                 // chain part of p836 (word 793), part 5 of 9
int p842();                                 // chain part of p836 (word 793), part 6 of 9
int p843();                                 // chain part of p836 (word 793), part 7 of 9
int p844();                                 // chain part of p836 (word 793), part 8 of 9
int p845();                                 // chain part of p836 (word 793), part 9 of 9

// game/words/open.cpp: opening.
int p638();                                 // word 767 (chain head)
int p639();                                 // chain part of p638 (word 767), part 1 of 12: the word for place 322
int p640();                                 // chain part of p638 (word 767), part 2 of 12
int p641();                                 // chain part of p638 (word 767), part 3 of 12: objects 6, 66, 36, 4
int p642();                                 // chain part of p638 (word 767), part 4 of 12: object 6
int p643();                                 // chain part of p638 (word 767), part 5 of 12: object 66
int p644();                                 // chain part of p638 (word 767), part 6 of 12: object 8
int p645();                                 // chain part of p638 (word 767), part 7 of 12: object 19
int p646();                                 // chain part of p638 (word 767), part 8 of 12: object 161
int p647();                                 // chain part of p638 (word 767), part 9 of 12: object 164
int p648();                                 // chain part of p638 (word 767), part 10 of 12: object 36
int p649();                                 // chain part of p638 (word 767), part 11 of 12: vessel 123
int p650();                                 // chain part of p638 (word 767), part 12 of 12: object 162
int p798();                                 // word 814
int p829();                                 // word 813
int p873();                                 // word 768

// game/words/close.cpp: closing, words 807 and 808.
int p141();                                 // word 769 (chain head)
int p142();                                 // chain part of p141 (word 769), part 1 of 4: general
int p143();                                 // chain part of p141 (word 769), part 2 of 4: object 4
int p144();                                 // chain part of p141 (word 769), part 3 of 4: object 162
int p145();                                 // chain part of p141 (word 769), part 4 of 4: objects 6, 66, 36
int p691();                                 // word 807
int p692();                                 // word 808

// game/words/objects.cpp: procedures of six objects.
int p171();                                 // object 76
int p390();                                 // object 16
int p633();                                 // object 121
int p661();                                 // object 151
int p677();                                 // object 13
int p901();                                 // object 120

// game/words/look.cpp: the look word and its first chunk.
int p274();                                 // word 822 (chain head)
int p275();                                 // chain part of p274 (word 822), part 1 of 16: first chunk

// game/words/examine.cpp: look chunks 2..16: examining named things.
int p276();                                 // chain part of p274 (word 822), part 2 of 16: object 61
int p277();                                 // chain part of p274 (word 822), part 3 of 16: object 121
int p278();                                 // chain part of p274 (word 822), part 4 of 16: object 13
int p279();                                 // chain part of p274 (word 822), part 5 of 16: object 139
int p280();                                 // chain part of p274 (word 822), part 6 of 16: object 120
int p281();                                 // chain part of p274 (word 822), part 7 of 16: place 593
int p282();                                 // chain part of p274 (word 822), part 8 of 16: object 122
int p283();                                 // chain part of p274 (word 822), part 9 of 16: any second word
int p284();                                 // chain part of p274 (word 822), part 10 of 16: object 102
int p285();                                 // chain part of p274 (word 822), part 11 of 16: object 123
int p286();                                 // chain part of p274 (word 822), part 12 of 16: object 115
int p287();                                 // chain part of p274 (word 822), part 13 of 16: words 936, 921
int p288();                                 // chain part of p274 (word 822), part 14 of 16: word 1022
int p289();                                 // chain part of p274 (word 822), part 15 of 16: word 922
int p290();                                 // chain part of p274 (word 822), part 16 of 16: any second word

// game/words/reading.cpp: words that hand over to the look word (798 read, 728 begin, 854 consult).
int p153();                                 // word 728
int p701();                                 // word 798
int p753();                                 // word 854

// game/words/lamp.cpp: light source words.
int p294();                                 // word 780
int p531();                                 // word 779
int p631();                                 // word 778
int p636();                                 // word 777
int p708();                                 // word 799
int p825();                                 // word 938

// game/words/ignite.cpp: lighting and putting out other objects (771, 772).
int p707();                                 // word 772
int p911();                                 // word 771

// game/words/drink.cpp: word 790 (drink).
int p227();                                 // word 790

// game/words/taste_pour.cpp: words 791 (taste) and 787 (pour).
int p688();                                 // word 787
int p777();                                 // word 791

// game/words/fill.cpp: word 796 (fill) chain.
int p308();                                 // word 796 (chain head)
int p309();                                 // chain part of p308 (word 796), part 1 of 8: a bare word 796 picks an empty vessel
int p310();                                 // chain part of p308 (word 796), part 2 of 8: object 146
int p311();                                 // chain part of p308 (word 796), part 3 of 8: object 56
int p312();                                 // chain part of p308 (word 796), part 4 of 8: vessel 123
int p313();                                 // chain part of p308 (word 796), part 5 of 8: vessel 119
int p314();                                 // chain part of p308 (word 796), part 6 of 8: vessel 136
int p315();                                 // chain part of p308 (word 796), part 7 of 8: object 84
int p316();                                 // chain part of p308 (word 796), part 8 of 8: any other named object

// game/words/give.cpp: word 805 (give) chain.
int p384();                                 // word 805 (chain head)
int p385();                                 // chain part of p384 (word 805), part 1 of 4: object 138
int p386();                                 // chain part of p384 (word 805), part 2 of 4: object 118
int p387();                                 // chain part of p384 (word 805), part 3 of 4: liquid 87
int p388();                                 // chain part of p384 (word 805), part 4 of 4: the general case

// game/words/saving.cpp: saving, restoring and snapshot words.
int p593();                                 // word 829
int p682();                                 // word 947
int p684();                                 // word 948
int p695();                                 // word 823
int p704();                                 // word 830
int p712();                                 // word 727
int p714();                                 // word 735
int p715();                                 // word 726
int p742();                                 // word 725

// game/words/shared.cpp: procedures shared with places and the turn cycle.
int p138();                                 // word 848 at the compass grid edge
int p185(arg_pair obj);                     // default object of a bare word 798
int p222();                                 // abbreviation resolver (dispatch)
int p224(arg_pair n);                       // phase 9: asks the last question (39)
int p234(arg_pair mode);                    // check of the carried objects before dropping all
int p291();                                 // pre-check of a command on all objects
int p362();                                 // replies shared by places 482..487
int p528();                                 // phase 8 (end of the word series at 302)
int p536();                                 // object 152's event
int p550(arg_pair obj, arg_pair word);      // one abbreviation
int p602();                                 // phase 7
int p703();                                 // object 63's replies
int p756();                                 // text 1365 at places 547..554 and 439..442
int p817(arg_pair t, arg_pair arg);         // heading reply
int p831(arg_pair n);                       // place 565 opens
int p850();                                 // ties the tied texts to their entities
int p868(arg_pair dir, arg_pair place);     // guided move (heading check, forced move)
int p928();                                 // saved-game listing (question 45)
int p938();                                 // does nothing (called every turn)

// game/words/status.cpp: status, undo and setting words.
int p124();                                 // word 865
int p214();                                 // word 862
int p249();                                 // word 866
int p270();                                 // word 867
int p485();                                 // word 844
int p509();                                 // word 870
int p527();                                 // word 732
int p548();                                 // word 734
int p616();                                 // word 825
int p705();                                 // word 739
int p747();                                 // word 845
int p752();                                 // word 733
int p832();                                 // word 824
int p871();                                 // word 738
int p885();                                 // word 826
int p939();                                 // word 838

// game/words/magic.cpp: magic words and the speaking word.
int p47();                                  // word 721
int p63();                                  // word 720
int p300();                                 // word 719
int p307();                                 // word 718
int p325();                                 // word 806 (chain head)
int p326();                                 // chain part of p325 (word 806), part 1 of 2: the cloth, and the refused word "teleport"
int p327();                                 // chain part of p325 (word 806), part 2 of 2: second part
int p328();                                 // word 717
int p330();                                 // word 716
int p356();                                 // word 833
int p518();                                 // word 715
int p519();                                 // word 714
int p591();                                 // word 713
int p608();                                 // word 877
int p624();                                 // word 712
int p669();                                 // word 711
int p683();                                 // word 710
int p706();                                 // word 853
int p739();                                 // word 709
int p745();                                 // word 730
int p764();                                 // word 831
int p785();                                 // word 708
int p847();                                 // word 707
int p942();                                 // word 706
int p946();                                 // word 705

// game/words/fixed.cpp: fixed-reply and short words.
int p34();                                  // word 869
int p156();                                 // word 875
int p161();                                 // word 879
int p164();                                 // word 740
int p213();                                 // word 883
int p215();                                 // word 834
int p216();                                 // word 810
int p273();                                 // word 811
int p293();                                 // word 885
int p324();                                 // word 802
int p354();                                 // word 860
int p355();                                 // word 737
int p406();                                 // word 827
int p409();                                 // word 828
int p471();                                 // word 1129
int p525();                                 // word 731
int p541();                                 // word 835
int p551();                                 // word 858
int p592();                                 // word 819
int p613();                                 // word 857
int p635();                                 // word 876
int p748();                                 // word 840
int p757();                                 // word 843
int p779();                                 // word 839
int p787();                                 // word 729
int p821();                                 // word 841
int p828();                                 // word 859
int p833();                                 // word 880
int p834();                                 // word 871
int p849();                                 // word 884
int p886();                                 // word 930
int p930();                                 // word 736
int p944();                                 // word 856

// game/words/place_words.cpp: words answered by place.
int p58();                                  // word 923
int p160();                                 // word 900
int p292();                                 // word 881
int p332();                                 // word 894
int p535();                                 // word 773
int p603();                                 // word 937
int p822();                                 // word 837

// game/words/attack.cpp: aimed words (783, 784, 785, 800).
int p72();                                  // word 800
int p407();                                 // word 784
int p511();                                 // word 785
int p512();                                 // word 783

// game/words/encounters.cpp: encounter words (795, 782, 763, 842, 847).
int p61();                                  // word 847
int p162();                                 // word 763
int p301();                                 // word 795 (chain head)
int p302();                                 // chain part of p301 (word 795), part 1 of 2: chunk 1
int p303();                                 // chain part of p301 (word 795), part 2 of 2: chunk 2
int p408();                                 // word 842
int p673();                                 // word 782

// game/words/containers.cpp: container words (804, 775, 861).
int p261();                                 // word 804 (chain head)
int p262();                                 // chain part of p261 (word 804), part 1 of 6
int p263();                                 // chain part of p261 (word 804), part 2 of 6
int p264();                                 // chain part of p261 (word 804), part 3 of 6
int p265();                                 // chain part of p261 (word 804), part 4 of 6
int p266();                                 // chain part of p261 (word 804), part 5 of 6
int p267();                                 // chain part of p261 (word 804), part 6 of 6
int p894();                                 // word 775 (chain head)
int p895();                                 // chain part of p894 (word 775), part 1 of 3
int p896();                                 // chain part of p894 (word 775), part 2 of 3
int p897();                                 // chain part of p894 (word 775), part 3 of 3
int p900();                                 // word 861

// game/words/eat_burn.cpp: words 788 (eat) and 789 (burn).
int p128();                                 // word 789
int p258();                                 // word 788 (chain head)
int p259();                                 // chain part of p258 (word 788), part 1 of 2: chunk 1
int p260();                                 // chain part of p258 (word 788), part 2 of 2: chunk 2

// game/words/wave.cpp: word 781 (wave) chain.
int p906();                                 // word 781 (chain head)
int p907();                                 // chain part of p906 (word 781), part 1 of 3: object 147
int p908();                                 // chain part of p906 (word 781), part 2 of 3: object 63
int p909();                                 // chain part of p906 (word 781), part 3 of 3: everything else

// game/words/polish.cpp: word 792 (polish) chain and word 815 (rub).
int p132();                                 // word 815
int p733();                                 // word 792 (chain head)
int p734();                                 // chain part of p733 (word 792), part 1 of 5
int p735();                                 // chain part of p733 (word 792), part 2 of 5
int p736();                                 // chain part of p733 (word 792), part 3 of 5
int p737();                                 // chain part of p733 (word 792), part 4 of 5
int p738();                                 // chain part of p733 (word 792), part 5 of 5

// game/words/find.cpp: word 794 (find) chain.
int p317();                                 // word 794 (chain head)
int p318();                                 // chain part of p317 (word 794), part 1 of 2: word 889
int p319();                                 // chain part of p317 (word 794), part 2 of 2: a named target

// game/words/cloth.cpp: words on object 63 (848, 801, 863, 864).
int p139();                                 // word 848
int p719();                                 // word 801
int p730();                                 // word 863
int p874();                                 // word 864

// game/words/mechanisms.cpp: mechanism words (874, 852, 774, 873, 878).
int p60();                                  // word 878
int p520();                                 // word 874
int p689();                                 // word 873
int p866();                                 // word 774
int p879();                                 // word 852

// game/words/object_words.cpp: object words with state changes (846, 776, 786, 817).
int p64();                                  // word 786
int p78();                                  // word 817
int p172();                                 // word 776
int p271();                                 // word 846

// game/words/help.cpp: help and guidance words.
int p399();                                 // word 832
int p481();                                 // word 836
int p484();                                 // word 821
int p627();                                 // word 931
int p893();                                 // word 855

// game/places/surface.cpp: the surface: the lane, the cottage and the valley.
int p17();                                  // place 586
int p77();                                  // place 200
int p133();                                 // place 545
int p175();                                 // place 544
int p178();                                 // place 542
int p179();                                 // place 543
int p187();                                 // place 203
int p252();                                 // place 540
int p269();                                 // place 518
int p333();                                 // place 519
int p334();                                 // place 527
int p335();                                 // place 528
int p336();                                 // place 529
int p337();                                 // place 530
int p338();                                 // place 531
int p339();                                 // place 532
int p340();                                 // place 533
int p341();                                 // place 534
int p342();                                 // place 535
int p343();                                 // place 536
int p344();                                 // place 520
int p345();                                 // place 537
int p346();                                 // place 521
int p347();                                 // place 522
int p348();                                 // place 523
int p349();                                 // place 524
int p350();                                 // place 525
int p351();                                 // place 526
int p403();                                 // place 196
int p620();                                 // place 539
int p664();                                 // place 538
int p699();                                 // place 197
int p700();                                 // place 198
int p726();                                 // place 195
int p772();                                 // place 546
int p781();                                 // place 202
int p790();                                 // place 541
int p816();                                 // place 199
int p865();                                 // place 480
int p880();                                 // place 201

// game/places/hatch.cpp: below the hatch.
int p59();                                  // place 208
int p86();                                  // place 207
int p150();                                 // place 205
int p183();                                 // place 206
int p253();                                 // place 211
int p473();                                 // place 204
int p604();                                 // place 210
int p629();                                 // place 213
int p672();                                 // place 209
int p921();                                 // place 212

// game/places/ways.cpp: the hall of ways, the pits and the mirror ledges.
int p255();                                 // place 217
int p256();                                 // place 216
int p257();                                 // place 224
int p506();                                 // place 223
int p544();                                 // place 219
int p607();                                 // place 214
int p792();                                 // place 220
int p923();                                 // place 218
int p924();                                 // place 215
int p925();                                 // place 221
int p926();                                 // place 225
int p943();                                 // place 222

// game/places/warren.cpp: the warren.
int p163();                                 // place 255
int p180();                                 // place 256
int p537();                                 // place 253
int p538();                                 // place 254
int p553();                                 // place 251
int p554();                                 // place 227
int p555();                                 // place 228
int p556();                                 // place 229
int p557();                                 // place 230
int p558();                                 // place 241
int p559();                                 // place 244
int p560();                                 // place 248
int p561();                                 // place 231
int p562();                                 // place 232
int p563();                                 // place 233
int p564();                                 // place 234
int p565();                                 // place 235
int p566();                                 // place 242
int p567();                                 // place 236
int p568();                                 // place 249
int p569();                                 // place 245
int p570();                                 // place 237
int p571();                                 // place 243
int p572();                                 // place 250
int p573();                                 // place 238
int p574();                                 // place 239
int p575();                                 // place 246
int p576();                                 // place 247
int p577();                                 // place 240
int p578();                                 // place 252
int p920();                                 // place 226

// game/places/riddled.cpp: the riddled cavern, the door, the lake and the squeeze.
int p25();                                  // place 286
int p27();                                  // place 294
int p29();                                  // place 290
int p40();                                  // place 301
int p56();                                  // place 266
int p76();                                  // place 258
int p118();                                 // place 283
int p151();                                 // place 261
int p167();                                 // place 293
int p174();                                 // place 288
int p181();                                 // place 273
int p182();                                 // place 278
int p217();                                 // place 257
int p244();                                 // place 260
int p382();                                 // place 281
int p470();                                 // place 282
int p480();                                 // place 280
int p508();                                 // place 271
int p543();                                 // place 272
int p601();                                 // place 296
int p605();                                 // place 289
int p610();                                 // place 279
int p653();                                 // place 285
int p681();                                 // place 287
int p696();                                 // place 292
int p710();                                 // place 298
int p711();                                 // place 299
int p732();                                 // place 300
int p758();                                 // place 274
int p761();                                 // place 269
int p762();                                 // place 270
int p773();                                 // place 291
int p778();                                 // place 268
int p786();                                 // place 284
int p815();                                 // place 259
int p824();                                 // place 267
int p827();                                 // place 277
int p851();                                 // place 276
int p856();                                 // place 297
int p882();                                 // place 584
int p933();                                 // place 275
int p937();                                 // place 295

// game/places/bridge.cpp: the toll bridge, the sentinel and the ravine side.
int p42();                                  // place 360
int p55();                                  // place 361
int p71();                                  // place 358
int p74();                                  // place 311
int p155();                                 // place 308
int p352();                                 // place 309
int p533();                                 // place 359
int p611();                                 // place 304
int p759();                                 // place 306
int p760();                                 // place 307
int p782();                                 // place 305
int p818();                                 // place 303
int p899();                                 // place 310

// game/places/tangle.cpp: the tangle.
int p579();                                 // place 362
int p580();                                 // place 363
int p581();                                 // place 364
int p582();                                 // place 365
int p583();                                 // place 366
int p584();                                 // place 367
int p585();                                 // place 368
int p586();                                 // place 369
int p587();                                 // place 370
int p588();                                 // place 371
int p589();                                 // place 372
int p590();                                 // place 373

// game/places/vault.cpp: the vault and the side passages.
int p119();                                 // place 376
int p166();                                 // place 382
int p219();                                 // place 381
int p482();                                 // place 583
int p606();                                 // place 375
int p740();                                 // place 374
int p797();                                 // place 383
int p853();                                 // place 380
int p932();                                 // place 379
int p934();                                 // place 378

// game/places/chains.cpp: the passage chains.
int p68();                                  // place 387
int p69();                                  // place 427
int p70();                                  // place 388
int p157();                                 // place 428
int p158();                                 // place 429
int p159();                                 // place 430
int p389();                                 // place 385
int p486();                                 // place 384
int p521();                                 // place 386
int p783();                                 // place 431

// game/places/labyrinth.cpp: the labyrinth.
int p411();                                 // place 389
int p412();                                 // place 391
int p413();                                 // place 403
int p414();                                 // place 404
int p415();                                 // place 405
int p416();                                 // place 406
int p417();                                 // place 407
int p418();                                 // place 408
int p419();                                 // place 409
int p420();                                 // place 410
int p421();                                 // place 411
int p422();                                 // place 412
int p423();                                 // place 413
int p424();                                 // place 414
int p425();                                 // place 392
int p426();                                 // place 393
int p427();                                 // place 415
int p428();                                 // place 416
int p429();                                 // place 417
int p430();                                 // place 418
int p431();                                 // place 419
int p432();                                 // place 420
int p433();                                 // place 421
int p434();                                 // place 422
int p435();                                 // place 423
int p436();                                 // place 424
int p437();                                 // place 425
int p438();                                 // place 394
int p439();                                 // place 395
int p440();                                 // place 426
int p441();                                 // place 396
int p442();                                 // place 397
int p443();                                 // place 398
int p444();                                 // place 399
int p445();                                 // place 400
int p446();                                 // place 401
int p447();                                 // place 402
int p780();                                 // place 390

// game/places/gallery.cpp: the gulf, the gallery and the creeper hall.
int p30();                                  // place 432
int p31();                                  // place 433
int p32();                                  // place 434
int p48();                                  // place 439
int p49();                                  // place 442
int p52();                                  // place 443
int p53();                                  // place 444
int p54();                                  // place 446
int p353();                                 // place 437
int p477();                                 // place 436
int p505();                                 // place 435
int p526();                                 // place 445
int p727();                                 // place 438
int p741();                                 // place 440
int p931();                                 // place 441

// game/places/beyond.cpp: beyond the ravine and the turning gallery.
int p28();                                  // place 356
int p36();                                  // place 352
int p37();                                  // place 353
int p43();                                  // place 318
int p46();                                  // place 325
int p79();                                  // place 313
int p87();                                  // place 344
int p88();                                  // place 345
int p89();                                  // place 346
int p90();                                  // place 347
int p91();                                  // place 348
int p92();                                  // place 349
int p93();                                  // place 336
int p94();                                  // place 337
int p95();                                  // place 338
int p96();                                  // place 339
int p97();                                  // place 340
int p98();                                  // place 341
int p99();                                  // place 342
int p100();                                 // place 343
int p101();                                 // place 335
int p102();                                 // place 350
int p103();                                 // place 332
int p104();                                 // place 334
int p130();                                 // place 321
int p295();                                 // place 312
int p296();                                 // place 331
int p299();                                 // place 330
int p393();                                 // place 355
int p540();                                 // place 354
int p612();                                 // place 351
int p615();                                 // place 323
int p619();                                 // place 324
int p637();                                 // place 327
int p665();                                 // place 377
int p666();                                 // place 322
int p674();                                 // place 314
int p675();                                 // place 315
int p676();                                 // place 316
int p680();                                 // place 451
int p713();                                 // place 333
int p789();                                 // place 326
int p806();                                 // place 328
int p810();                                 // place 329
int p867();                                 // place 357
int p869();                                 // place 319
int p870();                                 // place 320

// game/places/ladder.cpp: the ladder hall, the sluice and the little labyrinth.
int p45();                                  // place 460
int p51();                                  // place 263
int p120();                                 // place 462
int p121();                                 // place 463
int p123();                                 // place 262
int p170();                                 // place 461
int p241();                                 // place 453
int p395();                                 // place 464
int p694();                                 // place 452
int p889();                                 // place 264
int p912();                                 // place 454
int p913();                                 // place 455
int p914();                                 // place 456
int p915();                                 // place 457
int p916();                                 // place 458
int p917();                                 // place 459

// game/places/stair.cpp: the winding stair, the hoard and the timed doors.
int p106();                                 // place 466
int p107();                                 // place 465
int p248();                                 // place 479
int p523();                                 // place 470
int p731();                                 // place 475
int p774();                                 // place 474
int p775();                                 // place 476
int p811();                                 // place 473
int p857();                                 // place 467
int p859();                                 // place 469
int p860();                                 // place 468
int p861();                                 // place 478
int p862();                                 // place 477
int p863();                                 // place 472
int p864();                                 // place 471

// game/places/thicket.cpp: the thicket.
int p357();                                 // place 484
int p358();                                 // place 482
int p359();                                 // place 483
int p360();                                 // place 486
int p361();                                 // place 487
int p363();                                 // place 485
int p657();                                 // place 481

// game/places/chests.cpp: the chest rooms.
int p35();                                  // place 492
int p165();                                 // place 490
int p186();                                 // place 494
int p242();                                 // place 488
int p618();                                 // place 493
int p662();                                 // place 495
int p855();                                 // place 491
int p918();                                 // place 489

// game/places/pools.cpp: the pools and the fumes.
int p41();                                  // place 512
int p67();                                  // place 499
int p168();                                 // place 503
int p169();                                 // place 504
int p173();                                 // place 516
int p478();                                 // place 501
int p524();                                 // place 514
int p545();                                 // place 513
int p546();                                 // place 498
int p668();                                 // place 500
int p755();                                 // place 502
int p766();                                 // place 505
int p767();                                 // place 506
int p768();                                 // place 507
int p769();                                 // place 508
int p770();                                 // place 509
int p812();                                 // place 511
int p813();                                 // place 510
int p823();                                 // place 515
int p826();                                 // place 517
int p875();                                 // place 496
int p887();                                 // place 497

// game/places/dunes.cpp: the dunes.
int p44();                                  // place 627
int p134();                                 // place 623
int p135();                                 // place 624
int p136();                                 // place 625
int p137();                                 // place 626
int p189();                                 // place 594
int p190();                                 // place 603
int p191();                                 // place 604
int p192();                                 // place 606
int p193();                                 // place 607
int p194();                                 // place 608
int p195();                                 // place 609
int p196();                                 // place 610
int p197();                                 // place 611
int p198();                                 // place 612
int p199();                                 // place 613
int p200();                                 // place 595
int p201();                                 // place 614
int p202();                                 // place 615
int p203();                                 // place 616
int p204();                                 // place 596
int p205();                                 // place 597
int p206();                                 // place 598
int p207();                                 // place 599
int p208();                                 // place 600
int p209();                                 // place 601
int p210();                                 // place 602
int p211();                                 // place 617
int p254();                                 // place 588
int p621();                                 // place 587
int p655();                                 // place 675
int p656();                                 // place 676
int p722();                                 // place 618
int p723();                                 // place 619
int p728();                                 // place 605
int p749();                                 // place 620
int p750();                                 // place 621
int p751();                                 // place 622
int p791();                                 // place 589
int p799();                                 // place 593
int p801();                                 // place 592
int p802();                                 // place 591
int p922();                                 // place 590

// game/places/river.cpp: the river crossing.
int p109();                                 // place 628
int p110();                                 // place 629
int p111();                                 // place 630
int p112();                                 // place 632
int p113();                                 // place 631
int p114();                                 // place 633
int p115();                                 // place 634
int p116();                                 // place 638
int p117();                                 // place 637
int p721();                                 // place 635
int p725();                                 // place 636

// game/places/ring.cpp: the ring, the annexe and the beacon chain.
int p57();                                  // place 572
int p66();                                  // place 568
int p81();                                  // place 566
int p82();                                  // place 567
int p83();                                  // place 561
int p84();                                  // place 574
int p85();                                  // place 573
int p488();                                 // place 547
int p489();                                 // place 555
int p490();                                 // place 556
int p491();                                 // place 557
int p492();                                 // place 558
int p493();                                 // place 559
int p494();                                 // place 560
int p495();                                 // place 562
int p496();                                 // place 563
int p497();                                 // place 564
int p498();                                 // place 553
int p499();                                 // place 554
int p500();                                 // place 552
int p501();                                 // place 549
int p502();                                 // place 548
int p503();                                 // place 550
int p504();                                 // place 551
int p720();                                 // place 571
int p830();                                 // place 565
int p890();                                 // place 569
int p891();                                 // place 570

// game/places/corridor.cpp: the rune door, the long corridor and the honeycomb.
int p9();                                   // place 642
int p10();                                  // place 643
int p11();                                  // place 644
int p12();                                  // place 645
int p13();                                  // place 646
int p14();                                  // place 647
int p15();                                  // place 648
int p16();                                  // place 649
int p18();                                  // place 650
int p19();                                  // place 641
int p449();                                 // place 651
int p450();                                 // place 652
int p451();                                 // place 653
int p452();                                 // place 654
int p453();                                 // place 655
int p454();                                 // place 656
int p455();                                 // place 657
int p456();                                 // place 658
int p457();                                 // place 659
int p458();                                 // place 660
int p459();                                 // place 661
int p460();                                 // place 662
int p461();                                 // place 663
int p462();                                 // place 664
int p463();                                 // place 665
int p464();                                 // place 666
int p465();                                 // place 667
int p466();                                 // place 670
int p468();                                 // place 668
int p469();                                 // place 669
int p594();                                 // place 576
int p595();                                 // place 577
int p596();                                 // place 579
int p597();                                 // place 580
int p598();                                 // place 578
int p599();                                 // place 581
int p600();                                 // place 582
int p804();                                 // place 640
int p807();                                 // place 639
int p905();                                 // place 575

// game/places/end.cpp: the timeless chamber, the eyrie and the last places.
int p62();                                  // place 449
int p176();                                 // place 450
int p177();                                 // place 585
int p402();                                 // place 700
int p483();                                 // place 672
int p532();                                 // place 701
int p628();                                 // place 302
int p709();                                 // place 447
int p819();                                 // place 448
int p941();                                 // place 671

// INIT: builds the starting world of a new game. The flags of objects and
// places, where every object starts, the starting states and variables
// (some of them drawn at random), the snapshot of all object locations, the
// once-per-game text variants, and the opening text. The tables below are
// the game's initial data; the random draws happen in a fixed order so that
// a game started from a given seed is always the same world.
#include <vector>

#include "game.h"

namespace {

// A run of refnos lo..hi; a single refno when hi is left out.
struct span {
    int lo;
    int hi = 0;
    int last() const { return hi ? hi : lo; }
};

struct flag_set {
    int flag;
    std::vector<span> members;
};

// Object flags, except OFLAG_SEEN and OFLAG_TWO_PLACES, which are set later.
const flag_set object_flags[] = {
    {OFLAG_PORTABLE,
     {{OBJ_LYNX},
      {OBJ_LIGHT_REFILL},
      {OBJ_RELIQUARY},
      {OBJ_BEACON, OBJ_CRYSTAL},
      {OBJ_ORB},
      {OBJ_TUSK},
      {OBJ_WATERSKIN},
      {OBJ_PLUME, OBJ_WANDERER},
      {OBJ_SPRITE, OBJ_HORN},
      {OBJ_INCENSE},
      {OBJ_FIGURINE},
      {OBJ_SUNSTONE},
      {OBJ_HEADING},
      {OBJ_PACKET, OBJ_VESSEL_MEDIUM},
      {OBJ_VESSEL_SMALL, OBJ_HONEYCAKE},
      {OBJ_RAG},
      {OBJ_VESSEL_LARGE},
      {OBJ_BAIT},
      {OBJ_FRUIT},
      {OBJ_BAUBLE, OBJ_POD},
      {OBJ_STICK}}},
    {OFLAG_SCORING,
     {{OBJ_RELIQUARY},
      {OBJ_FUSE, OBJ_URN},
      {OBJ_RING, OBJ_MOONSTONE},
      {OBJ_GOBLET, OBJ_CRYSTAL},
      {OBJ_ORB},
      {OBJ_WATERSKIN},
      {OBJ_PLUME},
      {OBJ_FIGURINE},
      {OBJ_SUNSTONE},
      {OBJ_HEADING},
      {OBJ_BAUBLE, OBJ_VINE}}},
    {7, {{OBJ_LIGHT_REFILL}, {OBJ_RELIQUARY}, {OBJ_BEACON},   {OBJ_FUSE},          {OBJ_CANDLESTICK},
         {OBJ_STRONGBOX},    {OBJ_WICK},      {OBJ_NECKLACE}, {OBJ_CANDLE},        {OBJ_OPAL},
         {OBJ_CRYSTAL},      {OBJ_INCENSE},   {OBJ_FIGURINE}, {OBJ_SUNSTONE},      {OBJ_PACKET},
         {OBJ_JAR},          {OBJ_MEDALLION}, {OBJ_CUSHION},  {OBJ_VESSEL_MEDIUM}, {OBJ_HONEYCAKE},
         {OBJ_RAG},          {OBJ_FRUIT},     {OBJ_BAUBLE},   {OBJ_VASE},          {OBJ_SIEVE, OBJ_BUNDLE},
         {OBJ_STICK}}},
    {OFLAG_ADDRESSABLE,
     {{OBJ_IMP},    {OBJ_LIZARD}, {OBJ_WRAITH},   {OBJ_SENTINEL}, {OBJ_KEEPER}, {OBJ_BRUTE},    {OBJ_WATCHER},
      {OBJ_SPIRIT}, {OBJ_FERRY},  {OBJ_LYNX},     {OBJ_GRIFFIN},  {OBJ_SPIDER}, {OBJ_EEL},      {OBJ_FIREFLY},
      {OBJ_COFFER}, {OBJ_CASKET}, {OBJ_FOLLOWER}, {OBJ_OTTER},    {OBJ_TAPER},  {OBJ_ATTACKER}, {OBJ_GIANT}}},
    {OFLAG_OPENABLE,
     {{OBJ_CHEST},
      {OBJ_LOCKED_GATE},
      {OBJ_DOOR},
      {OBJ_RUNE_SLAB},
      {OBJ_VAULT_DOOR},
      {OBJ_STRONGBOX},
      {OBJ_COLLAR},
      {OBJ_TRAPDOOR},
      {OBJ_GRILLE},
      {OBJ_JAR},
      {OBJ_COFFER},
      {OBJ_CASKET},
      {OBJ_VESSEL_SMALL},
      {OBJ_FLASK},
      {OBJ_HOARD_DOORS},
      {OBJ_TRAP},
      {OBJ_GATE},
      {OBJ_COVER}}},
    {OFLAG_FIXTURE,
     {{OBJ_STEPS},
      {OBJ_DOOR},
      {OBJ_RIFT, OBJ_PANE},
      {OBJ_FRONDS, OBJ_PHANTOM},
      {OBJ_RAVINE, OBJ_SPAN},
      {OBJ_DAIS},
      {OBJ_VEIN},
      {OBJ_BRACKET},
      {OBJ_STATUE},
      {OBJ_TABLET},
      {OBJ_TRAPDOOR, OBJ_HEAP},
      {OBJ_WANDERER},
      {OBJ_EEL},
      {OBJ_HANDLE, OBJ_FONT},
      {OBJ_CROWN},
      {OBJ_LIQUID_1, OBJ_LIQUID_3},
      {OBJ_TREE},
      {OBJ_SCRATCHES, OBJ_TRADER},
      {OBJ_TENDRILS},
      {OBJ_MARK_155},
      {OBJ_HOARD_DOORS, OBJ_GATE},
      {OBJ_NOTICE},
      {OBJ_COVER},
      {OBJ_GORGE},
      {OBJ_MARKS},
      {OBJ_ATTACKER},
      {OBJ_GIANT}}},
    {11,
     {{OBJ_LIGHT_REFILL},
      {OBJ_BEACON},
      {OBJ_LOCKET},
      {OBJ_TOKEN},
      {OBJ_GOBLET},
      {OBJ_CANDLE},
      {OBJ_SPRITE},
      {OBJ_OPENER},
      {OBJ_PLAQUE},
      {OBJ_BALL},
      {OBJ_RAG},
      {OBJ_TORCH}}},
    {OFLAG_NOT_COUNTED,
     {{OBJ_LYNX},
      {OBJ_LIGHT_REFILL},
      {OBJ_MOONSTONE},
      {OBJ_CANDLE},
      {OBJ_JEWEL},
      {OBJ_PLUME},
      {OBJ_WINDER},
      {OBJ_INCENSE},
      {OBJ_PACKET, OBJ_OPENER},
      {OBJ_FIREFLY},
      {OBJ_HONEYCAKE},
      {OBJ_BAIT},
      {OBJ_TORCH},
      {OBJ_FEATHER},
      {OBJ_BUNDLE},
      {OBJ_POD}}},
    {OFLAG_BLOCKS_PASSAGE, {{OBJ_LYNX},      {OBJ_BEACON},
                            {OBJ_FUSE},      {OBJ_STRONGBOX, OBJ_URN},
                            {OBJ_PARCHMENT}, {OBJ_NECKLACE},
                            {OBJ_CLOTH},     {OBJ_CRYSTAL},
                            {OBJ_ORB},       {OBJ_TUSK},
                            {OBJ_WATERSKIN}, {OBJ_LIQUID_4},
                            {OBJ_WANDERER},  {OBJ_SPRITE},
                            {OBJ_JAR},       {OBJ_FIREFLY},
                            {OBJ_MEDALLION}, {OBJ_CUSHION, OBJ_CASKET},
                            {OBJ_SWORD},     {OBJ_VESSEL_LARGE},
                            {OBJ_VASE},      {OBJ_SIEVE},
                            {OBJ_FUNNEL}}},
    {OFLAG_LIGHTABLE,
     {{OBJ_BEACON},
      {OBJ_FUSE},
      {OBJ_CANDLESTICK},
      {OBJ_WICK},
      {OBJ_CANDLE},
      {OBJ_JEWEL},
      {OBJ_BRAND},
      {OBJ_INCENSE},
      {OBJ_TORCH}}},
    {OFLAG_NO_TRANSPORT,
     {{OBJ_RELIQUARY},
      {OBJ_FUSE},
      {OBJ_STRONGBOX, OBJ_WICK},
      {OBJ_PARCHMENT, OBJ_JOURNAL},
      {OBJ_CLOTH},
      {OBJ_CRYSTAL},
      {OBJ_ORB},
      {OBJ_TUSK},
      {OBJ_COFFER},
      {OBJ_CASKET},
      {OBJ_SWORD},
      {OBJ_VASE},
      {OBJ_SIEVE},
      {OBJ_FUNNEL}}},
};

const flag_set two_places = {OFLAG_TWO_PLACES,
                             {{OBJ_LOCKED_GATE},
                              {OBJ_STEPS},
                              {OBJ_RIFT},
                              {OBJ_FRONDS},
                              {OBJ_MIRROR},
                              {OBJ_RUNE_SLAB},
                              {OBJ_SENTINEL, OBJ_BOOTH},
                              {OBJ_WATCHER},
                              {OBJ_RAVINE},
                              {OBJ_SPAN},
                              {OBJ_VAULT_DOOR},
                              {OBJ_WINCH},
                              {OBJ_LADDER},
                              {OBJ_HANDLE},
                              {OBJ_GRILLE},
                              {OBJ_SUNSTONE},
                              {OBJ_HOARD_DOORS},
                              {OBJ_TRAP},
                              {OBJ_GATE},
                              {OBJ_COVER}}};

const flag_set seen = {OFLAG_SEEN,
                       {{OBJ_ALL},
                        {OBJ_DOOR},
                        {OBJ_BRIDGE},
                        {OBJ_LADDER},
                        {OBJ_BREAD, OBJ_LIQUID_2},
                        {OBJ_SIGN},
                        {OBJ_TREE},
                        {OBJ_SNAG},
                        {OBJ_LEDGER}}};

// Place flags. PFLAG_NO_BACK lists only the places outside the mazes; the
// mazes get it by the rule of maze_no_back.
const flag_set place_flags[] = {
    {PFLAG_LIT,
     {{PLACE_START, PLACE_BOLTHOLE},
      {PLACE_ARCH_JUNCTION},
      {PLACE_FAR_END_OF_SQUEEZE},
      {PLACE_TABLET_ALCOVE},
      {PLACE_INTRO},
      {PLACE_RAVINE_EDGE, PLACE_THREE_WAY_CHAMBER},
      {PLACE_HALL_OF_GLIMMERS},
      {PLACE_LOWER_LANDING},
      {PLACE_CHANGING_ROOM},
      {PLACE_OUTER_HALL},
      {PLACE_INNER_HALL},
      {PLACE_QUIET_PASSAGE},
      {PLACE_FLUE},
      {PLACE_HEART_OF_LABYRINTH},
      {PLACE_GALLERY_STEPS, PLACE_INNER_POST},
      {PLACE_PRECIPICE, PLACE_SLUICE},
      {PLACE_STAIR_BOTTOM, PLACE_HOARD_DOOR},
      {PLACE_WELL_HEAD},
      {PLACE_TIMED_STAIR, PLACE_THICKET_SPRING},
      {PLACE_UNDERSIDE_OF_GRATE},
      {PLACE_BOTTOM_OF_FALL},
      {PLACE_FOOT_OF_DELL, PLACE_RUNE_DOOR},
      {PLACE_CHUTE_HEAD},
      {PLACE_EXCHANGE_GROTTO},
      {PLACE_OPEN_SKY, PLACE_GATE_PASSAGE},
      {PLACE_LONG_CORRIDOR_642, PLACE_LAST_LEDGE},
      {PLACE_NORTH_WEST_DUNE_CAVE},
      {PLACE_SOUTH_WEST_DUNE_CAVE}}},
    // The mire is not marked visited, so that a first wander into it is
    // described in full.
    {PFLAG_VISITED, {{PLACE_INTRO}, {PLACE_PINNACLE}}},
    {PFLAG_CREATURE_FREE,
     {{PLACE_START, PLACE_PIT},
      {PLACE_OIL_SEEP},
      {PLACE_PLANT_HOLLOW},
      {PLACE_WARREN_251},
      {PLACE_STREAM_SINK},
      {PLACE_LADDER_TOP},
      {PLACE_SIDE_CELL},
      {PLACE_SQUEEZE, PLACE_DARK_NOOK},
      {PLACE_NEAR_SHORE, PLACE_FAR_BRIDGEHEAD},
      {PLACE_CORRIDOR, PLACE_LOWER_LANDING},
      {PLACE_CHANGING_ROOM, PLACE_LYNX_DEN},
      {PLACE_EAST_VAULT_LANDING},
      {PLACE_GUARDED_PASSAGE},
      {PLACE_LABYRINTH_391, PLACE_HEART_OF_LABYRINTH},
      {PLACE_GLOW_END},
      {PLACE_GALLERY_STEPS, PLACE_BLUFF_PATH},
      {PLACE_PRECIPICE, PLACE_LITTLE_LABYRINTH_459},
      {PLACE_BRINK_OF_DROP},
      {PLACE_STAIR_BOTTOM, PLACE_CHEST_ROOM},
      {PLACE_RECESS},
      {PLACE_POOL_STAIR, PLACE_UPSTREAM_POOL},
      {PLACE_WHIRLING_CAVE, PLACE_EXCHANGE_GROTTO},
      {PLACE_OPEN_SKY, PLACE_STREAM_HEAD},
      {PLACE_LONG_CORRIDOR_642, PLACE_SUNKEN_GROTTO_671},
      {PLACE_HOLDING, PLACE_GONE}}},
    {PFLAG_NO_BACK,
     {{PLACE_SLANT},
      {PLACE_NARROW_PASSAGE},
      {PLACE_SLIDE},
      {PLACE_SQUEEZE},
      {PLACE_FAR_END_OF_SQUEEZE},
      {PLACE_NARROWS},
      {PLACE_CLINGING_CHAMBER},
      {PLACE_SLIDE_TOP},
      {PLACE_NEAR_SHORE},
      {PLACE_INTRO, PLACE_FAR_BRIDGEHEAD},
      {PLACE_SPAN_LEDGE},
      {PLACE_HALL_OF_GLIMMERS},
      {PLACE_SIDE_NICHE},
      {PLACE_GATEWAY},
      {PLACE_UNDERCROFT},
      {PLACE_GULF_EDGE},
      {PLACE_FAR_GULF_EDGE},
      {PLACE_PRECIPICE},
      {PLACE_BRINK_OF_DROP},
      {PLACE_UPSTREAM_POOL},
      {PLACE_WHIRLING_CAVE},
      {PLACE_MIRE},
      {PLACE_OPEN_SKY}}},
    {7,
     {{PLACE_START, PLACE_FOOT_OF_HATCH},
      {PLACE_INTRO},
      {PLACE_CHANGING_ROOM},
      {PLACE_GALLERY_STEPS, PLACE_BLUFF_PATH},
      {PLACE_STAIR_BOTTOM, PLACE_THICKET_SPRING},
      {PLACE_UNDERSIDE_OF_GRATE},
      {PLACE_FOOT_OF_DELL, PLACE_RUNE_DOOR},
      {PLACE_OPEN_SKY, PLACE_GATE_PASSAGE},
      {PLACE_NORTH_WEST_DUNE_CAVE},
      {PLACE_SOUTH_WEST_DUNE_CAVE}}},
    {PFLAG_HINT_AVAILABLE,
     {{PLACE_DELL},
      {PLACE_UPPER_CHAMBER},
      {PLACE_HALL_OF_WAYS},
      {PLACE_EAST_MIRROR_LEDGE},
      {PLACE_WEST_MIRROR_LEDGE},
      {PLACE_WARREN_227, PLACE_WARREN_CHUTE},
      {PLACE_SQUEEZE, PLACE_DARK_NOOK},
      {PLACE_CLINGING_CHAMBER},
      {PLACE_FAR_SHORE},
      {PLACE_INTRO},
      {PLACE_RAVINE_EDGE},
      {PLACE_THREE_WAY_CHAMBER},
      {PLACE_HALL_OF_GLIMMERS},
      {PLACE_CHANGING_ROOM},
      {PLACE_BASIN},
      {PLACE_WATCHERS_PASSAGE},
      {PLACE_MAZE_CROSSING, PLACE_TURNING_GALLERY_350},
      {PLACE_TANGLE_362, PLACE_FAR_END_OF_TANGLE},
      {PLACE_CEILING},
      {PLACE_EAST_VAULT_LANDING},
      {PLACE_GUARDED_PASSAGE},
      {PLACE_UNDERCROFT, PLACE_HEART_OF_LABYRINTH},
      {PLACE_GULF_EDGE},
      {PLACE_CREEPER_HALL},
      {PLACE_HIGH_LEDGE},
      {PLACE_SLUICE},
      {PLACE_STAIR_BOTTOM, PLACE_YARD},
      {PLACE_HEART_OF_THICKET},
      {PLACE_PLUNGE_POOL},
      {PLACE_STREAM_GALLERY},
      {PLACE_UPSTREAM_POOL},
      {PLACE_QUIET_POCKET},
      {PLACE_NEAR_END_OF_SNAG},
      {PLACE_BASTION},
      {PLACE_RUNE_DOOR},
      {PLACE_NORTH_RIM, PLACE_WEST_RIM},
      {PLACE_SUMMIT, PLACE_DUNES_617},
      {PLACE_FAR_BANK},
      {PLACE_THRESHOLD}}},
    {PFLAG_MAZE,
     {{PLACE_WARREN_227, PLACE_WARREN_CHUTE},
      {PLACE_MAZE_CROSSING, PLACE_TURNING_GALLERY_350},
      {PLACE_TANGLE_362, PLACE_FAR_END_OF_TANGLE},
      {PLACE_LABYRINTH_391, PLACE_HEART_OF_LABYRINTH},
      {PLACE_LITTLE_LABYRINTH_454, PLACE_LITTLE_LABYRINTH_459},
      {PLACE_DUNES_594, PLACE_DUNES_617}}},
    {11,
     {{PLACE_NICHE},
      {PLACE_EAST_MIRROR_LEDGE},
      {PLACE_WEST_MIRROR_LEDGE},
      {PLACE_WARREN_231},
      {PLACE_WARREN_241, PLACE_WARREN_250},
      {PLACE_BLIND_CRAWL},
      {PLACE_SIDE_CELL},
      {PLACE_END_OF_CROSSING},
      {PLACE_SCRAWLED_CORNER},
      {PLACE_SUMP},
      {PLACE_TABLET_ALCOVE},
      {PLACE_SCRIBES_NOOK},
      {PLACE_FAR_END_OF_TANGLE},
      {PLACE_MARKED_END},
      {PLACE_STILL_CHAMBER},
      {PLACE_LABYRINTH_392},
      {PLACE_LABYRINTH_396},
      {PLACE_LABYRINTH_400},
      {PLACE_LABYRINTH_401},
      {PLACE_LABYRINTH_407},
      {PLACE_LABYRINTH_408},
      {PLACE_HEART_OF_LABYRINTH},
      {PLACE_GLOW_END},
      {PLACE_LOWER_LEDGE},
      {PLACE_CHEST_ROOM},
      {PLACE_RECESS},
      {PLACE_DEAD_END_CELL},
      {PLACE_DEAD_GALLERY},
      {PLACE_CARVED_CELL},
      {PLACE_VAULT},
      {PLACE_EXCHANGE_GROTTO}}},
    {PFLAG_HAZARD, {{PLACE_VENTS, PLACE_FUME_DEAD_END}}},
    {13, {{PLACE_UNDERSIDE_OF_GRATE}}},
    {14, {{PLACE_DEPOSIT},       {PLACE_FOOT_OF_HATCH}, {PLACE_OIL_SEEP},
          {PLACE_PLANT_HOLLOW},  {PLACE_STREAM_SINK},   {PLACE_SQUEEZE},
          {PLACE_TABLET_ALCOVE}, {PLACE_CHANGING_ROOM}, {PLACE_FISSURE},
          {PLACE_NARROW_WAY},    {PLACE_MIDDLE_STEPS},  {PLACE_STILL_POOL},
          {PLACE_SIDE_CHAMBER},  {PLACE_TABLET_STEPS},  {PLACE_HEART_OF_LABYRINTH},
          {PLACE_CRAWL},         {PLACE_INNER_CRAWL},   {PLACE_GLOW_END},
          {PLACE_PRECIPICE},     {PLACE_LOWER_LEDGE},   {PLACE_UNDERSIDE_OF_GRATE},
          {PLACE_CROSSWAYS},     {PLACE_CLIFF_TOP},     {PLACE_LOWER_SLOPE},
          {PLACE_UPPER_SLOPE},   {PLACE_LOOKOUT_POINT}}},
    {PFLAG_SHIFTING_EXITS,
     {{PLACE_NORTH_RIM, PLACE_WEST_RIM}, {PLACE_DUNES_594, PLACE_DUNES_604}, {PLACE_DUNES_606, PLACE_DUNES_617}}},
    {16, {{PLACE_SUMMIT}}},
    {PFLAG_LIQUID_SOURCE,
     {{PLACE_START},
      {PLACE_DEPOSIT, PLACE_STREAMBED},
      {PLACE_STREAM_SINK},
      {PLACE_BURROW},
      {PLACE_FAR_SHORE},
      {PLACE_NEAR_SHORE},
      {PLACE_STILL_POOL},
      {PLACE_THICKET_SPRING},
      {PLACE_CROSSWAYS},
      {PLACE_STREAM_GALLERY},
      {PLACE_UPSTREAM_POOL},
      {PLACE_RING_WALK_554},
      {PLACE_FOOT_OF_FALLS, PLACE_HEAD_OF_FALLS},
      {PLACE_DOOR_APPROACH},
      {PLACE_RUNE_DOOR},
      {PLACE_FAR_BANK},
      {PLACE_NEAR_BANK},
      {PLACE_FALLS_NOOK, PLACE_STREAM_HEAD},
      {PLACE_SUNKEN_GROTTO_671}}},
    {18,
     {{PLACE_DEPOSIT},
      {PLACE_INTRO},
      {PLACE_STAIR_BOTTOM, PLACE_HOARD_GALLERY},
      {PLACE_HOARD_LEDGE, PLACE_YARD},
      {PLACE_SHRINE},
      {PLACE_SANCTUM}}},
};

// Maze places have no way back, except those with place flag 11.
const span maze_no_back[] = {{PLACE_WARREN_227, PLACE_WARREN_CHUTE},
                             {PLACE_MAZE_CROSSING, PLACE_TURNING_GALLERY_350},
                             {PLACE_LABYRINTH_391, PLACE_HEART_OF_LABYRINTH},
                             {PLACE_LITTLE_LABYRINTH_454, PLACE_LITTLE_LABYRINTH_459},
                             {PLACE_DUNES_594, PLACE_DUNES_617}};

struct placement {
    int place;
    std::vector<int> objects;
};

const placement placements[] = {
    {PLACE_RIVER_BLUFF, {OBJ_VESSEL_MEDIUM, OBJ_SIGN, OBJ_TENDRILS}},
    {PLACE_DEPOSIT, {OBJ_OPENER, OBJ_LIGHT_SOURCE, OBJ_NOTICE}},
    {PLACE_DELL, {OBJ_LOCKED_GATE}},
    {PLACE_BOLTHOLE, {OBJ_JAR}},
    {PLACE_CARVINGS, {OBJ_WAND}},
    {PLACE_UPPER_CHAMBER, {OBJ_FIREFLY}},
    {PLACE_PIT, {OBJ_STEPS}},
    {PLACE_EAST_LIP_OF_RIFT, {OBJ_RIFT}},
    {PLACE_WEST_LIP_OF_RIFT, {OBJ_LOCKET}},
    {PLACE_NICHE, {OBJ_INGOT}},
    {PLACE_HALL_OF_WAYS, {OBJ_LIZARD}},
    {PLACE_PLANT_RIM, {OBJ_FRONDS}},
    {PLACE_OIL_SEEP, {OBJ_LIQUID_2}},
    {PLACE_PLANT_HOLLOW, {OBJ_PLANT}},
    {PLACE_NORTH_FORK, {OBJ_AMULET}},
    {PLACE_WEST_PASSAGE, {OBJ_TOKEN}},
    {PLACE_EAST_MIRROR_LEDGE, {OBJ_MIRROR}},
    {PLACE_LADDER_HALL, {OBJ_LADDER}},
    {PLACE_LADDER_TOP, {OBJ_WATERSKIN}},
    {PLACE_SIDE_CELL, {OBJ_WANDERER, OBJ_FIGURINE}},
    {PLACE_WRITING_JUNCTION, {OBJ_STATUETTE}},
    {PLACE_IRON_DOOR, {OBJ_DOOR}},
    {PLACE_BURROW, {OBJ_DAGGER}},
    {PLACE_GLINT_GROTTO, {OBJ_VEIN, OBJ_CUSHION}},
    {PLACE_SLIMY_JUNCTION, {OBJ_URN}},
    {PLACE_FAR_END_OF_SQUEEZE, {OBJ_RING}},
    {PLACE_DARK_NOOK, {OBJ_JOURNAL, OBJ_SCRATCHES}},
    {PLACE_NARROWS, {OBJ_COFFER}},
    {PLACE_FIVE_WAYS, {OBJ_PLAQUE}},
    {PLACE_SHAFT_BOTTOM, {OBJ_PANE}},
    {PLACE_SLIDE_TOP, {OBJ_CHUTE}},
    {PLACE_FAR_SHORE, {OBJ_NECKLACE}},
    {PLACE_NEAR_SHORE, {OBJ_GONG}},
    {PLACE_TABLET_ALCOVE, {OBJ_CANDLE}},
    {PLACE_NEAR_BRIDGEHEAD, {OBJ_CHASM, OBJ_BOOTH}},
    {PLACE_WEST_END_OF_SENTINEL_WAY, {OBJ_SENTINEL}},
    {PLACE_RAVINE_EDGE, {OBJ_RAVINE}},
    {PLACE_THREE_WAY_CHAMBER, {OBJ_PORTCULLIS}},
    {PLACE_HALL_OF_GLIMMERS, {OBJ_GLIMMER}},
    {PLACE_HIDDEN_SIDE_OF_CHANGING_ROOM, {OBJ_SUNSTONE}},
    {PLACE_NARROW_WAY, {OBJ_WATCHER}},
    {PLACE_FOOT_OF_STEPS, {OBJ_MEDALLION}},
    {PLACE_SCRIBES_NOOK, {OBJ_CANDLESTICK, OBJ_INCENSE}},
    {PLACE_INNER_HALL, {OBJ_DAIS, OBJ_SHEET, OBJ_PARCHMENT}},
    {PLACE_VIAL_NICHE, {OBJ_VESSEL_SMALL}},
    {PLACE_QUIET_PASSAGE, {OBJ_BRAND}},
    {PLACE_SIDE_CHAMBER, {OBJ_GOBLET}},
    {PLACE_LYNX_DEN, {OBJ_LYNX, OBJ_COLLAR}},
    {PLACE_FAR_END_OF_TANGLE, {OBJ_AUTOMATON}},
    {PLACE_TABLET_STEPS, {OBJ_TABLET}},
    {PLACE_SCREE_POCKET, {OBJ_WICK}},
    {PLACE_CEILING, {OBJ_VAULT_DOOR}},
    {PLACE_MARKED_END, {OBJ_RAG}},
    {PLACE_STILL_CHAMBER, {OBJ_FLASK}},
    {PLACE_GUARDED_PASSAGE, {OBJ_BRUTE}},
    {PLACE_LABYRINTH_408, {OBJ_OPAL}},
    {PLACE_FUME_CRAWL, {OBJ_NEST}},
    {PLACE_GLOW_END, {OBJ_CRYSTAL}},
    {PLACE_GULF_EDGE, {OBJ_SPAN}},
    {PLACE_BACK_OF_COVE, {OBJ_BRACELET}},
    {PLACE_WEST_END_OF_GALLERY, {OBJ_BOWL, OBJ_RELIQUARY}},
    {PLACE_CREEPER_HALL, {OBJ_CREEPER}},
    {PLACE_PINNACLE, {OBJ_SPIRE, OBJ_STICK}},
    {PLACE_ANTECHAMBER, {OBJ_GIANT}},
    {PLACE_LITTLE_LABYRINTH_457, {OBJ_WEB, OBJ_SPIDER}},
    {PLACE_BRINK_OF_DROP, {OBJ_WINCH, OBJ_BEAM, OBJ_ORB}},
    {PLACE_LOWER_LEDGE, {OBJ_STAND}},
    {PLACE_HOARD_DOOR, {OBJ_HOARD_DOORS}},
    {PLACE_HOARD, {OBJ_HORN, OBJ_HANDLE}},
    {PLACE_HOARD_GALLERY, {OBJ_TRAP}},
    {PLACE_HOARD_LEDGE, {OBJ_FUNNEL}},
    {PLACE_GATEHOUSE, {OBJ_GATE}},
    {PLACE_YARD, {OBJ_KNOCKER}},
    {PLACE_THICKET_GAP, {OBJ_GRILLE}},
    {PLACE_WEST_THICKET, {OBJ_SIEVE}},
    {PLACE_CHEST_ROOM, {OBJ_CHEST}},
    {PLACE_RECESS, {OBJ_FEATHER}},
    {PLACE_UPPER_GROTTO, {OBJ_TUSK}},
    {PLACE_BOTTOM_OF_FALL, {OBJ_HEAP, OBJ_WINDER}},
    {PLACE_FUME_CROSSING, {OBJ_EEL}},
    {PLACE_DEAD_END_CELL, {OBJ_HONEYCAKE}},
    {PLACE_QUIET_POCKET, {OBJ_LETTERING, OBJ_SWORD}},
    {PLACE_CAIRN_FIELD, {OBJ_IDOL}},
    {PLACE_GRATE, {OBJ_COVER}},
    {PLACE_SHRINE, {OBJ_BUNDLE}},
    {PLACE_NEAR_END_OF_SNAG, {OBJ_SNAG}},
    {PLACE_BEACON_WAY, {OBJ_BRACKET}},
    {PLACE_RUNE_DOOR, {OBJ_RUNE_SLAB}},
    {PLACE_CARVED_CELL, {OBJ_VINE}},
    {PLACE_VAULT, {OBJ_FUSE}},
    {PLACE_EXCHANGE_GROTTO, {OBJ_ALTAR}},
    {PLACE_SUMMIT, {OBJ_CAIRN, OBJ_HEADING}},
    {PLACE_SAND_CAVE, {OBJ_BAUBLE}},
    {PLACE_UPPER_CELL, {OBJ_VASE}},
    {PLACE_STREAM_HEAD, {OBJ_OTTER}},
    {PLACE_LEDGER_CELL, {OBJ_LEDGER}},
    {PLACE_OFFSTAGE, {OBJ_BREAD, OBJ_FOLLOWER}},
};

void flag_objects(const flag_set &s) {
    for (const span &r : s.members)
        for (int obj = r.lo; obj <= r.last(); obj++) bitmod('s', obj, s.flag);
}

// Place ranges are walked with VAR_WORK_PLACE as the loop variable.
void flag_places(int flag, span r) {
    for (hold_ref(VAR_WORK_PLACE, r.lo); value[VAR_WORK_PLACE] <= r.last(); value[VAR_WORK_PLACE]++)
        bitmod('s', value[VAR_WORK_PLACE], flag);
}

// States lo..hi := 0, 1, 2, ... in order.
void number_places(span r) {
    frame<1> f;
    for (hold_ref(VAR_WORK_PLACE, r.lo); value[VAR_WORK_PLACE] <= r.last(); value[VAR_WORK_PLACE]++)
        value[value[VAR_WORK_PLACE]] = f.lvals[0]++;
}

}  // namespace

// INIT.
int p1() {
    // Flags of objects and places.
    for (const flag_set &s : object_flags) flag_objects(s);
    for (const flag_set &s : place_flags)
        for (const span &r : s.members) flag_places(s.flag, r);
    for (const span &r : maze_no_back) {
        for (hold_ref(VAR_WORK_PLACE, r.lo); value[VAR_WORK_PLACE] <= r.last(); value[VAR_WORK_PLACE]++)
            if (cond(!bitest(value[VAR_WORK_PLACE], 11))) bitmod('s', value[VAR_WORK_PLACE], PFLAG_NO_BACK);
    }
    flag_places(PFLAG_NO_BACK, {PLACE_TANGLE_362, PLACE_FAR_END_OF_TANGLE});
    bitmod('c', PLACE_WARREN_227, PFLAG_NO_BACK);
    bitmod('c', PLACE_TANGLE_362, PFLAG_NO_BACK);

    // The player stands out of play until the first turn.
    hold_ref(VAR_HERE, PLACE_OFFSTAGE);
    value[1247] = 1;
    hold_ref(1163, PLACE_LADDER_HALL);

    value[VAR_HINT_TIMER] = 150 + irand(151);
    value[1248] = 15 + irand(16);
    value[VAR_RESERVE] = 700 + irand(201);
    value[VAR_STAY_CHANCE] = 120 + irand(41);
    value[VAR_REFUSED_DIRECTION] = -1;
    value[VAR_SIPS] = 0;

    value[PLACE_CHANGING_ROOM] = irand(4);
    value[PLACE_TAPESTRY_ROOM] = value[PLACE_CHANGING_ROOM];
    if (cond(value[PLACE_TAPESTRY_ROOM] > 0)) bitmod('s', PLACE_TAPESTRY_ROOM, PFLAG_LIT);

    flag_objects(two_places);

    // Every object out of play, then each to its starting place.
    for (hold_ref(VAR_LOOP_OBJECT, FIRST_OBJECT); value[VAR_LOOP_OBJECT] <= LAST_OBJECT; value[VAR_LOOP_OBJECT]++)
        apport(value[VAR_LOOP_OBJECT], PLACE_OFFSTAGE);
    for (const placement &p : placements)
        for (int obj : p.objects) apport(obj, p.place);
    value[OBJ_VESSEL_SMALL] = 1;
    value[OBJ_VESSEL_LARGE] = 2;
    value[VAR_ATTACK_CHANCE] = 35;
    value[VAR_ATTACK_ESCAPE_CHANCE] = 25;
    bitmod('s', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_NOVICE_HINT);
    value[VAR_LITANY_COUNT] = 0;
    hold_ref(VAR_SPELL_ACK, 1267);

    value[VAR_PHASE_TIMER] = 15 + irand(11);
    value[VAR_LIGHT_POWER] = 440 + irand(21);
    value[VAR_THEFT_SCALE] = 4 + irand(5);

    if (cond(irand(100) < 90)) apport(OBJ_TAPER, PLACE_GONE);
    if (cond(irand(100) < 75)) bitmod('s', VAR_GAME_FLAGS, 1);
    if (cond(irand(100) < 50)) bitmod('s', VAR_GAME_FLAGS_3, 4);
    value[OBJ_COLLAR] = 0;
    value[VAR_CARRIED_COUNT] = 0;
    value[VAR_CARRY_LIMIT] = 8;
    value[PLACE_SUNKEN_WAY] = 1;
    value[PLACE_HOLLOW_WAY] = 2;
    number_places({PLACE_RING_WALK_547, PLACE_RING_WALK_554});
    number_places({PLACE_TANGLE_362, PLACE_FAR_END_OF_TANGLE});
    value[1167] = -1;
    value[PLACE_MIDDLE_TERRACE] = 1;
    value[PLACE_LOWEST_TERRACE] = 2;
    value[PLACE_FALLS_NOOK] = 1;
    if (cond(irand(100) < 10)) bitmod('s', VAR_GAME_FLAGS_3, 7);
    value[PLACE_SOUTH_WEST_DUNE_CAVE] = 1;

    flag_objects(seen);

    special(SPECIAL_SNAP_LOCATIONS, &value[VAR_STATUS_WORD]);
    if (cond(value[VAR_PHASE] <= 0)) {
        p697();
        if (loop) return 0;
    }

    value[VAR_PHASE] = 1;
    bitmod('s', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_BRIEF_VISITED);
    say(0, 1274, 0);
    return 0;
}

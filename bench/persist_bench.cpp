// Costs of keeping a game, in the kernel itself: a save, a restore, the
// resume of the autosave, undo and redo of a command, recording a command in
// the journal, and the whole per-turn work at a command boundary (journal
// record, autosave with its transcript and journal).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "input.h"
#include "persist.h"
#include "startup.h"
#include "state.h"
#include "text.h"

namespace {

// Each benchmark runs in a fresh directory, its autosave files new, with a
// varied state image that the game could be in (restores refuse any other)
// and a journal of some fifty recorded commands, as after a while of play.
struct Scene {
    std::string start, dir;

    explicit Scene(int turns = 50) {
        start = std::filesystem::current_path().string();
        char tmpl[] = "/tmp/persist_bench_XXXXXX";
        if (!mkdtemp(tmpl) || chdir(tmpl) != 0) abort();
        dir = tmpl;
        snprintf(truname, sizeof truname, "_%s", GAME_NAME);
        autoname = truname;
        mode = MODE_CONSOLE;
        text_setup();
        forget_autosave_files();
        unsigned seed = 7;
        unsigned char *p = image_bytes(IMAGE);
        for (int i = 0; i < IMAGE_SIZE; i++) {
            seed = seed * 1103515245u + 12345u;
            p[i] = (unsigned char)(seed >> 16);
        }
        const auto place = [](int32_t v) { return FIRST_PLACE + int32_t(uint32_t(v) % (LAST_PLACE - FIRST_PLACE + 1)); };
        for (int r = 1; r < NVALUES; r++) value[r] %= r <= LAST_OBJECT ? STATE_LIMIT : VALUE_LIMIT;
        value[KV_HERE] = place(value[KV_HERE]);
        value[KV_THERE] = place(value[KV_THERE]);
        for (int i = 0; i <= LAST_OBJECT; i++) location[i] = location[i] % 4 == 0 ? 0 : place(location[i]);
        value[KV_UNDO_RESULT] = 0;
        value[KV_QUESTION] = 0;
        free(diffs);
        diffs = nullptr;
        diffsz = dptr = edptr = 0;
        for (int t = 0; t <= turns; t++) turn(t);
    }
    ~Scene() {
        if (chdir(start.c_str()) != 0) abort();
        std::filesystem::remove_all(dir);
    }

    // A typical command: a move, a few values and flags, then its boundary.
    static void turn(int t) {
        value[KV_ARG1] = 750;
        value[KV_ARG2] = -1;
        value[KV_COMMAND_STATUS] = 1;
        value[KV_HERE] = 195 + t % 300;
        value[1193] = t;
        value[1300 + t % 2000] += 1;
        location[3 + t % 190] = 195 + t % 500;
        objbits[t % 384] ^= 4;
        save_changes();
    }

    static void name(const char *n) {
        value[KV_COMMAND_STATUS] = 2;
        value[KV_ARG2] = 0;
        snprintf(arg2_word, WORD_SIZE, "%s", n);
        long_word[0] = 0;
    }
};

void BM_Save(benchmark::State &state) {
    Scene s;
    int32_t r = 0;
    for (auto _ : state) {
        Scene::name("bench");
        special(SPECIAL_SAVE, &r);
        if (r != 0) state.SkipWithError("save failed");
        unlink("bench.orv");
        unlink("bench.orh");
    }
}
BENCHMARK(BM_Save);

void BM_Restore(benchmark::State &state) {
    Scene s;
    int32_t r = 0;
    Scene::name("bench");
    special(SPECIAL_SAVE, &r);
    for (auto _ : state) {
        Scene::name("bench");
        special(SPECIAL_RESTORE, &r);
        if (r != 0) state.SkipWithError("restore failed");
    }
}
BENCHMARK(BM_Restore);

// The resume at start-up: the autosave, its transcript and its journal.
void BM_ResumeAutosave(benchmark::State &state) {
    Scene s;
    int32_t r = 0;
    const std::string transcript(400, 'x');  // a turn's output
    set_transcript(transcript.data(), transcript.size());
    special(SPECIAL_AUTOSAVE, &r);
    for (auto _ : state) {
        special(SPECIAL_AUTORESTORE, &r);
        if (r != SPECIAL_AUTORESTORE) state.SkipWithError("resume failed");
    }
}
BENCHMARK(BM_ResumeAutosave);

void BM_UndoRedoOneCommand(benchmark::State &state) {
    Scene s;
    for (auto _ : state) {
        value[KV_COMMAND_STATUS] = 1;
        value[KV_ARG2] = -1;
        undo();
        redo();
    }
}
BENCHMARK(BM_UndoRedoOneCommand);

void BM_UndoAllCommands(benchmark::State &state) {
    Scene s(int(state.range(0)));
    for (auto _ : state) {
        value[KV_COMMAND_STATUS] = 2;
        value[KV_ARG2] = 3;
        undo();
        redo();
    }
}
BENCHMARK(BM_UndoAllCommands)->Arg(50)->Arg(1000);

void BM_RecordCommand(benchmark::State &state) {
    Scene s;
    int t = 0;
    for (auto _ : state) Scene::turn(t++);
}
BENCHMARK(BM_RecordCommand);

// The per-turn cost at a command boundary: the journal record and the
// autosave with the turn's transcript and the journal beside it.
void BM_TurnBoundaryWithAutosave(benchmark::State &state) {
    Scene s(int(state.range(0)));
    int t = 0;
    int32_t r = 0;
    const std::string transcript(400, 'x');  // a turn's output
    set_transcript(transcript.data(), transcript.size());
    for (auto _ : state) {
        Scene::turn(t++);
        special(SPECIAL_AUTOSAVE, &r);
        if (r != 0) state.SkipWithError("autosave failed");
    }
}
BENCHMARK(BM_TurnBoundaryWithAutosave)->Arg(50)->Arg(1000);

}  // namespace

BENCHMARK_MAIN();

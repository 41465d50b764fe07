# A thin layer over CMake. `make play` builds and starts the game in the
# console; `make test` builds and runs every test, then again under the
# address and undefined-behaviour sanitizers, runs each fuzz harness over its
# corpus and briefly fuzzes it (when clang is there), and prints the
# coverage. `make fuzz` runs every fuzz harness for FUZZ_SECONDS each,
# FUZZ_JOBS at a time. `make bench` measures the game and prints the README's
# Figures section (`make bench BENCH_FLAGS=--readme` also puts it in README.md;
# `make bench PEER='<command line>' PEER_GAME=<commands>` also measures
# another interpreter in the same rounds, printed after the section).
# `make refno N=632` tells everything about one refno of the game.
# `make sweep` runs the world sweep in full (tests/sweep/sweep.cpp): the
# counts, the report in build/sweep/report.txt, and a reproducer for every
# failing pair in build/sweep/reproducers/ (tests/sweep/reproduce.sh plays
# one through the program).
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 600
FUZZ_JOBS ?= 3
FUZZ_CHECK_SECONDS ?= 10
FUZZ_CMAKE = cmake -S . -B build-fuzz -DZENDRY_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
	-DCMAKE_BUILD_TYPE=RelWithDebInfo -DFUZZ_CHECK_SECONDS=$(FUZZ_CHECK_SECONDS) >/dev/null

.PHONY: play test build build-asan coverage bench deps clean fuzz fuzz-check refno sweep

deps:
	@./scripts/deps.sh

# `make refno N=632`: everything about one refno of the game (or its name,
# or a word as the player types it): its kind and names, its words, where
# its texts are written, its procedure and table, and every line that uses
# it. The names of objects, places and words are made from the text source
# into the build, so the build is brought up to date first.
refno:
	@[ -f build/CMakeCache.txt ] || cmake -S . -B build -DZENDRY_TESTS=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build build --target game_names >/dev/null
	@./scripts/refno $(N)

build: deps
	cmake -S . -B build -DZENDRY_TESTS=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build build -j$(JOBS)

play: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build build -j$(JOBS) --target zendry
	@# A game that ends normally (quitting, or playing to the end) exits with
	@# status 255; any other failing status still fails the target.
	@./build/zendry -C; status=$$?; [ $$status -eq 0 ] || [ $$status -eq 255 ] || exit $$status

test:
	@./scripts/deps.sh browser fuzz
	cmake -S . -B build -DZENDRY_TESTS=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build build -j$(JOBS)
	cd build && ctest --output-on-failure -j$(JOBS)
	@$(MAKE) --no-print-directory build-asan
	cd build-asan && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j$(JOBS) -E browser
	@if command -v clang++ >/dev/null 2>&1; then $(MAKE) --no-print-directory fuzz-check; \
	else echo "clang++ is missing: the fuzz harnesses are not run"; fi
	cmake --build build --target coverage

# The tests' build under the address and undefined-behaviour sanitizers.
build-asan:
	cmake -S . -B build-asan -DZENDRY_TESTS=ON -DZENDRY_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
	cmake --build build-asan -j$(JOBS)

sweep: deps
	cmake -S . -B build -DZENDRY_TESTS=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build build -j$(JOBS) --target world_sweep zendry
	rm -rf build/sweep && mkdir -p build/sweep
	./build/tests/world_sweep --report build/sweep/report.txt --reproducers build/sweep/reproducers \
	  --program build/zendry --verify 20

coverage: deps
	cmake -S . -B build -DZENDRY_TESTS=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build build --target coverage

# Each fuzz harness over its corpus, then FUZZ_CHECK_SECONDS of fuzzing.
fuzz-check:
	$(FUZZ_CMAKE)
	cmake --build build-fuzz -j$(JOBS)
	cd build-fuzz && ctest --output-on-failure -j$(FUZZ_JOBS)

# Crashing inputs go to build-fuzz/fuzz-artifacts/NAME/, the logs to
# build-fuzz/fuzz-logs/, the inputs found to build-fuzz/fuzz-corpus/NAME/.
fuzz:
	@./scripts/deps.sh fuzz
	$(FUZZ_CMAKE)
	cmake --build build-fuzz -j$(JOBS)
	ls fuzz/*_fuzz.cpp | sed 's|.*/||; s|_fuzz\.cpp$$||' | \
	  xargs -P $(FUZZ_JOBS) -I{} ./fuzz/run.sh fuzz build-fuzz {} $(FUZZ_SECONDS)

bench:
	@./scripts/deps.sh bench
	cmake -S . -B build-bench -DZENDRY_TESTS=OFF -DZENDRY_BENCH=ON -DCMAKE_BUILD_TYPE=Release >/dev/null
	cmake --build build-bench -j$(JOBS)
	./scripts/bench.sh build-bench $(BENCH_FLAGS)

clean:
	rm -rf build build-asan build-bench build-fuzz

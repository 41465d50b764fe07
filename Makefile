# A thin layer over CMake. `make play` builds and starts the game in the
# console; `make test` builds and runs every test, then again under the
# address and undefined-behaviour sanitizers, and prints the coverage;
# `make bench` measures the game and prints the README's Figures section
# (`make bench BENCH_FLAGS=--readme` also puts it in README.md).
JOBS ?= $(shell nproc)

.PHONY: play test build build-asan coverage bench deps clean

deps:
	@./scripts/deps.sh

build: deps
	cmake -S . -B build -DZENDRY_TESTS=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build build -j$(JOBS)

play: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build build -j$(JOBS) --target zendry
	./build/zendry -C

test:
	@./scripts/deps.sh browser
	cmake -S . -B build -DZENDRY_TESTS=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build build -j$(JOBS)
	cd build && ctest --output-on-failure -j$(JOBS)
	cmake -S . -B build-asan -DZENDRY_TESTS=ON -DZENDRY_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
	cmake --build build-asan -j$(JOBS)
	cd build-asan && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j$(JOBS) -E browser
	cmake --build build --target coverage

coverage: deps
	cmake -S . -B build -DZENDRY_TESTS=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build build --target coverage

bench: deps
	cmake -S . -B build-bench -DZENDRY_TESTS=OFF -DZENDRY_BENCH=ON -DCMAKE_BUILD_TYPE=Release >/dev/null
	cmake --build build-bench -j$(JOBS)
	./scripts/bench.sh build-bench $(BENCH_FLAGS)

clean:
	rm -rf build build-asan build-bench

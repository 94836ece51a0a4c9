# The commands of the README: `make run`, `make test`, `make bench`, `make browser-test`,
# `make install PREFIX=...`, `make fuzz` and `make load-test`.
.PHONY: build run test bench browser-test install fuzz load-test

JOBS ?= $(shell nproc)
PREFIX ?= /usr/local

build:
	scripts/install-deps.sh
	cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DGLYPHORA_TESTS=OFF
	cmake --build build/release -j $(JOBS)

run: build
	build/release/glyphora

# The editor, glyphora-cli, the data files, the desktop entry and the icon under PREFIX.
install: build
	cmake --install build/release --prefix $(PREFIX)

test:
	scripts/install-deps.sh
	cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGLYPHORA_SANITIZE=ON -DGLYPHORA_BENCH=OFF
	cmake --build build/test -j $(JOBS)
	cd build/test && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench:
	scripts/install-deps.sh bench
	cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DGLYPHORA_BENCH=ON
	cmake --build build/release -j $(JOBS)
	for program in build/release/bench/*_bench; do $$program || exit 1; done
	scripts/bench-convert.sh
	scripts/bench-pictures.sh

# The HTML pages rendered by headless Chromium and checked by pixel (installs the browser).
browser-test:
	scripts/install-deps.sh browser
	cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGLYPHORA_SANITIZE=ON -DGLYPHORA_BENCH=OFF
	cmake --build build/test -j $(JOBS) --target browser_check
	build/test/tests/browser_check --keep build/test/browser-check

# Every reader under libFuzzer for FUZZ_SECONDS each (60 by default), two at a time at the
# lowest priority; scripts/run-fuzzers.sh says what it found.
FUZZ_SECONDS ?= 60
fuzz:
	scripts/install-deps.sh fuzz
	cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DCMAKE_CXX_COMPILER=clang++ -DGLYPHORA_FUZZ=ON
	cmake --build build/fuzz -j $(JOBS)
	FUZZ_SECONDS=$(FUZZ_SECONDS) scripts/run-fuzzers.sh build/fuzz

# A random session of 10 000 commands through the sanitizer build's glyphora-cli, every save
# reopened and compared; SEED chooses another session (the one run is printed).
SEED ?= 15
load-test:
	scripts/install-deps.sh
	cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGLYPHORA_SANITIZE=ON -DGLYPHORA_BENCH=OFF
	cmake --build build/test -j $(JOBS) --target glyphora-cli
	scripts/load-test.py --seed $(SEED) --cli build/test/glyphora-cli

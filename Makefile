# The commands of the README: `make run`, `make test`, `make bench`, `make browser-test` and
# `make install PREFIX=...`.
.PHONY: build run test bench browser-test install

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

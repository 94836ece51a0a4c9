# The commands of the README: `make run`, `make test` and `make bench`.
.PHONY: build run test bench

JOBS ?= $(shell nproc)

build:
	scripts/install-deps.sh
	cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DGLYPHORA_TESTS=OFF
	cmake --build build/release -j $(JOBS)

run: build
	build/release/glyphora

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

# The two commands of the README: `make run` and `make test`.
.PHONY: build run test

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

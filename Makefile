# Wraps the CMake presets. Every target first installs missing packages.
JOBS ?= 2
FUZZ_SECONDS ?= 30

.PHONY: all deps build run test asan tsan bench fuzz format clean

all: build

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake --preset release >/dev/null
	cmake --build --preset release -j $(JOBS)

run: build
	@bash scripts/run.sh

test: build
	ctest --preset release

asan: deps
	cmake --preset asan >/dev/null
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan

tsan: deps
	cmake --preset tsan >/dev/null
	cmake --build --preset tsan -j $(JOBS)
	ctest --preset tsan

bench: build
	build/bin/z3bench

fuzz: deps
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz -j $(JOBS) --target fuzz_all
	@bash scripts/run-fuzzers.sh build-fuzz/bin $(FUZZ_SECONDS)

format:
	git ls-files -co --exclude-standard '*.cpp' '*.h' '*.cc' | xargs -r clang-format -i

clean:
	rm -rf build build-debug build-asan build-tsan build-fuzz

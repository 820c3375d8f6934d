# Entry points on a fresh Debian 12 machine:
#   make run    installs what is missing, builds and runs the program
#   make test   installs what is missing, builds and runs every test
PRESET ?= release
FUZZ_SECONDS ?= 60

.PHONY: all deps build test run sanitize fuzz bench format clean

all: build

deps:
	./scripts/install-deps

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET)

test: build
	ctest --preset $(PRESET)

run: build
	./scripts/demo build/$(PRESET)

sanitize: deps
	cmake --preset sanitize
	cmake --build --preset sanitize
	ctest --preset sanitize

fuzz: deps
	./scripts/run-fuzzers $(FUZZ_SECONDS)

bench: build
	build/$(PRESET)/bench/alacrity-bench

clean:
	rm -rf build

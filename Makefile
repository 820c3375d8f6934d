# Entry points on a fresh Debian 12 machine:
#   make run    installs what is missing, builds and runs the program
#               (keys 1-4 stand in for the response box)
#   make demo   a headless test with a simulated subject
#   make test   installs what is missing, builds and runs every test
PRESET ?= release
FUZZ_SECONDS ?= 60

.PHONY: all deps build test run demo screenshots sanitize tsan fuzz bench format clean

all: build

deps:
	./scripts/install-deps

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET)

test: build
	ctest --preset $(PRESET)

run: build
	build/$(PRESET)/src/app/alacrity --keyboard-box

demo: build
	./scripts/demo build/$(PRESET)

# The program's screens as PNGs, taken on a virtual screen.
screenshots: build
	./scripts/app-screenshots build/$(PRESET) screenshots

sanitize: deps
	cmake --preset sanitize
	cmake --build --preset sanitize
	ctest --preset sanitize

# The tests of the layers with threads (the device link's readers and the
# engine words they share with the user-interface thread) under
# ThreadSanitizer.
tsan: deps
	cmake --preset tsan
	cmake --build --preset tsan
	ctest --preset tsan -L '^(link|engine)$$'

fuzz: deps
	./scripts/run-fuzzers $(FUZZ_SECONDS)

bench: build
	build/$(PRESET)/bench/alacrity-bench
	build/$(PRESET)/bench/alacrity-app-bench

clean:
	rm -rf build

# SPDX-FileCopyrightText: 2026 The alacrity authors
# SPDX-License-Identifier: GPL-3.0-or-later

# Entry points on a fresh Debian 12 machine:
#   make run    installs what is missing, builds and runs the program
#               (keys 1-4 stand in for the response box)
#   make demo   a headless test with a simulated subject
#   make test   installs what is missing, builds and runs every test
#   make package  the Debian package, build/$(PRESET)/alacrity_<version>_<arch>.deb
PRESET ?= release
FUZZ_SECONDS ?= 60

.PHONY: all deps build test package run demo screenshots sanitize tsan noregister fuzz bench format clean

all: build

deps:
	./scripts/install-deps

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET)

test: build
	ctest --preset $(PRESET)

# The Debian package from CPack (cmake/Packaging.cmake), made from the
# install rules of the build: builds nothing that is up to date.
package: build
	cmake --build --preset $(PRESET) --target package

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
# ThreadSanitizer for the code that runs on reader threads: only the link,
# USB (emulated converter) and engine tests are built and run.
TSAN_TESTS = usb_link_test libftdi_driver_test keyboard_box_test serial_link_test \
	serial_devices_test link_front_test box_simulator_test simulated_run_test usb_box_test \
	engine_test schedule_test run_finish_test figure_geometry_test simulated_subject_test \
	run_controller_test timing_record_test journal_keeper_test
tsan: deps
	cmake --preset tsan
	cmake --build --preset tsan --target $(TSAN_TESTS)
	ctest --preset tsan -L '^(link|usb|engine)$$'

# The program built without the subject register: its own subject dialog
# and the data directory; the window tests of that build.
noregister: deps
	cmake --preset noregister
	cmake --build --preset noregister --target alacrity_app_tests
	ctest --preset noregister -L app

fuzz: deps
	./scripts/run-fuzzers $(FUZZ_SECONDS)

bench: build
	build/$(PRESET)/bench/alacrity-bench
	build/$(PRESET)/bench/alacrity-app-bench
	if [ -x build/$(PRESET)/bench/alacrity-usb-bench ]; then build/$(PRESET)/bench/alacrity-usb-bench; fi

clean:
	rm -rf build

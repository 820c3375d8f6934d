# SPDX-FileCopyrightText: 2026 The alacrity authors
# SPDX-License-Identifier: GPL-3.0-or-later

# Entry points on a fresh Debian 12 machine:
#   make run    installs what is missing, builds and runs the program
#               (keys 1-4 stand in for the response box)
#   make demo   a headless test with a simulated subject
#   make test   installs what is missing, builds and runs every test
#   make package  the Debian package, build/$(PRESET)/alacrity_<version>_<arch>.deb
#   make firmware the response box firmware, build/$(PRESET)/firmware/alacrity-box.hex
#   make flash PORT=/dev/ttyUSB0  flashes it onto an Arduino-class board
PRESET ?= release
FUZZ_SECONDS ?= 60
# The board's bootloader speed: 115200 for Optiboot (Uno, current Nanos),
# 57600 for a Nano with the old bootloader.
FLASH_BAUD ?= 115200

.PHONY: all deps build test package run demo screenshots sanitize tsan noregister fuzz bench format clean \
	firmware flash

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

firmware: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET) --target firmware

# Flashes through the board's bootloader (avrdude is not needed for anything
# else, so it is not among the packages install-deps brings).
flash: firmware
	@if [ -z "$(PORT)" ]; then echo "make flash PORT=/dev/ttyUSB0 (or /dev/ttyACM0)"; exit 2; fi
	@command -v avrdude >/dev/null || { echo "make flash needs avrdude: apt-get install avrdude"; exit 2; }
	avrdude -p atmega328p -c arduino -P $(PORT) -b $(FLASH_BAUD) -D \
		-U flash:w:build/$(PRESET)/firmware/alacrity-box.hex:i

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

# The window's figures on the three platforms: offscreen (the display tells
# nothing of its frames), an X server of its own and a headless Weston (onset
# to presented frame, and the share of stimuli that missed a frame).
bench: build
	build/$(PRESET)/bench/alacrity-bench
	build/$(PRESET)/bench/alacrity-app-bench
	xvfb-run -a -s "-screen 0 1920x1080x24" env QT_QPA_PLATFORM=xcb DBUS_SESSION_BUS_ADDRESS=disabled: \
	  build/$(PRESET)/bench/alacrity-app-bench 60 1 1
	scripts/with-weston build/$(PRESET)/bench/alacrity-app-bench 60 1 1
	if [ -x build/$(PRESET)/bench/alacrity-usb-bench ]; then build/$(PRESET)/bench/alacrity-usb-bench; fi

clean:
	rm -rf build

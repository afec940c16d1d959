# Quick start: `make run` opens the window, `make test` runs the whole suite.
PRESET ?= dev
BUILD_DIR := build/$(PRESET)

.PHONY: all deps configure build run test bench asan package format clean

all: build

deps:
	@bash tools/install-deps.sh

$(BUILD_DIR)/build.ninja:
	cmake --preset $(PRESET)

configure: deps $(BUILD_DIR)/build.ninja

build: configure
	cmake --build --preset $(PRESET)

run: build
	$(BUILD_DIR)/wave-synthesis

test: build
	ctest --preset $(PRESET) --output-on-failure

bench: deps
	cmake --preset release
	cmake --build --preset release --target wave_bench
	build/release/bench/wave_bench

asan:
	$(MAKE) test PRESET=asan

# A .deb from the release build: sudo apt install ./build/release/wave-synthesis_*.deb
package: deps
	cmake --preset release
	cmake --build --preset release --target wave-synthesis
	cd build/release && cpack -G DEB

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build

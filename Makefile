# SPDX-License-Identifier: MIT
# Quick start: `make run` opens the window, `make test` runs the whole suite,
# `make serve` builds the browser version and serves it on 127.0.0.1.
PRESET ?= dev
BUILD_DIR := build/$(PRESET)

.PHONY: all deps configure build run web serve test bench measure measure-web asan package format clean

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

# The browser version: emscripten builds it into build/web-obj, the site goes
# to build/web. Debian's emscripten serves everyone from its own read-only
# cache of prebuilt libraries; EM_CACHE in the environment still wins.
WEB_BUILD_DIR := build/web-obj
WEB_ENV := NODE_PATH=/usr/share/nodejs
PORT ?= 8000

$(WEB_BUILD_DIR)/build.ninja:
	$(WEB_ENV) cmake --preset web

web: deps $(WEB_BUILD_DIR)/build.ninja
	$(WEB_ENV) cmake --build --preset web

serve: web
	@echo "The browser version: http://127.0.0.1:$(PORT)/ (Ctrl+C stops the server)"
	python3 -m http.server --bind 127.0.0.1 --directory build/web $(PORT)

test: build web
	ctest --preset $(PRESET) --output-on-failure

# Repeated and interleaved, so a busy moment on a shared machine falls on
# every benchmark alike; the goals are printed as ratios at the end.
BENCH_FLAGS ?= --benchmark_repetitions=5 --benchmark_min_time=0.2 --benchmark_enable_random_interleaving=true \
	--benchmark_report_aggregates_only=true
bench: deps
	cmake --preset release
	cmake --build --preset release --target wave_bench
	build/release/bench/wave_bench $(BENCH_FLAGS)

# Start-up time and peak memory against a bare Qt window, under Xvfb.
measure: deps
	cmake --preset release
	cmake --build --preset release --target wave-synthesis bare_window first_frame
	bash tools/measure-startup.sh 31

# The web build's figures through Debian's Chromium, the desktop's press beside them.
measure-web: web
	cmake --preset release
	cmake --build --preset release --target wave_bench
	DESKTOP_BENCH=build/release/bench/wave_bench node tools/measure-web.mjs

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

# Entry points: `make run` starts Tarnwick, `make test` runs every test.
PRESET ?= dev
BUILD_DIR = build/$(PRESET)
JOBS ?= $(shell nproc)

.PHONY: all deps configure build test run bench asan fuzz package demo footprint translations clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake --preset $(PRESET) > /dev/null

build: configure
	@cmake --build --preset $(PRESET) -j $(JOBS)

# Seconds each fuzz target runs: a few within `make test`, ten minutes with `make fuzz`.
FUZZ_SMOKE_SECONDS ?= 5
FUZZ_SECONDS ?= 600

# One ctest slot more than the cores: the real-desktop tests spend minutes waiting on a schedule.
test: build
	@ctest --preset $(PRESET) -j $$(( $(JOBS) + 1 ))
	@JOBS=$(JOBS) scripts/fuzz $(FUZZ_SMOKE_SECONDS)

fuzz: deps
	@JOBS=$(JOBS) scripts/fuzz $(FUZZ_SECONDS)

# After texts change: new texts into translations/*.ts, unfinished until translated.
translations: deps
	@scripts/update-translations

run: build
	@if [ -x $(BUILD_DIR)/tarnwick ]; then exec $(BUILD_DIR)/tarnwick; \
	else echo "Built the libraries and tests; the tarnwick program is not part of this build yet."; fi

bench: deps
	@cmake --preset release > /dev/null
	@cmake --build --preset release -j $(JOBS)
	@for b in build/release/bench/*/*_bench; do echo "== $$b"; \
		case $$b in */platform/*|*/ui/*) scripts/with-desktop "$$b" || exit 1;; \
		*) "$$b" --benchmark_min_time=0.2 || exit 1;; esac; done

# The Debian package, from the optimised build, checked with lintian and the desktop validators.
package: deps
	@cmake --preset release > /dev/null
	@cmake --build --preset release -j $(JOBS)
	@cd build/release && cpack --config CPackConfig.cmake > /dev/null
	@scripts/check-package build/release/package/tarnwick_*.deb

# Tarnwick on the virtual desktop through one break; its pictures go to docs/screenshots.
DEMO_DIR ?= docs/screenshots
demo: build
	@WITH_DESKTOP_SIZE=1920x1080 scripts/with-desktop scripts/demo $(BUILD_DIR)/tarnwick $(DEMO_DIR)

# Tarnwick's footprint beside the other break reminders Debian packages (FOOTPRINT_ARGS=--quick to try it).
footprint: deps
	@cmake --preset release > /dev/null
	@cmake --build --preset release -j $(JOBS)
	@bench/footprint/footprint $(FOOTPRINT_ARGS)

asan:
	@$(MAKE) --no-print-directory test PRESET=asan

clean:
	rm -rf build

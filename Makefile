# Thin wrapper over CMake. "make run" starts the phone simulator, "make test" builds and runs
# the tests, "make bench" the benchmarks, "make install PREFIX=DIR" installs the SDK (the
# toolkit, the host library, the simulator, find_package and pkg-config files) into DIR.
# Each installs the Debian packages it lacks first.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
PREFIX ?= /opt/phonewidgets

.PHONY: all deps configure build run test bench install clean

all: build

deps:
	@./tools/install-deps

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

configure: deps $(BUILD)/CMakeCache.txt

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./tools/run-simulator $(BUILD) $(ARGS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: configure
	cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	@for b in $(BUILD)/bin/bench_*; do echo "== $$b"; QT_QPA_PLATFORM=offscreen QT_FONT_DPI=72 $$b || exit 1; done

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

clean:
	rm -rf $(BUILD)

# Thin wrapper over CMake. "make run" starts the phone simulator, "make test" builds and runs
# the tests, "make bench" the benchmarks. Each installs the Debian packages it lacks first.
# "make armhf" cross-builds for the phone's 32-bit ARM, "make test-armhf" runs the suites
# under qemu-arm-static, each fenced into its own PID namespace (tools/armhf-run).
BUILD ?= build
ARMHF_BUILD ?= build-armhf
ARMHF_SYSROOT ?= $(ARMHF_BUILD)-sysroot
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test bench clean armhf test-armhf

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

armhf:
	@./tools/install-deps armhf
	./tools/armhf-sysroot $(ARMHF_SYSROOT)
	cmake -S . -B $(ARMHF_BUILD) -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/toolchain-armhf.cmake \
	  -DPHONE_ARMHF_SYSROOT=$(abspath $(ARMHF_SYSROOT)) $(CMAKE_FLAGS)
	cmake --build $(ARMHF_BUILD) -j $(JOBS)

test-armhf: armhf
	cd $(ARMHF_BUILD) && ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD) $(ARMHF_BUILD)

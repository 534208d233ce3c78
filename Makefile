# Thin wrapper over CMake. "make run" starts the phone simulator, "make test" builds and runs
# the tests, "make bench" the benchmarks, "make pictures" renders the documentation's
# pictures, "make fuzz" runs the fuzz targets for FUZZ_SECONDS each, "make install PREFIX=DIR"
# installs the SDK (the toolkit, the host library, the simulator, find_package and pkg-config
# files) into DIR. Each installs the Debian packages it lacks first.
# "make armhf" cross-builds for the phone's 32-bit ARM, "make test-armhf" runs the suites
# under qemu-arm-static, each fenced into its own PID namespace (tools/armhf-run).
BUILD ?= build
ARMHF_BUILD ?= build-armhf
ARMHF_SYSROOT ?= $(ARMHF_BUILD)-sysroot
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
PREFIX ?= /opt/phonewidgets
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 300

.PHONY: all deps configure build run test references bench pictures fuzz install clean armhf test-armhf

all: build

deps:
	@./tools/install-deps

$(BUILD)/CMakeCache.txt:
	@echo "configure: $(BUILD)"
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null

configure: deps $(BUILD)/CMakeCache.txt

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# Only what the simulator needs (phonesim, the page, the pictures), quietly: the compiler's
# lines go to a log that is shown when the build fails.
run: configure
	@echo "build: phonesim, the time-zone page and the pictures (log: $(BUILD)/run-build.log)"
	@cmake --build $(BUILD) -j $(JOBS) --target phonesim >$(BUILD)/run-build.log 2>&1 \
	  || { tail -n 30 $(BUILD)/run-build.log; echo "build failed: see $(BUILD)/run-build.log"; exit 1; }
	@echo "run: phonesim (make run ARGS=--help lists its options)"
	@./tools/run-simulator $(BUILD) $(ARGS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# After an intended change of what is drawn: the suites write their renders as the new
# reference pictures (tests/ref/); review them with git diff before committing.
references: build
	cd $(BUILD) && PHONE_UPDATE_REFERENCES=1 ctest -j $(JOBS) -E 'sim|guard|fence'

# A table of the results; the toolkit's debug lines stay off.
bench: configure
	@echo "build: the benchmarks (log: $(BUILD)/bench-build.log)"
	@cmake --build $(BUILD) -j $(JOBS) --target benchmarks >$(BUILD)/bench-build.log 2>&1 \
	  || { tail -n 30 $(BUILD)/bench-build.log; echo "build failed: see $(BUILD)/bench-build.log"; exit 1; }
	@printf '%-10s %-34s %-36s %14s  %s\n' benchmark function case value unit
	@for b in $(BUILD)/bin/bench_*; do \
	  out=$$(QT_QPA_PLATFORM=offscreen QT_FONT_DPI=72 QT_LOGGING_RULES='*.debug=false' $$b -csv 2>/dev/null) \
	    || { echo "$$b failed:"; QT_QPA_PLATFORM=offscreen QT_FONT_DPI=72 QT_LOGGING_RULES='*.debug=false' $$b | grep -A3 FAIL; exit 1; }; \
	  printf '%s\n' "$$out" | sed -nE 's/^"([^"]*)","([^"]*)","([^"]*)",([^,]*),.*/\1\t\2\t\4\t\3/p' \
	    | sed -e 's/WalltimeMilliseconds/ms/' \
	    | awk -F'\t' -v b="$${b##*/bench_}" '{ printf "%-10s %-34s %-36s %14.4g  %s\n", b, $$1, $$2, $$3, $$4 }'; \
	done

pictures: configure
	cmake --build $(BUILD) -j $(JOBS) --target pictures

armhf:
	@./tools/install-deps armhf
	./tools/armhf-sysroot $(ARMHF_SYSROOT)
	cmake -S . -B $(ARMHF_BUILD) -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/toolchain-armhf.cmake \
	  -DPHONE_ARMHF_SYSROOT=$(abspath $(ARMHF_SYSROOT)) $(CMAKE_FLAGS)
	cmake --build $(ARMHF_BUILD) -j $(JOBS)

test-armhf: armhf
	cd $(ARMHF_BUILD) && ctest --output-on-failure -j $(JOBS)

fuzz: deps
	cmake -S tests/fuzz -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	./tests/fuzz/run $(FUZZ_BUILD) $(FUZZ_SECONDS)

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

clean:
	rm -rf $(BUILD) $(ARMHF_BUILD) $(FUZZ_BUILD)

# Thin wrapper over CMake. "make run" starts the phone simulator, "make test" builds and runs
# the tests, "make bench" and "make bench-ir" the benchmarks, "make pictures" renders the
# documentation's pictures, "make fuzz" runs the fuzz targets for FUZZ_SECONDS each,
# "make install PREFIX=DIR" installs the SDK (the toolkit, the host library, the simulator,
# find_package and pkg-config files) into DIR. Each installs the Debian packages it lacks first.
# "make armhf" cross-builds for the phone's 32-bit ARM, "make test-armhf" runs the suites
# under qemu-arm-static, each fenced into its own PID namespace (tools/armhf-run).
# "make test-qt4 QT4_SDK=DIR" builds against the phone's Qt, a Qt 4.8 embedded SDK installed
# in DIR, and runs the suites there; "make fuzz-qt4 QT4_SDK=DIR" fuzzes against its QSettings.
BUILD ?= build
QT4_BUILD ?= build-qt4
QT4_SDK ?=
ARMHF_BUILD ?= build-armhf
ARMHF_SYSROOT ?= $(ARMHF_BUILD)-sysroot
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
PREFIX ?= /opt/phonewidgets
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 300

.PHONY: all deps configure build run test test-qt4 test-qt4-sdk-check fuzz-qt4 references bench bench-ir bench-qt4 bench-ir-qt4 bench-qt4-build bench-detail render-check pictures fuzz install clean armhf test-armhf

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
	@grep -h "^tst_[a-z_]*: SKIP:" $(BUILD)/Testing/Temporary/LastTest.log || true

# The suites against a Qt 4.8 embedded SDK (QWS): each suite is its own window server on an
# in-memory screen. Qt 4 has no theme painter, so the host's pictures come from the Qt 5 build.
test-qt4-sdk-check:
	@if [ -z "$(QT4_SDK)" ] || ! "$(QT4_SDK)/bin/qmake" -query QT_VERSION 2>/dev/null | grep -q '^4\.8'; then \
	  echo "no Qt 4.8 SDK: give the prefix of one, e.g. make test-qt4 QT4_SDK=/opt/qt4 (it needs bin/qmake)"; \
	  exit 1; fi

test-qt4: configure
	@$(MAKE) -s test-qt4-sdk-check
	cmake --build $(BUILD) -j $(JOBS) --target phonetheme_rcc
	cmake -S . -B $(QT4_BUILD) -DPHONE_QT=4 -DQT_QMAKE_EXECUTABLE=$(abspath $(QT4_SDK))/bin/qmake \
	  -DPHONE_THEME_RCC=$(CURDIR)/$(BUILD)/theme/phonetheme.rcc $(CMAKE_FLAGS)
	cmake --build $(QT4_BUILD) -j $(JOBS)
	cd $(QT4_BUILD) && ctest --output-on-failure -j $(JOBS)

# After an intended change of what is drawn: the suites write their renders as the new
# reference pictures (tests/ref/); review them with git diff before committing.
references: build
	cd $(BUILD) && PHONE_UPDATE_REFERENCES=1 ctest -j $(JOBS) -E 'sim|guard|fence'

# Ours against stock Qt, side by side: wall time (bench), or instructions counted by callgrind
# only around each operation (bench-ir); ARGS="popup page" picks groups. bench-ir runs on the
# phone's Qt too when a Qt 4.8 SDK is given (QT4_SDK=DIR) or sits at /opt/qt4-qws: the same
# table from bench_compare as its own window server on a 16-bit 384x160 screen, with Qt 4's
# widgets as anchors (bench-qt4 and bench-ir-qt4 run that half alone). Callgrind's dumps,
# one per measured operation, stay in $(BUILD)/ir and $(QT4_BUILD)/ir.
BENCH_BUILD = @echo "build: the benchmarks (log: $(BUILD)/bench-build.log)"; \
	cmake --build $(BUILD) -j $(JOBS) --target benchmarks >$(BUILD)/bench-build.log 2>&1 \
	  || { tail -n 30 $(BUILD)/bench-build.log; echo "build failed: see $(BUILD)/bench-build.log"; exit 1; }
BENCH_QT4_SDK = $(or $(QT4_SDK),$(if $(wildcard /opt/qt4-qws/bin/qmake),/opt/qt4-qws))
BENCH_IR = valgrind --tool=callgrind -q --collect-atstart=no

bench: configure
	$(BENCH_BUILD)
	@$(BUILD)/bin/bench_compare $(ARGS)

bench-ir: configure
	$(BENCH_BUILD)
	@rm -rf $(BUILD)/ir && mkdir -p $(BUILD)/ir
	@BENCH_IR_OUT=$(CURDIR)/$(BUILD)/ir/cg.out $(BENCH_IR) \
		--callgrind-out-file=$(CURDIR)/$(BUILD)/ir/cg.out $(BUILD)/bin/bench_compare $(ARGS)
	@if [ -n "$(BENCH_QT4_SDK)" ]; then $(MAKE) -s bench-ir-qt4 QT4_SDK=$(BENCH_QT4_SDK); \
	else echo "no Qt 4.8 SDK (QT4_SDK=DIR): the run on the phone's Qt is left out"; fi

# bench_compare against the Qt 4.8 SDK, in the Qt 4 suites' build directory.
bench-qt4-build: configure
	@$(MAKE) -s test-qt4-sdk-check QT4_SDK=$(BENCH_QT4_SDK)
	@echo "build: the benchmark on Qt 4 (log: $(QT4_BUILD)/bench-build.log)"
	@mkdir -p $(QT4_BUILD)
	@{ cmake --build $(BUILD) -j $(JOBS) --target phonetheme_rcc \
	  && cmake -S . -B $(QT4_BUILD) -DPHONE_QT=4 -DQT_QMAKE_EXECUTABLE=$(abspath $(BENCH_QT4_SDK))/bin/qmake \
	       -DPHONE_THEME_RCC=$(CURDIR)/$(BUILD)/theme/phonetheme.rcc $(CMAKE_FLAGS) \
	  && cmake --build $(QT4_BUILD) -j $(JOBS) --target benchmarks; } >$(QT4_BUILD)/bench-build.log 2>&1 \
	  || { tail -n 30 $(QT4_BUILD)/bench-build.log; echo "build failed: see $(QT4_BUILD)/bench-build.log"; exit 1; }

bench-qt4: bench-qt4-build
	@$(QT4_BUILD)/bin/bench_compare $(ARGS)

bench-ir-qt4: bench-qt4-build
	@rm -rf $(QT4_BUILD)/ir && mkdir -p $(QT4_BUILD)/ir
	@BENCH_IR_OUT=$(CURDIR)/$(QT4_BUILD)/ir/cg.out $(BENCH_IR) \
		--callgrind-out-file=$(CURDIR)/$(QT4_BUILD)/ir/cg.out $(QT4_BUILD)/bin/bench_compare $(ARGS)

# The other QBENCHMARK programs, as a table; the toolkit's debug lines stay off.
bench-detail: configure
	$(BENCH_BUILD)
	@printf '%-10s %-34s %-36s %14s  %s\n' benchmark function case value unit
	@for b in $(BUILD)/bin/bench_*; do case $$b in *compare|*hello) continue;; esac; \
	  out=$$(QT_QPA_PLATFORM=offscreen QT_FONT_DPI=72 QT_LOGGING_RULES='*.debug=false' $$b -csv 2>/dev/null) \
	    || { echo "$$b failed:"; QT_QPA_PLATFORM=offscreen QT_FONT_DPI=72 QT_LOGGING_RULES='*.debug=false' $$b | grep -A3 FAIL; exit 1; }; \
	  printf '%s\n' "$$out" | sed -nE 's/^"([^"]*)","([^"]*)","([^"]*)",([^,]*),.*/\1\t\2\t\4\t\3/p' \
	    | sed -e 's/WalltimeMilliseconds/ms/' \
	    | awk -F'\t' -v b="$${b##*/bench_}" '{ printf "%-10s %-34s %-36s %14.4g  %s\n", b, $$1, $$2, $$3, $$4 }'; \
	done

# Every page, popup, row and status-bar state rendered and compared byte for byte with the
# renders kept by the first run (delete $(BUILD)/render/base to take new ones). The status
# bar's clock is masked.
render-check: configure
	cmake --build $(BUILD) -j $(JOBS) --target render_dump phonegallery phonetheme_rcc
	@rm -rf $(BUILD)/render/now
	@$(BUILD)/bin/render_dump $(BUILD)/render/now
	@QT_QPA_PLATFORM=offscreen QT_FONT_DPI=72 $(BUILD)/bin/phonegallery $(BUILD)/theme/phonetheme.rcc \
		$(BUILD)/render/now/gallery > /dev/null 2>&1
	@# The gallery's two line-edit pictures hold a live editor whose cursor blinks.
	@if [ -d $(BUILD)/render/base ]; then diff -r -x lineedit.png -x checklineedit.png \
		$(BUILD)/render/base $(BUILD)/render/now \
		&& echo "render-check: $$(find $(BUILD)/render/now -name '*.png' | wc -l) pictures identical"; \
	else cp -r $(BUILD)/render/now $(BUILD)/render/base \
		&& echo "render-check: base of $$(find $(BUILD)/render/base -name '*.png' | wc -l) pictures stored"; fi

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

# The fuzz targets against a Qt 4.8 SDK's QSettings (QT4_SDK=DIR as for test-qt4); Qt 4
# leaves a few bytes of its own at exit, so leaks are not looked for.
fuzz-qt4: deps
	@$(MAKE) -s test-qt4-sdk-check
	cmake -S tests/fuzz -B $(FUZZ_BUILD)-qt4 -DCMAKE_CXX_COMPILER=clang++ -DPHONE_QT=4 \
	  -DQT_QMAKE_EXECUTABLE=$(abspath $(QT4_SDK))/bin/qmake
	cmake --build $(FUZZ_BUILD)-qt4 -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=0 ./tests/fuzz/run $(FUZZ_BUILD)-qt4 $(FUZZ_SECONDS)

# Builds only what is installed (the "sdk" target of cmake/PhoneInstall.cmake), not the suites.
# Configured again first: a build directory made before that target existed does not know it.
install: configure
	@cmake -S . -B $(BUILD) >/dev/null
	cmake --build $(BUILD) -j $(JOBS) --target sdk
	cmake --install $(BUILD) --prefix $(PREFIX)

clean:
	rm -rf $(BUILD) $(ARMHF_BUILD) $(FUZZ_BUILD) $(FUZZ_BUILD)-qt4 $(QT4_BUILD)

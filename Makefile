# Thin wrapper over CMake. "make run" starts the phone simulator, "make test" builds and runs
# the tests, "make bench" and "make bench-ir" the benchmarks. Each installs the Debian packages it lacks first.
BUILD ?= build
MAKEFLAGS += --no-print-directory
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test bench bench-ir bench-detail render-check clean

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

# Ours against stock Qt, side by side: wall time, then instructions under callgrind (counted
# only around each operation); ARGS="popup page" picks groups. bench-detail runs the other QBENCHMARK programs.
bench: configure
	cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	@$(BUILD)/bin/bench_compare $(ARGS)

bench-ir: configure
	cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	@rm -rf $(BUILD)/ir && mkdir -p $(BUILD)/ir
	@BENCH_IR_OUT=$(CURDIR)/$(BUILD)/ir/cg.out valgrind --tool=callgrind -q --collect-atstart=no \
		--callgrind-out-file=$(CURDIR)/$(BUILD)/ir/cg.out $(BUILD)/bin/bench_compare $(ARGS)

bench-detail: configure
	cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	@for b in $(BUILD)/bin/bench_*; do case $$b in *compare|*hello) continue;; esac; \
		echo "== $$b"; QT_QPA_PLATFORM=offscreen QT_FONT_DPI=72 $$b || exit 1; done

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

clean:
	rm -rf $(BUILD)

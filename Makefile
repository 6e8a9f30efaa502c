# The two commands of the README: `make run` and `make test`.
# QT=6 builds and tests with Qt 6 instead of Qt 5.15, in a folder of its own.
QT ?= 5
ifeq ($(QT),6)
BUILD ?= build-qt6
override CMAKE_FLAGS += -DWALLTEST_QT=6
else ifeq ($(QT),5)
BUILD ?= build
else
$(error QT is $(QT); it must be 5 or 6)
endif
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
# Builds of other checkouts on the same machine (CI's fresh clone included)
# share their compiled objects through ccache.
CCACHE := $(shell command -v ccache 2>/dev/null)
ifneq ($(CCACHE),)
override CMAKE_FLAGS += -DCMAKE_CXX_COMPILER_LAUNCHER=$(CCACHE)
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1
endif

.PHONY: run test deps build package bench bench-live gallery soak test-sanitize fuzz-build fuzz fuzz-ci clean

deps:
	@bash scripts/install-deps.sh

$(BUILD)/Makefile: CMakeLists.txt
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: deps $(BUILD)/Makefile
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/walltest

test: build
	cd $(BUILD) && ctest --output-on-failure -j 1

# The Debian package, $(BUILD)/walltest_VERSION_ARCH.deb.
package: build
	cd $(BUILD) && cpack -G DEB

bench: build
	bash scripts/bench.sh $(BUILD)

bench-live: build
	bash scripts/bench_live.sh $(BUILD)

gallery: build
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/walltest_gallery $(CURDIR)/$(BUILD)/gallery
	@echo "gallery written to $(BUILD)/gallery/"

soak: build
	bash scripts/soak.sh ./$(BUILD)/walltest $${SOAK_SECONDS:-600}

test-sanitize: deps
	cmake -S . -B build-sanitize -DWALLTEST_SANITIZE=ON -DWALLTEST_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug $(CMAKE_FLAGS)
	cmake --build build-sanitize -j $(JOBS)
	cd build-sanitize && ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j 1 -LE e2e

# The fuzz targets of tests/fuzz/, built with clang under the sanitizers.
# `make fuzz` runs each for FUZZ_SECONDS; what it learns goes to
# build-fuzz/corpus/NAME/, a crash, leak or hang to build-fuzz/finds/.
# `make fuzz-ci` runs each for a fixed number of inputs from a fixed seed,
# about 30 s, so that it fails only on a fault, never by chance.
FUZZ_SECONDS ?= 60
FUZZ_TARGETS = $(patsubst tests/fuzz/fuzz_%.cpp,%,$(wildcard tests/fuzz/fuzz_*.cpp))
FUZZ_RUNS_patternname = 200000
FUZZ_RUNS_profile = 10000
FUZZ_RUNS_remote = 200000
FUZZ_RUNS_picture = 20000
FUZZ_RUNS_wallgroup = 600000
# Over 2 s for one input is a hang. Leaks are looked for once, at the end of
# the run: a search after every input would take twenty times the inputs'
# own time. The memory the toolkit keeps for good (fonts, plugins) is no leak.
FUZZ_FLAGS = -timeout=2 -rss_limit_mb=2048 -detect_leaks=0
FUZZ_ENV = QT_QPA_PLATFORM=offscreen LSAN_OPTIONS=suppressions=$(CURDIR)/tests/fuzz/lsan.supp:print_suppressions=0

fuzz-build: deps
	cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DWALLTEST_FUZZ=ON -DWALLTEST_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build build-fuzz -j $(JOBS) --target fuzz_targets

fuzz: fuzz-build
	@mkdir -p build-fuzz/finds
	@$(foreach name,$(FUZZ_TARGETS),echo "fuzz_$(name): $(FUZZ_SECONDS) s" && mkdir -p build-fuzz/corpus/$(name) && \
	    $(FUZZ_ENV) ./build-fuzz/fuzz_$(name) $(FUZZ_FLAGS) -max_total_time=$(FUZZ_SECONDS) \
	        -artifact_prefix=build-fuzz/finds/$(name)- build-fuzz/corpus/$(name) tests/fuzz/corpus/$(name) && ) true

# New inputs go to a folder emptied first, so every run starts alike.
fuzz-ci: fuzz-build
	@mkdir -p build-fuzz/finds
	@$(foreach name,$(FUZZ_TARGETS),echo "fuzz_$(name): $(or $(FUZZ_RUNS_$(name)),10000) inputs" && \
	    rm -rf build-fuzz/ci-corpus/$(name) && mkdir -p build-fuzz/ci-corpus/$(name) && \
	    $(FUZZ_ENV) ./build-fuzz/fuzz_$(name) $(FUZZ_FLAGS) -seed=1 -runs=$(or $(FUZZ_RUNS_$(name)),10000) \
	        -artifact_prefix=build-fuzz/finds/$(name)- build-fuzz/ci-corpus/$(name) tests/fuzz/corpus/$(name) && ) true

clean:
	rm -rf $(BUILD) build-sanitize build-fuzz

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

.PHONY: run test deps build package bench bench-live gallery soak test-sanitize clean

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

clean:
	rm -rf $(BUILD) build-sanitize

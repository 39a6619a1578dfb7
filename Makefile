# make test  installs what is missing, builds both builds, runs every test
# make run   installs, builds, starts Quintel in the project's Wine prefix
# make bench runs the benchmarks (not part of make test)
# make dist  builds the setup program, the MSI package and the portable zip into build/win/dist
# make fuzz  runs each fuzz target for FUZZ_SECONDS (60) seconds

BUILD   ?= build
HOST    := $(BUILD)/host
WIN     := $(BUILD)/win
FUZZ    := $(BUILD)/fuzz
BENCH   := $(BUILD)/bench
RUNTIME := $(BUILD)/runtime
# make fuzz FUZZ_SECONDS=600 fuzzes each target longer.
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := SettingsFile PingFile TipLines DottedAddress CommandLine RegistryWriter RegFile
JOBS    ?= $(shell nproc)
# make run RUN_ARGS=/show runs a switch instead of the window.
RUN_ARGS ?=

.PHONY: all deps runtime host win test test-host test-wine test-fuzz fuzz-build fuzz run bench dist clean

all: host win

deps:
	@./tools/install-deps.sh

$(HOST)/CMakeCache.txt: | deps
	cmake -S . -B $(HOST) -G Ninja

# A changed toolchain file configures the Windows build afresh: CMake keeps
# the flags it first read in its cache, and a folder configured earlier
# would build other programs than a new one.
WIN_TOOLCHAIN := cmake/mingw-i686.cmake cmake/mingw-i686-common.cmake

$(WIN)/CMakeCache.txt: $(WIN_TOOLCHAIN) | deps runtime
	cmake --fresh -S . -B $(WIN) -G Ninja -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-i686.cmake \
	    -DQUINTEL_RUNTIME=$(abspath $(RUNTIME))/i486

# The C and C++ runtime what ships links, built for the i486 once per
# source version and recipe (a few minutes the first time).
runtime: deps
	@JOBS=$(JOBS) ./tools/runtime/build-runtime.sh $(RUNTIME)

host: deps $(HOST)/CMakeCache.txt
	cmake --build $(HOST) -j $(JOBS)

# The test programs' own build inside it takes JOBS too.
win: deps runtime $(WIN)/CMakeCache.txt
	CMAKE_BUILD_PARALLEL_LEVEL=$(JOBS) cmake --build $(WIN) -j $(JOBS)

test-host: host
	ctest --test-dir $(HOST) --output-on-failure -j $(JOBS)

test-wine: win
	ctest --test-dir $(WIN) --output-on-failure

$(FUZZ)/CMakeCache.txt: | deps
	cmake -S fuzz -B $(FUZZ) -G Ninja -DCMAKE_CXX_COMPILER=clang++

fuzz-build: deps $(FUZZ)/CMakeCache.txt
	cmake --build $(FUZZ) -j $(JOBS)

# A few seconds per fuzz target over its saved corpus (label fuzz).
test-fuzz: fuzz-build
	ctest --test-dir $(FUZZ) -L fuzz --output-on-failure -j $(JOBS)

# Each target for FUZZ_SECONDS; new inputs stay in $(FUZZ)/corpus, a
# crashing one is saved as $(FUZZ)/crash-<target>-*.
fuzz: fuzz-build
	@set -e; for t in $(FUZZ_TARGETS); do \
	    mkdir -p $(FUZZ)/corpus/$$t; \
	    echo "fuzz: $$t for $(FUZZ_SECONDS) s"; \
	    $(FUZZ)/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -timeout=10 -print_final_stats=1 \
	        -artifact_prefix=$(FUZZ)/crash-$$t- $(FUZZ)/corpus/$$t fuzz/corpus/$$t; \
	done

test: test-host test-wine test-fuzz

run: win
	./tools/run-quintel.sh $(WIN)/bin/Quintel.exe $(RUN_ARGS)

# Quintel-<version>-setup.exe and Quintel-<version>.msi (also part of
# `make win`, for their tests) and Quintel-<version>-portable.zip.
dist: win
	cmake --build $(WIN) --target quintel_dist
	@ls -l $(WIN)/dist

# The bench programs link the Windows build's libraries, so it comes first.
$(BENCH)/CMakeCache.txt: $(WIN_TOOLCHAIN) | deps win
	cmake --fresh -S bench -B $(BENCH) -G Ninja -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-i686.cmake \
	    -DQUINTEL_WIN_BUILD=$(abspath $(WIN)) -DQUINTEL_RUNTIME=$(abspath $(RUNTIME))/i486

# Prints the results table and writes it to bench/RESULTS.md (a few minutes).
bench: win $(BENCH)/CMakeCache.txt
	cmake --build $(BENCH) -j $(JOBS)
	./bench/run-bench.sh $(WIN)/bin $(BENCH)

clean:
	rm -rf $(BUILD)

# make test  installs what is missing, builds both builds, runs every test
# make run   installs, builds, starts Quintel in the project's Wine prefix
# make bench runs the benchmarks (not part of make test)
# make dist  builds the setup program and the portable zip into build/win/dist

BUILD   ?= build
HOST    := $(BUILD)/host
WIN     := $(BUILD)/win
JOBS    ?= $(shell nproc)
# make run RUN_ARGS=/show runs a switch instead of the window.
RUN_ARGS ?=

.PHONY: all deps host win test test-host test-wine run bench dist clean

all: host win

deps:
	@./tools/install-deps.sh

$(HOST)/CMakeCache.txt: | deps
	cmake -S . -B $(HOST) -G Ninja

$(WIN)/CMakeCache.txt: | deps
	cmake -S . -B $(WIN) -G Ninja -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-i686.cmake

host: deps $(HOST)/CMakeCache.txt
	cmake --build $(HOST) -j $(JOBS)

win: deps $(WIN)/CMakeCache.txt
	cmake --build $(WIN) -j $(JOBS)

test-host: host
	ctest --test-dir $(HOST) --output-on-failure -j $(JOBS)

test-wine: win
	ctest --test-dir $(WIN) --output-on-failure

test: test-host test-wine

run: win
	./tools/run-quintel.sh $(WIN)/bin/Quintel.exe $(RUN_ARGS)

# Quintel-<version>-setup.exe (also part of `make win`, for its test) and
# Quintel-<version>-portable.zip.
dist: win
	cmake --build $(WIN) --target quintel_dist
	@ls -l $(WIN)/dist

clean:
	rm -rf $(BUILD)

# Thin wrapper over CMake: every goal first installs what it is missing.
#   make test SANITIZE=1   the same tests built with AddressSanitizer and
#                          UndefinedBehaviorSanitizer, in build-asan/
JOBS   ?= $(shell nproc)
# CMake's makefiles call make within make: without this, every step says
# which folder it enters and leaves.
MAKEFLAGS += --no-print-directory
DEPS   := bash scripts/install-deps.sh
BUILD_TYPE := RelWithDebInfo

ifeq ($(SANITIZE),1)
BUILD  ?= build-asan
BUILD_TYPE := Debug
SANITIZER_FLAGS := -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
CONFIG_EXTRA := -DCMAKE_CXX_FLAGS="$(SANITIZER_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZER_FLAGS)"
# The build runs its own tools (manual, icons), so these hold for it too.
export ASAN_OPTIONS := detect_stack_use_after_return=1:strict_init_order=1
# Qt 6.8 asks the desktop portal over D-Bus when a window system starts, and
# with no session bus (as in CI) it keeps the unanswered call to the end: a
# leak that is Qt's. Qt's own switch leaves that question out.
export QT_NO_XDG_DESKTOP_PORTAL := 1
export UBSAN_OPTIONS := print_stacktrace=1
endif
BUILD  ?= build
# Configure's progress lines go to /dev/null below; its warnings, on stderr,
# stay on screen.
CONFIGURE = cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CONFIG_EXTRA)

.PHONY: all build run test bench screenshot package fuzz clean

all: build

build:
	@$(DEPS) build
# A folder already configured keeps its configuration: after `make test` the
# tests stay in it, so `make run` then has nothing to rebuild.
	@[ -f $(BUILD)/CMakeCache.txt ] || $(CONFIGURE) -DBUILD_TESTING=OFF >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD) && ./bin/balance3

test:
	@$(DEPS) test
	@$(CONFIGURE) -DBUILD_TESTING=ON >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench:
	@$(DEPS) bench
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DBALANCE3_BENCH=ON -DBUILD_TESTING=OFF >/dev/null
	@cmake --build build-bench -j $(JOBS)
	build-bench/bin/calc_bench
	build-bench/bin/ui_bench
	python3 bench/startup.py build-bench/bin

# Earlier packages go first, so that ./build/balance3_*.deb names one file.
# CPack gives the package's outer members the modes the umask gives the files
# it writes for them, so the umask is the same for every build.
package: build
	@$(DEPS) package
	@rm -f $(BUILD)/balance3_*.deb
	cd $(BUILD) && umask 022 && cpack

# FUZZ_SECONDS in all, shared between the two targets.
FUZZ_SECONDS ?= 600
fuzz:
	@$(DEPS) fuzz
	bash scripts/fuzz.sh $(FUZZ_SECONDS)

screenshot: build
	@$(DEPS) screenshot
	cd $(BUILD) && ../scripts/screenshot.sh ./bin/balance3 ../docs/screenshots

clean:
	rm -rf build build-asan build-bench build-fuzz

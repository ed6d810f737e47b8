# Thin wrapper over CMake: every goal first installs what it is missing.
BUILD  ?= build
JOBS   ?= $(shell nproc)
DEPS   := bash scripts/install-deps.sh

.PHONY: all build run test bench screenshot package clean

all: build

build:
	@$(DEPS) build
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD) && ./bin/balance3

test:
	@$(DEPS) test
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench:
	@$(DEPS) bench
	@cmake -S . -B $(BUILD)-bench -DCMAKE_BUILD_TYPE=Release -DBALANCE3_BENCH=ON >/dev/null
	@cmake --build $(BUILD)-bench -j $(JOBS) --target calc_bench
	$(BUILD)-bench/bin/calc_bench

package: build
	@$(DEPS) package
	cd $(BUILD) && cpack

screenshot: build
	@$(DEPS) screenshot
	cd $(BUILD) && ../scripts/screenshot.sh ./bin/balance3 ../docs/screenshots

clean:
	rm -rf $(BUILD) $(BUILD)-bench

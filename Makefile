# Thin wrapper over CMake: `make run` and `make test` are all a newcomer needs.
BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= $(shell nproc)

.PHONY: all deps build run test test-sanitized bench package clean

all: build

deps:
	@./scripts/install-deps

build: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/bin/ordovan

test: build test-sanitized
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The hand-written containers manage memory themselves; the tests of every
# layer without Qt (toolbox, model, planning, timeline, calendar, best plans,
# ordovan-plan) also run under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitized: deps
	@cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORDOVAN_CORE_ONLY=ON -DORDOVAN_SANITIZE=ON >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

bench: build
	./$(BUILD)/bin/ordovan-bench

# A Debian package of the build, ordovan_<version>_<arch>.deb in $(BUILD).
package: build
	cmake --build $(BUILD) --target package

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)

# The two commands: `make run` and `make test`. Both install what is missing first.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
JOBS       ?= $(shell nproc)
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

# `make run 500` passes 500 to the program; `make run ARGS="500"` does the same.
ifeq (run,$(firstword $(MAKECMDGOALS)))
  RUN_ARGS := $(wordlist 2,$(words $(MAKECMDGOALS)),$(MAKECMDGOALS))
  $(eval $(RUN_ARGS):;@:)
endif

.PHONY: run test deps build register test-asan test-fuzz bench clean

run: build register
	$(BUILD)/albryn/albryn $(RUN_ARGS) $(ARGS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	$(MAKE) --no-print-directory test-asan test-fuzz

deps:
	@scripts/install-deps

build: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

# Registers the three component libraries in the current user's class registry.
register: build
	@for lib in tessel/libTesselDLL.so kestrel/libKestrelDLL.so plover/libPlover.so; do \
	  if [ -f $(BUILD)/$$lib ]; then $(BUILD)/automation/albryn-regsvr $(BUILD)/$$lib || exit 1; fi; \
	done

# The runtime and library tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	@cmake -S . -B $(ASAN_BUILD) $(CMAKE_FLAGS) -DALBRYN_LIBRARIES_ONLY=ON -DALBRYN_SANITIZE=ON >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

# The libFuzzer targets, built with clang, each run for a short bounded time from its seed corpus.
test-fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) $(CMAKE_FLAGS) -DALBRYN_LIBRARIES_ONLY=ON -DALBRYN_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS)
	cd $(FUZZ_BUILD) && ctest --output-on-failure -L fuzz

bench: build
	bench/run-all $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)

# The front door: every target installs what is missing, then lets the CMake
# presets do the work.
.PHONY: deps build run package test test-x11 test-debug test-engine bench bench-build fuzz fuzz-short format format-check clean

deps:
	@scripts/install-deps

build: deps
	cmake --preset default
	cmake --build --preset default

run: build
	./build/default/app/brenmor

# A Debian package of the default build, in build/package.
package: build
	cpack --config build/default/CPackConfig.cmake -B build/package

test: build
	ctest --preset default

# The window tests again on a real X server: each on a private Xvfb, one
# after another, so that focus and activation are proven there too.
test-x11: build
	ctest --preset x11

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer.
test-debug: deps
	cmake --preset debug
	cmake --build --preset debug
	ctest --preset debug

# The engine alone, as on a machine without Qt.
test-engine: deps
	cmake --preset engine
	cmake --build --preset engine
	ctest --preset engine

# Speed and memory, measured side by side; writes bench/RESULTS.md.
bench: bench-build
	bench/run

bench-build: deps
	cmake --preset bench
	cmake --build --preset bench

# Each libFuzzer target for a minute (FUZZ_SECONDS), from the checked-in seeds;
# what it finds stays in build/fuzz/corpus.
FUZZ_SECONDS ?= 60
fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz
	for t in parse_value design_state; do \
	  mkdir -p build/fuzz/corpus/$$t && \
	  ./build/fuzz/fuzz/$${t}_fuzz -max_total_time=$(FUZZ_SECONDS) -max_len=1024 \
	    -print_final_stats=1 build/fuzz/corpus/$$t fuzz/corpus/$$t || exit 1; \
	done

fuzz-short:
	$(MAKE) fuzz FUZZ_SECONDS=20

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check: deps
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

clean:
	rm -rf build

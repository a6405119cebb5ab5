# The front door: every target installs what is missing, then lets the CMake
# presets do the work.
.PHONY: deps build run test test-debug test-engine format format-check clean

deps:
	@scripts/install-deps

build: deps
	cmake --preset default
	cmake --build --preset default

run: build
	./build/default/app/brenmor

test: build
	ctest --preset default

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

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check: deps
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

clean:
	rm -rf build

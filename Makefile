# The front door: every target installs what its task is missing, then lets
# the CMake presets do the work.
.PHONY: run build python package test test-x11 test-debug test-engine test-web web tidy lint-web bench \
        bench-build fuzz fuzz-short format format-check clean

# Without a display (an ssh or headless shell) the window cannot open:
# make run then builds brenmor-size too and says where it is, and ends as
# the window does, with its one line and status 1. Make's question mode
# gives that status without an "Error" of make's own: it runs only the
# lines marked +, and calls run not done.
ifeq ($(MAKECMDGOALS)|$(DISPLAY)$(WAYLAND_DISPLAY)$(QT_QPA_PLATFORM),run|)
MAKEFLAGS += --question
NO_DISPLAY := yes
endif

# The window alone: only what it needs is installed and built.
run:
	+@scripts/install-deps run
	+cmake --preset app
	+cmake --build --preset app
ifdef NO_DISPLAY
	+cmake --build --preset app --target brenmor-size
	+@echo "brenmor-size is built: $(CURDIR)/build/app/cli/brenmor-size"
	+@./build/app/app/brenmor || true
endif
	./build/app/app/brenmor

# Everything: the programs, the tests, the package.
build:
	@scripts/install-deps test
	cmake --preset default
	cmake --build --preset default

# The Python module alone, into build/python: with that folder on
# PYTHONPATH, Debian's python3 imports brenmor.
python:
	@scripts/install-deps python
	cmake --preset python
	cmake --build --preset python
	@echo "The module is in build/python: PYTHONPATH=$(CURDIR)/build/python python3 -c 'import brenmor'"

# A Debian package of the default build and the page, in build/package.
package: build web
	cpack --config build/default/CPackConfig.cmake -B build/package

test: build
	ctest --preset default

# The window tests again on a real X server: each on a private Xvfb, one
# after another, so that focus and activation are proven there too.
test-x11: build
	@scripts/install-deps x11
	ctest --preset x11

# The page: one HTML file with the engine in it, build/web/brenmor.html. The
# WebAssembly test suites and fuzz targets are built by test-web.
web:
	@scripts/install-deps web
	cmake --preset web
	cmake --build --preset web --target brenmor_page
	@echo "The page is build/web/brenmor.html"

# The engine's tests and fuzz corpora as WebAssembly under node, then the
# page in Debian's Chromium and Firefox ESR against the native engine, and
# the package again with the page in it.
test-web: build web
	@scripts/install-deps browsers
	cmake --build --preset web
	ctest --preset web
	cd web/tests && npm ci --no-audit --no-fund
	BRENMOR_PAGE=$(CURDIR)/build/web/brenmor.html BRENMOR_SIZE=$(CURDIR)/build/default/cli/brenmor-size \
	  node --test web/tests/build-page.test.mjs web/tests/page.test.mjs web/tests/designs.test.mjs \
	  web/tests/list.test.mjs
	ctest --preset default -R package_layout

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer.
test-debug:
	@scripts/install-deps test
	cmake --preset debug
	cmake --build --preset debug
	ctest --preset debug

# The engine and brenmor-size alone, as on a machine without Qt.
test-engine:
	@scripts/install-deps test
	cmake --preset engine
	cmake --build --preset engine
	ctest --preset engine

# clang-tidy over the product code (not tests or benchmarks); any finding fails.
tidy: build
	@scripts/install-deps lint
	git ls-files -- ':(glob)engine/src/**/*.cpp' ':(glob)ui/*.cpp' ':(glob)app/*.cpp' \
	  ':(glob)cli/*.cpp' ':(glob)lists/*.cpp' ':(glob)python/*.cpp' | xargs clang-tidy -p build/default --quiet --warnings-as-errors='*'

# ESLint (from npm, locked) over the page's scripts, its build, its tests and
# the page benchmark, from the top folder; any finding fails.
lint-web:
	@scripts/install-deps lint
	cd web/tests && npm ci --no-audit --no-fund
	web/tests/node_modules/.bin/eslint --config web/tests/eslint.config.mjs --max-warnings 0 \
	  web/*.js web/*.mjs web/tests/*.mjs bench/*.mjs

# Speed and memory, measured side by side, the page's among them; writes
# bench/RESULTS.md and fails when a target is missed.
bench: bench-build web
	@scripts/install-deps browsers
	cd web/tests && npm ci --no-audit --no-fund
	bench/run

bench-build:
	@scripts/install-deps bench
	cmake --preset bench
	cmake --build --preset bench

# Each libFuzzer target for a minute (FUZZ_SECONDS), from the checked-in seeds;
# what it finds stays in build/fuzz/corpus.
FUZZ_SECONDS ?= 60
fuzz:
	@scripts/install-deps fuzz
	cmake --preset fuzz
	cmake --build --preset fuzz
	for t in parse_value design_state csv_reader; do \
	  mkdir -p build/fuzz/corpus/$$t && \
	  ./build/fuzz/fuzz/$${t}_fuzz -max_total_time=$(FUZZ_SECONDS) -max_len=1024 \
	    -print_final_stats=1 build/fuzz/corpus/$$t fuzz/corpus/$$t || exit 1; \
	done

fuzz-short:
	$(MAKE) fuzz FUZZ_SECONDS=20

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check:
	@scripts/install-deps lint
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

clean:
	rm -rf build

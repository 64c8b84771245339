# SPDX-License-Identifier: GPL-3.0-or-later
# Quick start: `make run` builds and starts Tavolin, `make test` runs every
# test. Both install missing Debian packages first (NO_DEPS=1 skips that) and
# rebuild only what changed.

BUILD_DIR    ?= build
SAN_DIR      ?= build-sanitize
FUZZ_DIR     ?= build-fuzz
FUZZ_SECONDS ?= 600
JOBS         ?= 2
WERROR       ?= OFF
CMAKE_FLAGS  ?=
# NO_DEPS=1: the packages are managed otherwise; the install script is not run.
NO_DEPS      ?=

SOURCES = $(shell git ls-files '*.cpp' '*.h' 2>/dev/null)

.PHONY: all deps dev-deps web-deps build run test test-sanitize soak bench bench-espresso help-images format format-check tidy clean \
        web web-serve test-web package-deps package package-check FORCE

all: build

INSTALL_DEPS = $(if $(filter 1,$(NO_DEPS)),@true,@scripts/install-deps.sh)

deps:
	$(INSTALL_DEPS)

dev-deps:
	$(INSTALL_DEPS) --dev

# Each build folder keeps the WERROR and CMAKE_FLAGS it was configured with
# in make-options. The file is rewritten only when a call gives others, and
# its cache depends on it: `make test WERROR=ON` after a plain `make test`
# configures the folder afresh instead of building the old configuration.
MAKE_OPTIONS = WERROR=$(WERROR) CMAKE_FLAGS=$(CMAKE_FLAGS)

%/make-options: FORCE
	@mkdir -p $(@D)
	@printf '%s\n' '$(subst ','\'',$(MAKE_OPTIONS))' | cmp -s - $@ || \
	  printf '%s\n' '$(subst ','\'',$(MAKE_OPTIONS))' > $@

FORCE:

$(BUILD_DIR)/CMakeCache.txt: $(BUILD_DIR)/make-options | deps
	cmake --fresh -S . -B $(BUILD_DIR) -DTAVOLIN_WERROR=$(WERROR) $(CMAKE_FLAGS)

build: deps $(BUILD_DIR)/CMakeCache.txt
	cmake --build $(BUILD_DIR) -j $(JOBS)

# The program reads its help files from the working directory.
run: build
	cd $(BUILD_DIR)/share/tavolin && ../../bin/tavolin

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# The whole suite once more, built with ASan, UBSan and LeakSanitizer; any
# report fails the run.
$(SAN_DIR)/CMakeCache.txt: $(SAN_DIR)/make-options | deps
	cmake --fresh -S . -B $(SAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DTAVOLIN_SANITIZE=ON -DTAVOLIN_WERROR=$(WERROR) $(CMAKE_FLAGS)

test-sanitize: deps $(SAN_DIR)/CMakeCache.txt
	cmake --build $(SAN_DIR) -j $(JOBS)
	cd $(SAN_DIR) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

# `make soak SEED=7 ACTIONS=200000`: one long random-use run of the whole
# window in the sanitizer build. The failure message names the seed and the
# action to replay it with.
SEED    ?= 1
ACTIONS ?= 200000

soak: deps $(SAN_DIR)/CMakeCache.txt
	cmake --build $(SAN_DIR) -j $(JOBS) --target test_randomuse
	cd $(SAN_DIR)/tests && QT_QPA_PLATFORM=offscreen QTEST_FUNCTION_TIMEOUT=604800000 \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  TAVOLIN_RANDOM_SEED=$(SEED) TAVOLIN_RANDOM_ACTIONS=$(ACTIONS) ./test_randomuse

bench: build
	@for b in $(BUILD_DIR)/bench/*; do [ -x "$$b" ] && "$$b"; done; true

# Joint minimization of 77 textbook and random functions of several outputs
# (and espresso's own small examples, ESPRESSO_EXAMPLES=folder) against
# espresso, built by hand outside the repository from its public source.
bench-espresso: build
	@[ -x "$(ESPRESSO)" ] || { echo "bench-espresso needs ESPRESSO=/path/to/espresso" >&2; exit 2; }
	python3 bench/espresso_compare.py "$(ESPRESSO)" $(BUILD_DIR)/bin/tavolin-cli $(ESPRESSO_EXAMPLES)

# `make fuzz-<name>` runs the libFuzzer target fuzz_<name> for FUZZ_SECONDS,
# starting from its checked-in corpus; new inputs go to fuzz-out/<name>.
$(FUZZ_DIR)/CMakeCache.txt: $(FUZZ_DIR)/make-options | dev-deps
	CXX=clang++ cmake --fresh -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVOLIN_FUZZ=ON $(CMAKE_FLAGS)

fuzz-%: dev-deps $(FUZZ_DIR)/CMakeCache.txt
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_$*
	mkdir -p fuzz-out/$*
	$(FUZZ_DIR)/fuzz/fuzz_$* -max_total_time=$(FUZZ_SECONDS) -timeout=5 -rss_limit_mb=4096 \
	  -print_final_stats=1 fuzz-out/$* fuzz/corpus/$*

# Regenerates the help pictures from the program itself; commit the result.
help-images: build
	cmake --build $(BUILD_DIR) -j $(JOBS) --target help_images
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bin/help_images help

format: dev-deps
	clang-format -i $(SOURCES)

format-check: dev-deps
	clang-format --dry-run --Werror $(SOURCES)

# clang-tidy with the root .clang-tidy over every source file the build
# compiles (generated files and web-only code excluded), reading the
# compile_commands.json CMake writes; any finding fails.
RUN_CLANG_TIDY ?= $(firstword $(shell command -v run-clang-tidy run-clang-tidy-14 2>/dev/null))
SOURCE_DIRS     = $(shell git ls-files '*.cpp' '*.h' 2>/dev/null | cut -d/ -f1 | sort -u | paste -sd'|')

# A file built into several targets (the fuzz targets' corpus replay) has a
# compile command for each, and clang-tidy would check it once for each: it
# reads a copy of the database with the first command of every file.
#
# Qt's QSKIP is a variadic macro called with its message alone, which clang's
# pedantic warnings, unlike the compiler's, count against it.
TIDY_DB = $(BUILD_DIR)/tidy

# scripts/clang-tidy-cached skips a file whose text, included files, compile
# command and checks are those of a run that found nothing in it;
# `make tidy TIDY_CACHE=0` checks every file afresh.
TIDY_CACHE ?= 1
CLANG_TIDY ?= $(firstword $(shell command -v clang-tidy-14 clang-tidy 2>/dev/null))
TIDY_BINARY = $(if $(filter 1,$(TIDY_CACHE)),$(CURDIR)/scripts/clang-tidy-cached,$(CLANG_TIDY))

tidy: dev-deps build
	@mkdir -p $(TIDY_DB)
	python3 -c 'import json, sys; seen = set(); json.dump([e for e in json.load(open(sys.argv[1])) \
	  if not (e["file"] in seen or seen.add(e["file"]))], open(sys.argv[2], "w"))' \
	  $(BUILD_DIR)/compile_commands.json $(TIDY_DB)/compile_commands.json
	TAVOLIN_CLANG_TIDY=$(CLANG_TIDY) $(RUN_CLANG_TIDY) -j $(JOBS) -quiet -p $(TIDY_DB) \
	  -clang-tidy-binary $(TIDY_BINARY) -extra-arg=-Wno-gnu-zero-variadic-macro-arguments \
	  -header-filter '^$(CURDIR)/($(SOURCE_DIRS))/' '^$(CURDIR)/($(SOURCE_DIRS))/'

clean:
	rm -rf $(BUILD_DIR) $(SAN_DIR) $(FUZZ_DIR) $(WEB_DIR) $(PKG_DIR)

# The browser edition: the cores as WebAssembly and the static page, in
# $(WEB_DIR)/dist. Debian's Emscripten runs its JavaScript optimizer with
# Debian's acorn, found through NODE_PATH.
WEB_DIR   ?= build-web
WEB_PORT  ?= 8080
WEB_ENV    = NODE_PATH=/usr/share/nodejs

web-deps:
	$(INSTALL_DEPS) --web

$(WEB_DIR)/CMakeCache.txt: $(WEB_DIR)/make-options | web-deps
	$(WEB_ENV) emcmake cmake --fresh -S web -B $(WEB_DIR) -DTAVOLIN_WERROR=$(WERROR)

web: web-deps $(WEB_DIR)/CMakeCache.txt
	$(WEB_ENV) cmake --build $(WEB_DIR) -j $(JOBS)

web-serve: web
	@echo "Serving $(WEB_DIR)/dist on http://127.0.0.1:$(WEB_PORT)/"
	cd $(WEB_DIR)/dist && python3 -m http.server $(WEB_PORT) --bind 127.0.0.1

# The page against tavolin-cli under Node, then end to end in headless Chromium.
test-web: build web
	cd web/tests && npm ci --no-audit --no-fund --silent
	TAVOLIN_CLI=$(abspath $(BUILD_DIR))/bin/tavolin-cli TAVOLIN_WEB_DIST=$(abspath $(WEB_DIR))/dist \
	  node --test web/tests/

# The Debian package $(PKG_DIR)/tavolin_<version>_<arch>.deb: a release
# build for the prefix /usr, without tests, turned into a package by CPack.
# `make package-check` lists it, unpacks it and runs both programs from it.
PKG_DIR ?= build-package

package-deps:
	$(INSTALL_DEPS) --package

# Debian's hardening flags (fortified functions, stack protector, read-only
# relocations, immediate binding), as any Debian package is built with.
$(PKG_DIR)/CMakeCache.txt: $(PKG_DIR)/make-options | package-deps
	DEB_BUILD_MAINT_OPTIONS=hardening=+all; export DEB_BUILD_MAINT_OPTIONS; \
	CXXFLAGS="$$(dpkg-buildflags --get CPPFLAGS) $$(dpkg-buildflags --get CXXFLAGS)" \
	LDFLAGS="$$(dpkg-buildflags --get LDFLAGS)" \
	cmake --fresh -S . -B $(PKG_DIR) -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
	  -DTAVOLIN_BUILD_TESTS=OFF -DTAVOLIN_WERROR=$(WERROR) $(CMAKE_FLAGS)

package: package-deps $(PKG_DIR)/CMakeCache.txt
	cmake --build $(PKG_DIR) -j $(JOBS)
	cd $(PKG_DIR) && cpack
	@ls -t $(PKG_DIR)/tavolin_*.deb | head -n 1

package-check: package
	packaging/check-package.sh "$$(ls -t $(PKG_DIR)/tavolin_*.deb | head -n 1)" $(PKG_DIR)

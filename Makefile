# Quillfind: `make run` starts the program, `make test` runs every test suite,
# `make install` installs it and `make package` builds its Debian package.
# All install missing Debian packages first (scripts/install-deps.sh).

BUILD      ?= build
BUILD_ASAN ?= build-asan
BUILD_TSAN ?= build-tsan

BUILD_FUZZ ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS       ?= $(shell nproc)
CMAKE_GEN  := -G Ninja
PREFIX     ?= /usr/local

.PHONY: deps configure build run test test-sanitize test-tsan install package clean

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# The desktop window where a display is present, else a sample search on the
# command line over the folder shipped in samples/.
run: build
	@bash scripts/run.sh $(BUILD)

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Every test suite again, under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	@cmake -S . -B $(BUILD_ASAN) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DQUILLFIND_SANITIZE=ON >/dev/null
	@cmake --build $(BUILD_ASAN) -j $(JOBS)
	@cd $(BUILD_ASAN) && ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 \
		UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

# The core's and the command line's test suites under ThreadSanitizer: the
# search reads files on several threads. Without the desktop program, and
# without the test of a second Ctrl-C, which ends the program at once from
# its signal handler while threads still run: ThreadSanitizer calls that a
# thread leak and changes the exit status the test checks.
test-tsan: deps
	@cmake -S . -B $(BUILD_TSAN) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLFIND_TSAN=ON \
		-DQUILLFIND_BUILD_SHELL=OFF >/dev/null
	@cmake --build $(BUILD_TSAN) -j $(JOBS)
	@cd $(BUILD_TSAN) && TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 \
		ctest --output-on-failure -j $(JOBS) -E '^install[.]|SecondSignalEndsAtOnce'

# Every libFuzzer target of fuzz/ for FUZZ_SECONDS (clang, ASan and UBSan);
# fails on any finding and prints each target's executions.
.PHONY: fuzz
fuzz: deps
	@cmake -S . -B $(BUILD_FUZZ) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
		-DQUILLFIND_FUZZ=ON -DQUILLFIND_BUILD_SHELL=OFF -DQUILLFIND_BUILD_TESTS=OFF >/dev/null
	@cmake --build $(BUILD_FUZZ) -j $(JOBS) --target quillfind_fuzz
	@JOBS=$(JOBS) bash scripts/run-fuzz.sh $(BUILD_FUZZ) $(FUZZ_SECONDS)

# Into PREFIX (or DESTDIR/PREFIX); through sudo when PREFIX is not writable.
install: build
	@sudo_cmd=; if [ -z "$(DESTDIR)" ] && [ "$$(id -u)" -ne 0 ] && [ ! -w "$(PREFIX)" ]; then sudo_cmd=sudo; fi; \
	$$sudo_cmd env DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

# $(BUILD)/quillfind_<version>_<arch>.deb
package: build
	@cd $(BUILD) && rm -f quillfind_*.deb && cpack -G DEB >/dev/null && ls "$$PWD"/quillfind_*.deb

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_TSAN) $(BUILD_FUZZ)

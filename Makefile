# SPDX-FileCopyrightText: 2026 The Huewise team
# SPDX-License-Identifier: GPL-3.0-or-later

# make run   install what is missing, build a release binary, start Huewise
# make test  install what is missing, build with sanitizers, run every test
#            and the fuzz targets' short runs
# make fuzz  run each fuzz target for FUZZ_SECONDS (default 60)
# make check-valgrind  the pure tests, under valgrind memcheck
# make bench  benchmarks, start-up time and peak memory
# make package  the Debian package, in build/release

# What building and running Huewise needs: build tools, Qt with its X11 and
# Wayland plugins, and the fonts the fixed layout was measured with.
RUN_PACKAGES := cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev \
	qt6-wayland fonts-wine fonts-liberation2 fonts-dejavu-core
# What the tests add: GoogleTest; what the window and end-to-end tests drive
# the program with; the desktop-file and AppStream validators, dpkg-shlibdeps
# and a headless Wayland compositor for the package tests; clang and its
# libFuzzer runtime for the fuzz targets; the pinned clang-format and git
# for the style checks; man and groff to check the manual page.
TEST_PACKAGES := libgtest-dev libgmock-dev xvfb xauth xdotool xclip x11-utils imagemagick \
	python3 python3-xlib desktop-file-utils appstream dpkg-dev weston clang libclang-rt-14-dev \
	clang-format-14 git man-db groff-base
PACKAGES := $(RUN_PACKAGES) $(TEST_PACKAGES)

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
BUILD_RELEASE := build/release
BUILD_TEST := build/test
BUILD_FUZZ := build/fuzz
BUILD_VALGRIND := build/valgrind
BUILD_BENCH := build/bench
FUZZ_SECONDS ?= 60
JOBS ?= $(shell nproc)

# Qt's plugins and fontconfig keep some allocations for the whole run.
export LSAN_OPTIONS := suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0
export ASAN_OPTIONS := detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS := print_stacktrace=1:halt_on_error=1

.PHONY: run test deps build build-test build-fuzz fuzz check-valgrind bench clean

run: PACKAGES := $(RUN_PACKAGES)
run: deps build
	./$(BUILD_RELEASE)/huewise

test: deps build-test build-fuzz
	cd $(BUILD_TEST) && ctest --output-on-failure -j $(JOBS)
	cd $(BUILD_FUZZ) && ctest --output-on-failure -j $(JOBS)

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
		echo "Installing:" $$missing; \
		$(SUDO) apt-get update -qq && \
		DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

build:
	cmake -S . -B $(BUILD_RELEASE) -G Ninja -DCMAKE_BUILD_TYPE=Release -DHUEWISE_TESTS=OFF
	cmake --build $(BUILD_RELEASE) -j $(JOBS)

# The Debian package from the release build, left in $(BUILD_RELEASE).
.PHONY: package
package: PACKAGES := $(RUN_PACKAGES) dpkg-dev
package: deps build
	cd $(BUILD_RELEASE) && rm -f huewise_*.deb && cpack -G DEB

build-test:
	cmake -S . -B $(BUILD_TEST) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DHUEWISE_SANITIZE=ON
	cmake --build $(BUILD_TEST) -j $(JOBS)

# libFuzzer needs clang; Qt, built with gcc, links with it all the same.
build-fuzz:
	cmake -S . -B $(BUILD_FUZZ) -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DHUEWISE_TESTS=OFF -DHUEWISE_FUZZ=ON
	cmake --build $(BUILD_FUZZ) -j $(JOBS) --target huewise_fuzzers

# One fuzz target after another, each from its seed corpus in fuzz/corpus/.
# What they find is kept in $(BUILD_FUZZ)/fuzz/found/, a crashing input in
# $(BUILD_FUZZ)/fuzz/artifacts/, and a crash stops the run.
fuzz: deps build-fuzz
	@while read -r fuzzer arguments; do \
		echo "== $$(basename $$fuzzer) for $(FUZZ_SECONDS) s"; \
		$$fuzzer -max_total_time=$(FUZZ_SECONDS) $$arguments < /dev/null || exit 1; \
	done < $(BUILD_FUZZ)/fuzz/runs.txt

# The pure tests, every one of them, under memcheck on a build without sanitizers.
# PCRE2's JIT code, which QRegularExpression uses, reads memory memcheck
# cannot follow; the interpreter gives the same matches.
VALGRIND := valgrind --tool=memcheck --error-exitcode=99 --leak-check=full --show-leak-kinds=definite \
	--errors-for-leak-kinds=definite --child-silent-after-fork=yes --suppressions=$(CURDIR)/tests/valgrind.supp

check-valgrind: PACKAGES += valgrind
check-valgrind: deps
	cmake -S . -B $(BUILD_VALGRIND) -G Ninja -DCMAKE_BUILD_TYPE=Debug
	cmake --build $(BUILD_VALGRIND) -j $(JOBS) --target huewise_core_tests
	@for test in $(BUILD_VALGRIND)/tests/core/*_test; do \
		echo "== $$test"; \
		QT_ENABLE_REGEXP_JIT=0 $(VALGRIND) $$test || exit 1; \
	done

# Speed and memory: Google Benchmark on the offscreen platform, then the real
# binary's start-up time and peak memory under Xvfb (medians of five runs).
bench: PACKAGES := $(RUN_PACKAGES) libbenchmark-dev xvfb xauth xdotool
bench: deps
	cmake -S . -B $(BUILD_BENCH) -G Ninja -DCMAKE_BUILD_TYPE=Release -DHUEWISE_TESTS=OFF -DHUEWISE_BENCH=ON
	cmake --build $(BUILD_BENCH) -j $(JOBS)
	$(BUILD_BENCH)/bench/huewise_bench
	bench/startup_memory.sh $(BUILD_BENCH)/huewise

clean:
	rm -rf build

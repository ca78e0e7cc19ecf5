# make run   install what is missing, build a release binary, start Huewise
# make test  install what is missing, build with sanitizers, run every test

# Build tools, Qt, the fonts the fixed layout was measured with, and what
# the window tests and the end-to-end test drive the program with.
PACKAGES := cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev \
	libgtest-dev libgmock-dev fonts-wine fonts-liberation2 fonts-dejavu-core \
	xvfb xauth xdotool xclip x11-utils imagemagick python3 python3-xlib

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
BUILD_RELEASE := build/release
BUILD_TEST := build/test
JOBS ?= $(shell nproc)

# Qt's plugins and fontconfig keep some allocations for the whole run.
export LSAN_OPTIONS := suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0
export ASAN_OPTIONS := detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS := print_stacktrace=1:halt_on_error=1

.PHONY: run test deps build build-test clean

run: deps build
	./$(BUILD_RELEASE)/huewise

test: deps build-test
	cd $(BUILD_TEST) && ctest --output-on-failure -j $(JOBS)

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

build-test:
	cmake -S . -B $(BUILD_TEST) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DHUEWISE_SANITIZE=ON
	cmake --build $(BUILD_TEST) -j $(JOBS)

clean:
	rm -rf build

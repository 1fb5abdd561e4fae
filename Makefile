# The two commands of the README: `make run` and `make test`. Both install what they need
# from Debian's packages first (through sudo when not root).

PACKAGES := cmake ninja-build g++ qt6-base-dev qt6-svg-dev libgtest-dev libgmock-dev libbenchmark-dev locales
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
PRESET := default
BUILD_DIR := build/$(PRESET)

.PHONY: all deps locale configure build run batch-example test bench format clean

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | \
		grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
		echo "Installing:" $$missing; \
		$(SUDO) apt-get update && \
		DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

# The number texts must not change with the locale; the tests check that under German.
locale: deps
	@locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$$' || \
		$(SUDO) localedef -i de_DE -f UTF-8 de_DE.UTF-8

configure: deps
	cmake --preset $(PRESET)

build: configure
	cmake --build --preset $(PRESET)

run: build
	$(BUILD_DIR)/app/tarvo

batch-example: build
	$(BUILD_DIR)/batch/tarvo-batch examples/first-steps.tvb

test: locale build
	QT_QPA_PLATFORM=offscreen ctest --preset $(PRESET)

bench:
	$(MAKE) build PRESET=bench
	build/bench/bench/tarvo-bench

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build

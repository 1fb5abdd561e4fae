# The two commands of the README: `make run` and `make test`. Both install what they need
# from Debian's packages first (through sudo when not root).

PACKAGES := cmake ninja-build g++ qt6-base-dev qt6-svg-dev libgtest-dev libgmock-dev libbenchmark-dev locales desktop-file-utils appstream man-db
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
PRESET := default
BUILD_DIR := build/$(PRESET)

.PHONY: all deps locale configure build run batch-example test sanitize fuzz bench package format clean

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

# The logic tests and scenario files under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: locale
	cmake --preset sanitize
	cmake --build --preset sanitize
	ctest --preset sanitize

# Each fuzz target for FUZZ_SECONDS, starting from the inputs kept in fuzz/corpus; new
# inputs and findings stay in build/fuzz.
FUZZ_SECONDS := 60
FUZZ_TARGETS := ReplayEquation BrowseCalcFile TypeHexTexts EnterSample ReadDamagedSettings
fuzz:
	$(MAKE) deps PACKAGES="$(PACKAGES) clang libclang-rt-14-dev"
	cmake --preset fuzz
	cmake --build --preset fuzz
	for target in $(FUZZ_TARGETS); do \
		mkdir -p build/fuzz/corpus/$$target build/fuzz/findings && \
		build/fuzz/fuzz/fuzz_$$target build/fuzz/corpus/$$target fuzz/corpus/$$target \
			-max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=2048 \
			-artifact_prefix=build/fuzz/findings/$$target- || exit 1; \
	done

bench:
	$(MAKE) build PRESET=bench
	build/bench/bench/tarvo-bench
	bench/startup.sh build/bench

# The Debian package, build/default/tarvo_<version>_<arch>.deb; dpkg-shlibdeps (dpkg-dev) and
# file find the libraries it depends on. Debian's package checker lintian must find nothing
# to warn about.
package: build
	@$(MAKE) --no-print-directory deps PACKAGES="dpkg-dev file lintian"
	rm -f $(BUILD_DIR)/tarvo_*.deb
	cd $(BUILD_DIR) && cpack -G DEB
	lintian --fail-on error,warning $(BUILD_DIR)/tarvo_*.deb

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build

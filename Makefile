# Set-up, build and test on Debian. Each goal first installs the Debian
# packages it needs, through sudo when not run as root, and only when one is
# missing.

BUILD_PACKAGES := cmake ninja-build g++ pkg-config \
	qt6-base-dev qt6-serialport-dev qt6-translations-l10n qt6-qpa-plugins libgl-dev libx11-dev \
	libsodium-dev libspdlog-dev
# libclang-rt-dev is the runtime of the default clang, whatever its version.
FUZZ_PACKAGES := $(BUILD_PACKAGES) clang libclang-rt-dev
TEST_PACKAGES := $(FUZZ_PACKAGES) libgtest-dev libgmock-dev xvfb xauth clang-format
BENCH_PACKAGES := $(TEST_PACKAGES) libbenchmark-dev time xdotool x11-utils
# What builds the Debian package (dpkg-shlibdeps needs `file`) and checks it.
PACKAGE_PACKAGES := $(BUILD_PACKAGES) dpkg-dev file lintian appstream desktop-file-utils man-db

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
JOBS := $(shell nproc)
# How long `make fuzz` runs each fuzz target at most: executions and seconds.
FUZZ_RUNS := 10000000
FUZZ_SECONDS := 600

.PHONY: run test bench fuzz package demo clean deps-build deps-test deps-bench deps-fuzz deps-package fuzz-build

define install_missing
	@missing=$$(for p in $(1); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
		echo "Installing:" $$missing; \
		$(SUDO) apt-get update -qq && \
		DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi
endef

deps-build:
	$(call install_missing,$(BUILD_PACKAGES))
deps-test:
	$(call install_missing,$(TEST_PACKAGES))
deps-bench:
	$(call install_missing,$(BENCH_PACKAGES))
deps-fuzz:
	$(call install_missing,$(FUZZ_PACKAGES))
deps-package:
	$(call install_missing,$(PACKAGE_PACKAGES))

build/release/build.ninja:
	cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_TESTS=OFF

run: deps-build build/release/build.ninja
	cmake --build build/release --target velmora -j $(JOBS)
	./build/release/src/velmora

test: deps-test
	cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug \
		-DVELMORA_SANITIZE=ON -DVELMORA_WERROR=ON
	cmake --build build/test -j $(JOBS)
	cd build/test && ctest --output-on-failure -j $(JOBS)
	$(MAKE) --no-print-directory fuzz-build
	cd build/fuzz && ctest --output-on-failure -j $(JOBS)

bench: deps-bench
	cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMORA_BENCH=ON -DVELMORA_TESTS=OFF
	cmake --build build/bench -j $(JOBS)
	./bench/run.sh build/bench

# The fuzz targets, built with clang under the sanitizers in a tree of their own.
fuzz-build: deps-fuzz
	cmake -S . -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
		-DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_FUZZ=ON -DVELMORA_SANITIZE=ON -DVELMORA_TESTS=OFF
	cmake --build build/fuzz --target fuzzers -j $(JOBS)

fuzz: fuzz-build
	./fuzz/run.sh build/fuzz $(FUZZ_SECONDS) $(FUZZ_RUNS)

# A Release build packed as a .deb in build/package, then checked unpacked.
package: deps-package
	cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMORA_TESTS=OFF \
		-DVELMORA_PACKAGE_TEST=ON
	cmake --build build/package -j $(JOBS)
	rm -f build/package/velmora_*.deb
	cd build/package && cpack
	cd build/package && ctest --output-on-failure

clean:
	rm -rf build

# The program beside encoder-sim published as port 1 (with sample content), to
# try everything without an encoder. The simulator's log shows in this
# terminal, and the simulator stops when the program ends.
DEMO_PORT_LINK = $${XDG_CONFIG_HOME:-$$HOME/.config}/velmora/ports/COM1
demo: deps-build build/release/build.ninja
	cmake --build build/release --target velmora encoder-sim -j $(JOBS)
	@./build/release/tools/encoder-sim/encoder-sim --port 1 --demo --replace & sim=$$!; \
	trap 'kill $$sim 2>/dev/null; wait $$sim 2>/dev/null' EXIT INT TERM; \
	tries=0; until case "$$(readlink "$(DEMO_PORT_LINK)")" in /dev/pts/*) true;; *) false;; esac; do \
		kill -0 $$sim 2>/dev/null || exit 1; \
		tries=$$((tries + 1)); [ $$tries -lt 50 ] || exit 1; \
		sleep 0.1; \
	done; \
	./build/release/src/velmora

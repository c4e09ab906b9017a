# Set-up, build and test on Debian. Each goal first installs the Debian
# packages it needs, through sudo when not run as root, and only when one is
# missing.

BUILD_PACKAGES := cmake ninja-build g++ pkg-config \
	qt6-base-dev qt6-serialport-dev qt6-translations-l10n qt6-qpa-plugins libgl-dev libx11-dev
TEST_PACKAGES := $(BUILD_PACKAGES) libgtest-dev libgmock-dev xvfb xauth
BENCH_PACKAGES := $(TEST_PACKAGES) libbenchmark-dev time

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
JOBS := $(shell nproc)

.PHONY: run test bench demo clean deps-build deps-test deps-bench

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

bench: deps-bench
	cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMORA_BENCH=ON -DVELMORA_TESTS=OFF
	cmake --build build/bench -j $(JOBS)
	./bench/run.sh build/bench

clean:
	rm -rf build

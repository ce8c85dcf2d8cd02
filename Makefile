# The front door: `make run` starts Quelmire, `make test` runs every test. Both install the
# Debian packages they need first (as root), then configure and build in build/.
BUILD ?= build
# The same tree built with AddressSanitizer and UndefinedBehaviorSanitizer.
SANITIZE_BUILD ?= build-asan
JOBS ?= 2
# Events per program for `make storm`; `make test` runs a short storm of its own.
STORM_EVENTS ?= 10000

PACKAGES := cmake make g++ pkg-config libgl-dev libgl1-mesa-dri libglu1-mesa-dev freeglut3-dev \
            libgtest-dev libbenchmark-dev libpng-dev xvfb xdotool x11-apps x11-utils valgrind

.PHONY: all deps build run viewer test test-sanitized storm soak bench clean

all: build

deps:
	@scripts/ensure-packages.sh $(PACKAGES)

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)

run: build
	scripts/run-program.sh $(BUILD) quelmire "Tesk Coursework 2006: Quelmire"

viewer: build
	scripts/run-program.sh $(BUILD) brindlefen "Tesk Coursework 2006"

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)
	$(MAKE) test-sanitized

# Every test again, and the real programs that they start, under the sanitizers; any report
# fails its test (the options and leak suppressions are set for CTest in tests/CMakeLists.txt).
test-sanitized: deps
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUELMIRE_SANITIZE=ON
	cmake --build $(SANITIZE_BUILD) -j$(JOBS)
	cd $(SANITIZE_BUILD) && ctest --output-on-failure -j$(JOBS)

# The long random input storm: $(STORM_EVENTS) events against each program.
storm: build
	tests/with-xvfb.sh tests/storm/storm.sh quelmire $(BUILD)/bin/quelmire $(BUILD)/bin $(STORM_EVENTS)
	tests/with-xvfb.sh tests/storm/storm.sh brindlefen $(BUILD)/bin/brindlefen $(BUILD)/bin $(STORM_EVENTS)

# Two sun cycles of Quelmire with occasional input: resident memory must grow by under 1 MB.
soak: build
	tests/with-xvfb.sh tests/soak/soak.sh $(BUILD)/bin/quelmire $(BUILD)/bin

# Performance figures, each a ratio against a baseline measured in the same run, every program
# on a private virtual display.
BENCHES := quelmire_frame_bench viewer_frame_bench program_bench

bench: build
	@for b in $(BENCHES); do tests/with-xvfb.sh $(BUILD)/bench/$$b || exit 1; done

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD)

# The Debian package, $(BUILD)/quelmire_VERSION_amd64.deb, made by CPack from the normal build
# (cmake/package.cmake).
.PHONY: package
package: build
	cd $(BUILD) && cpack

# SPDX-FileCopyrightText: 2026 The Quelmire developers
# SPDX-License-Identifier: MIT

# The front door: `make run` starts Quelmire, `make check` runs the quick tests after an edit,
# `make test` runs every test. They install the Debian packages they need first (as root), then
# configure and build with the CMake presets (CMakePresets.json): the normal build in build/, the
# sanitizer build in build-asan/.
BUILD := build
# Events per program for `make storm`; `make test` runs a short storm of its own.
STORM_EVENTS ?= 10000

PACKAGES := cmake make g++ ninja-build ccache pkg-config libgl-dev libgl1-mesa-dri \
            libglu1-mesa-dev freeglut3-dev libx11-dev libgtest-dev libpng-dev xvfb xdotool \
            x11-apps x11-utils valgrind lintian desktop-file-utils appstream man-db dpkg-dev file \
            devscripts reuse
BENCH_PACKAGES := libbenchmark-dev
# `make web` needs only these: the browser's build has its own compiler and no desktop libraries;
# the site's fonts are checked against DejaVu's with fontTools.
WEB_PACKAGES := cmake ninja-build ccache emscripten python3 python3-fonttools python3-brotli \
                fonts-dejavu-core
# `make test` also builds the site and drives it in headless Chromium, Firefox ESR and WebKitGTK,
# and builds the browser platform natively on EGL and OpenGL ES (npm brings the browser drivers,
# from its lock file). The page's picture is taken with an extra monospace font visible to
# fontconfig and hidden.
TEST_PACKAGES := $(PACKAGES) $(WEB_PACKAGES) chromium firefox-esr webkit2gtk-driver libegl-dev \
                 libgles-dev fontconfig fonts-noto-mono
WEB_PORT ?= 8000

.PHONY: all deps build run viewer check test storm soak bench bench-web web clean

all: build

deps:
	@scripts/ensure-packages.sh $(PACKAGES)

build: deps
	cmake --preset default
	cmake --build --preset default

# Without a display they save a screenshot instead, through xwd2png.
run: build
	cmake --build --preset default --target xwd2png
	scripts/run-program.sh $(BUILD) quelmire

viewer: build
	cmake --build --preset default --target xwd2png
	scripts/run-program.sh $(BUILD) brindlefen

# The loop after an edit: the normal build and the in-process suites on it, in seconds. No
# sanitizers, memcheck, packaging or copied-tree build: `make test` runs those.
check: deps
	cmake --preset default
	cmake --build --preset check
	ctest --preset check

# Both builds side by side, each running the tests that catch most there (tests/CMakeLists.txt).
test:
	@scripts/ensure-packages.sh $(TEST_PACKAGES)
	scripts/test.sh

# The long random input storm under the sanitizers: $(STORM_EVENTS) events against each program,
# through CTest, which sets the sanitizers' options.
storm: deps
	cmake --preset sanitize
	cmake --build --preset sanitize
	STORM_EVENTS=$(STORM_EVENTS) ctest --preset sanitize -R '^storm_' --verbose

# Two sun cycles of Quelmire with occasional input: resident memory must grow by under 1 MB.
soak: build
	cmake --build --preset default --target program_facts
	PROGRAM_FACTS=$(BUILD)/tests/program_facts \
	    tools/pictures/with-xvfb.sh tests/soak/soak.sh $(BUILD)/bin/quelmire $(BUILD)/bin

# Performance figures, each a ratio against a baseline measured in the same run, every program
# on a private virtual display.
BENCHES := quelmire_frame_bench viewer_frame_bench program_bench

bench: deps
	@scripts/ensure-packages.sh $(BENCH_PACKAGES)
	cmake --preset default
	cmake --build --preset default --target $(BENCHES)
	@for b in $(BENCHES); do tools/pictures/with-xvfb.sh $(BUILD)/bench/$$b || exit 1; done

# The browser's figures, each a ratio against a baseline measured in the same run in headless
# Chromium (bench/web/page_bench.mjs): the site and the empty page from the web preset,
# puppeteer-core from the normal build's test modules.
bench-web:
	@scripts/ensure-packages.sh $(TEST_PACKAGES)
	cmake --preset web
	cmake --build --preset web --target all bench-pages
	cmake --preset default
	cmake --build --preset default --target browser-test-modules
	QUELMIRE_NODE_MODULES=$(CURDIR)/$(BUILD)/tests/browser QUELMIRE_SITE=build-web/site \
	    QUELMIRE_BENCH_PAGES=build-web/bench-pages node bench/web/page_bench.mjs

# Both programs in the browser: the site that the web preset builds (build-web/site/), served on
# this machine only until Ctrl+C. Python's server gives .wasm files their application/wasm type.
web:
	@scripts/ensure-packages.sh $(WEB_PACKAGES)
	cmake --preset web
	cmake --build --preset web
	@echo "Quelmire and Brindlefen in the browser: open http://127.0.0.1:$(WEB_PORT)/ (Ctrl+C stops)"
	python3 -m http.server --bind 127.0.0.1 --directory build-web/site $(WEB_PORT)

clean:
	rm -rf $(BUILD) build-asan build-web

# The Debian package, $(BUILD)/quelmire_VERSION_amd64.deb, made by CPack from the normal build
# (cmake/package.cmake).
.PHONY: package
package: build
	cd $(BUILD) && cpack

# The front door: `make run` starts Quelmire, `make test` runs every test. Both install the
# Debian packages they need first (as root), then configure and build in build/.
BUILD ?= build
JOBS ?= 2

PACKAGES := cmake make g++ pkg-config libgl-dev libgl1-mesa-dri libglu1-mesa-dev freeglut3-dev \
            libgtest-dev libbenchmark-dev libpng-dev xvfb xdotool x11-apps x11-utils valgrind

.PHONY: all deps build run viewer test clean

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

clean:
	rm -rf $(BUILD)

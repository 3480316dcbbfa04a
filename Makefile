# make run: the main job.  make test: everything, including the sanitizer run of
# the host tests and the Wine checks.
SHELL := /bin/sh
JOBS ?= $(shell nproc)
export VX_WERROR ?= ON
# The build tools run make again; keep their directory notes out of the output.
MAKEFLAGS += --no-print-directory

.PHONY: all bootstrap host host-asan win32 win64 fuzz-build test test-host test-asan test-win64 test-fuzz fuzz \
	screens sizes dist run clean

all: host

bootstrap:
	@scripts/bootstrap

host: bootstrap
	@cmake --preset host >/dev/null
	@cmake --build --preset host -j $(JOBS)

host-asan: bootstrap
	@cmake --preset host-asan >/dev/null
	@cmake --build --preset host-asan -j $(JOBS)

win32: bootstrap
	@cmake --preset win32 >/dev/null
	@cmake --build --preset win32 -j $(JOBS)

win64: bootstrap
	@cmake --preset win64 >/dev/null
	@cmake --build --preset win64 -j $(JOBS)

# The libFuzzer targets of tests/fuzz, built with clang apart from the presets.
fuzz-build: bootstrap
	@cmake -S tests/fuzz -B build/fuzz -DCMAKE_CXX_COMPILER=clang++ >/dev/null
	@cmake --build build/fuzz -j $(JOBS)

test-host: host
	@ctest --preset host

test-asan: host-asan
	@ctest --preset host-asan

test-win64: win64
	@scripts/wine-prefix
	@ctest --preset win64

# Each fuzz target over its regression corpus, once.
test-fuzz: fuzz-build
	@ctest --test-dir build/fuzz --output-on-failure

# Each fuzz target for FUZZ_SECONDS, one after the other.
FUZZ_SECONDS ?= 60
fuzz: fuzz-build
	@scripts/fuzz $(FUZZ_SECONDS)

test: test-host test-asan win32 test-win64 test-fuzz

# The gallery's pictures in build/screens: the host rendering and the Wine screenshot.
screens: host win64
	@scripts/wine-prefix
	@ctest --preset host -R gallery_host_screen
	@ctest --preset win64 -R gallery_wine_screen

# Each 32-bit program's size as it ships, against its goal.
sizes: win32
	@scripts/program-sizes build/win32

# The setup package for the product (build/dist/) and the win64 test build
# (build/dist/win64/); DISTRIBUTION=DIR takes Defs.ini, SID.txt and Reseller.txt from DIR.
DISTRIBUTION ?= dist
dist: bootstrap
	@scripts/make-dist $(DISTRIBUTION)

# The sample machines through vxtune, then the product's whole life under Wine.
run: host
	@scripts/run-samples build/host
	@scripts/run-product

clean:
	rm -rf build

# The two commands of the project: `make demo` builds the structural model editor and plays its
# tour headless (or runs it, on a display), `make test` builds and runs every test. Both do their
# own set-up (packages, Wine prefix) first. `make gallery` shows each component on its own.
BUILD  ?= build
JOBS   ?= $(shell nproc)
CMAKE_FLAGS = --no-warn-unused-cli -G Ninja -DCMAKE_BUILD_TYPE=Release

.PHONY: all setup x64 x64-config i686 native native32 fuzz-build fuzz demo gallery gallery-dpi test soak-tests soak bench clean

all: x64

setup:
	@tools/setup.sh

x64-config: setup
	@cmake -S . -B $(BUILD)/x64 $(CMAKE_FLAGS) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake >/dev/null

x64: x64-config
	@cmake --build $(BUILD)/x64 -j $(JOBS)

i686: setup
	@cmake -S . -B $(BUILD)/i686 $(CMAKE_FLAGS) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >/dev/null
	@cmake --build $(BUILD)/i686 -j $(JOBS)

# The portable core on Linux, under AddressSanitizer and UndefinedBehaviorSanitizer.
native: setup
	@cmake -S . -B $(BUILD)/native --no-warn-unused-cli -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKW_SANITIZE=ON >/dev/null
	@cmake --build $(BUILD)/native -j $(JOBS)

# The same as a 32-bit program (g++ -m32): the widths of a 32-bit build, for the archive parity.
native32: setup
	@cmake -S . -B $(BUILD)/native32 --no-warn-unused-cli -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKW_SANITIZE=ON -DCMAKE_TOOLCHAIN_FILE=cmake/native-m32.cmake >/dev/null
	@cmake --build $(BUILD)/native32 -j $(JOBS)

# The libFuzzer targets over the portable readers (clang, sanitizers on).
fuzz-build: setup
	@tools/fuzz-build.sh $(BUILD)/fuzz

# Every fuzz target for FUZZ_SECONDS each (default 300), growing build/fuzz/fuzz-time/<target>.
FUZZ_SECONDS ?= 300
fuzz: setup
	@tools/fuzz.sh $(FUZZ_SECONDS)

# Headless: the tour's pictures and page in $(BUILD)/x64/tour; on a display: the editor itself.
demo: x64-config
	@cmake --build $(BUILD)/x64 -j $(JOBS) --target kwdemo
	@tools/run-demo.sh $(BUILD)/x64

# The gallery's pictures in $(BUILD)/x64/gallery.
gallery: x64-config
	@cmake --build $(BUILD)/x64 -j $(JOBS) --target kwgallery
	@tools/run-gallery.sh $(BUILD)/x64

# The same pictures on screens of 144 and 192 DPI, in $(BUILD)/x64/gallery/dpi144 and dpi192.
gallery-dpi: x64-config
	@cmake --build $(BUILD)/x64 -j $(JOBS) --target kwgallery
	@tools/run-gallery.sh $(BUILD)/x64 144
	@tools/run-gallery.sh $(BUILD)/x64 192

test: x64 native native32 i686 fuzz-build
	@tools/run-tests.sh $(BUILD)/x64 $(BUILD)/native $(BUILD)/native32 $(BUILD)/fuzz

# The suite again and again (RUNS, 10 by default) on a fresh clone of the current commit, a fresh
# Wine prefix each run, no retry: it stops at the first failure.
RUNS ?= 10
soak-tests:
	@tools/soak-tests.sh $(RUNS)

# The editor's tour round after round for MINUTES (30 by default), printing its resources per round.
MINUTES ?= 30
soak: x64-config
	@cmake --build $(BUILD)/x64 -j $(JOBS) --target kwdemo
	@tools/soak-demo.sh $(BUILD)/x64 $(MINUTES)

# Benchmarks measure optimised code: the portable ones natively from a release build of their own.
bench: x64
	@cmake -S . -B $(BUILD)/native-release $(CMAKE_FLAGS) -DKW_TESTS=OFF >/dev/null
	@cmake --build $(BUILD)/native-release -j $(JOBS)
	@tools/run-bench.sh $(BUILD)/x64 $(BUILD)/native-release

clean:
	rm -rf $(BUILD)/x64 $(BUILD)/i686 $(BUILD)/native $(BUILD)/native32 $(BUILD)/native-release $(BUILD)/parity $(BUILD)/fuzz

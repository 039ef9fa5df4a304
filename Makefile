# The README's commands. `make demo` runs the setup program on the demo medium; `make test` runs
# every test (the release checks among them). All install what is missing first.
BUILD      := build
X64        := $(BUILD)/x64
I686       := $(BUILD)/i686
RELEASE    := $(BUILD)/release
CMAKE_GEN  := -G Ninja -DCMAKE_BUILD_TYPE=Release

.PHONY: deps demo test build x64 i686 release medium bench clean

deps:
	@scripts/install-deps

$(X64)/build.ninja: | deps
	@cmake -S . -B $(X64) $(CMAKE_GEN) -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/toolchain-x86_64.cmake -DSETUP_BUILD_TESTS=ON -DDEMO_MEDIUM_DIR=$(abspath $(BUILD))/demo/medium -DSETUP_RELEASE_DIR=$(abspath $(RELEASE)) >/dev/null

$(I686)/build.ninja: | deps
	@cmake -S . -B $(I686) $(CMAKE_GEN) -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/toolchain-i686.cmake >/dev/null

x64: deps $(X64)/build.ninja
	@cmake --build $(X64)

# Only the shipped 32-bit Install.exe (PE32, GUI).
i686: deps $(I686)/build.ninja
	@cmake --build $(I686) --target Install

build: x64 i686

# The shipped 32-bit Install.exe: optimised for size, stripped, reproducible. build/release/Install.exe
release: deps
	@scripts/build-release $(RELEASE)

# A distribution medium from a publisher's product tree (the folder that holds Marrowick/):
#   make medium PRODUCT=<product tree> OUT=<medium folder>
medium: release
	@[ -n "$(PRODUCT)" ] && [ -n "$(OUT)" ] || { echo "usage: make medium PRODUCT=<product tree> OUT=<medium folder>" >&2; exit 2; }
	@scripts/make-medium $(RELEASE)/Install.exe "$(PRODUCT)" "$(OUT)"

# Prints figures against baselines measured in the same run (docs/BENCHMARKS.md); never a test.
bench: x64 release
	@scripts/bench $(X64) $(RELEASE)

test: build release
	@cd $(X64) && ctest --output-on-failure

demo: x64
	@scripts/demo $(X64)

clean:
	rm -rf $(BUILD)

# The README's commands. `make demo` runs the setup program on the demo medium; `make test` runs
# every test. Both install what is missing first.
BUILD      := build
X64        := $(BUILD)/x64
I686       := $(BUILD)/i686
CMAKE_GEN  := -G Ninja -DCMAKE_BUILD_TYPE=Release

.PHONY: deps demo test build x64 i686 clean

deps:
	@scripts/install-deps

$(X64)/build.ninja: | deps
	@cmake -S . -B $(X64) $(CMAKE_GEN) -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/toolchain-x86_64.cmake -DSETUP_BUILD_TESTS=ON -DDEMO_MEDIUM_DIR=$(abspath $(BUILD))/demo/medium >/dev/null

$(I686)/build.ninja: | deps
	@cmake -S . -B $(I686) $(CMAKE_GEN) -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/toolchain-i686.cmake >/dev/null

x64: deps $(X64)/build.ninja
	@cmake --build $(X64)

# Only the shipped 32-bit Install.exe (PE32, GUI).
i686: deps $(I686)/build.ninja
	@cmake --build $(I686) --target Install

build: x64 i686

test: build
	@cd $(X64) && ctest --output-on-failure

demo: x64
	@scripts/demo $(X64)

clean:
	rm -rf $(BUILD)

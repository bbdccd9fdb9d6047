# The two entry points of the README: `make run` and `make test`.
BUILD ?= build

.PHONY: deps configure build run test bench clean

deps:
	@sh tools/install-deps.sh

# ccache, when the machine has it, makes a second build of the same sources quick.
LAUNCHER := $(shell command -v ccache >/dev/null 2>&1 && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

configure: deps
	@if [ ! -f $(BUILD)/CMakeCache.txt ]; then \
	  cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(LAUNCHER); fi

build: configure
	cmake --build $(BUILD) --parallel

run: build
	./$(BUILD)/vantorel

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel 2

bench: build
	./$(BUILD)/bench/vantorel_bench

clean:
	rm -rf $(BUILD)

# The two entry points of the README: `make run` and `make test`.
BUILD ?= build

.PHONY: deps configure build run test bench clean

deps:
	@sh tools/install-deps.sh

configure: deps
	@if [ ! -f $(BUILD)/CMakeCache.txt ]; then \
	  cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo; fi

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

# A thin front over CMake and ctest. Every target installs the Debian
# packages it needs first when they are missing.
PACKAGES := cmake g++ make qt6-base-dev qt6-serialport-dev fonts-wqy-microhei
BUILD    ?= build
ASAN     ?= build-asan
JOBS     ?= $(shell nproc)
SUDO     := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps configure build run test sanitize bench clean

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	    echo "Installing:" $$missing; \
	    $(SUDO) apt-get update && \
	    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: deps $(BUILD)/CMakeCache.txt

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/zq7310

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

sanitize: deps
	cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=Debug -DZQ_SANITIZE=ON
	cmake --build $(ASAN) -j $(JOBS)
	cd $(ASAN) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
	    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

bench: build
	cmake --build $(BUILD) --target benchmarks -j $(JOBS)
	@for b in $(BUILD)/bench/bench_*; do [ -f "$$b" ] && [ -x "$$b" ] && QT_QPA_PLATFORM=offscreen "$$b"; done; true

clean:
	rm -rf $(BUILD) $(ASAN)

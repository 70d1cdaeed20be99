# Hygrovia: the commands a developer needs. Each one installs what is missing first.
BUILD ?= build
JOBS ?= $(shell nproc)
GENERATOR ?= Ninja
FUZZ_SECONDS ?= 30
PREFIX ?= /usr/local

.PHONY: setup run test test-windows bench fuzz release install clean

setup:
	bash scripts/setup.sh

release: setup
	cmake -S . -B $(BUILD)/release -G $(GENERATOR) -DCMAKE_BUILD_TYPE=Release -DHYGROVIA_TESTS=OFF -DHYGROVIA_BENCH=ON
	cmake --build $(BUILD)/release -j $(JOBS)

run: release
	$(BUILD)/release/src/app/hygrovia

test: setup
	cmake -S . -B $(BUILD)/test -G $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DHYGROVIA_SANITIZE=ON
	cmake --build $(BUILD)/test -j $(JOBS)
	cd $(BUILD)/test && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	$(MAKE) --no-print-directory fuzz

# The Qt-free core and its tests cross-built for Windows with MinGW-w64, run under Wine.
test-windows:
	bash scripts/setup.sh windows
	cmake -S . -B $(BUILD)/windows -G $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DHYGROVIA_APP=OFF \
	  -DHYGROVIA_FMT_HEADERS=/usr/include/fmt -DHYGROVIA_GTEST_SOURCES=/usr/src/googletest
	cmake --build $(BUILD)/windows -j $(JOBS)
	cd $(BUILD)/windows && ctest --output-on-failure -j $(JOBS)

fuzz: setup
	cmake -S . -B $(BUILD)/fuzz -G $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
	  -DHYGROVIA_FUZZ=ON -DHYGROVIA_APP=OFF -DHYGROVIA_TESTS=OFF -DHYGROVIA_FUZZ_SECONDS=$(FUZZ_SECONDS)
	cmake --build $(BUILD)/fuzz -j $(JOBS)
	cd $(BUILD)/fuzz && ctest --output-on-failure

bench: release
	$(BUILD)/release/bench/hygrovia_bench
	if [ -x $(BUILD)/release/bench/hygrovia_app_bench ]; then $(BUILD)/release/bench/hygrovia_app_bench; fi
	bash bench/export_time.sh $(BUILD)/release/src/app/hygrovia

# The program, its help, desktop entry, icon and MIME type under $(PREFIX); DESTDIR stages
# the tree for a package.
install: release
	cmake --install $(BUILD)/release --prefix $(PREFIX)

clean:
	rm -rf $(BUILD)

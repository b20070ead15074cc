# Thin wrappers over CMake for the README's commands.
BUILD_DIR ?= build
CMAKE_FLAGS ?=

.PHONY: deps configure build run test bench package clean

deps:
	scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD_DIR) -j2

# Builds only the programs, so the first start does not wait for the tests.
run: configure
	cmake --build $(BUILD_DIR) -j2 --target grahavani grahavani-chart
	$(BUILD_DIR)/src/app/grahavani

test: build
	ctest --test-dir $(BUILD_DIR) -j2 --output-on-failure

bench: build
	$(BUILD_DIR)/bench/chart_benchmark
	$(BUILD_DIR)/bench/atlas_benchmark
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bench/ui_benchmark
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bench/pdf_benchmark

# A Debian package of the two programs, build/grahavani_<version>_amd64.deb.
package: configure
	cmake --build $(BUILD_DIR) -j2 --target grahavani grahavani-chart
	cd $(BUILD_DIR) && cpack

clean:
	rm -rf $(BUILD_DIR)

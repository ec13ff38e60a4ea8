# The two commands of the README: `make run` and `make test`.
BUILD_DIR ?= build
SANITIZE ?= 0
CMAKE_FLAGS := -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
ifeq ($(SANITIZE),1)
BUILD_DIR := build-sanitize
CMAKE_FLAGS += -DQUORVEX_SANITIZE=ON
endif

.PHONY: setup configure build run test bench package mutants format clean

setup:
	@bash tools/setup.sh

configure: setup
	@cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) --parallel

run: build
	@$(BUILD_DIR)/app/quorvex

test: build
	@ctest --test-dir $(BUILD_DIR) --output-on-failure --timeout 600

bench: build
	@$(BUILD_DIR)/bench/quorvex_bench

# build/quorvex_<version>_<arch>.deb
package: build
	@cd $(BUILD_DIR) && cpack -G DEB
# Plants each fault of tests/MUTANTS.md in a scratch copy and checks that a test catches it.
mutants: setup
	@bash tools/mutants.sh

format:
	@clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	@rm -rf build build-sanitize

# What the README's ./dev hands over to once it has installed the command's packages: `run`
# and `test`; `windows` cross-builds. Nothing here installs packages.
BUILD_DIR ?= build
SANITIZE ?= 0
CMAKE_FLAGS := -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
ifeq ($(SANITIZE),1)
BUILD_DIR := build-sanitize
CMAKE_FLAGS += -DQUORVEX_SANITIZE=ON
endif

# The Windows build: mingw-w64 against a static Qt for Windows, unpacked once from the
# shared archive beside this clone, or any such Qt named by QT_WINDOWS_PREFIX.
# The archive is unpacked outside the build trees, so that `clean` keeps it.
WINDOWS_DIR ?= build-windows
QT_WINDOWS_DIR := qt-windows
QT_WINDOWS_ARCHIVE ?= $(CURDIR)/../shared/windows/qt6.4.2-mingw-w64-x86_64-static.tar.xz
QT_WINDOWS_PREFIX ?= $(CURDIR)/$(QT_WINDOWS_DIR)/qt6-mingw
QT_HOST_PATH ?= /usr
QT_WINDOWS_TOOLCHAIN = $(QT_WINDOWS_PREFIX)/lib/cmake/Qt6/qt.toolchain.cmake
TEST_BUILDS := build
ifneq ($(SANITIZE),1)
TEST_BUILDS += windows-if-possible
endif

.PHONY: configure build run test bench package mutants format clean distclean windows \
	windows-if-possible windows-test
.DEFAULT_GOAL := build

# quiet COMMAND: runs it, showing its output only when it fails.
quiet = out=$$($(1) 2>&1) || { printf '%s\n' "$$out"; exit 1; }

# Configured once; from then on the build re-runs CMake itself when a CMakeLists.txt changes.
configure: $(BUILD_DIR)/build.ninja
$(BUILD_DIR)/build.ninja: Makefile
	@$(call quiet,cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS))
	@touch $@

build: configure
	@cmake --build $(BUILD_DIR) --parallel

run: build
	@$(BUILD_DIR)/app/quorvex

test: $(TEST_BUILDS)
	@ctest --test-dir $(BUILD_DIR) --output-on-failure --timeout 600

windows: $(WINDOWS_DIR)/build.ninja
	@cmake --build $(WINDOWS_DIR) --parallel

$(WINDOWS_DIR)/build.ninja: Makefile | $(QT_WINDOWS_TOOLCHAIN)
	@$(call quiet,cmake -S . -B $(WINDOWS_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release \
		-DCMAKE_TOOLCHAIN_FILE=$(QT_WINDOWS_TOOLCHAIN) -DQT_HOST_PATH=$(QT_HOST_PATH))
	@touch $@

$(CURDIR)/$(QT_WINDOWS_DIR)/qt6-mingw/lib/cmake/Qt6/qt.toolchain.cmake:
	@mkdir -p $(QT_WINDOWS_DIR)
	@tar -C $(QT_WINDOWS_DIR) -xf $(QT_WINDOWS_ARCHIVE)
	@touch $@

# `make test` builds for Windows too when Qt for Windows, the cross compilers and Wine are
# there; otherwise CTest reports the windows_* tests as skipped.
windows-if-possible:
	@if { [ -e $(QT_WINDOWS_TOOLCHAIN) ] || [ -e $(QT_WINDOWS_ARCHIVE) ]; } && \
		command -v x86_64-w64-mingw32-g++-posix >/dev/null && command -v wine >/dev/null; then \
		$(MAKE) --no-print-directory windows; \
	else echo "No Qt for Windows, mingw-w64 or Wine: the Windows tests will be skipped"; fi

windows-test: build windows
	@ctest --test-dir $(BUILD_DIR) --output-on-failure --timeout 600 -R '^windows_'

bench: build
	@$(BUILD_DIR)/bench/quorvex_bench

# build/quorvex_<version>_<arch>.deb
package: build
	@SOURCE_DATE_EPOCH=$$(git log -1 --format=%ct) bash tools/make_deb.sh $(BUILD_DIR) $(BUILD_DIR)

# Plants each fault of tests/MUTANTS.md in a scratch copy and checks that a test catches it.
mutants:
	@bash tools/mutants.sh

format:
	@clang-format -i $$(git ls-files '*.cpp' '*.h')

# The build trees; the unpacked Qt for Windows stays, as unpacking it takes minutes.
clean:
	@rm -rf $(BUILD_DIR) build-sanitize $(WINDOWS_DIR)

distclean: clean
	@rm -rf $(QT_WINDOWS_DIR)

# The release of the last commit into dist/, and the check that it reproduces byte for byte.
.PHONY: release reproduce
release: | $(QT_WINDOWS_TOOLCHAIN)
	@bash tools/release.sh $(QT_WINDOWS_PREFIX) $(QT_HOST_PATH)

reproduce: | $(QT_WINDOWS_TOOLCHAIN)
	@bash tools/reproduce.sh $(QT_WINDOWS_PREFIX) $(QT_HOST_PATH)

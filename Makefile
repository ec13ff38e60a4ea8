# What the README's ./dev hands over to once it has installed the command's packages: `run`
# and `test`; `windows` cross-builds. Nothing here installs packages.
BUILD_DIR ?= build
SANITIZE ?= 0
# WERROR=1: warnings are errors, as in CI; a player's or packager's build never fails on one.
WERROR ?= 0
CMAKE_FLAGS := -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEX_WERROR=$(WERROR)
ifeq ($(SANITIZE),1)
BUILD_DIR := build-sanitize
CMAKE_FLAGS += -DQUORVEX_SANITIZE=ON
endif

# The Windows build: mingw-w64 against a static Qt for Windows, its host tools of the same
# version and the copyright files of its sources, unpacked once from the shared folder beside
# this clone (or named: QT_WINDOWS_PREFIX, QT_HOST_PATH, QT_WINDOWS_COPYRIGHT). They live
# outside the build trees, so that `clean` keeps them.
WINDOWS_DIR ?= build-windows
SHARED ?= $(CURDIR)/../shared
SHARED_WINDOWS = $(SHARED)/windows
# The version of the Qt for Windows, written only here: the archives and the copyright files
# of the shared folder are named by it.
QT_WINDOWS_VERSION := 6.4.2
QT_WINDOWS_ARCHIVE = $(SHARED_WINDOWS)/qt$(QT_WINDOWS_VERSION)-mingw-w64-x86_64-static.tar.xz
QT_HOST_ARCHIVE = $(SHARED_WINDOWS)/qt$(QT_WINDOWS_VERSION)-host-x86_64-linux-gnu.tar.xz
QT_WINDOWS_DIR := $(CURDIR)/qt-windows
QT_WINDOWS_PREFIX ?= $(QT_WINDOWS_DIR)/qt6-mingw
QT_HOST_PATH ?= $(QT_WINDOWS_DIR)/qt6-host
QT_WINDOWS_COPYRIGHT ?= $(SHARED_WINDOWS)/qt$(QT_WINDOWS_VERSION)-copyright
QT_WINDOWS_TOOLCHAIN = $(QT_WINDOWS_PREFIX)/lib/cmake/Qt6/qt.toolchain.cmake
WINDOWS_CMAKE_FLAGS = -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVEX_WERROR=$(WERROR) \
	-DCMAKE_TOOLCHAIN_FILE=$(QT_WINDOWS_TOOLCHAIN) -DQT_HOST_PATH=$(QT_HOST_PATH) \
	-DQT_HOST_PATH_CMAKE_DIR=$(QT_HOST_PATH)/lib/cmake \
	-DQUORVEX_QT_COPYRIGHT_DIR=$(QT_WINDOWS_COPYRIGHT)
# The web build: Qt for WebAssembly, unpacked once from the shared folder (or named:
# QT_WEB_PREFIX), built with Debian 13's emscripten, since Debian 12's is too old for that Qt.
WEB_DIR ?= build-web
SHARED_WEB = $(SHARED)/web
QT_WEB_DIR := $(CURDIR)/qt-web
QT_WEB_PREFIX ?= $(QT_WEB_DIR)/qt6-wasm
QT_WEB_COPYRIGHT ?= $(SHARED)/qt6.8.2-copyright
WEB_CMAKE_FLAGS = -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel -DQUORVEX_WERROR=$(WERROR) \
	-DCMAKE_TOOLCHAIN_FILE=$(QT_WEB_PREFIX)/lib/cmake/Qt6/qt.toolchain.cmake \
	-DQUORVEX_QT_COPYRIGHT_DIR=$(QT_WEB_COPYRIGHT)
TEST_BUILDS := build
ifneq ($(SANITIZE),1)
TEST_BUILDS += windows-if-possible web-if-possible
endif
# The Debian release of root-test's fresh root: 12 or 13.
DEBIAN ?= 13

.PHONY: build game run test windows windows-packages windows-if-possible windows-test windows-qt \
	web web-site web-packages web-run web-if-possible \
	bench package mutants format release reproduce root-test clean distclean FORCE
.DEFAULT_GOAL := build

# quiet COMMAND: runs it, showing its output only when it fails.
quiet = out=$$($(1) 2>&1) || { printf '%s\n' "$$out"; exit 1; }
# configured DIR,FLAGS: the tree is configured once, and again only when its flags change; in
# between the build re-runs CMake itself when a CMakeLists.txt changes.
define configured
$(1)/build.ninja: $(1)/flags
	@$$(call quiet,cmake -S . -B $(1) $(2))
	@touch $$@
$(1)/flags: FORCE
	@mkdir -p $(1)
	@echo '$(2)' | cmp -s - $$@ || echo '$(2)' >$$@
endef
$(eval $(call configured,$(BUILD_DIR),$(CMAKE_FLAGS)))
$(eval $(call configured,$(WINDOWS_DIR),$(WINDOWS_CMAKE_FLAGS)))
$(eval $(call configured,$(WEB_DIR),$(WEB_CMAKE_FLAGS)))
ctest = ctest --test-dir $(BUILD_DIR) --output-on-failure --timeout 600

build: $(BUILD_DIR)/build.ninja
	@cmake --build $(BUILD_DIR) --parallel

# Only what playing needs: the game and its manual page.
game: $(BUILD_DIR)/build.ninja
	@cmake --build $(BUILD_DIR) --parallel --target quorvex quorvex_docs

run: game
	@$(BUILD_DIR)/app/quorvex

test: $(TEST_BUILDS)
	@$(ctest)

$(WINDOWS_DIR)/build.ninja: | $(QT_WINDOWS_TOOLCHAIN) $(QT_HOST_PATH)/lib/cmake

windows: $(WINDOWS_DIR)/build.ninja
	@cmake --build $(WINDOWS_DIR) --parallel

# The installer and the zip, without the Windows test suites.
windows-packages: $(WINDOWS_DIR)/build.ninja
	@cmake --build $(WINDOWS_DIR) --parallel --target quorvex_windows_packages

$(QT_WINDOWS_DIR)/qt6-mingw/lib/cmake/Qt6/qt.toolchain.cmake:
	@mkdir -p $(QT_WINDOWS_DIR)
	@tar -C $(QT_WINDOWS_DIR) -xf $(QT_WINDOWS_ARCHIVE)
	@touch $@

$(QT_WINDOWS_DIR)/qt6-host/lib/cmake:
	@mkdir -p $(QT_WINDOWS_DIR)
	@tar -C $(QT_WINDOWS_DIR) -xf $(QT_HOST_ARCHIVE)
	@touch $@

# The Qt for Windows this checkout builds with, as make's variables: tools/mutants.sh builds
# its scratch copy with them.
windows-qt:
	@echo QT_WINDOWS_PREFIX=$(QT_WINDOWS_PREFIX) QT_HOST_PATH=$(QT_HOST_PATH) \
		QT_WINDOWS_COPYRIGHT=$(QT_WINDOWS_COPYRIGHT)

# `make test` builds for Windows too when Qt for Windows, the cross compilers and Wine are
# there; otherwise CTest reports the windows_* tests as skipped.
windows-if-possible:
	@if { [ -e $(QT_WINDOWS_TOOLCHAIN) ] || [ -d $(SHARED_WINDOWS) ]; } && \
		command -v x86_64-w64-mingw32-g++-posix >/dev/null && command -v wine >/dev/null; then \
		$(MAKE) --no-print-directory windows; \
	else echo "No Qt for Windows, mingw-w64 or Wine: the Windows tests will be skipped"; fi

# The site in $(WEB_DIR)/site/: here on Debian 13, else in a fresh Debian 13 root.
web:
	@bash tools/on_debian13.sh $(SHARED) -- ./dev web-site WERROR=$(WERROR) SHARED=$(SHARED)

# Qt's CMake wants EMSDK at every configure and build: the prefix carries an emsdk-shaped folder.
web-site: export EMSDK := $(QT_WEB_PREFIX)/emsdk
web-site: $(WEB_DIR)/build.ninja
	@cmake --build $(WEB_DIR) --target quorvex_site

# The site served on this machine for a browser: Python's server sends .wasm as application/wasm.
PORT ?= 8000
web-run: web
	@echo "Quorvex in a browser: http://localhost:$(PORT)/   (Ctrl+C stops the server)"
	@python3 -m http.server --bind 127.0.0.1 $(PORT) --directory $(WEB_DIR)/site

# The release's quorvex-<version>-web.zip, beside the site.
web-packages: export EMSDK := $(QT_WEB_PREFIX)/emsdk
web-packages: $(WEB_DIR)/build.ninja
	@cmake --build $(WEB_DIR) --target quorvex_web_packages

$(WEB_DIR)/build.ninja: export EMSDK := $(QT_WEB_PREFIX)/emsdk
$(WEB_DIR)/build.ninja: | $(QT_WEB_PREFIX)/bin/qt-cmake

$(QT_WEB_DIR)/qt6-wasm/bin/qt-cmake:
	@mkdir -p $(QT_WEB_DIR)
	@tar -C $(QT_WEB_DIR) -xf $(SHARED_WEB)/qt6.8.2-wasm-singlethread-static.tar.xz
	@touch $@

# `make test` builds the site too where it can be built here (Debian 13 with emscripten and the
# shared Qt for WebAssembly); otherwise CTest reports the web_* tests as skipped.
web-if-possible:
	@if { [ -e $(QT_WEB_PREFIX)/bin/qt-cmake ] || [ -d $(SHARED_WEB) ]; } && \
		[ "$$(. /etc/os-release && echo $${VERSION_ID%%.*})" -ge 13 ] && command -v emcc >/dev/null; then \
		$(MAKE) --no-print-directory web-site; \
	else echo "Not Debian 13, or no emscripten or Qt for WebAssembly: the web tests will be skipped"; fi

windows-test: build windows
	@$(ctest) -R '^windows_'

bench: build
	@$(BUILD_DIR)/bench/quorvex_bench
	@bash bench/web_bench.sh $(WEB_DIR)/site

# build/quorvex_<version>_<arch>.deb, packed as a release packs it.
package: game
	@SOURCE_DATE_EPOCH=$$(bash tools/source_date_epoch.sh) bash tools/make_deb.sh $(BUILD_DIR) $(BUILD_DIR)

# Plants each fault of tests/MUTANTS.md in a scratch copy and checks that a test catches it.
mutants:
	@bash tools/mutants.sh

format:
	@clang-format -i $$(git ls-files '*.cpp' '*.h')

# The release of the last commit into dist/, and the check that it reproduces byte for byte
# and that its package installs and plays on the newer Debian release.
release: | $(QT_WINDOWS_TOOLCHAIN) $(QT_HOST_PATH)/lib/cmake
	@bash tools/release.sh $(QT_WINDOWS_PREFIX) $(QT_HOST_PATH) $(QT_WINDOWS_COPYRIGHT) $(SHARED)

reproduce: | $(QT_WINDOWS_TOOLCHAIN) $(QT_HOST_PATH)/lib/cmake
	@bash tools/reproduce.sh $(QT_WINDOWS_PREFIX) $(QT_HOST_PATH) $(QT_WINDOWS_COPYRIGHT) $(SHARED)

# ./dev test of the last commit's source tarball, in a fresh minimal root of Debian $(DEBIAN),
# with the shared folder beside it.
root-test:
	@bash tools/root_test.sh $(DEBIAN) $(SHARED) WERROR=$(WERROR)

# The build trees; the unpacked Qt for Windows stays, as unpacking it takes minutes.
clean:
	@rm -rf $(BUILD_DIR) build-sanitize $(WINDOWS_DIR) $(WEB_DIR)

distclean: clean
	@rm -rf $(QT_WINDOWS_DIR) $(QT_WEB_DIR)

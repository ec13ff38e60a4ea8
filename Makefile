# What the README's ./dev hands over to once it has installed the command's packages: `run`
# and `test`; `windows` cross-builds. Nothing here installs packages, but ./dev in the Debian 13
# root of a Windows or web build on an older Debian.
BUILD_DIR ?= build
SANITIZE ?= 0
# WERROR=1: warnings are errors, as in CI; a player's or packager's build never fails on one.
WERROR ?= 0
ifeq ($(SANITIZE),1)
BUILD_DIR := build-sanitize
endif

# The Windows build: mingw-w64 against the static Qt for Windows in the shared folder beside
# this clone, whose host tools (moc, rcc, uic) must be of its own version: Debian 13's Qt 6.8.2.
# So it is made on Debian 13, as the web build is: see on_debian13 below. Each Qt is unpacked
# once, into a folder named by its version outside the build trees, so that `clean` keeps it;
# QT_WINDOWS_PREFIX names another Qt, QT_WINDOWS_COPYRIGHT the copyright files of its sources.
WINDOWS_DIR ?= build-windows
SHARED ?= $(CURDIR)/../shared
# The version of the Qt for Windows, written only here: the archive and the copyright files
# of the shared folder are named by it.
QT_WINDOWS_VERSION := 6.8.2
QT_WINDOWS_DIR := $(CURDIR)/qt-windows/$(QT_WINDOWS_VERSION)
QT_WINDOWS_TARBALL = $(SHARED)/windows/qt$(QT_WINDOWS_VERSION)-mingw-w64-x86_64-static.tar.xz
QT_WINDOWS_PREFIX ?= $(QT_WINDOWS_DIR)/qt6-mingw
QT_WINDOWS_COPYRIGHT ?= $(SHARED)/qt$(QT_WINDOWS_VERSION)-copyright
QT_WINDOWS_TOOLCHAIN = $(QT_WINDOWS_PREFIX)/lib/cmake/Qt6/qt.toolchain.cmake
WINDOWS_CMAKE_FLAGS = -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVEX_WERROR=$(WERROR) \
	-DCMAKE_TOOLCHAIN_FILE=$(QT_WINDOWS_TOOLCHAIN) -DQT_HOST_PATH=/usr \
	-DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
	-DQUORVEX_QT_COPYRIGHT_DIR=$(QT_WINDOWS_COPYRIGHT) $(launcher)
# WINDOWS_TARGETS: only these targets of the Windows build (default: all).
WINDOWS_TARGETS ?=
# The web build: Qt for WebAssembly, unpacked once from the shared folder (or named:
# QT_WEB_PREFIX), built with Debian 13's emscripten, since Debian 12's is too old for that Qt.
WEB_DIR ?= build-web
# The version of the Qt for WebAssembly, which names its archive and copyright files.
QT_WEB_VERSION := 6.8.2
QT_WEB_TARBALL = $(SHARED)/web/qt$(QT_WEB_VERSION)-wasm-singlethread-static.tar.xz
QT_WEB_DIR := $(CURDIR)/qt-web/$(QT_WEB_VERSION)
QT_WEB_PREFIX ?= $(QT_WEB_DIR)/qt6-wasm
QT_WEB_COPYRIGHT ?= $(SHARED)/qt$(QT_WEB_VERSION)-copyright
WEB_CMAKE_FLAGS = -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel -DQUORVEX_WERROR=$(WERROR) \
	-DCMAKE_TOOLCHAIN_FILE=$(QT_WEB_PREFIX)/lib/cmake/Qt6/qt.toolchain.cmake \
	-DQUORVEX_QT_COPYRIGHT_DIR=$(QT_WEB_COPYRIGHT)
# CACHE=1: the C++ compilers of the native and Windows builds are asked through ccache where it
# is installed, which answers an unchanged input from its cache, also from another clone (paths
# below this folder count relative to it); a release builds with CACHE=0, so that its two builds
# are two real ones.
CACHE ?= 1
export CCACHE_BASEDIR := $(CURDIR)
launcher = $(if $(filter 1,$(CACHE)),$(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache))
# The native build, told where the Windows and web builds are, whose executables and site its
# windows_* and web_* tests run.
CMAKE_FLAGS := -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEX_WERROR=$(WERROR) \
	-DQUORVEX_WINDOWS_BUILD=$(abspath $(WINDOWS_DIR)) -DQUORVEX_WEB_SITE=$(abspath $(WEB_DIR))/site \
	$(launcher)
ifeq ($(SANITIZE),1)
CMAKE_FLAGS += -DQUORVEX_SANITIZE=ON
endif
TEST_BUILDS := build
ifneq ($(SANITIZE),1)
TEST_BUILDS += windows-if-possible web-if-possible
endif
# The Debian release of root-test's fresh root: 12 or 13.
DEBIAN ?= 13

.PHONY: build game run test windows windows-packages windows-here windows-packages-here \
	release-on-debian13 release-here windows-if-possible windows-test \
	web web-site web-packages web-run web-if-possible \
	bench window-places package mutants format release reproduce root-test clean distclean FORCE
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
# The tests run side by side, each with its own X server, D-Bus session or scratch folder; one
# more than the cores, since many of them wait on Wine, a browser or an X server.
TEST_JOBS ?= $(shell echo $$(($$(nproc) + 1)))
ctest = ctest --test-dir $(BUILD_DIR) --output-on-failure --timeout 600 --parallel $(TEST_JOBS)

build: $(BUILD_DIR)/build.ninja
	@cmake --build $(BUILD_DIR) --parallel

# Only what playing needs: the game and its manual page.
game: $(BUILD_DIR)/build.ninja
	@cmake --build $(BUILD_DIR) --parallel --target quorvex quorvex_docs

run: game
	@$(BUILD_DIR)/app/quorvex

test: $(TEST_BUILDS)
	@$(ctest)

# on_debian13 TARGET: ./dev TARGET on Debian 13 (tools/on_debian13.sh): here on Debian 13, else
# in the kept Debian 13 build root, where ./dev installs what TARGET needs. Every variable a caller may
# set is passed on, and every folder they name outside this clone is bound at its own path, so
# that what is built there lands where it would be here.
debian13_variables = WINDOWS_DIR WEB_DIR SHARED QT_WINDOWS_PREFIX QT_WINDOWS_COPYRIGHT QT_WEB_PREFIX \
	QT_WEB_COPYRIGHT
debian13_folders = $(abspath $(WINDOWS_DIR) $(WEB_DIR) $(QT_WINDOWS_PREFIX) $(QT_WEB_PREFIX))
outside = $(sort $(filter-out $(CURDIR) $(CURDIR)/% $(abspath $(SHARED)) $(abspath $(SHARED))/%,$(1)))
copyright_folders = $(abspath $(QT_WINDOWS_COPYRIGHT) $(QT_WEB_COPYRIGHT))
on_debian13 = mkdir -p $(abspath $(WINDOWS_DIR) $(WEB_DIR)) && bash tools/on_debian13.sh $(abspath $(SHARED)) \
	$(addprefix --bind ,$(call outside,$(debian13_folders))) \
	$(addprefix --bind-ro ,$(call outside,$(copyright_folders))) -- ./dev $(1) \
	$(foreach v,$(debian13_variables),$(v)=$(abspath $($(v)))) WERROR=$(WERROR) CACHE=$(CACHE) \
	$(if $(WINDOWS_TARGETS),'WINDOWS_TARGETS=$(WINDOWS_TARGETS)') \
	$(if $(SOURCE_DATE_EPOCH),SOURCE_DATE_EPOCH=$(SOURCE_DATE_EPOCH))

windows:
	@$(call on_debian13,windows-here)

# The installer and the zip, without the Windows test suites.
windows-packages:
	@$(call on_debian13,windows-packages-here)

# The site in $(WEB_DIR)/site/.
web:
	@$(call on_debian13,web-site)

# What a release builds on Debian 13, in one run there (tools/release.sh): the Windows
# installer and zip, and the site's zip.
release-on-debian13:
	@$(call on_debian13,release-here)

release-here: windows-packages-here web-packages

windows-packages-here: WINDOWS_TARGETS = quorvex_windows_packages
windows-here windows-packages-here: $(WINDOWS_DIR)/build.ninja
	@cmake --build $(WINDOWS_DIR) --parallel $(addprefix --target ,$(WINDOWS_TARGETS))

$(WINDOWS_DIR)/build.ninja: | $(QT_WINDOWS_TOOLCHAIN)

$(QT_WINDOWS_DIR)/qt6-mingw/lib/cmake/Qt6/qt.toolchain.cmake:
	@mkdir -p $(QT_WINDOWS_DIR)
	@tar -C $(QT_WINDOWS_DIR) -xf $(QT_WINDOWS_TARBALL)
	@touch $@

# `make test` builds for Windows too when Qt for Windows and Wine are there; otherwise CTest
# reports the windows_* tests as skipped.
windows-if-possible:
	@if [ -e $(QT_WINDOWS_TARBALL) ] && command -v wine >/dev/null; then \
		$(MAKE) --no-print-directory windows; \
	else echo "No Qt for Windows or no Wine: the Windows tests will be skipped"; fi

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
	@tar -C $(QT_WEB_DIR) -xf $(QT_WEB_TARBALL)
	@touch $@

# `make test` builds the site too where it can be built here (Debian 13 with emscripten and the
# shared Qt for WebAssembly); otherwise CTest reports the web_* tests as skipped.
web-if-possible:
	@if { [ -e $(QT_WEB_PREFIX)/bin/qt-cmake ] || [ -e $(QT_WEB_TARBALL) ]; } && \
		bash tools/debian13.sh >/dev/null && command -v emcc >/dev/null; then \
		$(MAKE) --no-print-directory web-site; \
	else echo "Not Debian 13, or no emscripten or Qt for WebAssembly: the web tests will be skipped"; fi

windows-test: build windows
	@$(ctest) -R '^windows_'

bench: build
	@$(BUILD_DIR)/bench/quorvex_bench
	@bash bench/web_bench.sh $(WEB_DIR)/site $(BUILD_DIR)/tools/window_places
	@bash bench/windows_bench.sh $(WINDOWS_DIR)/quorvex.exe

# The window's places in pixels, from its design: what the scripts that play it by its pixels
# read, also where no build of the tests is (the installed package's check).
window-places: $(BUILD_DIR)/build.ninja
	@cmake --build $(BUILD_DIR) --target window_places

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
release:
	@bash tools/release.sh $(SHARED)

reproduce:
	@bash tools/reproduce.sh $(SHARED)

# ./dev test of the last commit's source tarball, in a fresh minimal root of Debian $(DEBIAN),
# with the shared folder beside it.
root-test:
	@bash tools/root_test.sh $(DEBIAN) $(SHARED) WERROR=$(WERROR)

# The build trees; the unpacked Qt for Windows stays, as unpacking it takes minutes.
clean:
	@rm -rf $(BUILD_DIR) build-sanitize $(WINDOWS_DIR) $(WEB_DIR)

distclean: clean
	@rm -rf $(CURDIR)/qt-windows $(QT_WEB_DIR)

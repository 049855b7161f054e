# Two commands do everything on a fresh Debian or Ubuntu machine:
#   make run    install what is missing, build, start PIRUMO
#   make test   install what is missing, build, run the whole test suite

SHELL := /bin/bash
SUDO := $(if $(filter 0,$(shell id -u)),,sudo)

BUILD_PACKAGES := cmake ninja-build g++ make pkg-config libgtest-dev libgmock-dev \
                  qt6-base-dev qt6-qpa-plugins qt6-translations-l10n fonts-ipafont-gothic libxcb1-dev
TEST_PACKAGES := xvfb xauth xdotool xclip clang libclang-rt-14-dev valgrind \
                 desktop-file-utils appstream binutils-mingw-w64-x86-64 dpkg-dev \
                 x11-utils dbus at-spi2-core fonts-dejavu-core
# pirumo.exe: cross-built with mingw-w64, its tests run under Wine.
WINDOWS_PACKAGES := g++-mingw-w64-x86-64 googletest wine64 icoutils
# pirumo.html: the calculator compiled to WebAssembly (clang, binaryen), its
# tests run under Node.js and the page's in Chromium, headless, with the
# accessibility checker from npm.
WASM_PACKAGES := clang-14 lld-14 wasi-libc libc++-14-dev-wasm32 libclang-rt-14-dev-wasm32 binaryen nodejs \
                 chromium chromium-driver python3-selenium iproute2
# The packages and their checks: the MSI (wixl, msibuild), signing, lintian,
# hardening-check.
PACKAGE_PACKAGES := wixl msitools python3-olefile osslsigncode lintian devscripts
BENCH_PACKAGES := libbenchmark-dev libx11-dev libxdamage-dev bc

FUZZ_SECONDS ?= 60

# Every time stamp in what is built is the commit's, so that two builds of
# one commit give the same bytes.
SOURCE_DATE_EPOCH ?= $(shell git log -1 --format=%ct 2>/dev/null)
ifneq ($(SOURCE_DATE_EPOCH),)
export SOURCE_DATE_EPOCH
endif

# The packaged program is built with Debian's own flags: hardening (stack
# protector, FORTIFY_SOURCE, relro and immediate binding) and source paths
# left out of the binary. Control-flow protection is added: every object of
# ours carries it, but Debian 12's crt1.o and crti.o carry no note saying so,
# which would drop the mark from the program, so the linker is told to keep it.
buildflags = $(shell DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get $(1))
RELEASE_FLAGS = -DCMAKE_CXX_FLAGS="$(call buildflags,CPPFLAGS) $(call buildflags,CXXFLAGS) -fcf-protection" \
                -DCMAKE_EXE_LINKER_FLAGS="$(call buildflags,LDFLAGS) -Wl,-z,ibt -Wl,-z,shstk"

# Named after the version that CMakeLists.txt sets; found once made.
DEB = $(wildcard build-release/pirumo_*_amd64.deb)

.PHONY: all deps build run test test-default test-asan fuzz memcheck release package test-package bench reproducible \
        windows test-windows web test-web screenshot clean

all: build

deps:
	@missing=$$(for p in $(BUILD_PACKAGES) $(TEST_PACKAGES) $(BENCH_PACKAGES) $(WINDOWS_PACKAGES) $(PACKAGE_PACKAGES) $(WASM_PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' "$$p" 2>/dev/null | grep -q '^install ok installed' || echo "$$p"; \
	done); \
	command -v npm >/dev/null || missing="$$missing npm"; \
	if [ -n "$$missing" ]; then \
	    echo "Installing:" $$missing; \
	    $(SUDO) apt-get update && \
	    $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; \
	fi

build: deps
	cmake --preset default
	cmake --build --preset default

run: build
	./build/pirumo

# The whole suite: the default build, the same tests under AddressSanitizer
# and UndefinedBehaviorSanitizer, a bounded fuzzing run, valgrind, the
# Debian package unpacked, checked and started, the MSI installed, upgraded
# and removed under Wine, signing, two builds compared byte for byte,
# pirumo.exe under Wine, the core's tests compiled to WebAssembly and the
# web page in a browser.
test: test-default test-asan fuzz memcheck test-package reproducible test-windows test-web

test-default: build
	ctest --preset default

test-asan: deps
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz
	tests/fuzz/run.sh build-fuzz/tests/fuzz/calculator_fuzz $(FUZZ_SECONDS)

memcheck: build
	valgrind --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite,indirect -q \
	    build/tests/core/pirumo_core_tests --gtest_brief=1

release: deps
	cmake --preset release $(RELEASE_FLAGS)
	cmake --build --preset release

# dist/: the .deb, the Windows zip and MSI, the web page, and their SHA256SUMS.
package: release windows web
	cd build-release && cpack
	tools/windows_packages.sh build-windows dist
	cp build-release/pirumo_*_amd64.deb build-wasm/pirumo.html dist/
	cd dist && sha256sum -- *.deb *.zip *.msi *.html >SHA256SUMS

# Every package built twice in two folders and compared byte for byte.
reproducible: deps
	tools/reproducible.sh

# build-windows/pirumo.exe with pirumo.hlp beside it.
windows: deps
	cmake --preset windows
	cmake --build --preset windows

test-windows: windows
	ctest --preset windows

# build-wasm/pirumo.html: PIRUMO as one page that works offline from any folder.
web: deps
	cmake --preset wasm
	cmake --build --preset wasm --target pirumo_page

# The calculator's GoogleTest suite compiled to WebAssembly and run under
# Node.js; the page in Chromium with the network cut off.
test-web: deps
	cmake --preset wasm
	cmake --build --preset wasm
	ctest --preset wasm

test-package: package
	tests/install/deb_test.sh $(DEB)
	tests/install/msi_test.sh build-windows dist/pirumo-*-x64.msi
	tests/install/signing_test.sh build-windows

# Start-up and memory against a bare Qt window, pirumo.exe's start-up under
# Wine against a bare Win32 window, the page against a bare page, the core's
# costs, keystrokes.
bench: release windows web
	bench/run.sh

screenshot: build windows web
	@for p in imagemagick qt6ct; do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || missing="$$missing $$p"; \
	done; \
	[ -z "$$missing" ] || { $(SUDO) apt-get update && \
	    $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; }
	tools/screenshot.sh
	PIRUMO_THEME=dark tools/screenshot.sh pirumo-dark
	QT_SCALE_FACTOR=2 tools/screenshot.sh pirumo-200
	tools/screenshot.sh pirumo-windows tests/windows/wine.sh build-windows/pirumo.exe
	WINE_DPI=144 tools/screenshot.sh pirumo-windows-150 tests/windows/wine.sh build-windows/pirumo.exe
	tools/web_screenshot.py build-wasm/pirumo.html

clean:
	rm -rf build build-*

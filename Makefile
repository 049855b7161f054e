# Two commands do everything on a fresh Debian or Ubuntu machine:
#   make run    install what building and running the window needs, build, start PIRUMO
#   make test   install what the tests need, build, run the whole test suite
# Each target installs only the packages it needs (see the README).

SHELL := /bin/bash
SUDO := $(if $(filter 0,$(shell id -u)),,sudo)

# The Qt window.
RUN_PACKAGES := cmake ninja-build g++ make pkg-config \
                qt6-base-dev qt6-qpa-plugins qt6-translations-l10n fonts-ipafont-gothic libxcb1-dev
# Its tests: GoogleTest and QtTest, a private X server driven by xdotool, a
# screen reader (Orca) and its bus, a font without Japanese, the desktop files' checkers,
# the Windows resource script's compiler.
TEST_PACKAGES := libgtest-dev libgmock-dev xvfb xauth xdotool xclip x11-utils dbus at-spi2-core orca \
                 fonts-dejavu-core desktop-file-utils appstream binutils-mingw-w64-x86-64
# The sanitizers and the fuzzer (clang), and valgrind.
CHECK_PACKAGES := clang libclang-rt-dev valgrind
# pirumo.exe for x64 and x86, cross-built with mingw-w64, its trees
# configured with their tests (GoogleTest's sources, wrestool); the tests run
# under Wine, the x86 ones on Wine's 32-bit side where this machine runs
# 32-bit x86 programs. Where it does not (a kernel without 32-bit emulation),
# those tests are skipped, saying why, and Wine's 32-bit side is not
# installed. PIRUMO_X86_PROBE=/bin/false tries that here.
RUNS_X86 := $(shell tools/runs_x86_programs.sh >/dev/null && echo yes)
WINDOWS_PACKAGES := g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix googletest icoutils
WINDOWS_TEST_PACKAGES := wine64 $(if $(RUNS_X86),wine32:i386)
# pirumo.html: the calculator compiled to WebAssembly (clang, binaryen), the
# page built with Node.js; its tree configured with its tests (GoogleTest's
# sources, npm for the accessibility checker: Debian's, unless Node.js came
# with one). The packages are the ones Debian 12 and 13 both name.
WEB_PACKAGES := clang lld wasi-libc libc++-dev-wasm32 libclang-rt-dev-wasm32 binaryen nodejs googletest \
    $(if $(shell command -v npm),,npm)
# Its tests: the core's under Node.js, the page's in Chromium, Firefox ESR and
# WebKitGTK, measured on screenshots (Pillow).
WEB_TEST_PACKAGES := chromium chromium-driver python3-selenium iproute2 \
    firefox-esr python3-websocket webkit2gtk-driver python3-pil
# The packages: the .deb with Debian's hardening flags, the MSI (wixl,
# msibuild), signing, lintian, hardening-check.
PACKAGE_PACKAGES := dpkg-dev wixl msitools python3-olefile osslsigncode lintian devscripts
BENCH_PACKAGES := libbenchmark-dev libx11-dev libxdamage-dev bc
SCREENSHOT_PACKAGES := imagemagick qt6ct

# $(call install,PACKAGES): installs those of PACKAGES that are missing, one
# target at a time (make -j), adding i386 packages to dpkg where asked. A new
# machine may be busy with its own updates: apt waits up to 10 minutes for
# dpkg's lock, and the package lists are fetched again while another
# program holds theirs.
APT := apt-get -o DPkg::Lock::Timeout=600
define install
@missing=$$(for p in $(1); do \
    dpkg-query -W -f='$${Status}\n' "$$p" 2>/dev/null | grep -q '^install ok installed' || echo "$$p"; \
done); \
if [ -n "$$missing" ]; then \
    echo "Installing:" $$missing; \
    $(SUDO) flock /tmp/pirumo-install.lock bash -c ' \
        if [[ " $$0 $$* " == *:i386* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then \
            dpkg --add-architecture i386; fi; \
        for try in 1 2 3 4 5 6 7 8 9 10; do $(APT) update && break; [ $$try -lt 10 ] || exit 1; sleep 30; done; \
        DEBIAN_FRONTEND=noninteractive $(APT) install -y --no-install-recommends "$$0" "$$@"' \
        $$missing; \
fi
endef

FUZZ_SECONDS ?= 60

# Every time stamp in what is built is the commit's, so that two builds of
# one commit give the same bytes.
SOURCE_DATE_EPOCH ?= $(shell git log -1 --format=%ct 2>/dev/null)
ifneq ($(SOURCE_DATE_EPOCH),)
export SOURCE_DATE_EPOCH
endif

# The packages are named after the version that CMakeLists.txt sets, as
# CMake wrote it for the build (read when a recipe runs, after the build).
VERSION_TEXT = $(shell . build-release/generated/package.env && echo "$$VERSION_TEXT")
DEB = build-release/pirumo_$(VERSION_TEXT)_amd64.deb

.PHONY: all build run build-tests test test-debian13 test-default test-asan fuzz memcheck release package test-package \
        bench reproducible windows test-windows test-windows-x64 test-windows-x86 web test-web screenshot clean

all: build

# The window alone, without its tests, in a tree of its own.
build:
	$(call install,$(RUN_PACKAGES))
	cmake --preset run
	cmake --build --preset run

run: build
	./build-run/pirumo

# The whole suite: the default build, the same tests under AddressSanitizer
# and UndefinedBehaviorSanitizer, a bounded fuzzing run, valgrind, the
# Debian package unpacked, checked and started, the MSIs installed, upgraded
# and removed under Wine, signing, a second build compared byte for byte,
# pirumo.exe for x64 and x86 under Wine, the core's tests compiled to
# WebAssembly and the web page in a browser. make -j2 runs two stages side
# by side, and each stage runs its tests one at a time: no more than two X
# servers with Wine or a browser at once on two cores.
test: test-default test-asan fuzz memcheck test-package reproducible test-windows test-web

# make test again as on a fresh Debian 13 machine, in a Debian 13 root made
# with debootstrap from this machine's package source and kept in
# DEBIAN13_ROOT between runs (made again when missing); this checkout's
# commit is cloned into it afresh.
DEBIAN13_ROOT ?= /var/cache/pirumo/debian13
test-debian13:
	$(call install,debootstrap git)
	$(SUDO) tests/in_debian13.sh $(DEBIAN13_ROOT) test -k -j2 --output-sync=target

build-tests:
	$(call install,$(RUN_PACKAGES) $(TEST_PACKAGES))
	cmake --preset default
	cmake --build --preset default

test-default: build-tests
	ctest --preset default

test-asan:
	$(call install,$(RUN_PACKAGES) $(TEST_PACKAGES) $(CHECK_PACKAGES))
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

fuzz:
	$(call install,$(RUN_PACKAGES) $(TEST_PACKAGES) $(CHECK_PACKAGES))
	cmake --preset fuzz
	cmake --build --preset fuzz
	tests/fuzz/run.sh build-fuzz/tests/fuzz/calculator_fuzz $(FUZZ_SECONDS)

memcheck: build-tests
	$(call install,valgrind)
	valgrind --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite,indirect -q \
	    build/tests/core/pirumo_core_tests --gtest_brief=1

release:
	$(call install,$(RUN_PACKAGES) $(PACKAGE_PACKAGES))
	cmake --preset release
	cmake --build --preset release

# dist/: the .deb, the Windows zips and MSIs, the web page, the hosted web
# app, and their SHA256SUMS, of this build only: what an earlier build left
# there (another version's packages) is removed first.
# The .deb's folders and its archive members take their modes from the umask.
package: release windows web
	@find dist -mindepth 1 -maxdepth 1 ! -name pirumo-web -printf 'package: removing an earlier build'"'"'s %p\n' \
	    -exec rm -rf {} +
	cd build-release && umask 022 && cpack
	tools/windows_packages.sh build-windows dist
	tools/windows_packages.sh build-windows-x86 dist
	cp $(DEB) build-wasm/pirumo.html dist/
	cd dist && sha256sum -- *.deb *.zip *.msi *.html pirumo-web/* >SHA256SUMS

# Another build of the packages, in another folder under another umask and
# time zone, compared byte for byte with dist/.
reproducible: package
	tools/reproducible.sh

# build-windows/pirumo.exe and build-windows-x86/pirumo.exe, each with
# pirumo.hlp beside it.
windows:
	$(call install,$(RUN_PACKAGES) $(WINDOWS_PACKAGES))
	cmake --preset windows
	cmake --build --preset windows --target pirumo
	cmake --preset windows-x86
	cmake --build --preset windows-x86 --target pirumo

# Each test has its own X server and Wine prefix.
test-windows: test-windows-x64 test-windows-x86

test-windows-x64: WINDOWS_PRESET := windows
test-windows-x86: WINDOWS_PRESET := windows-x86
test-windows-x64 test-windows-x86: windows
	$(call install,$(TEST_PACKAGES) $(WINDOWS_TEST_PACKAGES))
	cmake --build --preset $(WINDOWS_PRESET)
	ctest --preset $(WINDOWS_PRESET)
	@[ $@ == test-windows-x64 ] || [ -n "$(RUNS_X86)" ] || \
	    echo "$@: skipped the tests that start the x86 pirumo.exe: $$(tools/runs_x86_programs.sh)"

# build-wasm/pirumo.html: PIRUMO as one page that works offline from any
# folder; dist/pirumo-web/: the same page for a web server, installable as an
# app and working offline once visited.
web:
	$(call install,$(RUN_PACKAGES) $(WEB_PACKAGES))
	cmake --preset wasm
	cmake --build --preset wasm --target pirumo_page
	rm -rf dist/pirumo-web && mkdir -p dist && cp -r build-wasm/pirumo-web dist/

# The calculator's GoogleTest suite compiled to WebAssembly and run under
# Node.js; the page in Chromium with the network cut off, and the hosted web
# app from a server on loopback.
test-web: web
	$(call install,$(TEST_PACKAGES) $(WEB_TEST_PACKAGES))
	cmake --build --preset wasm
	ctest --preset wasm

# Each test bounded in time: a hung installer ends the test, not the run.
test-package: package
	$(call install,$(TEST_PACKAGES) $(WINDOWS_TEST_PACKAGES))
	timeout 300 tests/install/deb_test.sh $(DEB)
	timeout 900 tests/install/msi_test.sh build-windows dist/pirumo-$(VERSION_TEXT)-x64.msi \
	    dist/pirumo-$(VERSION_TEXT)-x86.msi
	timeout 600 tests/install/msi_test.sh build-windows-x86 dist/pirumo-$(VERSION_TEXT)-x86.msi
	timeout 300 tests/install/signing_test.sh build-windows

# Start-up and memory against a bare Qt window, pirumo.exe's start-up under
# Wine against a bare Win32 window, the page against a bare page, the core's
# costs, keystrokes.
bench: release windows web
	$(call install,$(BENCH_PACKAGES) $(TEST_PACKAGES) $(WINDOWS_TEST_PACKAGES) $(WEB_TEST_PACKAGES))
	cmake --preset bench
	cmake --build --preset bench
	cmake --preset windows-bench
	cmake --build --preset windows-bench
	bench/run.sh

screenshot: build windows web
	$(call install,$(TEST_PACKAGES) $(WINDOWS_TEST_PACKAGES) $(WEB_TEST_PACKAGES) $(SCREENSHOT_PACKAGES))
	tools/screenshot.sh
	PIRUMO_THEME=dark tools/screenshot.sh pirumo-dark
	QT_SCALE_FACTOR=2 tools/screenshot.sh pirumo-200
	tools/screenshot.sh pirumo-windows tests/windows/wine.sh build-windows/pirumo.exe
	WINE_DPI=144 tools/screenshot.sh pirumo-windows-150 tests/windows/wine.sh build-windows/pirumo.exe
	tools/web_screenshot.py build-wasm/pirumo.html

clean:
	rm -rf build build-* dist

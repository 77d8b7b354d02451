# Thin wrapper over CMake: every target first installs what is missing, so a fresh
# Debian machine needs nothing but `make run` or `make test`.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
WINDOWS_BUILD ?= build-windows
JOBS       ?= $(shell nproc)
FUZZ_SECONDS ?= 180
PREFIX     ?= /usr/local

.PHONY: all deps configure build test run test-asan bench fuzz test-windows install uninstall package check-package clean

all: build

deps:
	scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

run: build
	scripts/run-app $(BUILD)

# The same tests, built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DZELMORA_SANITIZE=ON -DZELMORA_BUILD_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

# Installs the programs, desktop entry, icon, manual pages and help under $(PREFIX) (inside
# $(DESTDIR) when given); uninstall removes what the last install wrote.
install: build
	DESTDIR=$(DESTDIR) cmake --install $(BUILD) --prefix $(PREFIX) --component zelmora

uninstall:
	DESTDIR=$(DESTDIR) cmake --build $(BUILD) --target uninstall

# The Debian package, $(BUILD)/zelmora_<version>_<arch>.deb, its dependencies computed by
# dpkg-shlibdeps from the programs.
package: build
	scripts/install-deps dpkg-dev file
	cd $(BUILD) && rm -f zelmora_*.deb && cpack -G DEB

# The desktop entry, AppStream metainfo, manual pages and package through Debian's validators.
check-package: package
	scripts/install-deps desktop-file-utils appstream lintian man-db
	scripts/check-package $(BUILD)

bench: build
	scripts/run-benchmarks $(BUILD)

# Coverage-guided fuzzing of the file readers with libFuzzer (clang), under ASan and UBSan.
fuzz:
	scripts/install-deps clang libclang-rt-dev
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZELMORA_FUZZ=ON \
	    -DZELMORA_BUILD_GUI=OFF -DZELMORA_BUILD_BENCH=OFF -DZELMORA_BUILD_TESTS=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	scripts/run-fuzzers $(FUZZ_BUILD) $(FUZZ_SECONDS)

# The core, zelmora-cli and their tests cross-built for Windows with MinGW-w64, the tests
# run under Wine (a prefix of its own in $(WINDOWS_BUILD)/wine, no display needed).
test-windows:
	scripts/install-deps g++-mingw-w64-x86-64-posix wine wine64
	cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DZELMORA_BUILD_GUI=OFF -DZELMORA_BUILD_BENCH=OFF
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)
	ctest --test-dir $(WINDOWS_BUILD) --output-on-failure -j $(JOBS); \
	    status=$$?; scripts/wine-run $(WINDOWS_BUILD)/wine --stop; exit $$status

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(WINDOWS_BUILD)

# make        builds the native tree (core, unit tests, simulator) and the Windows .scr
# make test   sets up the machine, builds, and runs every test (unit and end to end)
# make run    sets up the machine, builds, and starts the saver with /s under Wine
BUILD ?= build
B := $(abspath $(BUILD))
JOBS ?= $(shell nproc)

.PHONY: all native cross test unit run setup prefix assets clean
all: native cross

$(B)/native/CMakeCache.txt:
	cmake -S . -B $(B)/native -DGLIMBROOK_INSTALL_DIR=$(B)/install >/dev/null

$(B)/cross/CMakeCache.txt:
	cmake -S . -B $(B)/cross -DCMAKE_TOOLCHAIN_FILE=$(abspath cmake/mingw-i686.cmake) \
	  -DCMAKE_BUILD_TYPE=Release >/dev/null

native: $(B)/native/CMakeCache.txt
	cmake --build $(B)/native -j $(JOBS)

cross: $(B)/cross/CMakeCache.txt
	cmake --build $(B)/cross -j $(JOBS)

setup:
	@scripts/setup.sh

prefix: setup
	@scripts/wine-prefix.sh $(B)/wineprefix

unit: setup native
	ctest --test-dir $(B)/native -L unit -j $(JOBS) --output-on-failure

test: setup
	$(MAKE) all
	@scripts/wine-prefix.sh $(B)/wineprefix
	ctest --test-dir $(B)/native -j $(JOBS) --output-on-failure

run: setup
	$(MAKE) all
	@scripts/wine-prefix.sh $(B)/wineprefix
	@scripts/run-saver.sh $(B)

assets:
	python3 tools/assets/generate.py

clean:
	rm -rf $(B)

# make        builds the native tree (core, unit tests, simulator) and the Windows .scr
# make test   sets up the machine, builds, and runs every test (unit and end to end)
# make run    sets up the machine, builds, and starts the saver with /s under Wine
BUILD ?= build
B := $(abspath $(BUILD))
JOBS ?= $(shell nproc)

.PHONY: all native cross test unit run setup prefix assets clean
all: native cross

# A tree counts as configured once CMake has generated its build file. CMake writes its cache
# even when configuring fails, and an interrupted run can leave one too, so the cache says
# nothing: a tree without its build file is configured again. A missing tool is named first.
.DELETE_ON_ERROR:
$(B)/native/Makefile:
	@scripts/check-tools.sh native
	cmake -S . -B $(B)/native -G "Unix Makefiles" -DGLIMBROOK_INSTALL_DIR=$(B)/install >/dev/null

$(B)/cross/Makefile:
	@scripts/check-tools.sh cross
	cmake -S . -B $(B)/cross -G "Unix Makefiles" \
	  -DCMAKE_TOOLCHAIN_FILE=$(abspath cmake/mingw-i686.cmake) -DCMAKE_BUILD_TYPE=Release >/dev/null

native: $(B)/native/Makefile
	cmake --build $(B)/native -j $(JOBS)

cross: $(B)/cross/Makefile
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

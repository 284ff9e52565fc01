# make          builds dist/win32/SETUP.EXE (shipped) and dist/win64/SETUP.EXE, each with its tests
# make test     installs what is missing, builds, and runs the whole test suite under Wine
# make demo     runs the shipped setup end to end under Wine (DEMO=<scenario> picks another run,
#               DEMO_BUILD=win64 the x86_64 build)
# make bench    measures size and speed
# make release  builds and signs the shipped program into dist/release
#               (SIGN_CERT=<certificate> SIGN_KEY=<key> [SIGN_PASS=...] [SIGN_TIMESTAMP_URL=...])

SHELL := /bin/bash
ROOT := $(CURDIR)
BUILD := $(ROOT)/build
JOBS ?= $(shell nproc)
# Test programs spend much of their time waiting on Wine and their windows:
# one more than the cores keeps the machine busy.
TEST_JOBS ?= $(shell echo $$(( $(JOBS) + 1 )))
CMAKE_FLAGS ?=
DEMO_BUILD ?= win32

NO_32_BIT_CODE := NOT RUN: the 32-bit build's tests that run Windows programs (label runs-32-bit-code): \
    this machine's kernel runs no 32-bit x86 code, so Wine cannot start a 32-bit program here; \
    the x86_64 build's runs of the same sources stand in for them

.PHONY: all deps build32 build64 test demo bench release clean

all: deps build32 build64

deps:
	@scripts/deps.sh

# One recipe for both build trees, build/<tree> with cmake/mingw-<processor>.cmake,
# each program copied to dist/<tree>. The x86_64 tree's tests read the 32-bit
# tree's program too, so that one is built first.
build32: TREE = win32
build32: PROCESSOR = i686
build32: WHAT = 32-bit SETUP.EXE (shipped)
build64: TREE = win64
build64: PROCESSOR = x86_64
build64: WHAT = x86_64 SETUP.EXE
build64: build32

build32 build64: deps
	@echo "build: $(WHAT), its test programs and fixtures"
	@mkdir -p $(BUILD)
	@cmake -S . -B $(BUILD)/$(TREE) -DCMAKE_TOOLCHAIN_FILE=$(ROOT)/cmake/mingw-$(PROCESSOR).cmake \
	    -DCMAKE_BUILD_TYPE=Release -DTARVEX_BUILD_TESTS=ON $(CMAKE_FLAGS) > $(BUILD)/cmake-$(TREE).log
	@cmake --build $(BUILD)/$(TREE) -j $(JOBS) -- --no-print-directory
	@mkdir -p dist/$(TREE) && cp $(BUILD)/$(TREE)/SETUP.EXE dist/$(TREE)/SETUP.EXE

# One CTest run over both build trees: the tests of the 32-bit build are
# named win32.*, those of the x86_64 build win64.*.
test: all
	@scripts/make-wine-template.sh $(BUILD)/wine-template
	@printf 'subdirs("win32" "win64")\n' > $(BUILD)/CTestTestfile.cmake
	@echo "test: running the suite of both builds under Wine and Xvfb"
	@skip=""; if ! scripts/runs-32-bit-code.sh $(BUILD)/win32; then skip="-LE runs-32-bit-code"; \
	    echo "test: $(NO_32_BIT_CODE)"; fi; \
	cd $(BUILD) && status=0 && { ctest --output-on-failure -j $(TEST_JOBS) $$skip $(CTEST_ARGS) || status=$$?; } && \
	    echo "test: checks the 32-bit build could not make under Wine (each made on the x86_64 build):" && \
	    { grep -h "^win32: not checked" Testing/Temporary/LastTest.log | sort | uniq -c || echo "  none"; } && \
	    { [ -z "$$skip" ] || echo "test: $(NO_32_BIT_CODE)"; } && \
	    exit $$status

demo: all
	@scripts/make-wine-template.sh $(BUILD)/wine-template
	@build=$(DEMO_BUILD); if [ $$build = win32 ] && ! scripts/runs-32-bit-code.sh $(BUILD)/win32; then \
	    echo "demo: this machine runs no 32-bit code; playing the x86_64 build of the same sources"; build=win64; fi; \
	TARVEX_DEMO_BUILD=$$build scripts/demo.sh $(DEMO)

bench: all
	@scripts/bench.sh

# The signing settings are checked before the build, so a missing
# certificate is said at once rather than after it.
release:
	@scripts/release.sh --check
	@$(MAKE) --no-print-directory build32
	@scripts/release.sh

clean:
	rm -rf $(BUILD) dist

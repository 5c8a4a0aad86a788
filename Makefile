# Set-up, build, run and test on a fresh Debian machine.
#   make run   installs what is missing, builds and starts the program
#   make test  installs what is missing, builds and runs every test, the desktop ones on a
#              private X display with a window manager (tests/desktop/run-desktop.sh) too

BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_TIME  ?= 60
JOBS       ?= $(shell nproc)
PACKAGES   := cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libxcb1-dev libgtest-dev \
              libgmock-dev libbenchmark-dev fonts-liberation poppler-utils clang libclang-rt-14-dev \
              shared-mime-info desktop-file-utils qt6-translations-l10n locales \
              xvfb openbox x11-utils

.PHONY: all deps configure build run test test-asan fuzz bench clean

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
	    echo "Installing:$$missing"; \
	    sudo=""; [ "$$(id -u)" -ne 0 ] && sudo=sudo; \
	    $$sudo apt-get update -qq && \
	    DEBIAN_FRONTEND=noninteractive $$sudo apt-get install -y -qq --no-install-recommends $$missing; \
	fi

configure: deps
	@[ -f $(BUILD)/build.ninja ] || cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/src/quirasol

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The logic and window tests again, under AddressSanitizer and UndefinedBehaviorSanitizer:
# a window used after it was deleted fails here.
test-asan: deps
	@[ -f $(ASAN_BUILD)/build.ninja ] || cmake -S . -B $(ASAN_BUILD) -G Ninja \
	    -DCMAKE_BUILD_TYPE=Debug -DQUIRASOL_SANITIZE=ON -DQUIRASOL_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) -L 'logic|windows'

# The case-file reader under libFuzzer (clang) for FUZZ_TIME seconds, from the seed corpus.
fuzz: deps
	@[ -f $(FUZZ_BUILD)/build.ninja ] || CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja \
	    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUIRASOL_FUZZ=ON -DQUIRASOL_TESTS=OFF -DQUIRASOL_BENCH=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_arquivo_calculo
	@found=$$(mktemp -d); \
	ASAN_OPTIONS=quarantine_size_mb=64 ./$(FUZZ_BUILD)/tests/fuzz/fuzz_arquivo_calculo -max_total_time=$(FUZZ_TIME) -max_len=16384 \
	    -timeout=10 -print_final_stats=1 $$found tests/fuzz/corpus; rc=$$?; rm -rf $$found; exit $$rc

bench: build
	./$(BUILD)/bench/quirasol_bench

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)

# The two commands of the README:
#   make run    sets up and runs the wizard (against simulated arrays in an
#               isolated lab network; REAL_NETWORK=1 uses this computer's network)
#   make test   sets up, builds both trees and runs every test
BUILD ?= build
JOBS ?= 2

.PHONY: run test deps native windows screenshots fuzz clean

run: deps native windows
	tools/run-wizard.sh

test: deps native windows
	ctest --test-dir $(BUILD)/native --output-on-failure
	ctest --test-dir $(BUILD)/win --output-on-failure

deps:
	tools/install-deps.sh

native:
	cmake -S . -B $(BUILD)/native -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(BUILD)/native -j $(JOBS)

windows:
	cmake -S . -B $(BUILD)/win -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DNATIVE_BUILD_DIR=$(abspath $(BUILD)/native)
	cmake --build $(BUILD)/win -j $(JOBS)

# make screenshots DPI=144: the tour at 150 % display scaling, beside the 96-DPI one.
DPI ?= 96
screenshots: deps native windows
	Q6_DPI=$(DPI) tools/screenshots.sh

# A long fuzzing session on demand, each fuzzer in turn: make fuzz RUNS=10000000
RUNS ?= 1000000
FUZZERS = settings reply network datetime clock
fuzz: deps native
	for f in $(FUZZERS); do $(BUILD)/native/fuzz/fuzz_$$f -runs=$(RUNS) -print_final_stats=1 \
	  -artifact_prefix=$(BUILD)/native/fuzz/ $(BUILD)/native/fuzz/corpus_$$f || exit 1; done

clean:
	rm -rf $(BUILD)

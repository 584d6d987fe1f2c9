# The two entry points: `make run` and `make test`. Everything else is CMake.
BUILD      ?= build
BUILD_SAN  ?= build-asan
BUILD_TSAN ?= build-tsan
JOBS       ?= $(shell nproc)
# Unity builds compile the sources eight to a unit: a clean `make test` (CI's) took 11 minutes instead of 25.
CMAKE_GEN  := -G Ninja -DCMAKE_UNITY_BUILD=ON

.PHONY: all deps build build-asan build-tsan run test test-unit test-asan test-tsan bench clean

all: build

deps:
	@bash scripts/install-deps.sh

$(BUILD)/build.ninja: | deps
	@cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

$(BUILD_SAN)/build.ninja: | deps
	@cmake -S . -B $(BUILD_SAN) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DORV_SANITIZE=ON \
	  -DORV_WITH_QT=OFF -DORV_WITH_BENCH=OFF >/dev/null

# ThreadSanitizer: only the libraries and the one test program whose code runs on several threads.
# -O1 -g1 keep the build short and the reports' line numbers exact.
$(BUILD_TSAN)/build.ninja: | deps
	@cmake -S . -B $(BUILD_TSAN) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORV_TSAN=ON \
	  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" -DORV_WITH_QT=OFF -DORV_WITH_BENCH=OFF >/dev/null

build: deps $(BUILD)/build.ninja
	@cmake --build $(BUILD) -j $(JOBS)

build-asan: deps $(BUILD_SAN)/build.ninja
	@cmake --build $(BUILD_SAN) -j $(JOBS)

build-tsan: deps $(BUILD_TSAN)/build.ninja
	@cmake --build $(BUILD_TSAN) -j $(JOBS) --target orv_tsan_tests

run: build
	@./scripts/run-main.sh $(BUILD)

test-unit: build
	@ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

test-asan: build-asan
	@ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --test-dir $(BUILD_SAN) --output-on-failure -j $(JOBS)

# TSAN_OPTIONS (halt on the first report) come with the ctest entry.
test-tsan: build-tsan
	@ctest --test-dir $(BUILD_TSAN) --output-on-failure

test: test-unit test-asan test-tsan

bench: build
	@./scripts/run-bench.sh $(BUILD)

clean:
	@rm -rf $(BUILD) $(BUILD_SAN) $(BUILD_TSAN)

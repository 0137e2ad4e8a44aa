# Zentrix: the commands people and CI use. Everything builds with CMake underneath.
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60
# Instrumented builds run entries about ten times slower than release builds,
# whose entries end within the three-second work budget.
FUZZ_TIMEOUT ?= 25
# A long run's resident size grows with the sanitizer's quarantine and the
# allocator's retained pages, well above the live heap (150 MB when a
# ten-minute run passed 2 GB); the machines have 24 GB.
FUZZ_RSS_MB ?= 4096
CMAKE_FLAGS ?=

.PHONY: all deps build run test asan soak bench fuzz format format-check clean

all: build

deps:
	@scripts/install-deps

build/CMakeCache.txt:
	cmake -S . -B build -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)

build: deps build/CMakeCache.txt
	cmake --build build -j $(JOBS)

# Starts the calculator: the windowed program once it exists, else the terminal calculator.
run: build
	@if [ -x build/zentrix ]; then exec build/zentrix $(ARGS); \
	 elif [ -x build/zentrix-cli ]; then exec build/zentrix-cli $(ARGS); \
	 else echo "No calculator program is built yet." >&2; exit 1; fi

test: build
	cd build && ctest --output-on-failure -j $(JOBS)

asan: deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZENTRIX_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build build-asan -j $(JOBS)
	cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

# The soak run: 20,000 frames over the calculator, settings, 2D and 3D
# grapher, notes and screenshots screens under the address sanitizer (leaks
# fail it, and so does resident memory growing past the bound; see
# tests/soak/soak.py). A few minutes.
SOAK_FRAMES ?= 20000
soak: deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZENTRIX_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build build-asan -j $(JOBS) --target zentrix zentrix_skins
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  tests/soak/soak.py --frames $(SOAK_FRAMES) --zentrix build-asan/zentrix

bench: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DZENTRIX_TESTS=OFF -DZENTRIX_BENCH=ON $(CMAKE_FLAGS)
	cmake --build build-bench -j $(JOBS)
	@for b in build-bench/bench/*; do [ -x "$$b" ] || continue; echo "== $$b"; "$$b" $(BENCH_ARGS) || exit 1; done

# Each fuzz target runs for FUZZ_SECONDS from its seed corpus fuzz/corpus/<name>,
# with the dictionary fuzz/<name>.dict where there is one.
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DZENTRIX_FUZZ=ON -DZENTRIX_TESTS=OFF $(CMAKE_FLAGS)
	cmake --build build-fuzz -j $(JOBS)
	@for f in build-fuzz/fuzz/*; do [ -x "$$f" ] || continue; n=$$(basename $$f); \
	  mkdir -p build-fuzz/corpus/$$n; \
	  [ -d fuzz/corpus/$$n ] && cp -n fuzz/corpus/$$n/* build-fuzz/corpus/$$n/ 2>/dev/null; \
	  echo "== $$n for $(FUZZ_SECONDS) s"; \
	  dict=; [ -f fuzz/$$n.dict ] && dict=-dict=fuzz/$$n.dict; \
	  "$$f" -max_total_time=$(FUZZ_SECONDS) -timeout=$(FUZZ_TIMEOUT) -rss_limit_mb=$(FUZZ_RSS_MB) -print_final_stats=1 \
	    $$dict -artifact_prefix=build-fuzz/ build-fuzz/corpus/$$n || exit 1; done

# The C++ sources in the repository's style (.clang-format).
FORMAT_FILES = git ls-files '*.cpp' '*.h'

format: deps
	$(FORMAT_FILES) | xargs clang-format -i

# Fails, listing the files, when a source is not in the repository's style.
format-check: deps
	@bad=$$($(FORMAT_FILES) | while read -r f; do clang-format "$$f" | cmp -s - "$$f" || echo "$$f"; done); \
	 if [ -n "$$bad" ]; then echo "Not formatted (run make format):"; echo "$$bad"; exit 1; fi

clean:
	rm -rf build build-asan build-bench build-fuzz

# Hue Keeper: `make run` and `make test` install what is missing, build and go.
BUILD      ?= build
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 20
FUZZ_LONG_SECONDS ?= 600
JOBS       ?= $(shell nproc)

.PHONY: run test deps build package unit fuzz fuzz-long bench clean screenshot

deps:
	@scripts/install-deps

build: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "Hue Keeper is a desktop program and needs a display: no DISPLAY or WAYLAND_DISPLAY is set."; \
	  echo "Run it from a desktop session (or under Xvfb with DISPLAY set)."; \
	  exit 1; \
	fi
	@$(BUILD)/huekeeper

# The .deb of what `cmake --install` puts under /usr, in $(BUILD).
package: build
	@rm -f $(BUILD)/huekeeper_*.deb
	@cd $(BUILD) && out=$$(cpack 2>&1) || { echo "$$out"; exit 1; }
	@ls $(BUILD)/huekeeper_*.deb

# Every test: unit, GUI (offscreen), end-to-end (Xvfb), the installed package (Xvfb),
# then each fuzzer briefly.
test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory package >/dev/null
	@tests/package/check-deb.sh $(BUILD)/huekeeper_*.deb
	@$(MAKE) --no-print-directory fuzz

# Each fuzzer for FUZZ_SECONDS from its corpus, two at a time; any crash, sanitizer
# report or leak fails.
fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DHK_FUZZ=ON \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@scripts/run-fuzzers $(FUZZ_BUILD) $(FUZZ_SECONDS) 2

# Each fuzzer for ten minutes from its corpus, two at a time, with its figures.
fuzz-long:
	@$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=$(FUZZ_LONG_SECONDS)

bench: build
	@mkdir -p $(BUILD)/bench-results
	@for b in $(BUILD)/bench/bench_*; do \
	  [ -x "$$b" ] || continue; \
	  echo "== $$(basename $$b)"; \
	  "$$b" --benchmark_out=$(BUILD)/bench-results/$$(basename $$b).json \
	        --benchmark_out_format=json || exit 1; \
	done

clean:
	@rm -rf $(BUILD) $(FUZZ_BUILD)

# The README's picture of the window, made on a private Xvfb.
screenshot: build
	@scripts/screenshot $(BUILD)/huekeeper docs/screenshot.png

# The two set-up commands are `make run` and `make test`; each installs what is
# missing first. The other targets are conveniences for developers.
PRESET ?= default
BUILD_DIR := build/$(PRESET)
SHELL := /bin/bash
export QT_QPA_PLATFORM ?= offscreen

.PHONY: deps configure build run test screenshots bench fuzz clean

deps:
	@scripts/install-deps.sh

configure: deps
	cmake --preset $(PRESET)

build: configure
	cmake --build --preset $(PRESET)

run: build
	QT_QPA_PLATFORM= $(BUILD_DIR)/src/app/qingwu-calculator

# Every test, then every test again under AddressSanitizer and UBSan.
test: build
	ctest --preset $(PRESET)
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

screenshots: build
	$(BUILD_DIR)/src/app/qingwu-screenshots screenshots
	@echo "PNG files written to screenshots/"

bench: deps
	bench/compare.sh

# Each fuzz target for FUZZ_SECONDS under ASan and UBSan (clang, libFuzzer);
# fails on a crash, a timeout or a sanitizer report. New inputs go to
# build/fuzz-corpus, the seeds in fuzz/seeds stay as they are.
FUZZ_SECONDS ?= 60
fuzz:
	@scripts/install-deps.sh clang libclang-rt-dev
	cmake --preset fuzz
	cmake --build --preset fuzz
	@set -e; for seeds in fuzz/seeds/*/; do \
	  name=$$(basename $$seeds); corpus=build/fuzz-corpus/$$name; mkdir -p $$corpus; \
	  echo "== $${name}_fuzzer for $(FUZZ_SECONDS) s"; \
	  build/fuzz/fuzz/$${name}_fuzzer -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=4096 \
	    -artifact_prefix=build/fuzz-corpus/$${name}- -print_final_stats=1 $$corpus $$seeds 2>&1 \
	    | grep -E 'stat::number_of_executed_units|ERROR|SUMMARY|Done' ; \
	  test $${PIPESTATUS[0]} -eq 0; \
	done

clean:
	rm -rf build

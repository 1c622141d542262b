# The two set-up commands are `make run` and `make test`; each installs what is
# missing first. The other targets are conveniences for developers.
PRESET ?= default
BUILD_DIR := build/$(PRESET)
export QT_QPA_PLATFORM ?= offscreen

.PHONY: deps configure build run test screenshots bench clean

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

clean:
	rm -rf build

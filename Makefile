# RQ51: `make run` starts the program, `make test` builds and runs every test.
# Both install the Debian packages they need first (only what is missing).

JOBS ?= $(shell nproc 2>/dev/null || echo 2)
BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
# Where `make install` puts RQ51; PREFIX=$$HOME/.local needs no root.
PREFIX ?= /usr/local
# `make fuzz` runs each harness this many seconds.
FUZZ_SECONDS ?= 60
# `make soak` runs this many random actions on each solver window; SOAK_SEED
# replaces the soak's fixed seed (it prints the seed it uses).
SOAK_ACTIONS ?= 1000000

.PHONY: all deps build run test test-release test-sanitizers bench screenshots format clean \
	install uninstall package fuzz soak

all: build

deps:
	@bash tools/install-deps.sh

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/rq51

# Every test twice: an optimised build, and a build under AddressSanitizer
# and UndefinedBehaviorSanitizer. Window tests run on Qt's offscreen
# platform, so no display is needed.
test: deps test-release test-sanitizers

test-release: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

$(ASAN_BUILD)/CMakeCache.txt:
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DRQ51_SANITIZE=ON -DRQ51_BUILD_BENCH=OFF

test-sanitizers: $(ASAN_BUILD)/CMakeCache.txt
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The two programs, the desktop entry, the icon, the AppStream metainfo and
# the file type of saved solutions. The desktop's databases of file types and
# of the programs that open them are brought up to date, so that a file
# manager opens a saved solution in RQ51.
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)
	$(UPDATE_DESKTOP_DATABASES)

# A Debian package of what `make install` installs, under /usr:
# build/rq51_<version>_<arch>.deb, for `apt install ./build/rq51_*.deb`.
package: build
	cmake --build $(BUILD) --target package

# Removes exactly the files the last `make install` installed, then updates
# the desktop's databases again.
uninstall:
	cmake -DMANIFEST=$(BUILD)/install_manifest.txt -P tools/uninstall.cmake
	$(UPDATE_DESKTOP_DATABASES)

UPDATE_DESKTOP_DATABASES = \
	if command -v update-mime-database >/dev/null && [ -d $(PREFIX)/share/mime/packages ]; then \
		update-mime-database $(PREFIX)/share/mime; fi; \
	if command -v update-desktop-database >/dev/null && [ -d $(PREFIX)/share/applications ]; then \
		update-desktop-database $(PREFIX)/share/applications; fi

# The fuzz harnesses under libFuzzer (clang), each for FUZZ_SECONDS; new
# inputs they find are kept in tests/fuzz/corpus/<harness>/.
fuzz:
	@bash tools/install-deps.sh --fuzz
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ \
		-DRQ51_FUZZ=ON -DRQ51_BUILD_UI=OFF -DRQ51_BUILD_BENCH=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target notation_fuzz cli_fuzz window_fuzz solution_fuzz
	bash tools/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# SOAK_ACTIONS random actions on each solver window under AddressSanitizer
# and UndefinedBehaviorSanitizer, every rule checked after every action.
soak: deps $(ASAN_BUILD)/CMakeCache.txt
	cmake --build $(ASAN_BUILD) -j $(JOBS) --target window_soak
	./$(ASAN_BUILD)/tests/fuzz/window_soak --actions $(SOAK_ACTIONS) $(if $(SOAK_SEED),--seed $(SOAK_SEED))

bench: build
	./$(BUILD)/bench/rq51_bench

# The windows, and the chart of turns per solve of every method and the
# two-phase baseline over 10,000 random cubes (its table goes into the
# README's "Which method?"; the baseline takes about 20 ms a cube).
screenshots: build
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/rq51-screenshots docs/screenshots
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/rq51-screenshots --lang en $(BUILD)/screenshots-en
	cp $(BUILD)/screenshots-en/lb_solved.png docs/screenshots/lb_solved_en.png
	./$(BUILD)/rq51-cli stats --n 10000 --seed 1 --plot docs/screenshots/method_turns.png
	./$(BUILD)/rq51-cli render --window lb --scramble "R U F2 L' B D2" CES --at 5 --progress 0.4 \
		--hidden on --out docs/screenshots/cube_render.png

format:
	clang-format -i $$(git ls-files '*.cc' '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)

# Lumora Solitaire: the two commands everyone needs.
#   make play   installs what is missing, builds the program and starts it under Wine
#   make test   installs what is missing, builds all three builds and runs every test

JOBS ?= $(shell nproc)

.PHONY: play test dist bench-startup bootstrap native fuzz win64 win32 clean

bootstrap:
	@scripts/bootstrap

native: bootstrap
	cmake --preset native >/dev/null
	cmake --build --preset native -j $(JOBS)

fuzz: bootstrap
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz -j $(JOBS)

win64: bootstrap
	cmake --preset win64 >/dev/null
	cmake --build --preset win64 -j $(JOBS)

win32: bootstrap
	cmake --preset win32 >/dev/null
	cmake --build --preset win32 -j $(JOBS)

play: win64
	scripts/play

test: native fuzz win64 win32
	ctest --preset native -j $(JOBS)
	ctest --preset fuzz -j $(JOBS)
	ctest --preset win64

# The downloads: dist/lumora-solitaire-<version>-win64.zip and -win32.zip.
dist: win64 win32
	cmake --build --preset win64 --target dist
	cmake --build --preset win32 --target dist

# Start-up beside a minimal window program, under Wine (bench/README.md).
bench-startup: win64
	cmake --build --preset win64 --target dist startup_bench bench_minimal_window
	bench/run-startup-bench

clean:
	rm -rf build

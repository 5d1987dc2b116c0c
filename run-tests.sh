#!/usr/bin/env bash
# The project's one test command: installs whatever Debian packages are missing,
# then builds and tests the native build (with sanitizers) and the Windows build
# (cross-compiled, tests under Wine). Both are tested even when the first fails;
# the exit code is non-zero if anything failed.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"

readonly required_packages=(
    cmake
    ninja-build
    make
    g++
    googletest
    libgtest-dev
    libbenchmark-dev
    g++-mingw-w64-x86-64-posix
    binutils-mingw-w64-x86-64
    wine64
    # /usr/bin/wine and wineserver: wine64 only recommends it.
    wine
)

log() {
    echo "==> $*"
}

install_missing_packages() {
    local missing=() package status
    for package in "${required_packages[@]}"; do
        status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null) || status=
        if [[ $status != "install ok installed" ]]; then
            missing+=("$package")
        fi
    done
    if ((${#missing[@]} == 0)); then
        return 0
    fi

    local sudo=()
    if ((EUID != 0)); then
        command -v sudo >/dev/null || {
            echo "run-tests: missing packages (${missing[*]}) and no sudo to install them" >&2
            return 1
        }
        sudo=(sudo)
    fi
    log "installing ${missing[*]}"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q &&
        "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
            apt-get install -y -q "${missing[@]}"
}

# Tallies of the CTest runs, for the closing line.
tests_passed=0
tests_failed=0

# run_ctest <log file> <ctest arguments...>: runs CTest, shows its output and adds
# its counts to the tallies.
run_ctest() {
    local log_file=$1 status=0
    shift
    "$@" 2>&1 | tee "$log_file" || status=$?
    local summary
    summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log_file" |
        tail -n 1)
    if [[ $summary =~ ([0-9]+)\ tests?\ failed\ out\ of\ ([0-9]+) ]]; then
        tests_failed=$((tests_failed + BASH_REMATCH[1]))
        tests_passed=$((tests_passed + BASH_REMATCH[2] - BASH_REMATCH[1]))
    fi
    return "$status"
}

install_missing_packages || {
    echo "run-tests: installing the required packages failed" >&2
    exit 1
}

native_result="not run"
windows_result="not run"

log "native: configure and build"
start=$SECONDS
if cmake --preset native && cmake --build --preset native -j2; then
    log "native: test"
    mkdir -p build/native
    if run_ctest build/native/ctest.log ctest --preset native; then
        native_result=passed
    else
        native_result="tests FAILED"
    fi
else
    native_result="build FAILED"
fi
log "native: $native_result ($((SECONDS - start)) s)"

log "windows: configure and build (Wine prefix prepared meanwhile)"
start=$SECONDS
mkdir -p build/windows
bash cmake/run-wine-tests.sh --prefix-only build/windows &
prefix_pid=$!
if cmake --preset windows && cmake --build --preset windows -j2; then
    built=1
else
    built=0
fi
prefix_status=0
wait "$prefix_pid" || prefix_status=$?
if ((!built)); then
    windows_result="build FAILED"
elif ((prefix_status != 0)); then
    windows_result="Wine prefix FAILED"
else
    log "windows: test under Wine"
    if run_ctest build/windows/ctest.log bash cmake/run-wine-tests.sh build/windows; then
        windows_result=passed
    else
        windows_result="tests FAILED"
    fi
fi
log "windows: $windows_result ($((SECONDS - start)) s)"

echo
echo "native:  $native_result"
echo "windows: $windows_result"
echo "Total: $tests_passed passed, $tests_failed failed"

[[ $native_result == passed && $windows_result == passed ]]

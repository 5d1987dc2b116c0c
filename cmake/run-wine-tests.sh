#!/usr/bin/env bash
# Runs the tests of a Windows build under Wine, in one warm Wine session.
#
#   cmake/run-wine-tests.sh [--prefix-only] <windows build dir> [ctest arguments...]
#
# The Wine prefix lives in <build dir>/wineprefix and is created on first use.
# With --prefix-only the script only makes sure the prefix exists, so that it can
# be created while the build is still compiling. Prefix creation and test sessions
# of one build folder take a lock, so a session started meanwhile waits for the
# prefix to be complete. Exits with CTest's exit code.
set -euo pipefail

die() {
    echo "run-wine-tests: $*" >&2
    exit 1
}

prefix_only=0
if [[ ${1-} == --prefix-only ]]; then
    prefix_only=1
    shift
fi
[[ $# -ge 1 ]] || die "usage: $0 [--prefix-only] <windows build dir> [ctest arguments...]"
mkdir -p "$1"
build_dir=$(cd "$1" && pwd)
shift

# Must match VRN3_WINE_TEST_ENVIRONMENT in cmake/Vrn3Testing.cmake.
export WINEPREFIX="$build_dir/wineprefix"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe,winedbg.exe=d"
unset DISPLAY

command -v wine >/dev/null || die "wine is not installed"
command -v wineserver >/dev/null || die "wineserver is not installed"

prefix_stamp="$WINEPREFIX/.vrn3-prefix-complete"
prefix_log="$build_dir/wineprefix-setup.log"

prefix_is_complete() {
    [[ -f $prefix_stamp ]] && grep -q '"Graphics"="null"' "$WINEPREFIX/user.reg" 2>/dev/null
}

create_prefix() {
    echo "run-wine-tests: creating the Wine prefix $WINEPREFIX"
    # A prefix without the stamp is what an interrupted creation left behind.
    rm -rf "$WINEPREFIX"
    # Wine creates only the last component of the prefix path.
    mkdir -p "$(dirname "$WINEPREFIX")"
    {
        wine wineboot -i
        # The null driver: no display needed, and dialogs run as they would on a
        # desktop (with the default driver and no display they fail with -1).
        wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f
        # Returns when the server has exited, which is when the registry files are
        # written; right after wineboot they may not exist yet.
        wineserver -w
    } >"$prefix_log" 2>&1 || die "creating the Wine prefix failed; see $prefix_log"
    grep -q '"Graphics"="null"' "$WINEPREFIX/user.reg" 2>/dev/null ||
        die "the Wine prefix has no null graphics driver in $WINEPREFIX/user.reg; see $prefix_log"
    touch "$prefix_stamp"
}

# Held until this script ends. Wine processes inherit the descriptor, so the lock
# is free only once the session's wineserver is gone as well.
exec 9>"$build_dir/wineprefix.lock"
flock -w 900 9 || die "timed out waiting for another Wine session on $build_dir"

prefix_is_complete || create_prefix
if ((prefix_only)); then
    exit 0
fi

keepalive_exe="$build_dir/bin/keepalive.exe"
[[ -f $keepalive_exe ]] || die "$keepalive_exe is missing: build the windows preset first"

# Left over from a session that was killed before its cleanup ran.
wineserver -k 2>/dev/null || true

keepalive_pid=
end_session() {
    if [[ -n $keepalive_pid ]]; then
        kill "$keepalive_pid" 2>/dev/null || true
        wait "$keepalive_pid" 2>/dev/null || true
    fi
    # Never `wineserver -w` here: a persistent server does not exit by itself.
    wineserver -k 2>/dev/null || true
}
trap end_session EXIT

# One persistent server for the whole run instead of one per test program.
wineserver -p

keepalive_out="$build_dir/keepalive.out"
rm -f "$keepalive_out"
wine "$keepalive_exe" >"$keepalive_out" 2>/dev/null &
keepalive_pid=$!

# Bounded: a first start after creating the prefix takes a few seconds.
for ((tenths = 0; tenths < 600; tenths++)); do
    if grep -q '^ready' "$keepalive_out" 2>/dev/null; then
        break
    fi
    kill -0 "$keepalive_pid" 2>/dev/null || die "keepalive.exe ended before it was ready"
    sleep 0.1
done
grep -q '^ready' "$keepalive_out" 2>/dev/null ||
    die "keepalive.exe was not ready within 60 s"

status=0
ctest --test-dir "$build_dir" --timeout 120 --output-on-failure --no-tests=error "$@" ||
    status=$?
if ((status != 0)); then
    echo "run-wine-tests: Windows tests FAILED (ctest exit code $status)" >&2
fi
exit "$status"

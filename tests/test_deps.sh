#!/usr/bin/env bash
# tools/deps.sh with stand-ins for id, sudo, dpkg-query and apt-get on a PATH of its own:
# as root, through sudo (which drops the environment, as the real one does), and with
# neither. The stand-ins log how apt-get was called.
# Usage: test_deps.sh SOURCE_DIR
set -uo pipefail
deps=$1/tools/deps.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fake=$work/bin
mkdir -p "$fake"
for tool in bash env grep cat; do
    ln -s "$(command -v "$tool")" "$fake/$tool"
done
cat >"$fake/id" <<'STUB'
#!/bin/bash
echo "$FAKE_UID"
STUB
cat >"$fake/dpkg-query" <<'STUB'
#!/bin/bash
pkg=${!#}
grep -qx "$pkg" "$FAKE_MISSING" || printf 'install ok installed'
STUB
cat >"$fake/apt-get" <<'STUB'
#!/bin/bash
echo "${DEBIAN_FRONTEND:-interactive} by $(id): $*" >>"$FAKE_LOG"
STUB
cat >"$fake/sudo" <<'STUB'
#!/bin/bash
exec /usr/bin/env -i PATH="$PATH" FAKE_UID=0 FAKE_LOG="$FAKE_LOG" "$@"
STUB
chmod +x "$fake"/*

failures=0
fail()
{
    echo "FAIL: $*"
    failures=$((failures + 1))
}
# run UID WITH_SUDO MISSING... -> status in $status, stderr in $err, apt-get log in $log
run()
{
    local uid=$1 with_sudo=$2
    shift 2
    printf '%s\n' "$@" >"$work/missing"
    : >"$work/log"
    local path=$fake
    if [[ $with_sudo == no ]]; then
        path=$work/nosudo
        rm -rf "$path" && mkdir "$path" && cp -P "$fake"/* "$path"/ && rm "$path/sudo"
    fi
    err=$(PATH=$path FAKE_UID=$uid FAKE_MISSING=$work/missing FAKE_LOG=$work/log \
        "$fake/bash" "$deps" test 2>&1 >/dev/null)
    status=$?
    log=$(cat "$work/log")
}

run 0 no cmake g++
[[ $status == 0 ]] || fail "as root: status $status"
[[ $log == *"noninteractive by 0: install -y --no-install-recommends cmake g++"* ]] ||
    fail "as root: apt-get log '$log'"

run 1000 yes cmake
[[ $status == 0 ]] || fail "with sudo: status $status"
[[ $log == *"noninteractive by 0: update -qq"*"noninteractive by 0: install -y --no-install-recommends cmake"* ]] ||
    fail "with sudo: apt-get log '$log'"

run 1000 no cmake g++
[[ $status != 0 ]] || fail "without root or sudo: status 0"
[[ -z $log ]] || fail "without root or sudo: apt-get ran: '$log'"
[[ $err == *"apt-get install -y --no-install-recommends cmake g++"* ]] ||
    fail "without root or sudo: message '$err'"

run 1000 no
[[ $status == 0 && -z $log && -z $err ]] || fail "nothing missing: status $status, log '$log', '$err'"

echo "deps.sh: $failures failed"
((failures == 0))

#!/usr/bin/env bash
# The udev rule for the programming cables: every recognised chip reaches the label that
# grants access and keeps ModemManager away, the FTDI chips get a 1 ms latency timer, and udev itself reads the file without a
# complaint: `udevadm verify` where it exists, otherwise `udevadm test` loading only this
# rule inside a private mount namespace (a throw-away /dev, /sys read-only), so nothing
# on the machine changes.
# Usage: test_udev_rule.sh RULE_FILE
set -uo pipefail
rule=$1
failures=0
fail()
{
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# CH340/CH341, PL2303, CP210x, FTDI.
for chip in 1a86:7523 1a86:5523 067b:2303 067b:23a3 10c4:ea60 0403:6001 0403:6015; do
    line="ATTRS{idVendor}==\"${chip%:*}\", ATTRS{idProduct}==\"${chip#*:}\", GOTO=\"xr970_cable\""
    grep -qxF "$line" "$rule" || fail "no line for $chip: $line"
done
# The FTDI chips hold received bytes up to their latency timer: 1 ms instead of 16.
for chip in 0403:6001 0403:6015; do
    line="ATTRS{idVendor}==\"${chip%:*}\", ATTRS{idProduct}==\"${chip#*:}\", ATTR{device/latency_timer}=\"1\""
    grep -qxF "$line" "$rule" || fail "no latency timer for $chip: $line"
done
grant=$(sed -n '/^LABEL="xr970_cable"$/{n;p;}' "$rule")
for assignment in 'GROUP="dialout"' 'TAG+="uaccess"' 'ENV{ID_MM_DEVICE_IGNORE}="1"'; do
    [[ $grant == *"$assignment"* ]] || fail "the cable label does not set $assignment: '$grant'"
done
[[ $(head -c 3 <<<"$(basename "$rule")") =~ ^[0-6][0-9]- ]] ||
    fail "$(basename "$rule") must sort before 70-uaccess and ModemManager's 80- rules"

if udevadm verify --help >/dev/null 2>&1; then
    udevadm verify "$rule" || fail "udevadm verify"
elif command -v udevadm >/dev/null && [[ -d /etc/udev/rules.d && -e /sys/class/tty/tty ]] &&
    unshare -rm true 2>/dev/null; then
    rules=$(mktemp -d)
    trap 'rm -rf "$rules"' EXIT
    cp "$rule" "$rules/"
    complaints=$(unshare -rm sh -c "mount --bind '$rules' /etc/udev/rules.d && mount -t tmpfs tmpfs /dev &&
        mount -o remount,bind,ro /sys && udevadm test --action=add /sys/class/tty/tty" 2>&1 |
        grep -F "/etc/udev/rules.d/$(basename "$rule")" | grep -v '^Reading rules file')
    [[ -z $complaints ]] || fail "udev complains: $complaints"
else
    echo "udevadm or an unprivileged mount namespace is missing: udev's own check skipped"
fi

echo "udev rule: $failures failed"
((failures == 0))

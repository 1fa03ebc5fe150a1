#!/usr/bin/env bash
# The bash completion of xr970-cli against this build's program: commands, options, option
# values, file names by the extension each argument expects, devices for --port.
# Usage: test_completion.sh XR970_CLI COMPLETION_SCRIPT
set -uo pipefail
cli=$1
# shellcheck source=/dev/null
source "$2"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin" "$work/files/sub"
ln -s "$cli" "$work/bin/xr970-cli"
cd "$work/files" || exit 1
touch a.dat UPPER.DAT b.csv c.pdf other.txt
PATH=$work/bin:$PATH

failures=0
# complete "WORDS..." -> the sorted candidates for the last word, one line
complete_line()
{
    read -ra COMP_WORDS <<<"$1"
    [[ $1 == *' ' ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _xr970_cli
    printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ' | sed 's/ $//'
}
# expect "WORDS" "CANDIDATES" (exactly), or contains/lacks for a part of them
check()
{
    local how=$1 line=$2 expected=$3 got
    got=$(complete_line "$line")
    case $how in
    exactly) [[ $got == "$expected" ]] ;;
    contains) [[ " $got " == *" $expected "* ]] ;;
    lacks) [[ " $got " != *" $expected "* ]] ;;
    esac || {
        echo "FAIL: '$line' $how '$expected'; got '$got'"
        failures=$((failures + 1))
    }
}

check contains "xr970-cli " dump
check contains "xr970-cli " import-csv
check contains "xr970-cli " compare
check contains "xr970-cli " history
check exactly "xr970-cli compare " "UPPER.DAT a.dat sub"
check exactly "xr970-cli compare --lang " "en zh"
check contains "xr970-cli compare --" --port
check contains "xr970-cli " --version
check exactly "xr970-cli im" import-csv
check exactly "xr970-cli dump --v" --variant
check lacks "xr970-cli dump --" --port
check contains "xr970-cli read --" --port
check exactly "xr970-cli dump --variant " "other receive transmit"
check exactly "xr970-cli diff --lang " "en zh"
check exactly "xr970-cli dump " "UPPER.DAT a.dat sub"
check exactly "xr970-cli dump --lang zh " "UPPER.DAT a.dat sub"
check exactly "xr970-cli import-csv " "b.csv sub"
check exactly "xr970-cli import-csv b.csv " "UPPER.DAT a.dat sub"
check exactly "xr970-cli import-csv b.csv a.dat -o " "UPPER.DAT a.dat sub"
check exactly "xr970-cli export-csv a.dat -o " "b.csv sub"
check exactly "xr970-cli export-csv a.dat --output " "b.csv sub"
check exactly "xr970-cli print a.dat --pdf " "c.pdf sub"
check exactly "xr970-cli simulate --image " "UPPER.DAT a.dat sub"
check exactly "xr970-cli fleet " "UPPER.DAT a.dat sub"
check exactly "xr970-cli fleet a.dat --log " "b.csv sub"
check contains "xr970-cli fleet a.dat --port " auto
check exactly "xr970-cli new " ""
check exactly "xr970-cli read --retries " ""
check contains "xr970-cli read --port " auto
check contains "xr970-cli write --port /dev/nul" /dev/null

# Every device offered for --port exists.
for device in $(complete_line "xr970-cli read --port "); do
    [[ $device == auto || -e $device ]] || {
        echo "FAIL: --port offers $device, which does not exist"
        failures=$((failures + 1))
    }
done

echo "completion: $failures failed"
((failures == 0))

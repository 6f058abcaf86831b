# shellcheck shell=bash
# What the scripts share, sourced by each: the checkout's root, failing with a message,
# installing missing packages, and the window sizes the C++ code keeps in one header.

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# Messages begin with the script's name.
script=$(basename "$0")

# Says what failed and ends the script; a script that defines `onfail` gets to run it
# first (to keep a picture of the screen, say).
fail() {
    echo "$script: FAIL: $*" >&2
    if declare -F onfail >/dev/null; then onfail || true; fi
    exit 1
}

# Installs with apt-get those of the Debian packages named that are not installed yet.
need() {
    local package missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    DEBIAN_FRONTEND=noninteractive apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

# The value of `inline constexpr int NAME = VALUE;` in src/ui/windowsizes.h.
windowsize() {
    local value
    value=$(sed -n "s/^inline constexpr int $1 = \([0-9][0-9]*\);.*/\1/p" \
        "$root/src/ui/windowsizes.h")
    [ -n "$value" ] || fail "src/ui/windowsizes.h has no $1"
    echo "$value"
}

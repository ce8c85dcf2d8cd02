#!/bin/bash
# Makes sure the Debian packages that the build and the tests need are installed. As root it
# installs what is missing (after one apt-get update); otherwise it prints the line to run.
# When everything is there it costs one dpkg-query call.
set -eu
declare -A installed
while read -r package status; do
    [ "$status" = ii ] && installed[$package]=1
done < <(dpkg-query -W -f='${Package} ${db:Status-Abbrev}\n' "$@" 2>/dev/null)
missing=()
for package in "$@"; do
    [ -n "${installed[$package]:-}" ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages. Please run:" >&2
    echo "  sudo apt-get install -y ${missing[*]}" >&2
    exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"

#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Quelmire developers
# SPDX-License-Identifier: MIT
# Makes sure the Debian packages that the build and the tests need are installed. As root it
# installs what is missing (after one apt-get update); otherwise it prints the line to run.
# When everything is there it costs one dpkg-query call. Another package manager at work (as
# unattended upgrades are after boot) is waited for, up to APT_LOCK_WAIT seconds, not failed on.
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

wait=${APT_LOCK_WAIT:-600}
locks=(/var/lib/dpkg/lock-frontend /var/lib/dpkg/lock /var/lib/apt/lists/lock)
said=""

# The process that holds one of apt's locks, as "PID COMMAND", or nothing.
lockHolder() {
    lslocks --noheadings --raw --output PID,COMMAND,PATH 2>/dev/null |
        awk -v locks="${locks[*]}" 'BEGIN { n = split(locks, l, " "); for (i = 1; i <= n; i++) held[l[i]] = 1 }
                                     $3 in held { print $1, $2; exit }'
}

# Says (once) that it waits, then waits for the locks to come free or the time to run out; apt-get
# itself waits again (DPkg::Lock::Timeout) for a lock taken between the look and its start.
waitForLocks() {
    local end=$((SECONDS + wait)) holder
    while holder=$(lockHolder) && [ -n "$holder" ] && [ $SECONDS -lt $end ]; do
        if [ -z "$said" ]; then
            echo "Waiting up to ${wait} s for another package manager to finish (process ${holder})..."
            said=1
        fi
        sleep 2
    done
}

# apt-get update takes the package lists' lock, for which apt-get has no wait of its own.
update() {
    local end=$((SECONDS + wait)) log
    log=$(mktemp)
    until apt-get -qq -o DPkg::Lock::Timeout="$wait" update 2>"$log"; do
        if ! grep -q 'Could not get lock' "$log" || [ $SECONDS -ge $end ]; then
            cat "$log" >&2
            rm -f "$log"
            return 1
        fi
        waitForLocks
    done
    rm -f "$log"
}

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
waitForLocks
update
waitForLocks
apt-get install -y -qq --no-install-recommends -o DPkg::Lock::Timeout="$wait" "${missing[@]}"

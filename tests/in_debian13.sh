#!/usr/bin/env bash
# Runs make in this checkout's commit as on a fresh Debian 13 machine: in a
# Debian 13 root made with debootstrap from this machine's own package source,
# kept at ROOT between runs (made again when missing), into which the commit
# is cloned afresh each time; make there installs what it needs, as root.
# Usage (as root): in_debian13.sh ROOT MAKE-ARGUMENTS...
set -euo pipefail
checkout=$(cd "$(dirname "$0")/.." && pwd)
root=$1
shift

# The package source this machine's apt uses, for Debian 13's suites.
source_of() { apt-cache policy | awk -v suite="$1" '$3 ~ suite {print $2; exit}'; }
mirror=$(source_of '^[a-z]+/main$')
security=$(source_of '^[a-z]+-security/main$')
mirror=${mirror:-http://deb.debian.org/debian}
security=${security:-http://deb.debian.org/debian-security}

# ROOT exists only once it is whole: a root is made beside it and renamed.
if [ ! -d "$root" ]; then
    echo "in_debian13: making a Debian 13 root in $root from $mirror"
    rm -rf "$root.new"
    mkdir -p "$(dirname "$root")"
    # What a newcomer installs before cloning: git and make.
    debootstrap --include=git,make,ca-certificates trixie "$root.new" "$mirror" >"$root.log" 2>&1 ||
        { tail -n 30 "$root.log"; exit 1; }
    printf 'deb %s trixie main\ndeb %s trixie-updates main\ndeb %s trixie-security main\n' \
        "$mirror" "$mirror" "$security" >"$root.new/etc/apt/sources.list"
    mv "$root.new" "$root"
fi
cp /etc/resolv.conf "$root/etc/resolv.conf"
# This machine's own trust, which its package registries may be reached
# through: the certificate authorities it added (a proxy's, a company's),
# and npm's settings for them.
if compgen -G '/usr/local/share/ca-certificates/*' >/dev/null; then
    mkdir -p "$root/usr/local/share/ca-certificates"
    cp -r /usr/local/share/ca-certificates/. "$root/usr/local/share/ca-certificates/"
    chroot "$root" update-ca-certificates >/dev/null
fi
if [ -f /etc/npmrc ]; then cp /etc/npmrc "$root/etc/npmrc"; fi

rm -rf "$root/root/pirumo"
git clone --quiet --no-hardlinks "$checkout" "$root/root/pirumo"
echo "in_debian13: make $* in Debian $(cat "$root/etc/debian_version"), at $(git -C "$checkout" log -1 --format=%h)" \
    "(changes not committed are not in it)"

# The root's own /proc, /sys and /dev, in a mount namespace of this run's, so
# that they are gone with it.
exec unshare --mount --propagation private bash -c '
    root=$1; shift
    mount -t proc proc "$root/proc"
    mount --rbind /sys "$root/sys"
    mount --rbind /dev "$root/dev"
    exec env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin HOME=/root TERM=dumb \
        LANG=C.UTF-8 ${CI:+CI=$CI} ${PIRUMO_X86_PROBE:+PIRUMO_X86_PROBE=$PIRUMO_X86_PROBE} chroot "$root" bash -c "cd /root/pirumo && exec make \"\$@\"" make "$@"
' in_debian13 "$root" "$@"

#!/bin/bash
# Runs one of the page's browser tests with the network cut off: in a network
# namespace of its own that has only loopback, which ChromeDriver and the
# test's own web server need. Root makes the namespace itself; another user
# makes it inside a user namespace of their own, where they count as root.
#   run.sh TEST.py ARGS...
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
test=$1
shift
if [ "$(id -u)" -eq 0 ]; then
    cut_off=(unshare --net)
else
    cut_off=(unshare --map-root-user --net)
fi
if ! "${cut_off[@]}" true 2>/dev/null; then
    echo "run.sh: cannot cut the network off: '${cut_off[*]}' is refused here" \
        "(user namespaces may be turned off: sysctl kernel.unprivileged_userns_clone or user.max_user_namespaces)" >&2
    exit 1
fi
exec "${cut_off[@]}" bash -c 'ip link set lo up && exec /usr/bin/python3 "$@"' run "$here/$test" "$@"

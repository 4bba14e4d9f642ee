#!/usr/bin/env bash
# Runs the README's test command as CI does, but in a fresh Debian 12 root:
# a clean clone of this repository's HEAD, run as root, with no display and
# only the packages the command installs itself. Catches a dependency that
# this machine happens to have. Needs root, the Debian mirror and about half
# an hour; not part of the tests. Usage: sudo scripts/check-test-command.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/fresh-root.sh
make_fresh_root test
echo "check-test-command: cloning HEAD ($(git rev-parse --short HEAD)) into the root"
git clone -q --no-local . "$root/root/brask"
echo "check-test-command: running bash scripts/test.sh in the root (log: $roots/test.log)"
started=$SECONDS
status=0
chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  sh -c 'cd /root/brask && bash scripts/test.sh' >"$roots/test.log" 2>&1 || status=$?
minutes=$(( (SECONDS - started) / 60 )) seconds=$(( (SECONDS - started) % 60 ))
tail -15 "$roots/test.log"
echo "check-test-command: the test command ended with status $status after ${minutes} min ${seconds} s"
exit "$status"

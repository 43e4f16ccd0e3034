#!/bin/sh
# as-user.sh COMMAND [ARGUMENT...]: runs COMMAND as an ordinary user with a new, empty home and
# temporary directory of its own, since root ignores permission bits. Run by root, the user is
# "nobody"; run by anyone else, it is that user. The environment is cleared but for what a
# headless Qt program needs, MIREVO_TEST_PREFIX and the sanitizers' options. Exits 77 (skipped)
# only when root has no way to become another user.
set -eu

home=$(mktemp -d "${TMPDIR:-/tmp}/mirevo-home.XXXXXX")
trap 'rm -rf "$home"' EXIT
mkdir "$home/tmp" "$home/runtime"
chmod 700 "$home/runtime"

for name in MIREVO_TEST_PREFIX ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS; do
    eval "value=\${$name:-}"
    if [ -n "$value" ]; then
        set -- "$name=$value" "$@"
    fi
done
set -- env -i PATH=/usr/local/bin:/usr/bin:/bin HOME="$home" TMPDIR="$home/tmp" XDG_RUNTIME_DIR="$home/runtime" \
    LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen "$@"

if [ "$(id -u)" -ne 0 ]; then
    status=0
    "$@" || status=$?
    exit "$status"
fi

if ! command -v setpriv >/dev/null 2>&1 || ! id nobody >/dev/null 2>&1; then
    echo "SKIP: setpriv or the user nobody is missing" >&2
    exit 77
fi
group=$(id -gn nobody)
chown -R nobody:"$group" "$home"
status=0
setpriv --reuid=nobody --regid="$group" --clear-groups "$@" || status=$?
exit "$status"

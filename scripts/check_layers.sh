#!/bin/sh
# Checks that the plug-in's folders depend one way: a folder may include only
# from itself and the floors below it. Prints every include that reaches up
# and fails when there is one.
set -e
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
FLOORS="base raster model node commands tools ui plugin"

rank() {
    i=0
    for f in $FLOORS; do
        [ "$f" = "$1" ] && { echo "$i"; return; }
        i=$((i + 1))
    done
    echo -1
}

status=0
for floor in $FLOORS; do
    [ -d "$ROOT/$floor" ] || continue
    own=$(rank "$floor")
    # Every quoted include of a plug-in folder, as "file:line:folder".
    hits=$(grep -rnoE '^[[:space:]]*#[[:space:]]*include[[:space:]]+"[a-z]+/' "$ROOT/$floor" \
               --include='*.h' --include='*.cpp' || true)
    [ -n "$hits" ] || continue
    echo "$hits" | while IFS= read -r hit; do
        target=$(echo "$hit" | sed -E 's/.*"([a-z]+)\/$/\1/')
        other=$(rank "$target")
        [ "$other" -ge 0 ] || continue
        if [ "$other" -gt "$own" ]; then
            echo "${hit%%:*}: $floor includes from $target, a floor above it" | sed "s|$ROOT/||"
        fi
    done
done > "${TMPDIR:-/tmp}/nb_layers.$$"

if [ -s "${TMPDIR:-/tmp}/nb_layers.$$" ]; then
    cat "${TMPDIR:-/tmp}/nb_layers.$$" >&2
    echo "check_layers: folders must include only from the floors below them ($FLOORS)" >&2
    status=1
else
    echo "check_layers: every folder includes only from itself and the floors below it"
fi
rm -f "${TMPDIR:-/tmp}/nb_layers.$$"
exit $status

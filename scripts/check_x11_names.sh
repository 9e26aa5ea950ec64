#!/bin/sh
# Older host devkits pull in X11 headers, whose macros None, Status, Bool,
# Success and Always would replace any plug-in identifier of that name and
# break the build there. Prints every plug-in line that declares or uses
# such a name unqualified (Qt's QVariant::Bool and the like are qualified and
# pass) and fails when there is one. Comments and string literals are not
# looked at.
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
FOLDERS="base raster model node commands tools ui plugin"
NAMES='(^|[^:[:alnum:]_])(None|Status|Bool|Success|Always)([^[:alnum:]_]|$)'

hits=""
for folder in $FOLDERS; do
    [ -d "$ROOT/$folder" ] || continue
    found=$(grep -rnE "$NAMES" "$ROOT/$folder" --include='*.h' --include='*.cpp' \
                | sed -E 's/^([^:]+:[0-9]+:)(.*)$/\1\t\2/' \
                | awk -F'\t' -v names="$NAMES" '{
                      code = $2
                      gsub(/"([^"\\]|\\.)*"/, "\"\"", code)   # string literals
                      sub(/\/\/.*$/, "", code)                 # line comments
                      if (code ~ names) print $1 $2
                  }')
    [ -n "$found" ] && hits="$hits$found
"
done

if [ -n "$hits" ]; then
    printf '%s' "$hits" | sed "s|$ROOT/||" >&2
    echo "check_x11_names: these names are X11 macros in older host devkits; rename them" >&2
    exit 1
fi
echo "check_x11_names: no plug-in identifier is an X11 macro name"

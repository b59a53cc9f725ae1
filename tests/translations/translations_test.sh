#!/usr/bin/env bash
# The translations against the sources: each translations/rq51_<code>.ts
# holds exactly the texts the sources mark (none missing, none left over),
# every one translated, with the same %1..%9 places as its Japanese text.
#
#   translations_test.sh SOURCE_DIR WORK_DIR
set -euo pipefail
source_dir=$1
work=$2
rm -rf "$work"
mkdir -p "$work"

status=0
"$source_dir/tools/update-translations.sh" --into "$work"

for ts in "$source_dir"/translations/rq51_*.ts; do
  name=$(basename "$ts")
  # Run on the sources, lupdate adds the texts that are new and drops those
  # no longer used: any difference is a text missing or left over.
  if ! diff -u "$ts" "$work/$name" >"$work/$name.diff"; then
    echo "$name is out of date with the sources; run tools/update-translations.sh" \
      "and translate what it adds:" >&2
    grep -E '^[-+] ' "$work/$name.diff" | grep -E '<source>' | head -40 >&2 || true
    status=1
  fi
  if grep -qE 'type="(unfinished|obsolete|vanished)"' "$ts"; then
    echo "$name has entries that are not translated or no longer used:" >&2
    awk 'BEGIN { RS = "</message>" }
         /type="(unfinished|obsolete|vanished)"/ {
           if (match($0, /<source>[^<]*<\/source>/)) print "  " substr($0, RSTART + 8, RLENGTH - 17)
         }' "$ts" | head -40 >&2
    status=1
  fi
  # Every %N of a text is in its translation, and no other.
  awk -v file="$name" 'BEGIN { RS = "</message>"; bad = 0 }
    function places(text,    d, found) {
      found = ""
      for (d = 1; d <= 9; ++d) if (index(text, "%" d) > 0) found = found d
      return found
    }
    {
      if (!match($0, /<source>[^<]*<\/source>/)) next
      source = substr($0, RSTART + 8, RLENGTH - 17)
      if (!match($0, /<translation[^>]*>[^<]*<\/translation>/)) next
      translation = substr($0, RSTART, RLENGTH)
      sub(/<translation[^>]*>/, "", translation)
      sub(/<\/translation>/, "", translation)
      if (places(source) != places(translation)) {
        print file ": the places %N differ: \"" source "\" -> \"" translation "\"" > "/dev/stderr"
        bad = 1
      }
    }
    END { exit bad }' "$ts" || status=1
done
exit $status

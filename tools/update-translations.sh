#!/usr/bin/env bash
# Brings every translations/rq51_<code>.ts up to date with the texts in the
# sources: new texts are added as unfinished, texts no longer used are
# dropped. Translate the unfinished entries (Qt Linguist, or any editor),
# then build: the programs carry the translations.
#
#   tools/update-translations.sh              update the files in place
#   tools/update-translations.sh --into DIR   write the updated files to DIR
#                                             and leave the sources alone
#   tools/update-translations.sh --new CODE   start translations/rq51_CODE.ts
#
# Texts are written in Japanese in the sources. Besides Qt's own tr(), the
# windows mark them with Tq(context, text), the layers below the windows with
# Tr(context, text), and texts kept in tables with RQ51_TR_NOOP(context, text).
set -euo pipefail
cd "$(dirname "$0")/.."

lupdate=/usr/lib/qt6/bin/lupdate
if [[ ! -x "$lupdate" ]]; then
  echo "update-translations: $lupdate is missing (Debian package qt6-l10n-tools)" >&2
  exit 1
fi

into=
new=
case "${1:-}" in
  --into) into=${2:?--into needs a folder} ;;
  --new) new=${2:?--new needs a language code} ;;
  "") ;;
  *)
    echo "update-translations: unknown option '$1'" >&2
    exit 2
    ;;
esac

files=()
if [[ -n "$new" ]]; then
  files=("translations/rq51_$new.ts")
else
  for ts in translations/rq51_*.ts; do
    if [[ -n "$into" ]]; then
      mkdir -p "$into"
      cp "$ts" "$into/"
      files+=("$into/$(basename "$ts")")
    else
      files+=("$ts")
    fi
  done
fi

for ts in "${files[@]}"; do
  code=$(basename "$ts" .ts)
  code=${code#rq51_}
  "$lupdate" -silent -no-obsolete -locations none -source-language ja -target-language "$code" \
    -tr-function-alias translate+=Tr,translate+=Tq,QT_TRANSLATE_NOOP+=RQ51_TR_NOOP \
    -extensions cc,cpp,h app cli cube shell solvers stats ui -ts "$ts" 2>&1 |
    # lupdate's C++ reader does not follow every definition; it says so for
    # each, which tells nothing about the texts.
    { grep -v 'Ignoring definition of undeclared qualified class' >&2 || true; }
done

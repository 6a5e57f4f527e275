#!/usr/bin/env bash
# Brings every translation up to date from the sources, then fails when a message is left
# untranslated or unfinished, or when the committed .ts files were behind the sources.
#   check-translations.sh [BUILD_DIR]   (CTest runs it as translations.complete)
set -euo pipefail
build=$(realpath "${1:-build/ci}")
cd "$(dirname "$0")/.."
# The files' times are kept when nothing changed, so a check never makes a build relink.
stamps=$(mktemp -d)
trap 'rm -rf "$stamps"' EXIT
for ts in translations/*.ts; do cp -p "$ts" "$stamps/"; done
cmake --build "$build" --target update_translations >/dev/null
for ts in translations/*.ts; do
    cmp -s "$ts" "$stamps/$(basename "$ts")" && touch -r "$stamps/$(basename "$ts")" "$ts"
done
if ! git diff --quiet -- translations/; then
    git diff --stat -- translations/
    echo "translations/ is behind the sources: build update_translations and translate"
    exit 1
fi
/usr/bin/python3 - translations/*.ts <<'PY'
import sys
import xml.etree.ElementTree as ET
bad = 0
for path in sys.argv[1:]:
    root = ET.parse(path).getroot()
    for context in root.iter("context"):
        for message in context.iter("message"):
            t = message.find("translation")
            forms = [f.text for f in t.iter("numerusform")] if t is not None else []
            texts = forms if message.get("numerus") == "yes" else [t.text if t is not None else ""]
            if t is None or t.get("type") in ("unfinished", "vanished", "obsolete") \
                    or not texts or not all((x or "").strip() for x in texts):
                bad += 1
                print("%s: %s: not translated: %r" % (path, context.findtext("name"), message.findtext("source")))
    print("%s: %d messages" % (path, sum(1 for _ in root.iter("message"))))
sys.exit(1 if bad else 0)
PY
echo "== every message translated"

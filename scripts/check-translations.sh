#!/usr/bin/env bash
# Fails when a message is left untranslated or unfinished, or when the committed .ts files
# are behind the sources. lupdate runs on copies, so the checkout is left as it was (and may
# be read-only); `cmake --build BUILD --target update_translations` brings them up to date.
#   check-translations.sh LUPDATE PROJECT_CMAKE GENERATE_SCRIPT -- LUPDATE_OPTIONS...
# (CTest runs it as translations.complete with the build's own lupdate, project and options.)
set -euo pipefail
lupdate=$1 project=$2 generate=$3
shift 4
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake -DIN_FILE="$project" -DOUT_FILE="$work/project.json" -P "$generate"
behind=0
for ts in translations/*.ts; do
    cp "$ts" "$work/"
    "$lupdate" -project "$work/project.json" "$@" -ts "$work/$(basename "$ts")" >/dev/null 2>&1
    if ! diff -u "$ts" "$work/$(basename "$ts")" | head -n 40; then behind=1; fi
done
if ((behind)); then
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

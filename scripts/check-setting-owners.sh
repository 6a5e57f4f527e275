#!/usr/bin/env bash
# Every settings section is spelt in one class only, the one whose properties its keys are:
# fails when another file of the program names it. (CTest runs it as settings.owners.)
set -euo pipefail
cd "$(dirname "$0")/.."
status=0
while read -r section owner; do
    # A section is spelt where a store call or a constant names it.
    named="QStringLiteral\\(\"$section(%1|[0-9])?\"\\)"
    others=$(grep -rlE "((Get|Set)[A-Za-z0-9]*|Remove)\\(\\s*$named|QString k[A-Za-z]* = $named" \
        app cli engine play scores settings windows \
        | grep -vx "$owner" || true)
    if [ -n "$others" ]; then
        echo "the section \"$section\" belongs to $owner, but is spelt in: $others"
        status=1
    fi
done <<'OWNERS'
Save settings/cSave.cpp
Install settings/cSave.cpp
Options settings/cOpt.cpp
Recent settings/cRecent.cpp
Custom settings/cCustom.cpp
Finish settings/cFinish.cpp
Score scores/cScore.cpp
Player scores/cPlayer.cpp
OWNERS
[ "$status" = 0 ] && echo "== every settings section has one owner"
exit "$status"

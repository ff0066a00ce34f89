#!/usr/bin/env bash
# The manual pages as mandoc's lint reads them, style included: nothing to say.
# Usage: manual_pages_lint.sh PAGE...      Exit 77: skipped (no mandoc).
command -v mandoc >/dev/null || { echo "SKIP: no mandoc"; exit 77; }
said=$(mandoc -Tlint -W style "$@" 2>&1)
[ -z "$said" ] || { echo "$said"; exit 1; }

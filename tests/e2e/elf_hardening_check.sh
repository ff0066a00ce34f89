#!/usr/bin/env bash
# Fails unless every ELF program or library among the files is hardened as Debian hardens its
# own packages: PIE, full RELRO (GNU_RELRO with BIND_NOW), the stack protector and fortified
# libc calls. What it reads is what `hardening-check` reads, with binutils alone.
set -u
failures=0
for file in "$@"; do
    [ -f "$file" ] && [ ! -L "$file" ] && [ "$(head -c 4 "$file" | od -An -c | tr -d ' ')" = '177ELF' ] || continue
    dynamic=$(readelf -d "$file" 2>/dev/null)
    problems=()
    readelf -h "$file" | grep -qE 'Type:[[:space:]]+DYN' || problems+=("not position-independent")
    readelf -lW "$file" | grep -q GNU_RELRO || problems+=("no RELRO")
    grep -qE '\(FLAGS\).*BIND_NOW|\(FLAGS_1\).*NOW' <<<"$dynamic" || problems+=("no BIND_NOW")
    symbols=$(nm -D "$file" 2>/dev/null)
    grep -q ' U __stack_chk_fail' <<<"$symbols" || problems+=("no stack protector")
    grep -qE ' U __[a-z_]+_chk(@|$)' <<<"$symbols" || problems+=("no fortified calls")
    if [ ${#problems[@]} -gt 0 ]; then
        echo "not hardened: $file: ${problems[*]}"
        failures=$((failures + 1))
    fi
done
exit $((failures > 0))

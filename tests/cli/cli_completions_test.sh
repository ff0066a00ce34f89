#!/usr/bin/env bash
# The completions made from --help, as each shell runs them: bash gives a folder whose name has
# blanks as one word, every shell offers undo and its options, none offers files after --start or
# --step. Usage: cli_completions_test.sh DOCS_FOLDER
set -u
docs=$(readlink -f "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
. "$(dirname "$0")/../checks.sh"
cd "$work" && mkdir "My Jobs" "My Other" Plain && touch "My list.txt"

if command -v shellcheck >/dev/null; then
  check "shellcheck" "" "$(shellcheck "$docs/quirebatch-cli.bash")"
fi

# bash: the words typed, the last one being completed; the candidates one per line.
bash_completes() {
  bash -c 'source "$0"; COMP_WORDS=(quirebatch-cli "$@"); COMP_CWORD=$#; _quirebatch_cli
           printf "%s\n" "${COMPREPLY[@]}"' "$docs/quirebatch-cli.bash" "$@"
}
while IFS='|' read -r name words expected; do
  eval "set -- $words"
  check "bash: $name" "$(printf '%b' "$expected")" "$(bash_completes "$@" | sort)"
done <<'TABLE'
target with blanks|"F #" 3 "My J"|My Jobs
target among folders|"F #" 3 My|My Jobs\nMy Other
no files after --start|--start ""|
no files after --step|--step 1 --step ""|
nothing for the count|"F #" ""|
undo first|u|undo
undo after options|--quiet ""|undo
undo's options|--quiet undo -|--dry-run\n--help\n--quiet\n-h\n-n\n-q
a list's target|--names "My list.txt" "My J"|My Jobs
a list's file|--names "My l"|My list.txt
a template's folder|--template Pl|Plain
TABLE

if command -v fish >/dev/null; then
  fish_completes() {
    fish -c "source '$docs/quirebatch-cli.fish'; complete -C '$1'" | cut -f1 | sort | tr '\n' ' '
  }
  check "fish parses" "" "$(fish -n "$docs/quirebatch-cli.fish" 2>&1)"
  check "fish: no files after --start" "" "$(fish_completes 'quirebatch-cli --start ')"
  check "fish: no files after --step" "" "$(fish_completes 'quirebatch-cli --step ')"
  check "fish: undo" "undo " "$(fish_completes 'quirebatch-cli un')"
  check "fish: undo's options" "--dry-run " "$(fish_completes 'quirebatch-cli undo --dry')"
fi
if command -v zsh >/dev/null; then
  check "zsh parses" "" "$(zsh -n "$docs/_quirebatch-cli" 2>&1)"
  # What _arguments completes a value with is the text after its last colon.
  for option in --start --step; do
    check "zsh: nothing after $option" "1" "$(grep -c -- "'$option\[.*\]:n: '" "$docs/_quirebatch-cli")"
  done
  check "zsh: undo" "1" "$(grep -c "(undo)" "$docs/_quirebatch-cli")"
fi
exit $((failures > 0))

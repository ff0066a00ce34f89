#!/usr/bin/env bash
# The Debian package as a user meets it: apt-get installs it (twice), the tool makes a run, the
# window comes up, the manual pages and completions are where the shells look, and apt-get remove
# (twice) takes every file of the package away, also while the tool is running, and touches
# neither the user's settings nor their folders. Needs root and a system without the package.
set -u
deb=$(readlink -f "$1")
here=$(cd "$(dirname "$0")" && pwd)
[ "$(id -u)" -eq 0 ] || { echo "SKIP: installing a package needs root"; exit 77; }
command -v apt-get >/dev/null || { echo "SKIP: no apt-get"; exit 77; }
if dpkg-query -W -f='${Status}' quirebatch 2>/dev/null | grep -q "install ok installed"; then
    echo "SKIP: quirebatch is installed already; the test would change it"; exit 77
fi
work=$(mktemp -d)
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() { local what=$1; shift; "$@" || fail "$what"; }
# man-db's index is rebuilt after every install and removal, which costs more than all the rest:
# left off for the test, put back afterwards (the pages are found without it).
man_db=/var/lib/man-db/auto-update
[ -e "$man_db" ] && mv "$man_db" "$work/man-db-auto-update"
cleanup() {
    apt-get remove -y -q quirebatch >/dev/null 2>&1
    [ -e "$work/man-db-auto-update" ] && mv "$work/man-db-auto-update" "$man_db"
    rm -rf "$work"
}
trap cleanup EXIT
export DEBIAN_FRONTEND=noninteractive

# A user's own settings and folders, which nothing of the package may touch.
mkdir -p "$work/config" "$work/jobs/kept"
printf '[Pallisand%%20Quire%%20Batch%%20Utility]\nText1=Mine ##\n' >"$work/config/Quillmark.conf"

if command -v lintian >/dev/null; then
    check "lintian finds no error" lintian --fail-on error "$deb"
fi
check "apt-get installs the package" apt-get install -y -q "$deb" >/dev/null
dpkg -L quirebatch >"$work/files"
# Every program and library of the package is hardened as Debian's own are.
check "the packaged binaries are hardened" xargs -d '\n' "$here/elf_hardening_check.sh" <"$work/files"
check "installing the same version again is clean" apt-get install -y -q --reinstall "$deb" >/dev/null
check "the tool is on the PATH" test "$(quirebatch-cli --version)" = "quirebatch-cli $(dpkg-query -W -f='${Version}' quirebatch | cut -d- -f1)"
check "the window program answers --version without a display" test "$(env -u DISPLAY -u WAYLAND_DISPLAY quirebatch --version)" = "quirebatch $(dpkg-query -W -f='${Version}' quirebatch | cut -d- -f1)"
check "... and --help" env -u DISPLAY -u WAYLAND_DISPLAY quirebatch --help >/dev/null
check "the tool makes a run" quirebatch-cli "Run ##" 3 "$work/jobs" >/dev/null
check "the run's folders" test -d "$work/jobs/Run 01" -a -d "$work/jobs/Run 03"
for page in quirebatch quirebatch-cli; do
    check "manual page $page" man -w "$page" >/dev/null
done
# The manual page and the completions say what --help says: every option of the one is in the others.
help_options=$(quirebatch-cli --help | grep -oE '^  -[^ ]+( -[^ ]+)*|--[a-z][a-z-]*' | grep -oE -- '-{1,2}[a-z0-9][a-z0-9-]*' | sort -u)
manual=$(MANWIDTH=200 man quirebatch-cli 2>/dev/null | sed 's/\x08.//g')
for option in $help_options; do
    check "the manual page names $option" grep -qF -- "$option" <<<"$manual"
    check "bash completes $option" grep -qF -- "$option" /usr/share/bash-completion/completions/quirebatch-cli
done
check "bash completion" bash -c "source /usr/share/bash-completion/completions/quirebatch-cli && complete -p quirebatch-cli" >/dev/null
command -v zsh >/dev/null && check "zsh completion parses" zsh -n /usr/share/zsh/vendor-completions/_quirebatch-cli
command -v fish >/dev/null && check "fish completion parses" fish -n /usr/share/fish/vendor_completions.d/quirebatch-cli.fish
command -v appstreamcli >/dev/null &&
    check "AppStream accepts the metainfo" appstreamcli validate --no-net /usr/share/metainfo/example.quillmark.quirebatch.metainfo.xml >/dev/null
check "desktop entry" desktop-file-validate /usr/share/applications/quirebatch.desktop
# KDE's service menus are of its own type, which desktop-file-validate reads as an application's.
check "Dolphin's service menu" bash -c '! desktop-file-validate /usr/share/kio/servicemenus/quirebatch.desktop | grep -v "while this key is only valid for type \"Application\"" | grep -q error'
check "Nemo's action" grep -q "^Exec=quirebatch %F$" /usr/share/nemo/actions/quirebatch.nemo_action
check "Nemo's action for the folder shown" grep -q "^Exec=quirebatch %P$" /usr/share/nemo/actions/quirebatch-here.nemo_action
check "the file-manager/actions entry" grep -q "^Exec=quirebatch %f$" /usr/share/file-manager/actions/quirebatch.desktop
for loader in nautilus-python thunarx-python; do
    check "the $loader extension" python3 -c 'import ast, sys; ast.parse(open(sys.argv[1]).read())' \
        /usr/share/$loader/extensions/quirebatch.py
done
check "no desktop entry of ours claims a file type" bash -c "! grep -l '^MimeType=' \$(grep '^/usr/share/applications/.*\.desktop$' '$work/files')"
check "the shared files" test -s /usr/share/quirebatch/HAND-M.CUR -a -s /usr/share/quirebatch/x/o.cjs
if command -v Xvfb >/dev/null && command -v openbox >/dev/null && command -v xdotool >/dev/null; then
    source "$here/qt_display.sh"
    if qt_display_start 1024x600x24; then
        XDG_CONFIG_HOME=$work/config quirebatch >/dev/null 2>&1 &
        app=$!
        check "the window comes up" qt_wait_window "Pallisand Quire Batch Utility" 60 >/dev/null
        kill "$app" 2>/dev/null; wait "$app" 2>/dev/null
        # The file managers' entries start the program with the folder: it is in the box, stored.
        mkdir -p "$work/Jobs 100% Ünï"
        for entry in /usr/share/applications/quirebatch.desktop /usr/share/kio/servicemenus/quirebatch.desktop; do
            command=$(sed -n 's/^Exec=//p' "$entry" | tail -n 1)
            rm -f "$work/config/Quillmark.conf"
            XDG_CONFIG_HOME=$work/config ${command%% *} "$work/Jobs 100% Ünï" >/dev/null 2>&1 &
            app=$!
            check "$entry: ${command#* } is the folder" test "${command#* }" = "%f"
            check "$entry starts the program" qt_wait_window "Pallisand Quire Batch Utility" 60 >/dev/null
            check "$entry: the folder is stored" grep -qxF "Text3=$work/Jobs 100% Ünï/" "$work/config/Quillmark.conf"
            kill "$app" 2>/dev/null; wait "$app" 2>/dev/null
        done
        qt_display_stop
    fi
fi

# Removed while the tool runs: the run goes on to its end.
cp "$work/config/Quillmark.conf" "$work/settings.before"
quirebatch-cli "Long #######" 100000 "$work/jobs" >"$work/long.out" 2>&1 &
long=$!
check "apt-get removes the package" apt-get remove -y -q quirebatch >/dev/null
wait "$long"
check "a run in progress finishes after the removal" grep -q "^created 100000," "$work/long.out"
check "removing twice says so and succeeds" bash -c "dpkg --remove quirebatch 2>&1 | grep -q \"isn't installed\""
while read -r file; do
    [ -d "$file" ] && continue
    [ -e "$file" ] || [ -L "$file" ] && fail "left behind: $file"
done <"$work/files"
check "the user's settings are untouched" cmp -s "$work/config/Quillmark.conf" "$work/settings.before"
check "the user's folders are untouched" test -d "$work/jobs/kept" -a -d "$work/jobs/Run 02"
[ $failures -eq 0 ] && echo "deb install: all checks passed"
exit $((failures > 0))

#!/usr/bin/env bash
# The Windows installer under Wine, as a user meets it: a silent install into a folder whose name
# has blanks and non-ASCII letters (twice: the same version over itself), the shortcuts, the
# uninstall key, the tool's folder on PATH; the program starts (and the tool, when there is one,
# makes a run); a silent uninstall then takes away every file, shortcut, key and PATH entry it made,
# and keeps the user's settings key and the folders made in the sample folder. A folder that
# cannot be written to is refused with a clear exit status.
# Usage: win32_installer_test.sh <setup.exe>     Exit 77: skipped (no Wine, X or tools).
set -u
setup=$(readlink -f "$1")
for tool in wine wineserver winepath xdotool; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done
[ -n "${DISPLAY:-}" ] || { echo "SKIP: no X display"; exit 77; }
[ -f "$setup" ] || { echo "FAIL: no installer at $setup"; exit 1; }

work=$(mktemp -d)
# Arguments reach Wine in the locale's encoding: UTF-8, so that the folder's name arrives whole.
export LC_ALL=C.UTF-8 WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" HOME=$work/home
mkdir -p "$HOME" "$WINEPREFIX"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() { local what=$1; shift; "$@" || fail "$what"; }
. "$(dirname "${BASH_SOURCE[0]}")/qt_display.sh"
cleanup() { wineserver -k >/dev/null 2>&1; qt_display_stop; rm -rf "$work"; }
trap cleanup EXIT
qt_display_own_if_possible 1280x1024x24
wineserver -p >/dev/null 2>&1 </dev/null
wine wineboot -i >/dev/null 2>&1 </dev/null

key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\QuillmarkPallisandQuireBatchUtility'
reg_value() {  # reg_value KEY NAME: the value's data; "(Default)" is the key's own value
    local which=(/v "$2")
    [ "$2" = "(Default)" ] && which=(/ve)
    # reg writes in the console's code page (437 in this locale), not in UTF-8.
    wine reg query "$1" "${which[@]}" 2>/dev/null | tr -d '\r' | iconv -f CP437 -t UTF-8 |
        awk -v v="$2" '$1 == v {$1=""; $2=""; sub(/^ +/, ""); print}'
}
install_dir='C:\Ünïcode Programs\Quire Batch'
unix_dir=$(winepath -u "$install_dir")
# /D= must come last and unquoted, blanks and all: Wine would quote an argument with blanks in it,
# so the line goes through cmd as one piece.
run_setup() { wine cmd /c "$(winepath -w "$setup") $*"; }

reg_type() {  # reg_type KEY NAME: the value's registry type
    wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -v v="$2" '$1 == v {print $2}'
}
# A user's Path longer than NSIS's strings, with entries that look like the one added (a folder
# inside it, a name it begins, another case, a separator at the end) and a variable: /PATH adds
# one whole entry to it, keeps its type, and the uninstall takes exactly that entry away.
user_path='%USERPROFILE%\bin;C:\Tools;C:\Tools\git\cmd;C:\Ünïcode Programs\Quire Batch\sub;C:\Ünïcode Programs\Quire Bat;'
while [ ${#user_path} -lt 1500 ]; do user_path+="C:\Program Files\Vendor ${#user_path}\bin;"; done
user_path+='C:\Last'
wine reg add 'HKCU\Environment' /v Path /t REG_EXPAND_SZ /d "$user_path" /f >/dev/null 2>&1

check "silent install" run_setup /S /DESKTOP /PATH "/D=$install_dir"
check "silent install over the same version" run_setup /S /DESKTOP /PATH "/D=$install_dir"
installed=("Pallisand Quire Batch Utility.exe" HAND-M.CUR x/o.cjs Samples/README.txt Uninstall.exe)
[ -f "$unix_dir/quirebatch-cli.exe" ] && installed+=(quirebatch-cli.exe)
for file in "${installed[@]}"; do check "installed: $file" test -f "$unix_dir/$file"; done
programs=$(winepath -u "$(wine cmd /c echo %APPDATA% | tr -d '\r')")/Microsoft/Windows/"Start Menu"/Programs
desktop=$(winepath -u "$(wine cmd /c echo %USERPROFILE% | tr -d '\r')")/Desktop
check "Start menu shortcut" test -f "$programs/Pallisand Quire Batch Utility.lnk"
check "desktop shortcut" test -f "$desktop/Pallisand Quire Batch Utility.lnk"
check "uninstall key: version" test "$(reg_value "$key" DisplayVersion)" = "7.00"
check "uninstall key: publisher" test "$(reg_value "$key" Publisher)" = "Quillmark"
check "uninstall key: icon" grep -q "Pallisand Quire Batch Utility.exe" <<<"$(reg_value "$key" DisplayIcon)"
check "uninstall key: size" test -n "$(reg_value "$key" EstimatedSize)"
check "uninstall key: about" test "$(reg_value "$key" URLInfoAbout)" = "https://www.quillmark.example/"
check "uninstall key: help" test "$(reg_value "$key" HelpLink)" = "mailto:support@quillmark.example"
check "the tool's folder added once to the whole PATH" \
    test "$(reg_value 'HKCU\Environment' Path)" = "$user_path;$install_dir"
check "the PATH keeps its type" test "$(reg_type 'HKCU\Environment' Path)" = REG_EXPAND_SZ

# The program starts from its installed folder; the tool, where there is one, makes a run.
wine "$unix_dir/Pallisand Quire Batch Utility.exe" >/dev/null 2>&1 &
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Pallisand Quire Batch Utility$' | head -1)
check "the installed program's window" test -n "$window"
if [ -n "$window" ]; then
    xdotool windowactivate --sync "$window" key alt+F4 2>/dev/null  # as the close button does
fi
for _ in $(seq 100); do kill -0 $! 2>/dev/null || break; sleep 0.1; done
kill $! 2>/dev/null
if [ -f "$unix_dir/quirebatch-cli.exe" ]; then
    mkdir -p "$work/jobs"
    check "the installed tool makes a run" wine "$unix_dir/quirebatch-cli.exe" "Run ##" 2 "$(winepath -w "$work/jobs")" >/dev/null
    check "the run's folders" test -d "$work/jobs/Run 02"
fi
# Explorer's menu entries, and the command they hold started as Explorer starts it, for a folder
# with blanks, "%" and non-ASCII letters: the folder is in the target box, and stored.
menus=('HKCU\Software\Classes\Directory\shell\QuillmarkQuireBatch'
       'HKCU\Software\Classes\Directory\Background\shell\QuillmarkQuireBatch')
for menu in "${menus[@]}"; do
    check "menu entry $menu" test "$(reg_value "$menu" '(Default)')" = "Create numbered folders here"
done
command=$(reg_value "${menus[0]}\command" '(Default)')
mkdir -p "$work/Jobs 100% Ünï"
folder=$(winepath -w "$work/Jobs 100% Ünï")
# The command is the quoted program and the quoted "%V": Explorer puts the folder in the quotes.
program=$(sed -nE 's/^"([^"]+)" "%V"$/\1/p' <<<"$command")
check "the menu's command quotes the program and the folder" test -n "$program"
wine "$(winepath -u "$program")" "$folder" >/dev/null 2>&1 &
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Pallisand Quire Batch Utility$' | head -1)
[ -n "$window" ] && xdotool windowactivate --sync "$window" key alt+F4 2>/dev/null
wait $! 2>/dev/null
check "the menu's command shows and stores the folder" \
    test "$(reg_value 'HKCU\Software\Quillmark\Pallisand Quire Batch Utility' Text3)" = "$folder\\"
wine reg add 'HKCU\Software\Quillmark\Pallisand Quire Batch Utility' /v Text1 /d 'Mine ##' /f >/dev/null 2>&1
# A drive's root from the background's menu: Explorer quotes "C:\", whose backslash the usual
# argument rules take for an escape of the quote. A batch file passes the line as Explorer makes
# it (Wine would quote the arguments it is given anew).
printf '@%s\r\n' "${command//%V/C:\\}" | iconv -f UTF-8 -t CP437 >"$work/root.bat"  # cmd reads the OEM code page
wine cmd /c "$(winepath -w "$work/root.bat")" >/dev/null 2>&1 &
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Pallisand Quire Batch Utility$' | head -1)
[ -n "$window" ] && xdotool windowactivate --sync "$window" key alt+F4 2>/dev/null
wait $! 2>/dev/null
check "the menu's command takes a drive's root" \
    test "$(reg_value 'HKCU\Software\Quillmark\Pallisand Quire Batch Utility' Text3)" = 'C:\'
mkdir -p "$unix_dir/Samples/Made by the user"

# The uninstaller hands over to a copy of itself and returns at once: wait for the copy's work.
check "silent uninstall" wine "$unix_dir/Uninstall.exe" /S
for _ in $(seq 150); do wine reg query "$key" >/dev/null 2>&1 || break; sleep 0.2; done
for file in "${installed[@]}"; do
    [ -e "$unix_dir/$file" ] && fail "left behind: $file"
done
check "the folders made in the sample folder stay" test -d "$unix_dir/Samples/Made by the user"
check "Start menu shortcut removed" test ! -e "$programs/Pallisand Quire Batch Utility.lnk"
check "desktop shortcut removed" test ! -e "$desktop/Pallisand Quire Batch Utility.lnk"
check "uninstall key removed" bash -c '! wine reg query "$0" >/dev/null 2>&1' "$key"
for menu in "${menus[@]}"; do
    check "menu entry removed: $menu" bash -c '! wine reg query "$0" >/dev/null 2>&1' "$menu"
done
check "the PATH is as it was" test "$(reg_value 'HKCU\Environment' Path)" = "$user_path"
check "the PATH still has its type" test "$(reg_type 'HKCU\Environment' Path)" = REG_EXPAND_SZ
check "the settings key stays" test "$(reg_value 'HKCU\Software\Quillmark\Pallisand Quire Batch Utility' Text1)" = "Mine ##"

# A user without a Path value: /PATH makes one, and the uninstall takes it away again.
wine reg delete 'HKCU\Environment' /v Path /f >/dev/null 2>&1
check "install with /PATH where there is no Path" run_setup /S /PATH "/D=$install_dir"
check "the Path made holds the folder alone" test "$(reg_value 'HKCU\Environment' Path)" = "$install_dir"
check "uninstall" wine "$unix_dir/Uninstall.exe" /S
for _ in $(seq 150); do wine reg query "$key" >/dev/null 2>&1 || break; sleep 0.2; done
check "no Path value is left where there was none" \
    bash -c '! wine reg query "HKCU\Environment" /v Path >/dev/null 2>&1'

# A folder that cannot be written to, root or not (/proc, through Wine's drive of the root):
# refused with a status, nothing half installed.
run_setup /S '/D=Z:\proc\Quire Batch'
check "an unwritable folder is refused with status 2" test $? -eq 2
check "nothing installed for it" bash -c '! wine reg query "$0" >/dev/null 2>&1' "$key"
# A file where the folder should be: refused with a status, nothing installed around it.
mkdir -p "$work/c"
: >"$work/c/a file"
run_setup /S "/D=$(winepath -w "$work/c/a file")"
check "a file as the folder is refused with a status" test $? -ne 0
check "nothing installed for the file" bash -c '! wine reg query "$0" >/dev/null 2>&1' "$key"
[ $failures -eq 0 ] && echo "win32 installer: all checks passed"
exit $((failures > 0))

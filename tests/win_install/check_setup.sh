#!/usr/bin/env bash
# Installs milden-<version>-setup.exe silently into a fresh Wine prefix of its own; checks every
# installed file, the Start-menu shortcut (read through the shell by read_shortcut.exe) and the
# entry in the list of installed programs; runs the installed milden-lookup.exe in the install
# folder; while the installed milden.exe runs (it holds the mutex MUTEX, which WAIT_FOR_MUTEX
# waits for), a silent install and a silent uninstall must fail and change nothing, and once it is
# closed a silent install again must succeed; then it uninstalls silently and checks that no file,
# shortcut or registry key is left. Then unpacks the portable zip and runs its milden-lookup.exe
# the same way. The answers must be those of LINUX_LOOKUP (the Linux build's milden-lookup) run in
# the folder of the staged files; without a Linux build, those of the staged milden-lookup.exe
# there. It needs an X display for milden.exe's window.
# Usage: check_setup.sh SETUP ZIP STAGE READ_SHORTCUT RUN_UNDER_WINE PREFIX VERSION LINUX_LOOKUP
#                       WAIT_FOR_MUTEX MUTEX
set -euo pipefail
setup=$1 zip=$2 stage=$3 read_shortcut=$4 run_under_wine=$5 prefix=$6 version=$7 linux_lookup=$8
wait_for_mutex=$9 mutex=${10}

export WINEPREFIX="$prefix"
trap 'wineserver -k 2>/dev/null || true' EXIT
rm -rf "$prefix"
"$run_under_wine" "$prefix"
win() { "$run_under_wine" "$prefix" "$@"; }
fail() { echo "FAIL: $*"; exit 1; }

drive_c="$prefix/drive_c"
folder="$drive_c/Program Files/Milden"
shortcut='C:\ProgramData\Microsoft\Windows\Start Menu\Programs\ミルデン.lnk'
key='HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Uninstall\milden'
numbers=(090-1234-5678 080-5123 07012345678 0801234)

# Every file of the prefix but the temporary folder, where the uninstaller leaves its running copy
# for Windows to delete at the next start.
files() { (cd "$drive_c" && find . -path './users/*/Temp' -prune -o -print | sort); }
# Every registry key of the prefix.
keys() { grep -h '^\[' "$prefix/system.reg" "$prefix/user.reg" | sed 's/\] [0-9]*$/]/' | sort; }
# The answers of the milden-lookup.exe in FOLDER, run there.
answers_in() { (cd "$1" && win ./milden-lookup.exe "${numbers[@]}"); }

files_before="$(files)"
keys_before="$(keys)"
if [[ -x "$linux_lookup" ]]; then
  expected_answers="$(cd "$stage" && "$linux_lookup" "${numbers[@]}")"
else
  echo "No Linux build at $linux_lookup: comparing with the staged milden-lookup.exe"
  expected_answers="$(answers_in "$stage")"
fi
echo "$expected_answers"

echo "== install silently"
win "$setup" /S || fail "the installer exited with $?"
wineserver -w
expected_files="$( (cd "$stage" && ls -A; echo uninstall.exe) | sort)"
[[ "$( (cd "$folder" && ls -A) | sort)" == "$expected_files" ]] ||
  fail "installed: $(ls -A "$folder" | tr '\n' ' '), expected: $(tr '\n' ' ' <<<"$expected_files")"
for file in "$stage"/*; do cmp "$file" "$folder/${file##*/}"; done

echo "== the Start-menu shortcut"
link="$(win "$read_shortcut" "$shortcut")"
[[ "$link" == $'C:\\Program Files\\Milden\\milden.exe\nC:\\Program Files\\Milden' ]] ||
  fail "shortcut target and working folder: $link"

echo "== the entry in the list of installed programs"
win reg export "$key" 'C:\entry.reg' /y >/dev/null
entry="$(iconv -f UTF-16 -t UTF-8 "$drive_c/entry.reg" | tr -d '\r')"
rm "$drive_c/entry.reg"
size_kib=$(( $(cat "$folder"/* | wc -c) / 1024 ))
expected_entry="$(cat <<END
Windows Registry Editor Version 5.00

[$key]
"DisplayIcon"="C:\\\\Program Files\\\\Milden\\\\milden.exe,0"
"DisplayName"="ミルデン"
"DisplayVersion"="$version"
"EstimatedSize"=dword:$(printf %08x $size_kib)
"InstallLocation"="C:\\\\Program Files\\\\Milden"
"NoModify"=dword:00000001
"NoRepair"=dword:00000001
"Publisher"="Velk探偵事務所"
"QuietUninstallString"="\\"C:\\\\Program Files\\\\Milden\\\\uninstall.exe\\" /S"
"UninstallString"="\\"C:\\\\Program Files\\\\Milden\\\\uninstall.exe\\""
END
)"
diff <(echo "$expected_entry") <(echo "$entry") || fail "the uninstall entry differs"

echo "== the installed milden-lookup.exe in the install folder"
diff <(echo "$expected_answers") <(answers_in "$folder") || fail "the installed program answers differently"

echo "== while milden.exe runs, a silent install and a silent uninstall exit with 2 and change nothing"
# Every file's name, the installed files' contents and every registry key.
state() { files; (cd "$folder" && sha1sum ./*); keys; }
(cd "$folder" && exec "$run_under_wine" "$prefix" ./milden.exe) &
milden=$!
win "$wait_for_mutex" "$mutex" || fail "milden.exe did not start"
running_state="$(state)"
status=0
win "$setup" /S || status=$?
[[ $status -eq 2 ]] || fail "the installer exited with $status, not 2, while milden.exe ran"
diff <(echo "$running_state") <(state) || fail "the installer changed the above while milden.exe ran"
# With _?= the uninstaller runs in place and waits, so that its exit status is its result. The
# folder must follow unquoted, which a batch file passes as written and Wine's own quoting would not.
printf '@"C:\\Program Files\\Milden\\uninstall.exe" /S _?=C:\\Program Files\\Milden\r\n@exit /b %%errorlevel%%\r\n' \
  >"$prefix/uninstall_in_place.bat"
status=0
win cmd /c "Z:${prefix//\//\\}\\uninstall_in_place.bat" || status=$?
[[ $status -eq 2 ]] || fail "the uninstaller exited with $status, not 2, while milden.exe ran"
diff <(echo "$running_state") <(state) || fail "the uninstaller changed the above while milden.exe ran"

echo "== once milden.exe is closed, installing again succeeds"
win taskkill /im milden.exe >/dev/null  # without /f: the window is asked to close
wait "$milden" || fail "milden.exe ended with $?"
win "$setup" /S || fail "the installer exited with $? after milden.exe was closed"
wineserver -w
for file in "$stage"/*; do cmp "$file" "$folder/${file##*/}"; done

echo "== uninstall silently, as the entry's QuietUninstallString says"
# The uninstaller copies itself to Temp and returns at once; the copy does the work, so wait for
# every process of the prefix to end.
win 'C:\Program Files\Milden\uninstall.exe' /S || fail "the uninstaller exited with $?"
wineserver -w
diff <(echo "$files_before") <(files) || fail "the uninstaller left the above behind"
# Wine drops some volatile keys of its own meanwhile: only a key that is new counts.
left="$(comm -13 <(echo "$keys_before") <(keys))"
[[ -z "$left" ]] || fail "the uninstaller left these registry keys: $left"

echo "== the portable zip"
mkdir "$drive_c/portable"
(cd "$drive_c/portable" && cmake -E tar xf "$zip")
unpacked="$drive_c/portable/${stage##*/}"
[[ "$(ls -A "$unpacked")" == "$(ls -A "$stage")" ]] || fail "the zip holds $(ls -A "$unpacked" | tr '\n' ' ')"
for file in "$stage"/*; do cmp "$file" "$unpacked/${file##*/}"; done
diff <(echo "$expected_answers") <(answers_in "$unpacked") || fail "the portable program answers differently"
echo "installer, uninstaller and portable zip OK"

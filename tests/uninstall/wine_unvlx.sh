#!/bin/sh
# unvlx.exe /S under Wine, on Wine's real registry and drive: after a cable tuning
# by the Windows vxtune and an install laid out as the setup does it, the
# uninstaller must exit 0, give back the TCP/IP keys byte for byte, leave no file,
# link, Run value, uninstall entry or product key, and have itself deleted at the
# next start (Wine keeps MoveFileExA's list in PendingFileRenameOperations).
# usage: wine_unvlx.sh SOURCE_DIR UNVLX VXTUNE WORK_DIR
set -eu
root=$1
unvlx=$2
vxtune=$3
work=$4

rm -rf "$work"
mkdir -p "$work"
cd "$work"
# A prefix of its own: the check changes Wine's system keys.
export VX_WINEPREFIX="$work/wineprefix"
in_wine() { "$root/scripts/wine-run" "$@"; }
drive="$VX_WINEPREFIX/drive_c"
services='HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services'

export_key() {  # key file: false when the key is missing
    rm -f "$2"
    in_wine regedit /e "$2" "$1" >/dev/null 2>&1 && [ -s "$2" ]
}

in_wine regedit /s nul >/dev/null 2>&1 || true  # makes the prefix
export_key "$services\\Tcpip\\Parameters" before.reg || { echo "FAIL: Wine has no TCP/IP parameters"; exit 1; }

in_wine "$vxtune" profile C >/dev/null
in_wine "$vxtune" apply >/dev/null
export_key "$services\\Tcpip\\Parameters" tuned.reg
cmp -s before.reg tuned.reg && { echo "FAIL: the tuning changed nothing to put back"; exit 1; }

install="$drive/Program Files/Quorvex/Velocitrex"
group="$drive/users/Public/Start Menu/Programs/Velocitrex"
desktop="$drive/users/Public/Desktop"
mkdir -p "$install" "$group" "$desktop"
for name in velocitrex.exe file_id.diz readme.txt vlxhelp.htm; do echo x >"$install/$name"; done
for name in Velocitrex.lnk VelocHelp.lnk ReadMe.lnk Uninstall.lnk; do echo x >"$group/$name"; done
echo x >"$desktop/Velocitrex.lnk"
cp "$unvlx" "$drive/windows/unvlx.exe"
printf '%s\r\n' 'REGEDIT4' '' \
    '[HKEY_LOCAL_MACHINE\Software\Quorvex\Velocitrex]' \
    '"installdir"="C:\\Program Files\\Quorvex\\Velocitrex"' '' \
    '[HKEY_LOCAL_MACHINE\Software\Quorvex]' '"mo"=""' '' \
    '[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Run]' \
    '"Velocitrex"="C:\\Program Files\\Quorvex\\Velocitrex\\velocitrex.exe /S"' '' \
    '[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velocitrex]' \
    '"Displayname"="Velocitrex"' '"UninstallString"="C:\\windows\\unvlx.exe"' '' \
    '[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders]' \
    '"Desktop"="C:\\users\\Public\\Desktop"' '"Programs"="C:\\users\\Public\\Start Menu\\Programs"' '' >install.reg
in_wine regedit /s install.reg

status=0
fail() { echo "FAIL: $*"; status=1; }
code=0
in_wine 'C:\windows\unvlx.exe' /S || code=$?
[ "$code" -eq 0 ] || fail "unvlx.exe /S exited with $code"

export_key "$services\\Tcpip\\Parameters" after.reg
cmp -s before.reg after.reg || { fail "the TCP/IP parameters differ from before the tuning"; diff before.reg after.reg | head -20; }
for gone in "$install" "$drive/Program Files/Quorvex" "$group" "$desktop/Velocitrex.lnk"; do
    [ ! -e "$gone" ] || fail "$gone is left"
done
for key in 'HKEY_LOCAL_MACHINE\Software\Quorvex' \
    'HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velocitrex'; do
    ! export_key "$key" left.reg || fail "$key is left"
done
export_key 'HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Run' run.reg || true
! iconv -f UTF-16LE -t UTF-8 run.reg 2>/dev/null | grep -qi '"Velocitrex"' || fail "the Run value is left"
export_key 'HKEY_LOCAL_MACHINE\System\CurrentControlSet\Control\Session Manager' session.reg || true
# The list is a multi-string of UTF-16 names, exported as hex(7) bytes.
iconv -f UTF-16LE -t UTF-8 session.reg 2>/dev/null | tr -d '\r\n\\ ' |
    sed -n 's/.*"PendingFileRenameOperations"=hex(7):\([0-9a-f,]*\).*/\1/p' | tr ',' '\n' | xxd -r -p |
    iconv -f UTF-16LE -t UTF-8 2>/dev/null | tr '\0' '\n' | grep -qix '.*C:\\windows\\unvlx\.exe' ||
    fail "unvlx.exe was not scheduled for deletion at the next start"
[ $status -eq 0 ] && echo "OK: removed, restored, and scheduled for deletion at the next start"
exit $status

#!/usr/bin/env bash
# Takes weapon tables through a real spreadsheet program (Gnumeric's ssconvert)
# under an English and a German locale and applies what it saved: unchanged
# round trips change nothing, a formula edit changes exactly one value, and
# numbers a German CSV writes are refused while XLSX keeps them exact.
# Exits 77 (skipped) without ssconvert or the locales.
# Usage: spreadsheet_test.sh WEPN WEAPON_FIXTURE
set -uo pipefail
wepn="$1"
fixture="$2"
command -v ssconvert >/dev/null || { echo "ssconvert is not installed"; exit 77; }
for l in en_US.utf8 de_DE.utf8; do
    locale -a | grep -qx "$l" || { echo "locale $l is missing"; exit 77; }
done

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# A mod whose weapons hold values a German spreadsheet could misread.
mod="$dir/mod"
mkdir -p "$mod/Weapon"
cp "$fixture" "$mod/Weapon/gun.wepn"
sed 's/,0.5,2,1,/,0.375,1.125,1,/; s/"gun_fx"/"=1+1"/' "$fixture" >"$mod/Weapon/thin.wepn"
cp -r "$mod" "$dir/original"
unchanged() { diff -r "$dir/original/Weapon" "$mod/Weapon" >/dev/null || fail "$1: a weapon file changed"; }

convert() { # LOCALE FROM TO
    LANG="$1" LC_ALL="$1" ssconvert "$2" "$3" >/dev/null 2>&1 || fail "ssconvert $2 -> $3 under $1"
}

(cd "$mod" && "$wepn" table --format xlsx Weapon >t.xlsx && "$wepn" table Weapon >t.csv) ||
    fail "table"
for l in en_US.UTF-8 de_DE.UTF-8; do
    for from in xlsx csv; do
        convert "$l" "$mod/t.$from" "$mod/r.xlsx"
        out=$("$wepn" apply "$mod/r.xlsx" 2>&1) || fail "$l $from -> xlsx: apply failed: $out"
        [ -z "$out" ] || fail "$l $from -> xlsx: apply printed: $out"
        unchanged "$l $from -> xlsx"
    done
    convert "$l" "$mod/t.csv" "$mod/r.csv"
    out=$("$wepn" apply "$mod/r.csv" 2>&1)
    code=$?
    if [ "$l" = en_US.UTF-8 ]; then
        [ $code -eq 0 ] && [ -z "$out" ] || fail "$l csv -> csv: $code $out"
    else
        [ $code -eq 1 ] || fail "$l csv -> csv: German numbers applied ($code)"
        grep -q "fFireTime: '0,375' has a decimal comma" <<<"$out" ||
            fail "$l csv -> csv: the decimal comma is not named: $out"
    fi
    unchanged "$l csv -> csv"
done

# A formula typed into one cell: exactly that value changes.
sed '/^Weapon\/gun.wepn,/s/,3000,/,=3000+300,/' "$mod/t.csv" >"$mod/edit.csv"
for l in en_US.UTF-8 de_DE.UTF-8; do
    rm -rf "$mod/Weapon" && cp -r "$dir/original/Weapon" "$mod/Weapon"
    convert "$l" "$mod/edit.csv" "$mod/edit.xlsx"
    out=$("$wepn" apply "$mod/edit.xlsx" 2>&1) || fail "$l formula edit: $out"
    [ "$out" = "$mod/Weapon/gun.wepn: fWeaponFireRange 3000 -> 3300" ] ||
        fail "$l formula edit printed: $out"
    cmp -s "$mod/Weapon/thin.wepn" "$dir/original/Weapon/thin.wepn" || fail "$l: thin.wepn changed"
done

[ $failures -eq 0 ] && echo "all spreadsheet round trips pass"
exit $((failures > 0))

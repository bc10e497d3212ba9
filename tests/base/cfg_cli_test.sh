#!/bin/bash
# The configuration store and the measurement record seen from outside, through
# orvcore-cli, each case in a fresh sandbox.
set -u
cli=${ORV_CLI:?}
fixtures=${ORV_SOURCE_DIR:?}/tests/base/fixtures
failures=0
passes=0

fail() { echo "FAIL [$case]: $*"; failures=$((failures + 1)); }
ok() { passes=$((passes + 1)); }
check() { if "$@"; then ok; else fail "$*"; fi; }
has_line() { grep -qxF -- "$1" "$2"; }
no_key() { ! grep -q -- "^$1=" "$2"; }
new_sandbox() {
  case=$1
  export ORV_ROOT=$(mktemp -d /tmp/orv-cli-test-XXXXXX)
  mkdir -p "$ORV_ROOT/home/ORV" "$ORV_ROOT/ramdisk" "$ORV_ROOT/tmp"
  conf=$ORV_ROOT/home/ORV/config.conf
}
end_sandbox() { [ -n "${ORV_KEEP_SANDBOX:-}" ] || rm -rf "$ORV_ROOT"; }
file_state() { stat -c '%i %Y.%y' "$1"; md5sum < "$1"; }
# Value of "key=" in the output of the last call.
value() { printf '%s\n' "$out" | sed -n "s/^$1=//p" | tail -n 1; }

new_sandbox "fresh file"
out=$("$cli" cfg load)
check test $? -eq 0
check grep -qxF "[orvDatas] Le fichier /home/ORV/config.conf n'existe pas!" <<<"$out"
check grep -qxF "[orvDatas] Creation d'un nouveau fichier de CONFIGURATION" <<<"$out"
check grep -qxF "====>NC" <<<"$out"
check test "$(head -n 1 "$conf")" = "[General]"
check test "$(wc -l < "$conf")" -eq 110
for line in FLAG_ALARM=1 CONFIG_DIAMETRE=500 CONFIG_DIAM_TUBE=38.22 CONFIG_TANK_TYPE=V \
  REGLAGE_ALARM_3JOURS=-5 CONFIG_TEXT_CORR_CAB3M=3.6 ALARME_NIVEAU_MINI_G_NUIT=50000 \
  CONFIG_MOY_REF_RECALCUL_CTRL=-1 CONFIG_VERSION_MAJOR=10 CONFIG_VERSION_MINOR=4 \
  CONFIG_VERSION_RELEASE=5 CONFIG_FLUID=R404A CONFIG_DM9000_VER=DM9000-X \
  CONFIG_KERNEL_VER=2.6.35.3-orv-host; do
  check has_line "$line" "$conf"
done
for key in CONFIG_COLUMN_TYPE CONFIG_ORV_NAME z5_CONFIG_HPF_H z5_CONFIG_HPF_J; do
  check no_key "$key" "$conf"
done
before=$(file_state "$conf")
out=$("$cli" cfg get 26); check test "$(value string)" = "1 5/8"
out=$("$cli" cfg get 107); check test "$(value string)" = "Nom_du_ORV"
check test "$(file_state "$conf")" = "$before"
end_sandbox

new_sandbox "typed writes"
"$cli" cfg load > /dev/null
out=$("$cli" cfg set 65 3.6); check test "$(value set)" = 1
check has_line CONFIG_TEXT_CORR_CAB3M=3.600000 "$conf"
"$cli" cfg set 23 H > /dev/null
check has_line CONFIG_TANK_TYPE=H "$conf"
before=$(file_state "$conf")
sleep 1
"$cli" cfg set 27 R404A > /dev/null
check test "$(file_state "$conf")" = "$before"
out=$("$cli" cfg id CONFIG_FLUID); check test "$(value id)" = 27
out=$("$cli" cfg id config_fluid); check test "$(value id)" = -1
end_sandbox

new_sandbox "single key rules"
printf '[General]\nALARME_TEMPORISATION=120\nCONFIG_DHCP=1\n' > "$conf"
out=$("$cli" cfg get 35); check test "$(value int)" = 90
check has_line ALARME_TEMPORISATION=120 "$conf"
out=$("$cli" cfg get 80)
check test "$(value char)" = 1
check test "$(value int)" = 0
end_sandbox

new_sandbox "migration v9"
cp "$fixtures/config_v9.conf" "$conf"
"$cli" cfg load > /dev/null
for key in CONFIG_IP_VPN CONFIG_MIN_PRESSION2 z2_CM_TYPE; do check no_key "$key" "$conf"; done
for line in CONFIG_TEXT_CORR_CAB3M=3.1 CONFIG_STFP_IP=127.0.0.12 \
  CONFIG_NOM_CLIENT_DU_SITE=Nom_du_client_sur_site CONFIG_TARE_DATE=NC \
  CONFIG_VERSION_MAJOR=9 "[Module_HPF]"; do
  check has_line "$line" "$conf"
done
check test "$(tail -n 1 "$conf")" = "[Module_HPF]"
end_sandbox

new_sandbox "migration 10.1.11"
cp "$fixtures/config_10_1_11.conf" "$conf"
"$cli" cfg load > /dev/null
check has_line CONFIG_STFP_IP=10.1.2.3 "$conf"
check no_key CONFIG_IP_VPN "$conf"
end_sandbox

new_sandbox "10.1.12 unchanged"
cp "$fixtures/config_10_1_12.conf" "$conf"
before=$(file_state "$conf")
"$cli" cfg load > /dev/null
check test "$(file_state "$conf")" = "$before"
end_sandbox

new_sandbox "grammar"
printf '[General]\nX=1\n[General]\nX=2\nQ="a\nb"\nV=@variant(x)\n' > "$conf"
"$cli" cfg set 13 2 > /dev/null
check test "$(grep -c '^\[General\]$' "$conf")" -eq 1
check has_line X=2 "$conf"
check has_line 'Q="a\nb"' "$conf"
check has_line V=0.0 "$conf"
printf '[General]\nKEY=\n' > "$conf"
out=$("$cli" cfg load)
check grep -qxF "orv_configFile:/home/ORV/config.conf:2: Invalid format: KEY=" <<<"$out"
check grep -qxF "Valid format is 'keyword = value' or 'keyword value'" <<<"$out"
check grep -qxF "Tokens read: KEY, " <<<"$out"
end_sandbox

new_sandbox "stray quote"
"$cli" cfg load > /dev/null
sed -i 's/^CONFIG_LANGUE=fr$/CONFIG_LANGUE="fr/' "$conf"
others=$(grep -v '^CONFIG_LANGUE=' "$conf")
out=$("$cli" cfg set 13 2)
check test "$(grep -c 'Invalid format' <<<"$out")" -eq 1
check grep -qF 'Invalid format: CONFIG_LANGUE="fr' <<<"$out"
check test "$(grep -v '^CONFIG_LANGUE=' "$conf")" = "$(sed 's/^FLAG_ALARM=1$/FLAG_ALARM=2/' <<<"$others")"
check has_line CONFIG_LANGUE=fr "$conf"
end_sandbox

new_sandbox "stray quote in the address: the device keeps its address"
"$cli" cfg load > /dev/null
sed -i 's/^CONFIG_IP=.*$/CONFIG_IP="10.1.2.3/' "$conf"
out=$("$cli" cfg load)
check test "$(grep -c 'Invalid format: CONFIG_IP="10.1.2.3' <<<"$out")" -eq 1
"$cli" cfg set 13 2 > /dev/null
check has_line CONFIG_IP=10.1.2.3 "$conf"
out=$("$cli" cfg get 81); check test "$(value string)" = 10.1.2.3
end_sandbox

new_sandbox "a received network set that cannot work leaves every key of it"
"$cli" cfg load > /dev/null
before=$(file_state "$conf")
out=$("$cli" cfg dispatch CONFIG_IP=10.0.0.5 CONFIG_MASK=255.0.255.0)
check test "$(value dispatch)" = 1
check grep -qF "dispatchNetCFG_List: CONFIG_IP refuse" <<<"$out"
check test "$(file_state "$conf")" = "$before"
check has_line CONFIG_IP=192.168.1.48 "$conf"
check has_line CONFIG_MASK=255.255.255.0 "$conf"
end_sandbox

new_sandbox "failures exit 1 and say why"
"$cli" cfg load > /dev/null
before=$(file_state "$conf")
while IFS='|' read -r args reason; do
  case="failures: $args"
  err=$("$cli" $args 2>&1 >/dev/null)
  check test $? -eq 1
  check test "$err" = "orvcore-cli cfg: $reason"
done <<'CASES'
cfg get 999|999 is no key of section General
cfg get 108|108 is no key of section General
cfg set 65 abc|"abc" is no decimal value of key CONFIG_TEXT_CORR_CAB3M: nothing stored
cfg set 22 12.5|"12.5" is no whole-number value of key CONFIG_HEIGHT: nothing stored
cfg set 23 VH|"VH" is no one-character value of key CONFIG_TANK_TYPE: nothing stored
CASES
case="failures: nothing stored"
check test "$(file_state "$conf")" = "$before"
rm -r "$ORV_ROOT/home/ORV"
case="failures: cfg load without its folder"
err=$("$cli" cfg load 2>&1 >/dev/null)
check test $? -eq 1
check test "$err" = "orvcore-cli cfg: /home/ORV/config.conf could not be written"
end_sandbox

new_sandbox "measurement record"
out=$("$cli" mes set 509 4660 get 509); check test "$(value int)" = 52
out=$("$cli" mes set 618 1.5 get 531); check test "$(value float)" = 1.5
out=$("$cli" mes get 519)
check test "$(value char) $(value int) $(value float)" = "0 0 0"
out=$("$cli" mes get 500); check test "$(value float)" = 999
"$cli" mes get > /dev/null 2>&1; check test $? -eq 2
end_sandbox

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]

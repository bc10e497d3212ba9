#!/bin/bash
# The HPF screens end to end: orvQT with its real core on the simulated plant (V2 card, HPF
# module with one relay card beyond the first) under Xvfb, tapped with xdotool. The live
# view shows the stages the module runs and their configured power after a processing
# pass; the wizard opened from the menu sends the configuration, reports a module that does
# not acknowledge, saves on the next send, and keeps the processing (and its 'k' requests)
# paused while it is open.
set -u
. "$ORV_SOURCE_DIR/tests/gui/support/xsession.sh"
xsession_script
SIM="$ORV_SOURCE_DIR/platform/orvbus-sim/orvbus-sim"
root=$(mktemp -d /tmp/orv-hpf-xvfb-XXXXXX)
roots=("$root")
simctl() { ORV_ROOT="$root" "$SIM" ctl "$@" > /dev/null || fail "orvbus-sim ctl $*"; }
# Requests with command code $1 (two hex digits) in the frame log after the note $2.
requests_after() {
  awk -v note="$2" -v code="code=$1" '
    index($0, "-- " note) { on = 1; next }
    on && / RX / && index($0, code) { n++ }
    END { print n + 0 }' "$root/orvbus-sim.log"
}
# Until no new 'k' request came for 3 s: a processing pass already under way when the
# processing was paused still ends with its exchange with the module.
quiet_k() {
  local last=-1 now
  for _ in $(seq 20); do
    now=$(grep -c "code=6B" "$root/orvbus-sim.log")
    [ "$now" = "$last" ] && return 0
    last=$now
    sleep 3
  done
  fail "the 'k' requests go on: the processing is not paused"
}
# A tap on a button of the wizard's bottom row.
wizard_button() { tap_widget "$1" || fail "no $1 on $(dump | head -1)"; }

# A commissioned plant; the HPF section holds the stage powers and the module is configured.
mkdir -p "$root/home/ORV" "$root/sys/class/net/eth0" "$root/platform_stub" "$root/etc/init.d" "$root/tmp"
echo 0 > "$root/sys/class/net/eth0/carrier"
echo 00:1a:2b:3c:4d:5e > "$root/sys/class/net/eth0/address"
echo "1073741824 2147483648" > "$root/platform_stub/diskspace"
cat > "$root/home/ORV/config.conf" <<'CONF'
[General]
CONFIG_LANGUE=fr
FLAG_PREM_DEMARRAGE=1709283900
CONFIG_SRV_ID=12
[Module_HPF]
z0_HPF-CONFIG_ISCONFIGIRED=1
z0_HPF_CONFIG_V_MP_Kw_0=1000
z0_HPF_CONFIG_V_MP_Kw_1=1500
z0_HPF_CONFIG_V_MP_Kw_2=500
CONF
{
  echo "module 1 mesv2 configured=1 weight=18500 hp=14.2"
  echo "module 0 mesv1"
  echo "set 0 header 00 00"
  echo "module 5 hpf configured=1 relays=1 version=2.1"
  echo "set 5 fans 1,1,0,0,0,0,0,0,0,0,0,0"
  for a in 6 7 8; do printf 'module %s energie\nfault %s crc\n' $a $a; done
} > "$root/scenario"
simulator_start "$root" "$root/scenario" || fail "no bus simulator"
sim=$XS_SIM

xsession_start "$root" TZ=UTC || fail "no X session"
expect_page mainScreen

# --- The live view: two stages on, 1000 + 1500 W, until a tap anywhere.
tap 184 100
expect_page hpfInfoPage
wait_dump $'label_NumVentilON\tQLabel' || fail "no stage count: $(dump)"
until=$(deadline)
until [ "$(field label_NumVentilON 8)" = "2 / 8" ] || [ $SECONDS -gt $until ]; do sleep 0.5; done
[ "$(field label_NumVentilON 8)" = "2 / 8" ] || fail "stages: $(field label_NumVentilON 8)"
[ "$(field label_Puissance 8)" = 2500 ] || fail "power: $(field label_Puissance 8)"
[ "$(field label_hpfFirmware 8)" = "HPF v2.1" ] || fail "firmware: $(field label_hpfFirmware 8)"
shot "$root/hpf_live_view.png"
# The lamps' names are drawn at their given 12 px; every other text at 14 px at least.
small=$(small_texts | grep -v '^label_ledName ')
[ -z "$small" ] || fail "texts under 14 px on the live view: $small"
[ -z "$(cut_texts)" ] || fail "texts cut on the live view: $(cut_texts)"
tap 320 240
expect_page mainScreen

# --- The wizard from the menu: its HPF configuration button.
tap_widget menuButton || fail "no menu button"
expect_page choixPage
tap_widget paramButton || fail "no settings button"
expect_page menuCodePage
tap_widget linePassword || fail "no code field"
type_text 5086
tap_widget pushButtonValidation || fail "no Validation"
expect_page menuPage
tap_widget configButtonHPF || fail "no HPF configuration button: $(dump)"
expect_page confHpfPage
page_line | grep -q "proc_paused=1" || fail "processing not paused: $(page_line)"
quiet_k
simctl note wizard-opened
# With the keyboard up, on each page of the main walk: keys a finger high, and the page's
# picture for the eye.
wizard_button btnKeyboard
wait_dump $'key0\tQPushButton' || fail "no keyboard: $(dump)"
mkdir -p "$ORV_BUILD_DIR/screens"
for page in $(seq 0 8); do
  [ -z "$(low_keys)" ] || fail "keys under a finger on page $page: $(low_keys)"
  shot "$ORV_BUILD_DIR/screens/hpf_e2e_keyboard_page$page.png"
  [ "$page" = 8 ] || wizard_button btnNext
done
wizard_button btnKeyboard
[ "$(field pushButton_SaveSendCgf 7)" = 1 ] || fail "not on the send page: $(dump)"

# Three lost answers to 'j': the client's three tries fail, identification and the rest
# would still be answered.
simctl fault 5 silent 3 6A
tap_widget pushButton_SaveSendCgf
wait_dump "REESSAYER/RENVOYER SVP" || fail "no error text: $(field label_message 8)"
shot "$root/hpf_send_failed.png"
tap_widget pushButton_SaveSendCgf
wait_dump "Sauvegardee et Envoyee" || fail "no saved text: $(field label_message 8)"
grep -q "^z0_HPF_CONFIG_V_MP_Kw_1=1500$" "$root/home/ORV/config.conf" || fail "section not saved"
grep -q "received configuration: configured=1 stage_kw=1000,1500,500," "$root/orvbus-sim.log" ||
  fail "configuration not received"
[ "$(requests_after 6A wizard-opened)" -eq 4 ] || fail "configuration writes: $(requests_after 6A wizard-opened)"

# The note goes in before the tap on Quit: what follows it may already be the resumed passes.
simctl note wizard-quit
wizard_button btnCancel
page_line | grep -q "proc_paused=0" || fail "processing not resumed: $(page_line)"
[ "$(requests_after 6B wizard-opened)" -eq "$(requests_after 6B wizard-quit)" ] ||
  fail "'k' requests while the wizard was open"
until=$(deadline)
until [ "$(requests_after 6B wizard-quit)" -gt 0 ] || [ $SECONDS -gt $until ]; do sleep 0.5; done
[ "$(requests_after 6B wizard-quit)" -gt 0 ] || fail "no 'k' request after the wizard"
shot "$root/end.png"
[ "$(identify -format '%wx%h' "$root/hpf_live_view.png")" = 640x480 ] || fail "screen shot size"
mkdir -p "$ORV_BUILD_DIR/screens"
cp "$root/hpf_live_view.png" "$ORV_BUILD_DIR/screens/hpf_e2e_live_view.png"
cp "$root/hpf_send_failed.png" "$ORV_BUILD_DIR/screens/hpf_e2e_send_failed.png"
xsession_stop
echo "OK"

#!/bin/bash
# The dark read-out plates of the main screen in the real orvQT under Xvfb, on three
# commissioned plants of orvbus-sim without alarm: R404A with a vertical receiver, CO2
# transcritical, and an inclined horizontal receiver. On each: a plate shows only under a
# value that shows a text, the screen shows the plate's dark nowhere else, and no plate
# meets a bar or the menu button drawn over the picture.
set -u
. "$ORV_SOURCE_DIR/tests/gui/support/xsession.sh"
xsession_script
PLATE='#05080b'

# The visible widgets of a dump: name, class, x, y, width, height, one a line.
places() { awk -F'\t' 'NR > 1 { print $1, $2, $3, $4, $5, $6 }' "$1"; }

# still_shot FILE: the screen and its dump at one moment: the dump before and after the
# picture place the same widgets (a refresh may blink the alarm caption in between)
still_shot() {
  local until=$(deadline)
  while [ $SECONDS -le $until ]; do
    dump > "$root/before.dump"
    shot "$1"
    dump > "$root/after.dump"
    [ "$(places "$root/before.dump")" = "$(places "$root/after.dump")" ] && return 0
  done
  fail "the screen does not hold still"
}

# check_plates NAME: the checks of the screen shot as $SCREENS/mainScreen-e2e-plates-NAME.png
check_plates() {
  local picture="$SCREENS/mainScreen-e2e-plates-$1.png" d="$root/after.dump"
  still_shot "$picture"
  # The plate's dark shows only where the dump has a plate.
  local rects draw=()
  rects=$(awk -F'\t' '$1 ~ /_plate$/ { printf "rectangle %d,%d %d,%d ", $3, $4, $3 + $5 - 1, $4 + $6 - 1 }' "$d")
  local stray
  [ -n "$rects" ] && draw=(-fill white -draw "$rects")
  stray=$(convert "$picture" -fill white +opaque "$PLATE" -fill black -opaque "$PLATE" \
            "${draw[@]}" -format '%[fx:round(w*h*(1-mean))]' info:)
  [ "$stray" = 0 ] || fail "$1: $stray pixels of plate dark without a plate (see $picture)"
  local plates
  plates=$(awk -F'\t' '$1 ~ /_plate$/ { print $1 }' "$d")
  [ -n "$plates" ] || fail "$1: no plate under any value"
  local plate value
  for plate in $plates; do
    value=${plate%_plate}
    # the value is shown, with a text
    awk -F'\t' -v n="$value" '$1 == n && $8 != "" { ok = 1 } END { exit !ok }' "$d" ||
      fail "$1: $plate shown under $value, which shows no text"
  done
  # No plate meets a drawing over the picture: a bar or the menu button.
  awk -F'\t' '
    $2 ~ /ProgressBar$/ || $1 == "menuButton" { n++; x[n] = $3; y[n] = $4; w[n] = $5; h[n] = $6; name[n] = $1 }
    $1 ~ /_plate$/ { p++; px[p] = $3; py[p] = $4; pw[p] = $5; ph[p] = $6; pname[p] = $1 }
    END {
      for (i = 1; i <= p; i++)
        for (j = 1; j <= n; j++)
          if (px[i] < x[j] + w[j] && x[j] < px[i] + pw[i] && py[i] < y[j] + h[j] && y[j] < py[i] + ph[i]) {
            print pname[i] " meets " name[j]; bad = 1
          }
      exit bad
    }' "$d" || fail "$1: a plate under a drawing"
  echo "$1: plates under $(echo $plates | tr ' ' ',')"
}

# plant NAME CONFIG: the plant commissioned with CONFIG on the V2 card alone, its main
# screen with live values, checked
plant() {
  sandbox root 1 "FLAG_PREM_DEMARRAGE=1709283900
CONFIG_SRV_ID=12
CONFIG_HEIGHT=1000
CONFIG_DIAMETRE=800
$2
"
  plant_scenario "$root" t_inlet=31.5 t_outlet=29.0 t_outside=18.0
  sim_start "$root"
  xsession_start "$root" TZ=UTC || fail "no X session"
  expect_page mainScreen
  local until=$(deadline)
  until field hpPressureLabel 8 | grep -Eqx '[0-9]+\.[0-9]'; do
    [ $SECONDS -le $until ] || fail "$1: no high pressure: $(field hpPressureLabel 8)"
    sleep 0.5
  done
  check_plates "$1"
  xsession_stop
  kill "$sim" 2>/dev/null
  wait "$sim" 2>/dev/null
  sim=""
}

plant R404A "CONFIG_TANK_TYPE=V
CONFIG_FLUID=R404A
CONFIG_CONDENSEUR_TYPE=1"
plant CO2 "CONFIG_TANK_TYPE=V
CONFIG_FLUID=CO2
CONFIG_TRANSCRITIQUE=1
CONFIG_SUBCRITIQUE=0"
plant inclined "CONFIG_TANK_TYPE=H
CONFIG_INCLINAISON_RESERVOIR=35
CONFIG_FLUID=R404A
CONFIG_CONDENSEUR_TYPE=1"
echo "OK"

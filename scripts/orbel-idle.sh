#!/usr/bin/env bash
# Idle cost of the world clock in a real X server (Xvfb): after 10 s of running, every
# minute for DURATION seconds, the share of one core it used in that minute (from
# /proc/PID/stat) and its resident memory (VmRSS, kB). DATA is a data folder holding
# Orbel.dat, with the registry stand-in in DATA/config.
#   scripts/orbel-idle.sh DATA DURATION [build/orbel-bin/orbel]
set -eu
data=$(realpath "$1"); dur=$2
program=$(realpath "${3:-build/orbel-bin/orbel}")
XDG_CONFIG_HOME=$data/config xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  "$0" --data-dir "$1" >/dev/null 2>&1 & pid=$!
  sleep 10
  tck=$(getconf CLK_TCK)
  prev=$(awk "{print \$14+\$15}" /proc/$pid/stat); t0=$(date +%s.%N)
  end=$(( $(date +%s) + $2 ))
  while [ $(date +%s) -lt $end ]; do
    sleep 60
    now=$(awk "{print \$14+\$15}" /proc/$pid/stat); t1=$(date +%s.%N)
    rss=$(grep VmRSS /proc/$pid/status | awk "{print \$2}")
    echo "cpu% $(echo "scale=4; ($now-$prev)/$tck/($t1-$t0)*100" | bc) rss_kb $rss"
    prev=$now; t0=$t1
  done
  kill $pid' "$program" "$data" "$dur"

#!/bin/sh
# Starts the loopback Time Protocol server and runs `orbel --query` against it, with a
# settings folder of its own; prints orbel's output and its exit status ("status=N").
# Usage: query_loopback.sh ORBEL SERVER_SCRIPT HOST [server options] -- [orbel options]
orbel=$1 script=$2 host=$3
shift 3
serverArgs=""
while [ $# -gt 0 ] && [ "$1" != "--" ]; do
    serverArgs="$serverArgs $1"
    shift
done
[ "$1" = "--" ] && shift
home=$(mktemp -d)
python3 "$script" --host "$host" $serverArgs >"$home/port" &
pid=$!
trap 'kill $pid 2>/dev/null; rm -rf "$home"' EXIT
i=0
while [ ! -s "$home/port" ] && [ $i -lt 100 ]; do
    sleep 0.1
    i=$((i + 1))
done
port=$(cat "$home/port")
case $host in
*:*) target="[$host]:$port" ;;
*) target="$host:$port" ;;
esac
HOME=$home XDG_CONFIG_HOME=$home/config LC_ALL=C LANGUAGE= "$orbel" --query "$target" "$@" 2>&1
echo "status=$?"

#!/usr/bin/env python3
"""A Time Protocol (RFC 868) server on loopback for trying `orbel --query` by hand and in tests.

Usage: loopback_time_server.py [--host 127.0.0.1|::1] [--port N]
                               [--value SECONDS | --at YYYY-MM-DDTHH:MM:SS | --offset SECONDS]
                               [--silent] [--count N]

Prints the port it listens on, then answers --count connections (default 1) with the
current time plus --offset, with the fixed count --value, or with the count of the UTC
instant --at (taken modulo 2^32, as the 32-bit count wraps in February 2036), as four
big-endian bytes, and closes. --silent accepts and never answers (to see the client's
time-out). It listens on loopback only and gives up after 30 seconds.
"""
import argparse
import calendar
import socket
import struct
import sys
import time

SECONDS_1900_TO_1970 = 2208988800

parser = argparse.ArgumentParser()
parser.add_argument("--host", default="127.0.0.1", choices=["127.0.0.1", "::1"])
parser.add_argument("--port", type=int, default=0)
parser.add_argument("--value", type=int)
parser.add_argument("--at")
parser.add_argument("--offset", type=float, default=0.0)
parser.add_argument("--silent", action="store_true")
parser.add_argument("--count", type=int, default=1)
args = parser.parse_args()

if args.at is not None:
    instant = time.strptime(args.at, "%Y-%m-%dT%H:%M:%S")
    args.value = calendar.timegm(instant) + SECONDS_1900_TO_1970

family = socket.AF_INET6 if ":" in args.host else socket.AF_INET
server = socket.socket(family, socket.SOCK_STREAM)
server.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
server.bind((args.host, args.port))
server.listen(4)
server.settimeout(30)
print(server.getsockname()[1], flush=True)
held = []
try:
    for _ in range(args.count):
        conn, _ = server.accept()
        if args.silent:
            held.append(conn)
            continue
        value = args.value
        if value is None:
            # Rounded, so that a reply read a moment later is within half a second.
            value = int(time.time() + args.offset + 0.5) + SECONDS_1900_TO_1970
        conn.sendall(struct.pack(">I", value & 0xFFFFFFFF))
        conn.close()
    if args.silent:
        time.sleep(30)
except socket.timeout:
    pass
sys.exit(0)

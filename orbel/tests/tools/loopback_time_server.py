#!/usr/bin/env python3
"""A Time Protocol (RFC 868) server on 127.0.0.1 for trying `orbel --query` by hand.

Usage: loopback_time_server.py [--port N] [--value SECONDS | --offset SECONDS]
                               [--silent] [--count N]

Prints the port it listens on, then answers --count connections (default 1) with the
current time plus --offset, or with the fixed --value, as four big-endian bytes, and
closes. --silent accepts and never answers (to see the client's time-out).
"""
import argparse
import socket
import struct
import sys
import time

SECONDS_1900_TO_1970 = 2208988800

parser = argparse.ArgumentParser()
parser.add_argument("--port", type=int, default=0)
parser.add_argument("--value", type=int)
parser.add_argument("--offset", type=float, default=0.0)
parser.add_argument("--silent", action="store_true")
parser.add_argument("--count", type=int, default=1)
args = parser.parse_args()

server = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
server.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
server.bind(("127.0.0.1", args.port))
server.listen(4)
print(server.getsockname()[1], flush=True)
held = []
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
sys.exit(0)

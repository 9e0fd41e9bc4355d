#!/usr/bin/env python3
"""Runs PROGRAM --help and fails when a line is wider than 80 characters (characters, not
bytes: the Spanish texts carry accents) or, when TEXT is given, when the help lacks it.
Usage: check_help_width.py PROGRAM [TEXT]"""
import subprocess
import sys

out = subprocess.run([sys.argv[1], '--help'], capture_output=True, check=True).stdout
text = out.decode('utf-8')
wide = [line for line in text.split('\n') if len(line) > 80]
for line in wide:
    print('%d characters: %s' % (len(line), line))
if len(sys.argv) > 2 and sys.argv[2] not in text:
    print('the help lacks "%s":\n%s' % (sys.argv[2], text))
    sys.exit(1)
sys.exit(1 if wide else 0)

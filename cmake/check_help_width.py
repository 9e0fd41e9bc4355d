#!/usr/bin/env python3
"""Runs PROGRAM --help and fails when a line is wider than 80 characters (characters, not
bytes: the Spanish texts carry accents) or, when TEXT is given, when the help lacks it.
With --translated the help is that of another language than English: it fails when it
keeps a line of the English help (a text the translation system never reached).
Usage: check_help_width.py PROGRAM [TEXT] [--translated]"""
import os
import subprocess
import sys


def help_of(program, env=None):
    out = subprocess.run([program, '--help'], capture_output=True, check=True, env=env).stdout
    return out.decode('utf-8')


args = [a for a in sys.argv[1:] if a != '--translated']
translated = '--translated' in sys.argv[1:]
text = help_of(args[0])
failed = False
for line in text.split('\n'):
    if len(line) > 80:
        print('%d characters: %s' % (len(line), line))
        failed = True
if len(args) > 1 and args[1] not in text:
    print('the help lacks "%s":\n%s' % (args[1], text))
    failed = True
if translated:
    english_env = dict(os.environ, LANG='C.UTF-8', LC_ALL='', LANGUAGE='')
    english = set(help_of(args[0], english_env).split('\n'))
    for line in text.split('\n'):
        if line.strip() and line in english:
            print('left in English: %s' % line)
            failed = True
sys.exit(1 if failed else 0)

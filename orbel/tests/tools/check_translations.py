#!/usr/bin/env python3
"""Checks the world clock's translations against its sources: collects the texts of today's
sources into a copy of each .ts (scripts/update-translations.sh) and fails when a text has no
translation, or when a translation loses what the program fills in or splits on: the %1..%9
and %s places, the line breaks of a list of choices, the key after a menu item's tab, a
mnemonic ('&'). Exit 77 (skipped) when lupdate is not installed."""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

root = os.path.abspath(os.path.join(os.path.dirname(__file__), '..', '..', '..'))
script = os.path.join(root, 'scripts', 'update-translations.sh')
folder = os.path.join(root, 'orbel', 'translations')


def places(text):
    return sorted(re.findall(r'%[1-9]|%s', text))


def mnemonics(text):
    # "&&" is an ampersand shown, and "&" before a blank is one too.
    return len(re.findall(r'&(?=[^\s])', text.replace('&&', '')))


# Texts of running prose, which a translation may wrap into other lines.
PROSE = {'CommandLine', 'Help'}


def problems(context, source, translation):
    if not translation:
        return 'no translation'
    if places(source) != places(translation):
        return 'the places %s became %s' % (places(source), places(translation))
    if context not in PROSE and source.count('\n') != translation.count('\n'):
        return 'the lines (items) differ in number'
    if '\t' in source and source.split('\t')[1:] != translation.split('\t')[1:]:
        return 'the key after the tab changed'
    if mnemonics(source) != mnemonics(translation):
        return 'the mnemonics differ in number'
    return None


def main():
    if not (os.path.exists('/usr/lib/qt6/bin/lupdate') or shutil.which('lupdate')):
        print('lupdate is not installed: the translations cannot be checked')
        return 77
    failures = []
    with tempfile.TemporaryDirectory() as tmp:
        for name in sorted(os.listdir(folder)):
            if not name.endswith('.ts'):
                continue
            copy = os.path.join(tmp, name)
            shutil.copy(os.path.join(folder, name), copy)
            subprocess.run(['bash', script, copy], check=True)
            count = 0
            for context in ET.parse(copy).getroot().iter('context'):
                for message in context.iter('message'):
                    count += 1
                    source = message.findtext('source') or ''
                    element = message.find('translation')
                    translation = element.text or ''
                    if element.get('type') == 'unfinished':
                        translation = ''
                    why = problems(context.findtext('name'), source, translation)
                    if why:
                        failures.append('%s [%s] %r: %s' % (name, context.findtext('name'),
                                                            source, why))
            print('%s: %d texts' % (name, count))
    for f in failures:
        print(f)
    if failures:
        print('%d text(s) to translate or mend (scripts/update-translations.sh, then the .ts)'
              % len(failures))
        return 1
    return 0


if __name__ == '__main__':
    sys.exit(main())

#!/usr/bin/env python3
"""Compares every value `rivetbench-cfg show --json` displays with what the Windows profile
functions (GetPrivateProfileStringA, under Wine) read for the same section and key.

usage: tools/profile-check/check.py RIVETBENCH-CFG FILE...
Needs: wine, wine64 and g++-mingw-w64-x86-64 (apt-get install).
"""
import json, os, subprocess, sys, tempfile

here = os.path.dirname(os.path.abspath(__file__))
tool, files = sys.argv[1], sys.argv[2:]
work = tempfile.mkdtemp(prefix='profile-check-')
env = dict(os.environ, WINEDEBUG='-all', WINEPREFIX=os.path.join(work, 'prefix'))
exe = os.path.join(work, 'profread.exe')
subprocess.run(['x86_64-w64-mingw32-gcc', '-O2', '-o', exe, os.path.join(here, 'profread.c')], check=True)
total = mismatches = 0
for path in files:
    shown = json.loads(subprocess.run([tool, 'show', path, '--json'], capture_output=True, check=True).stdout)
    queries = [(t['section'], r['key'], r['value']) for t in shown['tables'] for r in t['rows']]
    queries += [(v['section'], 'description', v['description']) for v in shown['variations']]
    queries.append(('General', 'performance', shown['performance']))
    listing = os.path.join(work, 'list.txt')
    with open(listing, 'wb') as out:
        for section, key, _ in queries:
            out.write((section + '\t' + key + '\n').encode('cp1252', 'replace'))
    windows_path = 'Z:' + os.path.abspath(path).replace('/', '\\')
    result = subprocess.run(['wine', exe, windows_path, listing], capture_output=True, env=env).stdout
    for (section, key, ours), theirs in zip(queries, result.split(b'\r\n')):
        total += 1
        theirs = theirs.decode('cp1252', 'replace')
        if theirs == '~ABSENT~':
            theirs = ''
        if theirs != ours:
            mismatches += 1
            print(f'{path}: [{section}] {key}: ours {ours[:60]!r}, Windows {theirs[:60]!r}')
print(f'compared {total} values, {mismatches} differ')
sys.exit(1 if mismatches else 0)

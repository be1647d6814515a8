#!/usr/bin/env python3
"""Saves a copy of each given aircraft file with `rivetbench-cfg save --yes --keep-blanks` and checks
that the save lost nothing: every original line is still there, in order and unchanged; the encoding
and byte-order mark are kept; added lines use the file's own line ending; aircraft.tab is a byte copy
of the original; and a second save changes nothing.

usage: tools/save-check/check.py RIVETBENCH-CFG FILE...
"""
import os, shutil, subprocess, sys, tempfile

tool, files = sys.argv[1], sys.argv[2:]
work = tempfile.mkdtemp(prefix='save-check-')
failures = 0


def text_of(data):
    if data[:2] == b'\xff\xfe':
        return 'utf-16le', data[2:].decode('utf-16-le', 'surrogatepass').encode('utf-8', 'surrogatepass')
    if data[:3] == b'\xef\xbb\xbf':
        return 'utf-8', data[3:]
    return 'ansi', data


for index, path in enumerate(files):
    folder = os.path.join(work, str(index))
    os.makedirs(folder)
    cfg = os.path.join(folder, 'aircraft.cfg')
    shutil.copyfile(path, cfg)
    original = open(cfg, 'rb').read()
    problems = []
    run = subprocess.run([tool, 'save', folder, '--yes', '--keep-blanks'], capture_output=True)
    if run.returncode != 0:
        problems.append(f'exit status {run.returncode}: {run.stderr.decode(errors="replace").strip()}')
    else:
        saved = open(cfg, 'rb').read()
        if open(os.path.join(folder, 'aircraft.tab'), 'rb').read() != original:
            problems.append('aircraft.tab is not a byte copy of the original')
        (enc_before, before), (enc_after, after) = text_of(original), text_of(saved)
        if enc_before != enc_after:
            problems.append(f'encoding changed from {enc_before} to {enc_after}')
        old_lines, new_lines = before.split(b'\n'), after.split(b'\n')
        # A file that ended without a line break gets one on its last line when lines are added after it.
        if not before.endswith(b'\n') and old_lines[-1]:
            old_lines[-1] = old_lines[-1].rstrip(b'\r')
            new_lines = [line.rstrip(b'\r') if line.rstrip(b'\r') == old_lines[-1] else line for line in new_lines]
        matched = 0
        for line in new_lines:
            if matched < len(old_lines) and line == old_lines[matched]:
                matched += 1
        if matched != len(old_lines):
            problems.append(f'original line {matched + 1} changed or lost: {old_lines[matched][:70]!r}')
        crlf = before.count(b'\r\n')
        ending = b'\r\n' if crlf >= before.count(b'\n') - crlf else b'\n'
        added_crlf = after.count(b'\r\n') - crlf
        added_lf = (after.count(b'\n') - after.count(b'\r\n')) - (before.count(b'\n') - crlf)
        if (ending == b'\r\n' and added_lf > 0) or (ending == b'\n' and added_crlf > 0):
            problems.append('added lines use another line ending than the file')
        subprocess.run([tool, 'save', folder, '--yes', '--keep-blanks'], capture_output=True)
        if open(cfg, 'rb').read() != saved:
            problems.append('a second save changed the file again')
    failures += bool(problems)
    print(f'{path}: ' + ('; '.join(problems) if problems else 'ok'))
shutil.rmtree(work)
print(f'{len(files)} files, {failures} with problems')
sys.exit(1 if failures else 0)

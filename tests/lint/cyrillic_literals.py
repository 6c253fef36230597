#!/usr/bin/env python3
"""cyrillic_literals.py SRC_DIR EXCEPTIONS

Fails when a string literal holding Cyrillic letters in a C++ source of src/
is not the source text of a translation: every user-visible text goes through
tr(), QCoreApplication::translate() or QT_TRANSLATE_NOOP/QT_TR_NOOP, so that it
can be shown in another language. Texts that are data (what goes into
catalogue and query files, option keys and values, registry values, SQL) are
never translated; EXCEPTIONS lists them, one entry a line:
    FILE                the whole file is data (or not yet translated)
    FILE: TEXT          one literal of FILE that is data
An entry that no longer matches anything fails too, so the list only shrinks.
"""
import os
import re
import sys

CYRILLIC = re.compile('[\u0400-\u04ff]')
TRANSLATING = {'tr', 'translate', 'QT_TRANSLATE_NOOP', 'QT_TR_NOOP', 'QT_TRANSLATE_NOOP3'}


def literals(text):
    """Yields (offset, literal body) of every string literal outside comments,
    and the text with comments and literals blanked (same length)."""
    out = list(text)
    found = []
    i, n = 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith('//', i):
            j = text.find('\n', i)
            j = n if j < 0 else j
            out[i:j] = ' ' * (j - i)
            i = j
        elif text.startswith('/*', i):
            j = text.find('*/', i + 2)
            j = n if j < 0 else j + 2
            out[i:j] = [ch if ch == '\n' else ' ' for ch in text[i:j]]
            i = j
        elif c == "'" and i > 0 and text[i - 1].isdigit():
            i += 1  # a digit separator: 1'000
        elif c == "'":
            j = i + 1
            while j < n and text[j] != "'":
                j += 2 if text[j] == '\\' else 1
            i = j + 1
        elif c == '"':
            if i > 0 and text[i - 1] == 'R':  # raw literal R"(...)"
                end = text.find(')"', i)
                body = text[i + 1:end]
                found.append((i, body))
                out[i:end + 2] = [ch if ch == '\n' else ' ' for ch in text[i:end + 2]]
                i = end + 2
                continue
            j = i + 1
            while j < n and text[j] != '"':
                j += 2 if text[j] == '\\' else 1
            found.append((i, text[i + 1:j]))
            out[i:j + 1] = ' ' * (j + 1 - i)
            i = j + 1
        else:
            i += 1
    return found, ''.join(out)


def enclosing_call(code, offset):
    """The name of the function whose parentheses enclose offset, or ''."""
    depth = 0
    i = offset - 1
    while i >= 0:
        c = code[i]
        if c == ')':
            depth += 1
        elif c == '(':
            if depth == 0:
                m = re.search(r'([A-Za-z_][A-Za-z_0-9]*)\s*$', code[:i])
                return m.group(1) if m else ''
            depth -= 1
        elif c in ';{}' and depth == 0:
            return ''
        i -= 1
    return ''


def main():
    src, exceptions_file = sys.argv[1], sys.argv[2]
    whole_files, single = set(), set()
    for line in open(exceptions_file, encoding='utf-8'):
        line = line.strip()
        if not line or line.startswith('#'):
            continue
        path, sep, text = line.partition(': ')
        if sep:
            single.add((path, text))
        else:
            whole_files.add(path)
    used = set()
    failures = []
    for root, _dirs, files in os.walk(src):
        for name in sorted(files):
            if not name.endswith(('.cpp', '.h')):
                continue
            full = os.path.join(root, name)
            rel = os.path.relpath(full, os.path.dirname(os.path.abspath(src)))
            if rel in whole_files:
                used.add(rel)
                continue
            text = open(full, encoding='utf-8').read()
            found, code = literals(text)
            for offset, body in found:
                if not CYRILLIC.search(body):
                    continue
                if (rel, body) in single:
                    used.add((rel, body))
                    continue
                if enclosing_call(code, offset) in TRANSLATING:
                    continue
                line = text.count('\n', 0, offset) + 1
                failures.append('%s:%d: "%s" is not translated' % (rel, line, body))
    for entry in sorted(whole_files - used):
        failures.append('%s: listed in the exceptions but not found' % entry)
    for entry in sorted(single - used):
        failures.append('%s: "%s" listed in the exceptions but not found' % entry)
    for f in failures:
        print(f)
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())

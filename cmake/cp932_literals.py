#!/usr/bin/env python3
"""Compiler launcher for compilers without -fexec-charset=CP932 (clang).

Called as: cp932_literals.py COMPILER ARGS... When the source file named after -c holds narrow
string or character literals with characters beyond ASCII, it is compiled from a copy beside
the object file in which those characters are written as CP932 octal escapes, the bytes the
MinGW build gives them. Lines stay where they were and diagnostics name the original file.
Prefixed literals (u8, u, U, L) and raw strings are left as they are.
"""
import os
import subprocess
import sys


def escape_cp932(text):
    return "".join(ch if ord(ch) < 0x80 else "".join("\\%03o" % b for b in ch.encode("cp932"))
                   for ch in text)


def rewrite(source):
    out = []
    i, n = 0, len(source)
    while i < n:
        ch = source[i]
        if source.startswith("//", i):
            end = source.find("\n", i)
            end = n if end < 0 else end
            out.append(source[i:end])
            i = end
        elif source.startswith("/*", i):
            end = source.find("*/", i + 2)
            end = n if end < 0 else end + 2
            out.append(source[i:end])
            i = end
        elif ch in "\"'":
            prefix_start = i
            while prefix_start > 0 and (source[prefix_start - 1].isalnum() or source[prefix_start - 1] == "_"):
                prefix_start -= 1
            prefix = source[prefix_start:i]
            if prefix.endswith("R") and ch == '"':
                delimiter = source[i + 1:source.index("(", i)]
                end = source.index(")" + delimiter + '"', i) + len(delimiter) + 2
                out.append(source[i:end])
                i = end
                continue
            j = i + 1
            while j < n and source[j] != ch and source[j] != "\n":
                j += 2 if source[j] == "\\" else 1
            literal = source[i:j + 1]
            out.append(literal if prefix in ("u8", "u", "U", "L") else escape_cp932(literal))
            i = j + 1
        else:
            out.append(ch)
            i += 1
    return "".join(out)


def main(argv):
    command = argv[1:]
    if "-c" in command:
        at = command.index("-c") + 1
        path = command[at]
        with open(path, encoding="utf-8") as handle:
            source = handle.read()
        converted = rewrite(source)
        if converted != source:
            objectPath = command[command.index("-o") + 1]
            copy = objectPath + ".cp932" + os.path.splitext(path)[1]
            original = os.path.abspath(path).replace("\\", "/")
            with open(copy, "w", encoding="utf-8") as handle:
                handle.write('#line 1 "%s"\n' % original + converted)
            command[at] = copy
            command[at:at] = ["-iquote", os.path.dirname(original)]
    return subprocess.call(command)


if __name__ == "__main__":
    sys.exit(main(sys.argv))

"""Fails on a DLL the program asks for by name anywhere but in src/shell/system_library.cpp.

    check_dll_loads.py SRC

LoadLibrary searches the program's folder and the current one before or after the system folder,
so a planted copy could come in; only the helper there loads from the system folder alone and
looks up functions of DLLs already loaded. GetModuleHandle(nullptr), the program itself, is fine.
"""
import re
import sys
from pathlib import Path

HELPER = Path("shell/system_library.cpp")
CALL = re.compile(r"\b(LoadLibrary\w*|GetModuleHandle\w*|LoadPackagedLibrary)\s*\(\s*(?!nullptr\s*\))")

source = Path(sys.argv[1])
faults = [f"{path.relative_to(source)}:{number}: {line.strip()}"
          for path in sorted(source.rglob("*")) if path.suffix in (".cpp", ".h")
          and path.relative_to(source) != HELPER
          for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1)
          if CALL.search(line)]
print("\n".join(faults) or "every DLL is asked for through shell/system_library.cpp")
sys.exit(1 if faults else 0)

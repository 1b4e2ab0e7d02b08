"""Unpacks a release zip into a fresh folder whose name holds a space and runs the picker there
under Wine through release_zip_run.exe; the folder goes afterwards, whatever the outcome.

    run_release_zip.py ZIP EMULATOR... RELEASE_ZIP_RUN_EXE
"""
import shutil
import subprocess
import sys
import tempfile
import zipfile
from pathlib import Path

archive, command = Path(sys.argv[1]), sys.argv[2:]
if not archive.is_file():
    sys.exit(f"{archive} is missing: scripts/release.sh makes it")
folder = Path(tempfile.mkdtemp(prefix="vemplor release "))
try:
    with zipfile.ZipFile(archive) as unpacking:
        unpacking.extractall(folder)
    windows_folder = "Z:" + str(folder).replace("/", "\\")
    sys.exit(subprocess.run(command + [windows_folder], timeout=90).returncode)
finally:
    shutil.rmtree(folder, ignore_errors=True)

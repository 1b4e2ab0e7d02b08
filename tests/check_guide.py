"""Fails when the Japanese user guide leaves out a setting or a context-menu item.

Read from the sources themselves: every key of the settings table (src/settings/settings_table.cpp)
and the label of its control in the options dialog, where it has one, and every item of the menu
in res/vemplor.rc, spelled as the menu shows it.

usage: check_guide.py PROJECT_SOURCE_DIR
"""
import pathlib
import re
import sys

project = pathlib.Path(sys.argv[1])
guide = (project / "docs/guide-ja.txt").read_text("utf-8")
table = (project / "src/settings/settings_table.cpp").read_text("utf-8")
resources = (project / "res/vemplor.rc").read_text("utf-8")

declared = int(re.search(r"SettingKeys\[(\d+)\]", table).group(1))
rows = re.findall(r'\{"(\w+)",\s*"[^"]*",(?:[^,]*,){3}\s*(\w+),', table)
labels = dict((control, label) for label, control in
              re.findall(r'(?:CONTROL|[A-Z]+TEXT|CHECKBOX)\s+"([^"]*)",\s*(\w+)', resources))
menu_items = re.findall(r'MENUITEM\s+"([^"]+)"', resources)

missing = []
if len(rows) != declared or not menu_items:
    missing.append(f"read {len(rows)} of {declared} settings and {len(menu_items)} menu items:"
                   " the table or the menu is written in a way this check does not know")
for key, control in rows:
    # A key counts as a word of its own: Filter.txt is not the key Filter, nor HotKeys HotKey.
    if not re.search(rf"(?<![A-Za-z]){key}(?![A-Za-z.])", guide):
        missing.append(f"the key {key}")
    label = labels.get(control)
    if label and label not in guide:
        missing.append(f"the option {label} ({key})")
missing += [f"the menu item {item}" for item in menu_items if item not in guide]
print("\n".join(f"docs/guide-ja.txt does not mention {what}" for what in missing) or
      f"docs/guide-ja.txt mentions all {len(rows)} settings and {len(menu_items)} menu items")
sys.exit(1 if missing else 0)

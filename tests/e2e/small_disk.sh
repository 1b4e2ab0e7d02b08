#!/bin/sh
# "mount DIR" puts a 64 KiB file system on DIR for the end-to-end tests that save onto a full
# disk, "unmount DIR" takes it away. Without the right to mount it does nothing, and those
# tests skip themselves.
action=$1
dir=$2
case "$action" in
mount)
  mkdir -p "$dir"
  if ! mountpoint -q "$dir"; then
    if ! mount -t tmpfs -o size=64k tmpfs "$dir" 2>/dev/null; then
      echo "no small disk: mounting needs root"
      exit 0
    fi
  fi
  : >"$dir/.small-disk"
  ;;
unmount)
  if mountpoint -q "$dir"; then
    umount "$dir"
  fi
  ;;
esac

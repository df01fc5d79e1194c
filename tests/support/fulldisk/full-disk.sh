#!/usr/bin/env bash
# Runs a Windows test on a small file system of its own: a tmpfs mounted for the run, which the
# test fills up, and unmounted again afterwards whatever the test did. The test finds its folder
# in TV_FULL_DISK_FOLDER (a Unix path).
#   full-disk.sh WINE_STATE TEST_EXE MOUNT_DIR
set -uo pipefail
state=$1 test_exe=$2 mount_dir=$3
harness=$(cd "$(dirname "$0")/../../harness" && pwd)
if [ "$(id -u)" -ne 0 ]; then
  echo "mounting a file system needs root: not run"
  exit 77
fi
mkdir -p "$mount_dir"
# A mount left by an earlier run that was killed goes first.
if mountpoint -q "$mount_dir"; then umount "$mount_dir" || umount -l "$mount_dir"; fi
if ! mount -t tmpfs -o size=8m,mode=0777 tallyvane-full-disk "$mount_dir"; then
  echo "cannot mount a tmpfs at $mount_dir" >&2
  exit 1
fi
cleanup() {
  # Wine may hold the program's file for a moment after the test ended it.
  for _ in $(seq 20); do umount "$mount_dir" 2>/dev/null && break; sleep 0.25; done
  if mountpoint -q "$mount_dir"; then umount -l "$mount_dir"; fi
  rmdir "$mount_dir" 2>/dev/null || true
}
trap cleanup EXIT INT TERM
TV_FULL_DISK_FOLDER="$mount_dir" "$harness/wine-run.sh" "$state" "$test_exe"

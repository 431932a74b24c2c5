#!/usr/bin/env bash
# Validates the launcher entry and the AppStream record:
#   desktop/validate.sh kemurina.desktop com.example.kemurina.metainfo.xml
# Exits 77 (skipped) when a validator is not installed.
set -u
for tool in desktop-file-validate appstreamcli; do
  if ! command -v "$tool" >/dev/null; then
    echo "$tool is not installed (scripts/deps.sh test installs it)"
    exit 77
  fi
done
status=0
desktop-file-validate "$1" || status=1
# Warnings fail as errors do; --no-net because the screenshot addresses are
# not reachable from here.
appstreamcli validate --no-net --no-color "$2" || status=1
exit $status

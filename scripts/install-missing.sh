#!/bin/sh
# Installs the Debian packages named as arguments that are not installed
# yet, as root. Does nothing when all are there.
set -e
missing=""
for p in "$@"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing="$missing $p"
done
if [ -n "$missing" ]; then
  echo "installing:$missing"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q $missing
fi

#!/usr/bin/env bash
# Prints the address of the Debian archive this machine's own apt sources
# use for its release, so scripts that need another suite or the source
# packages ask the same archive and name none themselves.
set -euo pipefail
. /etc/os-release
mirror=$(apt-get indextargets --format '$(RELEASE) $(REPO_URI)' 2>/dev/null |
    awk -v release="$VERSION_CODENAME" '$1 == release { print $2; exit }')
if [ -z "$mirror" ]; then
    echo "no apt source for $VERSION_CODENAME; run apt-get update first" >&2
    exit 1
fi
echo "${mirror%/}"

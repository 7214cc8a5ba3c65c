#!/usr/bin/env bash
# Builds the Debian package from the build tree given as $1 and checks that it
# holds the manual pages and the files Debian asks of every package.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack -G DEB -B "$work" --config "$build/CPackConfig.cmake" >"$work/cpack.log" || { cat "$work/cpack.log"; exit 1; }
contents=$(dpkg-deb -c "$work"/brenno_*.deb | awk '{print $6}')
status=0
for file in ./usr/share/man/man1/brenno.1.gz ./usr/share/man/man1/brenno-cli.1.gz \
            ./usr/share/doc/brenno/copyright ./usr/share/doc/brenno/changelog.gz \
            ./usr/bin/brenno ./usr/bin/brenno-cli; do
  if ! grep -qxF "$file" <<<"$contents"; then
    echo "missing from the package: $file"
    status=1
  fi
done
# The pages are pages: man reads them without a warning.
dpkg-deb -x "$work"/brenno_*.deb "$work/root"
for page in "$work"/root/usr/share/man/man1/*.1.gz; do
  warnings=$(zcat "$page" | LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l - 2>&1 >/dev/null)
  if [[ -n "$warnings" ]]; then
    echo "$(basename "$page"): $warnings"
    status=1
  fi
done
exit $status

#!/usr/bin/env bash
# check-package.sh STAGE BUILD_DIR SCRATCH_DIR
# "build" makes the Debian package from BUILD_DIR and unpacks it under
# SCRATCH_DIR/root; the other stages check what was unpacked.
set -euo pipefail
stage=$1 build=$2 scratch=$3
root=$scratch/root

# The one identifier shared by the desktop entry, the icon and the metainfo.
app_id() {
  local entries=("$root"/usr/share/applications/*.desktop)
  [ ${#entries[@]} -eq 1 ] && [ -f "${entries[0]}" ] || { echo "expected one desktop entry" >&2; exit 1; }
  basename "${entries[0]}" .desktop
}

case $stage in
build)
  rm -rf "$scratch"
  mkdir -p "$scratch"
  cpack --config "$build/CPackConfig.cmake" -B "$scratch" >"$scratch/cpack.log" || { cat "$scratch/cpack.log"; exit 1; }
  debs=("$scratch"/*.deb)
  [ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "cpack made no single .deb" >&2; exit 1; }
  dpkg-deb -x "${debs[0]}" "$root"
  dpkg-deb -f "${debs[0]}" >"$scratch/control"
  echo "built $(basename "${debs[0]}")"
  ;;
files)
  id=$(app_id)
  expected="usr/bin/yucarra
usr/bin/yucarra-classify
usr/share/applications/$id.desktop
usr/share/doc/yucarra/copyright
usr/share/icons/hicolor/scalable/apps/$id.svg
usr/share/metainfo/$id.metainfo.xml
usr/share/mime/packages/$id.xml"
  actual=$(cd "$root" && find . -type f -printf '%P\n' | sort)
  diff <(echo "$expected") <(echo "$actual") || { echo "unexpected file list" >&2; exit 1; }
  for program in yucarra yucarra-classify; do
    file "$root/usr/bin/$program" | grep -q 'ELF.*executable.*, stripped' || { file "$root/usr/bin/$program"; exit 1; }
  done
  file "$root/usr/share/icons/hicolor/scalable/apps/$id.svg" | grep -q 'SVG' || exit 1
  grep -qx "Icon=$id" "$root/usr/share/applications/$id.desktop" || { echo "desktop entry names another icon" >&2; exit 1; }
  grep -qx "Exec=yucarra %f" "$root/usr/share/applications/$id.desktop" || { echo "desktop entry starts another program" >&2; exit 1; }
  echo "files of $id as expected"
  ;;
desktop-entry)
  desktop-file-validate "$root/usr/share/applications/$(app_id).desktop"
  echo "desktop entry valid"
  ;;
mime)
  # The file type is well formed, registers its name ending, and is the one
  # the desktop entry says the program opens.
  id=$(app_id)
  xml="$root/usr/share/mime/packages/$id.xml"
  xmllint --noout "$xml"
  rm -rf "$scratch/mime" && mkdir -p "$scratch/mime/packages" && cp "$xml" "$scratch/mime/packages/"
  XDG_DATA_HOME="$scratch" update-mime-database "$scratch/mime" 2>"$scratch/mime.log"
  if [ -s "$scratch/mime.log" ]; then cat "$scratch/mime.log" >&2; exit 1; fi
  type=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$xml")
  grep -q "^60:$type:\*\.soilprofile\.json$" "$scratch/mime/globs2" || { echo "the name ending is not registered" >&2; exit 1; }
  grep -qx "MimeType=$type;" "$root/usr/share/applications/$id.desktop" || { echo "desktop entry opens another type" >&2; exit 1; }
  echo "file type $type valid"
  ;;
metainfo)
  id=$(app_id)
  appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml"
  grep -q "<id>$id</id>" "$root/usr/share/metainfo/$id.metainfo.xml" || { echo "metainfo names another component" >&2; exit 1; }
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$root/usr/share/metainfo/$id.metainfo.xml" \
    || { echo "metainfo launches another desktop entry" >&2; exit 1; }
  # The licence software centres show is the one the package's copyright file states.
  grep -q "<project_license>GPL-3.0-or-later</project_license>" "$root/usr/share/metainfo/$id.metainfo.xml" \
    && grep -qx "License: GPL-3+" "$root/usr/share/doc/yucarra/copyright" \
    || { echo "metainfo and copyright file name different licences" >&2; exit 1; }
  ;;
depends)
  # Computed by dpkg-shlibdeps from the libraries the program links.
  cat "$scratch/control"
  depends=$(sed -n 's/^Depends: //p' "$scratch/control" | sed 's/ ([^)]*)//g; s/, /\n/g')
  for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6; do
    grep -qxF "$lib" <<<"$depends" || { echo "Depends lacks $lib" >&2; exit 1; }
  done
  if LC_ALL=C ldd "$root/usr/bin/yucarra" | grep 'not found'; then exit 1; fi
  # The classifier needs no display: Qt Core and nothing of Qt Gui or Widgets.
  if LC_ALL=C ldd "$root/usr/bin/yucarra-classify" | grep -E 'not found|libQt6(Gui|Widgets)'; then exit 1; fi
  LC_ALL=C ldd "$root/usr/bin/yucarra-classify" | grep -q libQt6Core || { echo "the classifier does not link Qt Core" >&2; exit 1; }
  ;;
starts)
  # The unpacked program must come up, pass from its start screen to the main
  # window (three seconds) and stay up until it is stopped; a short headless
  # run is the whole check.
  status=0
  QT_QPA_PLATFORM=offscreen timeout 5 "$root/usr/bin/yucarra" || status=$?
  [ "$status" -eq 124 ] || { echo "the program ended by itself with status $status" >&2; exit 1; }
  echo "the unpacked program runs"
  # Given a profile file, it opens it and runs on.
  status=0
  QT_QPA_PLATFORM=offscreen timeout 5 "$root/usr/bin/yucarra" "$(dirname "$0")/../../examples/dry-wash-terrace.soilprofile.json" \
    || status=$?
  [ "$status" -eq 124 ] || { echo "the program ended with status $status when given a file" >&2; exit 1; }
  # The classifier keys the example from its data, with no display at all.
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/yucarra-classify" \
          "$(dirname "$0")/../../examples/dry-wash-terrace.soilprofile.json")
  [ "${out#*$'\t'}" = "Typic Haplargids" ] || { echo "the unpacked classifier said: $out" >&2; exit 1; }
  echo "the unpacked classifier runs"
  ;;
*)
  echo "unknown stage $stage" >&2
  exit 2
  ;;
esac

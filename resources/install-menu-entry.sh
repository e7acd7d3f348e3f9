#!/bin/sh
# Puts ZELTAR Logger into the desktop's application menu. The entry starts the program from
# the folder this script lies in, so run the script again after moving the folder.
#
#   install-menu-entry.sh                 write the menu entry (and the one beside the program)
#   install-menu-entry.sh --remove        take the menu entry out of the menu
#   install-menu-entry.sh --folder-only   write only zeltar-logger.desktop beside the program
set -eu

entry_name=zeltar-logger.desktop
folder=$(cd "$(dirname "$0")" && pwd -P)
menu_folder=${XDG_DATA_HOME:-$HOME/.local/share}/applications

fail() {
    echo "install-menu-entry.sh: $*" >&2
    exit 1
}

# The entry's Exec line quotes the program's path; these characters would need escapes that
# menus do not all read alike, so such a folder is refused rather than written half right.
newline='
'
case $folder in
    *[\"\`\$\\]* | *"$newline"*)
        fail "the folder name \"$folder\" holds a quote, \$, \\ or a line break; rename the folder and run this script again" ;;
esac

write_entry() {
    target=$1
    mkdir -p "$(dirname "$target")"
    partial="$target.partial.$$"
    # In Exec, % starts a field code: a literal one is written twice.
    program=$(printf '%s' "$folder/zeltar-logger" | sed 's/%/%%/g')
    cat >"$partial" <<ENTRY
[Desktop Entry]
Type=Application
Name=ZELTAR Logger
GenericName=RF field meter logger
GenericName[fr]=Enregistreur pour mesureur de champ HF
GenericName[it]=Registratore per misuratore di campo RF
Comment=Record, view and compare the readings of the ZELTAR field meter
Comment[fr]=Enregistrer, consulter et comparer les mesures du mesureur de champ ZELTAR
Comment[it]=Registrare, visualizzare e confrontare le misure del misuratore di campo ZELTAR
Exec="$program"
Path=$folder
Icon=$folder/Resources/Zeltar.ico
Terminal=false
Categories=Science;Engineering;
Keywords=field;meter;RF;EMF;logger;
ENTRY
    mv -f "$partial" "$target"
}

case ${1:-} in
    --remove)
        rm -f "$menu_folder/$entry_name"
        echo "ZELTAR Logger is no longer in the menu."
        ;;
    --folder-only)
        write_entry "$folder/$entry_name"
        ;;
    "")
        [ -x "$folder/zeltar-logger" ] || fail "there is no program zeltar-logger in $folder"
        write_entry "$folder/$entry_name"
        write_entry "$menu_folder/$entry_name"
        if command -v update-desktop-database >/dev/null 2>&1; then
            update-desktop-database "$menu_folder" >/dev/null 2>&1 || true
        fi
        echo "ZELTAR Logger is in the menu: $menu_folder/$entry_name"
        ;;
    *)
        fail "usage: install-menu-entry.sh [--remove | --folder-only]" ;;
esac

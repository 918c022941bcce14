# SPDX-FileCopyrightText: 2026 The Gradora developers
# SPDX-License-Identifier: BSD-3-Clause

# Sourced by scripts/run and scripts/test: installs the Debian packages that Gradora needs.
# shellcheck shell=bash

GRADORA_BUILD_PACKAGES=(cmake make g++ ccache pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
                        qt6-tools-dev qt6-l10n-tools librsvg2-bin gzip fonts-liberation2 fonts-dejavu-core
                        libxcb1-dev libxcb-xfixes0-dev libxcb-randr0-dev libxcb-xinput-dev)
GRADORA_X_PACKAGES=(xvfb xauth x11-utils x11-xserver-utils xdotool openbox imagemagick xcompmgr xclip)
GRADORA_TEST_PACKAGES=(libbenchmark-dev python3 dbus-daemon iproute2 qt6-translations-l10n desktop-file-utils appstream dpkg-dev file lintian trayer)
# The tests in a Wayland session (tests/with-sway): the compositor with XWayland, Qt's Wayland plugin
# for a ruler started natively, the desktop portal with its wlroots backend (and the PipeWire core it
# needs to start) and its GTK backend for the permission questions, the compositor's own screenshot
# tool, and what the input client is built from.
GRADORA_WAYLAND_PACKAGES=(sway xwayland qt6-wayland dbus pipewire xdg-desktop-portal xdg-desktop-portal-wlr
                          xdg-desktop-portal-gtk grim libwayland-dev libxkbcommon-dev wayland-protocols)

install_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            sudo=(sudo)
        else
            echo "Gradora needs these packages, and installing them needs root: ${missing[*]}" >&2
            return 1
        fi
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build_jobs() {
    nproc 2>/dev/null || echo 2
}

#!/usr/bin/env bash
# Installs everything Hushcloak needs to build and test on Debian 12, and compiles the mingw
# copies of TinyXML, libcurl, GoogleTest and Google Benchmark from Debian's own sources into a
# cache outside the work tree (HUSHCLOAK_DEPS_CACHE, by default ~/.cache/hushcloak-deps).
# Safe to run again: installed packages and cached builds of the same version are kept.
set -euo pipefail
shopt -s inherit_errexit

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cache=${HUSHCLOAK_DEPS_CACHE:-${HOME:-/root}/.cache/hushcloak-deps}
jobs=${HUSHCLOAK_JOBS:-2}

packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev python3 dpkg-dev
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
    wine64 wine fonts-wine xvfb xdotool imagemagick x11-utils nsis
    libtinyxml-dev libcurl4-openssl-dev googletest libgtest-dev libgmock-dev libbenchmark-dev
)

say() { printf 'setup: %s\n' "$*"; }

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    else
        sudo "$@"
    fi
}

apt_updated=no
apt_update_once() {
    if [ "$apt_updated" = no ]; then
        as_root apt-get update -q
        apt_updated=yes
    fi
}

is_installed() {
    [ "$(dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null)" = installed ]
}

install_packages() {
    local missing=() package
    for package in "${packages[@]}"; do
        is_installed "$package" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return
    say "installing ${missing[*]}"
    apt_update_once
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
}

# Writes deb-src twins of the machine's own Debian package sources, so that no host is named here.
source_list=/etc/apt/sources.list.d/hushcloak-src.sources
source_list_oneline=/etc/apt/sources.list.d/hushcloak-src.list

debian_codename() { (. /etc/os-release && echo "$VERSION_CODENAME"); }

deb822_source_entries() {
    local file
    for file in /etc/apt/sources.list.d/*.sources; do
        [ -e "$file" ] && [ "$file" != "$source_list" ] || continue
        awk -v codename="$(debian_codename)" '
            function flush(  i) {
                if (count && binary && debian_suite && debian_key && enabled) {
                    for (i = 1; i <= count; i++)
                        print (lines[i] ~ /^Types:/ ? "Types: deb-src" : lines[i])
                    print ""
                }
                count = 0; binary = 0; debian_suite = 0; debian_key = 1; enabled = 1
            }
            BEGIN { flush() }
            /^[ \t]*$/ { flush(); next }
            /^#/ { next }
            { lines[++count] = $0 }
            /^Types:/ { for (i = 2; i <= NF; i++) if ($i == "deb") binary = 1 }
            /^Suites:/ { for (i = 2; i <= NF; i++) if (index($i, codename) == 1) debian_suite = 1 }
            /^Signed-By:/ { debian_key = ($0 ~ /debian-archive-keyring/) }
            /^Enabled:/ { enabled = ($2 != "no") }
            END { flush() }' "$file"
    done
}

oneline_source_entries() {
    local file
    for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -e "$file" ] && [ "$file" != "$source_list_oneline" ] || continue
        awk -v codename="$(debian_codename)" '
            $1 != "deb" { next }
            {
                line = $0; options = ""
                if (match(line, /\[[^]]*\]/)) {
                    options = substr(line, RSTART, RLENGTH)
                    line = substr(line, 1, RSTART - 1) substr(line, RSTART + RLENGTH)
                }
                split(line, field, /[ \t]+/)
                if (index(field[3], codename) != 1) next
                if (options ~ /signed-by=/ && options !~ /debian-archive-keyring/) next
                sub(/^deb/, "deb-src"); print
            }' "$file"
    done
}

enable_source_packages() {
    [ -n "${sources_enabled:-}" ] && return
    local entries lines
    entries=$(deb822_source_entries)
    lines=$(oneline_source_entries)
    if [ -z "$entries" ] && [ -z "$lines" ]; then
        say "no Debian package source found to derive source entries from" >&2
        exit 1
    fi
    if [ -n "$entries" ] && [ "$entries" != "$(cat "$source_list" 2>/dev/null)" ]; then
        printf '%s\n' "$entries" | as_root tee "$source_list" >/dev/null
        apt_updated=no
    fi
    if [ -n "$lines" ] && [ "$lines" != "$(cat "$source_list_oneline" 2>/dev/null)" ]; then
        printf '%s\n' "$lines" | as_root tee "$source_list_oneline" >/dev/null
        apt_updated=no
    fi
    apt_update_once
    sources_enabled=yes
}

source_version_of() { dpkg-query -W -f='${source:Version}' "$1"; }

# Prints the folder of Debian's source package $1 at version $2, with Debian's patches applied.
fetch_source() {
    local package=$1 version=$2
    local folder="$cache/src/${package}_$version"
    if [ ! -f "$folder/.complete" ]; then
        rm -rf "$folder"
        mkdir -p "$folder"
        # apt's download user must be able to write here.
        chmod 777 "$folder"
        (cd "$folder" && apt-get source -q "$package=$version") >&2
        touch "$folder/.complete"
    fi
    find "$folder" -mindepth 1 -maxdepth 1 -type d -name "$package-*" | head -n 1
}

toolchain_file() { echo "$repo/cmake/toolchain-$1.cmake"; }

cmake_build_install() {
    local triplet=$1 source=$2 build=$3 prefix=$4
    shift 4
    rm -rf "$build"
    cmake -S "$source" -B "$build" -G Ninja -Wno-dev \
        -DCMAKE_TOOLCHAIN_FILE="$(toolchain_file "$triplet")" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DBUILD_SHARED_LIBS=OFF "$@" >/dev/null
    cmake --build "$build" -j "$jobs" >/dev/null
    cmake --install "$build" >/dev/null
    rm -rf "$build"
}

build_tinyxml() {
    local triplet=$1 source=$2 prefix=$3 build=$4
    local unit
    mkdir -p "$build" "$prefix/include" "$prefix/lib"
    for unit in tinyxml tinystr tinyxmlerror tinyxmlparser; do
        "$triplet-g++-posix" -O2 -DTIXML_USE_STL -c "$source/$unit.cpp" -o "$build/$unit.o"
    done
    "$triplet-ar" rcs "$prefix/lib/libtinyxml.a" "$build"/*.o
    cp "$source/tinyxml.h" "$source/tinystr.h" "$prefix/include/"
    rm -rf "$build"
}

build_curl() {
    local triplet=$1 source=$2 prefix=$3 build=$4
    cmake_build_install "$triplet" "$source" "$build" "$prefix" \
        -DBUILD_CURL_EXE=OFF -DBUILD_TESTING=OFF -DHTTP_ONLY=ON -DCURL_ENABLE_SSL=OFF \
        -DCURL_USE_OPENSSL=OFF -DCURL_USE_SCHANNEL=OFF -DCURL_ZLIB=OFF -DCURL_BROTLI=OFF \
        -DCURL_ZSTD=OFF -DCURL_USE_LIBSSH2=OFF -DUSE_LIBIDN2=OFF -DUSE_WIN32_IDN=OFF \
        -DUSE_NGHTTP2=OFF -DENABLE_MANUAL=OFF -DCURL_DISABLE_LDAP=ON
}

build_googletest() {
    local triplet=$1 source=$2 prefix=$3 build=$4
    cmake_build_install "$triplet" "$source" "$build" "$prefix" -DBUILD_GMOCK=ON -DINSTALL_GTEST=ON
}

build_benchmark() {
    local triplet=$1 source=$2 prefix=$3 build=$4 version=$5
    # As Debian's own build does: the version comes from the package, not from git.
    cmake_build_install "$triplet" "$source" "$build" "$prefix" -DGIT_VERSION="${version%-*}" \
        -DBENCHMARK_ENABLE_TESTING=OFF -DBENCHMARK_ENABLE_GTEST_TESTS=OFF \
        -DBENCHMARK_ENABLE_WERROR=OFF -DBENCHMARK_ENABLE_LTO=OFF -DBENCHMARK_INSTALL_DOCS=OFF
}

# Builds library $1 of source package $2 (installed binary package $3) for triplet $4 into
# $cache/<triplet>/<library>-<version>, and points $cache/<triplet>/<library> at it.
provide_library() {
    local library=$1 package=$2 binary=$3 triplet=$4
    local version source
    version=$(source_version_of "$binary")
    local prefix="$cache/$triplet/$library-$version"
    if [ ! -d "$prefix" ]; then
        say "building $library $version for $triplet"
        if [ "$library" = googletest ]; then
            source=/usr/src/googletest
        else
            enable_source_packages
            source=$(fetch_source "$package" "$version")
        fi
        rm -rf "$prefix.partial"
        "build_$library" "$triplet" "$source" "$prefix.partial" "$cache/build/$triplet-$library" \
            "$version"
        mv "$prefix.partial" "$prefix"
    fi
    ln -sfn "$library-$version" "$cache/$triplet/$library"
}

provide_mingw_libraries() {
    local triplet
    for triplet in x86_64-w64-mingw32 i686-w64-mingw32; do
        mkdir -p "$cache/$triplet"
        provide_library tinyxml tinyxml libtinyxml-dev "$triplet"
        provide_library curl curl libcurl4-openssl-dev "$triplet"
    done
    # Tests and benchmarks run only in the 64-bit build.
    provide_library googletest googletest googletest x86_64-w64-mingw32
    provide_library benchmark benchmark libbenchmark-dev x86_64-w64-mingw32
}

install_packages
provide_mingw_libraries
say "ready (mingw libraries in $cache)"

# The environment that runs Quendrel under Wine: an X display (Xvfb unless one
# is given), a PulseAudio server with null sinks, and a Wine prefix set to
# Windows XP: 32-bit (the platform the program was made for) or 64-bit, which
# runs both builds. Sourced by scripts/run, scripts/test and scripts/bench.
# Everything started here is ended by process id, or with wineserver -k on our
# own prefix.

QUENDREL_ROOT=${QUENDREL_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
env_pids=()
env_dir=""
env_wineprefix=""
env_monitors=1

env_log() { printf '%s\n' "$*" >&2; }

# Whether this machine runs 32-bit programs: the one check of it. Some
# hypervisors offer no 32-bit user mode although the kernel has IA32
# emulation: an i386 binary ends with "Exec format error" there, Wine's i386
# loader included. A static i386 ELF of 91 bytes that only calls exit(0)
# tells, with nothing installed.
env_machine_runs_32bit() {
    if [ -z "${env_machine_32bit:-}" ]; then
        local probe
        probe=$(mktemp /tmp/quendrel-i386.XXXXXX)
        printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08\x5b\x00\x00\x00\x5b\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00\x31\xdb\x31\xc0\x40\xcd\x80' >"$probe"
        chmod +x "$probe"
        if "$probe" 2>/dev/null; then env_machine_32bit=yes; else env_machine_32bit=no; fi
        rm -f "$probe"
    fi
    [ "$env_machine_32bit" = yes ]
}

# Whether the 32-bit path runs here: the machine runs 32-bit programs, 32-bit
# Wine is installed, and QUENDREL_NO_32BIT=1 does not ask for the 64-bit path.
env_runs_32bit() {
    [ "${QUENDREL_NO_32BIT:-}" != 1 ] && env_machine_runs_32bit &&
        dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed'
}

# One line that says why the 32-bit path does not run here.
env_no_32bit_reason() {
    if [ "${QUENDREL_NO_32BIT:-}" = 1 ]; then
        echo "QUENDREL_NO_32BIT=1 asks for the 64-bit path"
    elif ! env_machine_runs_32bit; then
        echo "this machine runs no 32-bit programs"
    else
        echo "32-bit Wine (wine32:i386) is not installed"
    fi
}

# env_start [winver [arch]]: display, sound, and a prefix (env_prefix).
# QUENDREL_MONITORS=2: two monitors side by side, and no Wine desktop
# (env_start_two_monitors).
env_start() {
    local winver=${1:-winxp64} arch=${2:-win64}
    env_dir=$(mktemp -d /tmp/quendrel-env.XXXXXX)
    env_monitors=${QUENDREL_MONITORS:-1}
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    export LANG=${QUENDREL_LANG:-ja_JP.UTF-8}
    export LC_ALL=$LANG

    if [ "$env_monitors" = 2 ]; then
        env_start_two_monitors
    elif [ -z "${DISPLAY:-}" ] || [ -n "${QUENDREL_OWN_DISPLAY:-}" ]; then
        local n
        for n in $(seq 90 140); do
            [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
        done
        Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >"$env_dir/xvfb.log" 2>&1 &
        env_pids+=($!)
        export DISPLAY=":$n"
        export QUENDREL_OWN_XVFB=1
        for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
    fi

    export XDG_RUNTIME_DIR="$env_dir/xdg"
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
    export PULSE_RUNTIME_PATH="$XDG_RUNTIME_DIR/pulse"
    export PULSE_SERVER="unix:$PULSE_RUNTIME_PATH/native"
    mkdir -p "$PULSE_RUNTIME_PATH"
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --system=no \
        -L "module-native-protocol-unix socket=$PULSE_RUNTIME_PATH/native auth-anonymous=1" \
        -L "module-null-sink sink_name=speakers sink_properties=device.description=Speakers" \
        -L "module-null-sink sink_name=headset sink_properties=device.description=Headset" \
        -L "module-null-sink sink_name=hdmi sink_properties=device.description=HDMI" \
        >"$env_dir/pulse.log" 2>&1 &
    env_pids+=($!)
    for _ in $(seq 50); do [ -S "$PULSE_RUNTIME_PATH/native" ] && break; sleep 0.1; done

    env_prefix "$arch" "$winver"
}

# Two monitors of 1280x800, the second at 1280,0, always on a display of our
# own. Wine counts RandR outputs (Xvfb has one) and falls back to Xinerama
# heads when RandR is absent: Xephyr, on an Xvfb of its size, gives them.
# A Wine desktop is one monitor, so env_prefix sets none up here: programs
# get X windows of their own and no taskbar. Tray icons go to Wine's own
# "Wine System Tray" window at the first monitor's top left, each icon a
# window of class __winex11_tray_icon; deleting the last one waits 2 s while
# that window is taken down. Only Wine windows get X pointer events: a wheel
# turned over the bare root window reaches no program.
env_start_two_monitors() {
    local host screen
    host=$(env_free_display "${QUENDREL_DISPLAY_FROM:-90}")
    Xvfb ":$host" -screen 0 2560x800x24 -nolisten tcp >"$env_dir/xvfb.log" 2>&1 &
    env_pids+=($!)
    env_wait_display "$host"
    screen=$(env_free_display $((host + 1)))
    DISPLAY=":$host" Xephyr ":$screen" +xinerama -extension RANDR -nolisten tcp \
        -screen 1280x800 -screen 1280x800 >"$env_dir/xephyr.log" 2>&1 &
    env_pids+=($!)
    env_wait_display "$screen"
    export DISPLAY=":$screen"
    export QUENDREL_OWN_XVFB=1
}

# env_free_display FROM: the first display number from FROM that nobody uses.
env_free_display() {
    local n
    for n in $(seq "$1" $(($1 + 50))); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
    done
    echo "$n"
}

env_wait_display() {
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$1" ] && break; sleep 0.1; done
}

# env_prefix ARCH WINVER: a prefix of ARCH (win32 or win64) reporting WINVER,
# in place of the one in use, whose Wine processes end first: one Wine desktop
# at a time on the display. A prefix made here is new, so it always matches
# the Wine installed now (one made before wine32 came fails to load anything).
env_prefix() {
    local arch=$1 winver=$2
    env_end_wine
    export WINEPREFIX="${QUENDREL_WINEPREFIX:-$env_dir/prefix-$arch}"
    env_wineprefix=$WINEPREFIX
    export WINEARCH=$arch
    # A prefix kept in our tree (scripts/run's) is made again when Wine has
    # changed since, as when wine32 came after it.
    local wine_now
    # wine32 is missing on a machine that runs no 32-bit programs: dpkg-query
    # then fails, and callers under set -e must not end with it.
    wine_now=$(dpkg-query -W -f='${Package}:${Architecture} ${Version}\n' wine64 'wine32:i386' 2>/dev/null || true)
    if [ -f "$WINEPREFIX/system.reg" ] && [ "$(cat "$WINEPREFIX/.quendrel-wine" 2>/dev/null)" != "$wine_now" ] &&
        [[ $WINEPREFIX == "$QUENDREL_ROOT"/run/* ]]; then
        env_log "lib-env: $WINEPREFIX was made by another Wine; making it again"
        rm -rf "$WINEPREFIX"
    fi
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        wineboot -i >/dev/null 2>&1
        wineserver -w
        printf '%s\n' "$wine_now" >"$WINEPREFIX/.quendrel-wine"
    fi
    env_set_winver "$winver"
    # One Wine desktop with its own taskbar and notification area, as a user's
    # session has: without it every tray icon call waits two seconds for a
    # notification area that is not there. Two monitors cannot have one.
    if [ "$env_monitors" != 2 ]; then
        wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
        wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x800 /f >/dev/null 2>&1
    else
        wine reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f >/dev/null 2>&1 || true
    fi
    local face
    for face in "ＭＳ ゴシック" "ＭＳ Ｐゴシック" "MS UI Gothic" "MS Gothic" "MS PGothic" "MS Shell Dlg" \
        "MS Shell Dlg 2" "Tahoma"; do
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d "VL Gothic" /f >/dev/null 2>&1
    done
    wineserver -w
}

env_set_winver() {
    wine reg add 'HKCU\Software\Wine' /v Version /d "$1" /f >/dev/null 2>&1
    wineserver -w
}

# Ends the Wine processes of the prefix we set up, none of anyone else's.
env_end_wine() {
    if [ -n "$env_wineprefix" ] && [ -d "$env_wineprefix" ]; then
        WINEPREFIX=$env_wineprefix wineserver -k >/dev/null 2>&1 || true
        WINEPREFIX=$env_wineprefix wineserver -w >/dev/null 2>&1 || true
    fi
}

env_stop() {
    env_end_wine
    env_wineprefix=""
    local pid
    for pid in "${env_pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${env_pids[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    env_pids=()
    env_monitors=1
    [ -n "$env_dir" ] && rm -rf "$env_dir"
    env_dir=""
}

"""What the real-desktop tests ask of the compositor and the session bus.

    desktop.py screenshot FILE          the whole screen, as the compositor composes it
    desktop.py input                    input through the compositor, by commands on standard input
    desktop.py inhibit SECONDS          holds KDE's power management inhibitor of screen changes that long
    desktop.py items                    the StatusNotifierItems the watcher has, one a line
    desktop.py fullscreen SECONDS       a native Wayland window (GTK 3), full screen, for that long
    desktop.py screencast SECONDS       a screen cast of the monitor (GNOME) for that long; prints
                                        "node ID" once its PipeWire stream is there
    desktop.py pixels FILE X,Y ...      the colours at those points, "X,Y #rrggbb" a line
    desktop.py window-pixels WIN X,Y .. the same, read from an X11 window's own contents
    desktop.py changed BEFORE AFTER X0 Y0 X1 Y1
                                        the box of the pixels that differ within that rectangle
    desktop.py inserted BEFORE AFTER X0 Y0 X1 Y1
                                        the box of what was put into a row of icons there, the ones
                                        after it moved along to make room

The desktop is named by TARNWICK_REAL_DESKTOP (gnome, kde or sway).
"""

import os
import subprocess
import sys
import time

import gi

gi.require_version("GdkPixbuf", "2.0")
from gi.repository import GdkPixbuf, Gio, GLib  # noqa: E402

desktop = os.environ.get("TARNWICK_REAL_DESKTOP", "")
screen_width, screen_height = 1920, 1080


def bus():
    return Gio.bus_get_sync(Gio.BusType.SESSION)


def call(connection, dest, path, interface, method, args=None, signature=None, timeout_ms=10000):
    parameters = GLib.Variant(signature, args) if signature else None
    return connection.call_sync(dest, path, interface, method, parameters, None, Gio.DBusCallFlags.NONE,
                                timeout_ms, None)


def screenshot(target):
    target = os.path.abspath(target)
    if desktop == "gnome":
        connection = bus()
        # The shell takes screenshots for the callers it knows by their bus names, the screenshot
        # tool's among them.
        call(connection, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "RequestName",
             ("org.gnome.Screenshot", 4), "(su)")
        ok, written = call(connection, "org.gnome.Shell.Screenshot", "/org/gnome/Shell/Screenshot",
                           "org.gnome.Shell.Screenshot", "Screenshot", (False, False, target), "(bbs)").unpack()
        if not ok:
            sys.exit("the shell took no screenshot")
    elif desktop == "kde":
        kde_screenshot(target)
    elif desktop == "sway":
        subprocess.run(["grim", target], check=True)
    else:
        sys.exit(f"no screenshots on '{desktop}'")


def kde_screenshot(target):
    # KWin writes the picture into a pipe it is handed, as raw pixels described by the reply.
    connection = bus()
    read_end, write_end = os.pipe()
    fds = Gio.UnixFDList.new()
    index = fds.append(write_end)
    os.close(write_end)
    options = {"include-cursor": GLib.Variant("b", False), "native-resolution": GLib.Variant("b", True)}
    reply, _ = connection.call_with_unix_fd_list_sync(
        "org.kde.KWin", "/org/kde/KWin/ScreenShot2", "org.kde.KWin.ScreenShot2", "CaptureWorkspace",
        GLib.Variant("(a{sv}h)", (options, index)), None, Gio.DBusCallFlags.NONE, 15000, fds, None)
    # The list holds a copy of the write end; the picture ends when no copy is left.
    for fd in fds.steal_fds():
        os.close(fd)
    meta = reply.unpack()[0]
    data = b""
    with os.fdopen(read_end, "rb") as pipe:
        while True:
            chunk = pipe.read(1 << 20)
            if not chunk:
                break
            data += chunk
    width, height, stride = meta["width"], meta["height"], meta["stride"]
    # QImage::Format_ARGB32 or _RGB32 (4 and 5): bytes B, G, R, A on a little-endian machine.
    rgba = bytearray(width * height * 4)
    for y in range(height):
        row = data[y * stride:y * stride + width * 4]
        out = rgba[y * width * 4:(y + 1) * width * 4]
        out[0::4] = row[2::4]
        out[1::4] = row[1::4]
        out[2::4] = row[0::4]
        out[3::4] = b"\xff" * width
        rgba[y * width * 4:(y + 1) * width * 4] = out
    pixbuf = GdkPixbuf.Pixbuf.new_from_bytes(GLib.Bytes.new(bytes(rgba)), GdkPixbuf.Colorspace.RGB, True, 8,
                                             width, height, width * 4)
    pixbuf.savev(target, "png", [], [])


class Mutter:
    """A remote desktop session of Mutter's: input as if from the seat's own devices."""

    service = "org.gnome.Mutter.RemoteDesktop"

    def __init__(self):
        self.bus = bus()
        path = call(self.bus, self.service, "/org/gnome/Mutter/RemoteDesktop", self.service,
                    "CreateSession").unpack()[0]
        self.session = (self.service, path, self.service + ".Session")
        call(self.bus, *self.session, "Start")

    def move(self, dx, dy):
        call(self.bus, *self.session, "NotifyPointerMotionRelative", (float(dx), float(dy)), "(dd)")

    def button(self, pressed):
        call(self.bus, *self.session, "NotifyPointerButton", (0x110, pressed), "(ib)")  # BTN_LEFT

    def key(self, code, pressed):
        call(self.bus, *self.session, "NotifyKeyboardKeycode", (code, pressed), "(ub)")  # evdev code

    def stop(self):
        call(self.bus, *self.session, "Stop")


def serve_input():
    """Input through one remote desktop session for as long as standard input stays open. GNOME
    shows an indicator in its top bar while a session runs (a click on it ends the session), so one
    session serves the whole test and the bar keeps one layout. Commands, one a line, each answered
    "ok" or "error ...": poke; click COUNT X Y (COUNT 2 for a double click); key CODE... (evdev
    codes pressed in order, released in reverse: "key 56 15" is Alt+Tab); work SECONDS (a poke
    every SECONDS until rest); type SECONDS (the left Shift key pressed and released every
    SECONDS until rest, which types nothing); rest (answered with an error when input failed
    meanwhile)."""
    import threading

    if desktop != "gnome":
        sys.exit(f"no input through the compositor on '{desktop}' from here")
    mutter = Mutter()
    lock = threading.Lock()
    working = threading.Event()
    every = [15.0]
    typing = [False]
    failures = [0]

    def poke():
        with lock:
            mutter.move(3, 0)
            mutter.move(-3, 0)

    def shift():
        with lock:
            mutter.key(42, True)  # KEY_LEFTSHIFT
            mutter.key(42, False)

    def work():
        while True:
            working.wait()
            try:
                shift() if typing[0] else poke()
            except GLib.Error:
                failures[0] += 1
            time.sleep(every[0])

    threading.Thread(target=work, daemon=True).start()
    for line in sys.stdin:
        words = line.split()
        try:
            if words == ["poke"]:
                poke()
            elif len(words) == 4 and words[0] == "click":
                with lock:
                    # Relative motion only (absolute motion needs a screen cast stream): into the
                    # bottom right corner first, where the pointer stops (the top left one opens
                    # the overview), then to the point.
                    mutter.move(10000, 10000)
                    mutter.move(int(words[2]) - screen_width + 1, int(words[3]) - screen_height + 1)
                    for _ in range(int(words[1])):
                        mutter.button(True)
                        mutter.button(False)
            elif len(words) >= 2 and words[0] == "key":
                codes = [int(word) for word in words[1:]]
                with lock:
                    for code in codes:
                        mutter.key(code, True)
                    for code in reversed(codes):
                        mutter.key(code, False)
            elif len(words) == 2 and words[0] in ("work", "type"):
                every[0] = float(words[1])
                typing[0] = words[0] == "type"
                working.set()
            elif words == ["rest"]:
                working.clear()
                if failures[0]:
                    count, failures[0] = failures[0], 0
                    raise ValueError(f"{count} input(s) failed meanwhile")
            else:
                raise ValueError(f"unknown command {line.strip()!r}")
            print("ok", flush=True)
        except (GLib.Error, ValueError) as error:
            print(f"error {getattr(error, 'message', error)}", flush=True)
    mutter.stop()


def items():
    value = call(bus(), "org.kde.StatusNotifierWatcher", "/StatusNotifierWatcher", "org.freedesktop.DBus.Properties",
                 "Get", ("org.kde.StatusNotifierWatcher", "RegisteredStatusNotifierItems"), "(ss)").unpack()[0]
    for item in value:
        print(item)


def inhibit(seconds):
    # A video player's inhibition on Plasma: the screen's settings are not to change (PowerDevil's
    # ChangeScreenSettings, 4), kept for as long as the connection that asked for it lives.
    # PowerDevil takes it in after a few seconds, so that short ones never count.
    connection = bus()
    agent = "org.kde.Solid.PowerManagement.PolicyAgent"
    cookie = call(connection, agent, "/org/kde/Solid/PowerManagement/PolicyAgent", agent, "AddInhibition",
                  (4, "a film", "playing a video"), "(uss)").unpack()[0]
    print(f"inhibited, cookie {cookie}", flush=True)
    time.sleep(seconds)


def fullscreen(seconds):
    """A native Wayland client's full-screen window, as a film player or a game shows it; it says
    "shown" on standard output once it is mapped."""
    os.environ["GDK_BACKEND"] = "wayland"
    gi.require_version("Gdk", "3.0")
    gi.require_version("Gtk", "3.0")
    from gi.repository import Gdk, Gtk

    display = Gdk.Display.get_default()
    if display is None or display.__gtype__.name != "GdkWaylandDisplay":
        sys.exit("GTK found no Wayland display")
    window = Gtk.Window(title="A native full-screen window")
    style = Gtk.CssProvider()
    style.load_from_data(b"window { background: #1a3366; }")
    Gtk.StyleContext.add_provider_for_screen(Gdk.Screen.get_default(), style, Gtk.STYLE_PROVIDER_PRIORITY_APPLICATION)
    window.connect("map-event", lambda *_: print("shown", flush=True))
    window.fullscreen()
    window.show_all()
    GLib.timeout_add(int(seconds * 1000), Gtk.main_quit)
    Gtk.main()


def points(args):
    for arg in args:
        x, y = arg.split(",")
        yield int(x), int(y)


def pixels(path, args):
    image = GdkPixbuf.Pixbuf.new_from_file(path)
    data = image.get_pixels()
    stride, channels = image.get_rowstride(), image.get_n_channels()
    for x, y in points(args):
        if not (0 <= x < image.get_width() and 0 <= y < image.get_height()):
            print(f"{x},{y} outside")
            continue
        offset = y * stride + x * channels
        print(f"{x},{y} #{data[offset]:02x}{data[offset + 1]:02x}{data[offset + 2]:02x}")


def window_pixels(window, args):
    from Xlib import X, display as xdisplay

    d = xdisplay.Display()
    win = d.create_resource_object("window", int(window, 0))
    geometry = win.get_geometry()
    origin = win.translate_coords(d.screen().root, 0, 0)
    for x, y in points(args):
        wx, wy = x + origin.x, y + origin.y
        if not (0 <= wx < geometry.width and 0 <= wy < geometry.height):
            print(f"{x},{y} outside")
            continue
        raw = win.get_image(wx, wy, 1, 1, X.ZPixmap, 0xFFFFFFFF).data
        print(f"{x},{y} #{raw[2]:02x}{raw[1]:02x}{raw[0]:02x}")


def changed(before, after, x0, y0, x1, y1):
    a, b = GdkPixbuf.Pixbuf.new_from_file(before), GdkPixbuf.Pixbuf.new_from_file(after)
    da, db = a.get_pixels(), b.get_pixels()
    sa, sb, ca, cb = a.get_rowstride(), b.get_rowstride(), a.get_n_channels(), b.get_n_channels()
    box = None
    for y in range(y0, min(y1, a.get_height(), b.get_height())):
        for x in range(x0, min(x1, a.get_width(), b.get_width())):
            pa, pb = y * sa + x * ca, y * sb + x * cb
            if any(abs(da[pa + i] - db[pb + i]) > 24 for i in range(3)):
                box = (x, y, x, y) if box is None else (min(box[0], x), min(box[1], y), max(box[2], x), max(box[3], y))
    if box:
        print(*box)


def inserted(before, after, x0, y0, x1, y1):
    # Columns of the rectangle, each as its pixels' bytes; the first column that differs is where
    # the new icon begins, and the shift that best lines up what follows with the picture before is
    # its width. (A clock whose minute turned in between matches at no shift, and is outvoted.)
    def columns(path):
        image = GdkPixbuf.Pixbuf.new_from_file(path)
        data, stride, channels = image.get_pixels(), image.get_rowstride(), image.get_n_channels()
        return [bytes(data[y * stride + x * channels + i] for y in range(y0, y1) for i in range(3))
                for x in range(x0, x1)]
    a, b = columns(before), columns(after)
    start = next((x for x in range(len(a)) if a[x] != b[x]), None)
    if start is None:
        return
    rest = range(start, len(a))
    shift = max(range(1, 97), key=lambda d: sum(1 for x in rest if x + d < len(b) and b[x + d] == a[x]))
    changed(before, after, x0 + start, y0, x0 + start + shift, y1)


def screencast(seconds):
    """A cast of the monitor through Mutter's own interface, the one the desktop portal uses when a
    meeting program shares the screen."""
    if desktop != "gnome":
        sys.exit(f"no screen cast on '{desktop}' from here")
    connection = bus()
    service = "org.gnome.Mutter.ScreenCast"
    session = call(connection, service, "/org/gnome/Mutter/ScreenCast", service, "CreateSession", ({},),
                   "(a{sv})").unpack()[0]
    stream = call(connection, service, session, service + ".Session", "RecordMonitor", ("", {}),
                  "(sa{sv})").unpack()[0]
    loop = GLib.MainLoop()

    def added(_connection, _sender, _path, _interface, _signal, parameters):
        print(f"node {parameters.unpack()[0]}", flush=True)

    connection.signal_subscribe(None, service + ".Stream", "PipeWireStreamAdded", stream, None,
                                Gio.DBusSignalFlags.NONE, added)
    call(connection, service, session, service + ".Session", "Start")
    GLib.timeout_add(int(seconds * 1000), loop.quit)
    loop.run()
    call(connection, service, session, service + ".Session", "Stop")


def main(argv):
    if len(argv) < 2:
        sys.exit(__doc__)
    verb, args = argv[1], argv[2:]
    if verb == "screenshot":
        screenshot(args[0])
    elif verb == "input":
        serve_input()
    elif verb == "inhibit":
        inhibit(float(args[0]))
    elif verb == "items":
        items()
    elif verb == "fullscreen":
        fullscreen(float(args[0]))
    elif verb == "screencast":
        screencast(float(args[0]))
    elif verb == "pixels":
        pixels(args[0], args[1:])
    elif verb == "window-pixels":
        window_pixels(args[0], args[1:])
    elif verb == "changed":
        changed(args[0], args[1], *map(int, args[2:6]))
    elif verb == "inserted":
        inserted(args[0], args[1], *map(int, args[2:6]))
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    try:
        main(sys.argv)
    except GLib.Error as error:
        sys.exit(f"desktop.py {' '.join(sys.argv[1:])}: {error.message}")

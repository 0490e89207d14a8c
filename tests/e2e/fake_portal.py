#!/usr/bin/python3
"""A desktop portal offering only GlobalShortcuts, on the private session bus. It binds each shortcut
asked for with the key Ctrl+Alt+B and prints "ready", then "bound ID PREFERRED-TRIGGER"; as KDE's
does, it files bindings under the session's token and lists them again to a later session of that
token ("listed ID..."); on SIGUSR1 it activates every bound shortcut of the live sessions, on
SIGUSR2 the same ids of a session nobody made. Runs on Debian's own python3 (python3-dbus,
python3-gi)."""
import signal

import dbus
import dbus.lowlevel
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

PATH = "/org/freedesktop/portal/desktop"
SHORTCUTS = "org.freedesktop.portal.GlobalShortcuts"


def request_path(sender, options):
    return "%s/request/%s/%s" % (PATH, sender.lstrip(":").replace(".", "_"), options["handle_token"])


class Portal(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, PATH)
        self.bus, self.bound, self.filed = bus, [], {}

    def respond(self, request, results):
        """The Request's Response, sent after the method's reply."""
        message = dbus.lowlevel.SignalMessage(request, "org.freedesktop.portal.Request", "Response")
        message.append(dbus.UInt32(0), dbus.Dictionary(results, signature="sv"), signature="ua{sv}")
        self.bus.send_message(message)
        return False

    @dbus.service.method(SHORTCUTS, in_signature="a{sv}", out_signature="o", sender_keyword="sender")
    def CreateSession(self, options, sender):
        session = "%s/session/%s/%s" % (PATH, sender.lstrip(":").replace(".", "_"), options["session_handle_token"])
        GLib.idle_add(self.respond, request_path(sender, options), {"session_handle": dbus.String(session)})
        return dbus.ObjectPath(request_path(sender, options))

    @dbus.service.method(SHORTCUTS, in_signature="oa{sv}", out_signature="o", sender_keyword="sender")
    def ListShortcuts(self, session, options, sender):
        token = session.rsplit("/", 1)[-1]
        listed = [(i, {"trigger_description": "Ctrl+Alt+B"}) for i in self.filed.get(token, [])]
        print("listed %s %s" % (token, " ".join(i for i, _ in listed)), flush=True)
        for shortcut_id, _ in listed:
            self.bound.append((session, shortcut_id))
        GLib.idle_add(self.respond, request_path(sender, options), {"shortcuts": dbus.Array(listed, signature="(sa{sv})")})
        return dbus.ObjectPath(request_path(sender, options))

    @dbus.service.method(SHORTCUTS, in_signature="oa(sa{sv})sa{sv}", out_signature="o", sender_keyword="sender")
    def BindShortcuts(self, session, shortcuts, parent_window, options, sender):
        bound = []
        for shortcut_id, properties in shortcuts:
            print("bound %s %s" % (shortcut_id, properties.get("preferred_trigger", "")), flush=True)
            self.bound.append((session, shortcut_id))
            self.filed.setdefault(session.rsplit("/", 1)[-1], []).append(str(shortcut_id))
            bound.append((shortcut_id, {"trigger_description": "Ctrl+Alt+B"}))
        GLib.idle_add(self.respond, request_path(sender, options), {"shortcuts": dbus.Array(bound, signature="(sa{sv})")})
        return dbus.ObjectPath(request_path(sender, options))

    @dbus.service.signal(SHORTCUTS, signature="osta{sv}")
    def Activated(self, session, shortcut_id, timestamp, options):
        pass

    def activate_all(self, foreign=False):
        for session, shortcut_id in self.bound:
            session = dbus.ObjectPath(session + "_other" if foreign else session)
            self.Activated(session, shortcut_id, dbus.UInt64(0), dbus.Dictionary({}, signature="sv"))
        return True


dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
portal = Portal(bus)
name = dbus.service.BusName("org.freedesktop.portal.Desktop", bus, do_not_queue=True)
GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGUSR1, portal.activate_all)
GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGUSR2, lambda: portal.activate_all(foreign=True))
print("ready", flush=True)
GLib.MainLoop().run()

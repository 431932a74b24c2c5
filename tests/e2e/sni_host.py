#!/usr/bin/python3
"""A StatusNotifierItem host, as a desktop's panel is one, for the tray scenarios over D-Bus.
sni_host.py serve FILE          owns the watcher and writes each registered item's bus name to FILE
sni_host.py menu SERVICE        prints the item's menu captions as JSON
sni_host.py click SERVICE TEXT  chooses the menu item with that caption
sni_host.py activate SERVICE    a left click on the item
Runs under the system's Python, which has PyGObject (Debian package python3-gi)."""

import json, sys  # noqa: E401

from gi.repository import Gio, GLib

WATCHER = """<node><interface name="org.kde.StatusNotifierWatcher">
<method name="RegisterStatusNotifierItem"><arg type="s" direction="in"/></method>
<method name="RegisterStatusNotifierHost"><arg type="s" direction="in"/></method>
<property name="RegisteredStatusNotifierItems" type="as" access="read"/>
<property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
<property name="ProtocolVersion" type="i" access="read"/>
</interface></node>"""


def serve(path):
    items = []

    def call(connection, sender, object_path, interface, method, params, invocation):
        if method == "RegisterStatusNotifierItem":
            items.append(sender)
            with open(path, "a") as f:
                f.write(sender + "\n")
        invocation.return_value(None)

    def get(connection, sender, object_path, interface, name):
        return {"RegisteredStatusNotifierItems": GLib.Variant("as", items),
                "IsStatusNotifierHostRegistered": GLib.Variant("b", True),
                "ProtocolVersion": GLib.Variant("i", 0)}[name]

    interface = Gio.DBusNodeInfo.new_for_xml(WATCHER).interfaces[0]
    Gio.bus_own_name(Gio.BusType.SESSION, "org.kde.StatusNotifierWatcher", 0,
                     lambda connection, name: connection.register_object(
                         "/StatusNotifierWatcher", interface, call, get, None), None, None)
    GLib.MainLoop().run()


def bus_call(service, path, interface, method, args, reply=None):
    bus = Gio.bus_get_sync(Gio.BusType.SESSION)
    return bus.call_sync(service, path, interface, method, args,
                         GLib.VariantType(reply) if reply else None, 0, 5000, None).unpack()


def menu(service):
    """(id, caption) of each item of the item's menu, in order."""
    path = bus_call(service, "/StatusNotifierItem", "org.freedesktop.DBus.Properties", "Get",
                    GLib.Variant("(ss)", ("org.kde.StatusNotifierItem", "Menu")))[0]
    _, (_, _, children) = bus_call(service, path, "com.canonical.dbusmenu", "GetLayout",
                                   GLib.Variant("(iias)", (0, -1, [])))
    return path, [(child[0], child[1].get("label", "")) for child in children]


if __name__ == "__main__":
    command, *args = sys.argv[1:]
    if command == "serve":
        serve(*args)
    elif command == "menu":
        print(json.dumps([caption for _, caption in menu(*args)[1]], ensure_ascii=False))
    elif command == "click":
        service, caption = args
        path, items = menu(service)
        chosen = next(i for i, c in items if c == caption)
        bus_call(service, path, "com.canonical.dbusmenu", "Event",
                 GLib.Variant("(isvu)", (chosen, "clicked", GLib.Variant("i", 0), 0)))
    elif command == "activate":
        bus_call(args[0], "/StatusNotifierItem", "org.kde.StatusNotifierItem", "Activate",
                 GLib.Variant("(ii)", (0, 0)))

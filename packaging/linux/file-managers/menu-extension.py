# "Create numbered folders here" in GNOME Files (nautilus-python) and Thunar (thunarx-python), for
# a folder and for the empty space inside one: starts Pallisand Quire Batch Utility with that
# folder, and does nothing else. The package installs this one file into both file managers'
# extension folders; the folder it is loaded from says which file manager loads it.
import os

import gi

if "thunarx-python" in os.path.abspath(__file__).split(os.sep):
    gi.require_version("Thunarx", "3.0")
    from gi.repository import Thunarx as FileManager

    def menu_item(**texts):
        return FileManager.MenuItem(tooltip=texts.pop("tip"), **texts)
else:
    try:
        gi.require_version("Nautilus", "4.0")
    except ValueError:
        gi.require_version("Nautilus", "3.0")
    from gi.repository import Nautilus as FileManager

    def menu_item(**texts):
        return FileManager.MenuItem(**texts)

from gi.repository import Gio, GLib, GObject  # noqa: E402


def local_folder(info):
    """The path of a local folder the file manager shows, else None."""
    if not info.is_directory():
        return None
    location = info.get_location()
    return location.get_path() if location is not None else None


def start_for(folder):
    # The folder is one argument of its own, never read by a shell; GLib reaps the child.
    try:
        Gio.Subprocess.new(["quirebatch", folder], Gio.SubprocessFlags.NONE)
    except GLib.Error as error:
        print(f"quirebatch: {error.message}")


class CreateNumberedFolders(GObject.GObject, FileManager.MenuProvider):
    def _items(self, infos):
        folders = [local_folder(info) for info in infos]
        if len(folders) != 1 or folders[0] is None:
            return []
        item = menu_item(name="Quirebatch::CreateNumberedFolders",
                         label="Create numbered folders here",
                         tip="Pallisand Quire Batch Utility", icon="quirebatch")
        item.connect("activate", lambda _item, folder=folders[0]: start_for(folder))
        return [item]

    # Nautilus 43 passes (files) and (folder), earlier versions a window first.
    def get_file_items(self, *args):
        return self._items(args[-1])

    def get_background_items(self, *args):
        return self._items([args[-1]])

    # Thunar: (window, files) and (window, folder).
    def get_file_menu_items(self, _window, files):
        return self._items(files)

    def get_folder_menu_items(self, _window, folder):
        return self._items([folder])

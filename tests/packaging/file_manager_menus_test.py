#!/usr/bin/python3
"""The file managers' "Create numbered folders here" entries, as far as this machine can run them.

Each entry's command is started for folders with hostile names (quotes, %, a leading -, a newline,
shell characters) the way its file manager starts it, with a stand-in `quirebatch` on the PATH
that records its arguments; each must receive exactly one argument, the folder, byte for byte.
- the desktop entry and Dolphin's service menu: GLib's own launcher of desktop entries, which
  reads desktop entries by the same shared rules as KIO;
- Nemo's actions: the quoting Nemo applies with Quote=single, then g_spawn_command_line_async, as
  Nemo runs an action;
- file-manager/actions (PCManFM, PCManFM-Qt, Caja): each path a shell word (g_shell_quote), then
  g_spawn_command_line_async;
- GNOME Files and Thunar: the extension itself, loaded with the file managers' real typelibs from
  a folder named as installed, its menu item activated.
The files are checked as their formats allow: desktop-file-validate for what it knows, the keys
each format defines for the others.
Usage: file_manager_menus_test.py SOURCE_DIR
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time
import types
import unittest

import gi

gi.require_version("GLib", "2.0")
gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

SOURCE = sys.argv.pop(1) if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "../..")
MENUS = os.path.join(SOURCE, "packaging/linux/file-managers")
APP_ENTRY = os.path.join(SOURCE, "assets/quirebatch.desktop")

HOSTILE = ["it's \"quoted\"", "100% %f %F %U %P %%", "-rf", "-", "new\nline",
           "back\\slash $HOME `id` ;&|*?", " blanks ", "ünï €"]


def key_file(path):
    keys = GLib.KeyFile()
    keys.load_from_file(path, GLib.KeyFileFlags.NONE)
    return keys


class Menus(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.work = tempfile.mkdtemp()
        cls.bin = os.path.join(cls.work, "bin")
        cls.records = os.path.join(cls.work, "records")
        os.makedirs(cls.bin)
        os.makedirs(cls.records)
        stub = os.path.join(cls.bin, "quirebatch")
        with open(stub, "w") as script:
            script.write('#!/bin/sh\nprintf "%s\\0" "$@" >"$QUIRE_RECORDS/.$$"\n'
                         'mv "$QUIRE_RECORDS/.$$" "$QUIRE_RECORDS/$$"\n')
        os.chmod(stub, 0o755)
        os.environ["PATH"] = cls.bin + os.pathsep + os.environ["PATH"]
        os.environ["QUIRE_RECORDS"] = cls.records
        cls.folders = []
        for name in HOSTILE:
            folder = os.path.join(cls.work, "parent", name)
            os.makedirs(folder)
            cls.folders.append(folder)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.work)

    def arguments_of(self, launch):
        """The arguments of the one program start that `launch` makes."""
        for record in os.listdir(self.records):
            os.remove(os.path.join(self.records, record))
        launch()
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline:
            done = [r for r in os.listdir(self.records) if not r.startswith(".")]
            if done:
                time.sleep(0.05)  # a second start would show up meanwhile
                self.assertEqual(len(os.listdir(self.records)), 1, "started more than once")
                with open(os.path.join(self.records, done[0]), "rb") as record:
                    return [os.fsdecode(a) for a in record.read().split(b"\0")[:-1]]
            time.sleep(0.01)
        self.fail("the program was not started")

    def check_each_folder(self, launch):
        for folder in self.folders:
            with self.subTest(folder=folder):
                self.assertEqual(self.arguments_of(lambda: launch(folder)), [folder])

    def launch_entry(self, exec_line, folder):
        entry = os.path.join(self.work, "entry.desktop")
        with open(entry, "w") as out:
            out.write(f"[Desktop Entry]\nType=Application\nName=x\nExec={exec_line}\n")
        app = Gio.DesktopAppInfo.new_from_filename(entry)
        app.launch([Gio.File.new_for_path(folder)], None)

    def test_the_desktop_entry_claims_no_file_type_and_starts_one_folder(self):
        result = subprocess.run(["desktop-file-validate", APP_ENTRY], capture_output=True, text=True)
        self.assertEqual((result.returncode, result.stdout), (0, ""))
        keys = key_file(APP_ENTRY)
        self.assertNotIn("MimeType", keys.get_keys("Desktop Entry")[0])
        self.check_each_folder(lambda f: self.launch_entry(keys.get_string("Desktop Entry", "Exec"), f))

    def test_dolphin_service_menu(self):
        path = os.path.join(MENUS, "dolphin-servicemenu.desktop")
        result = subprocess.run(["desktop-file-validate", path], capture_output=True, text=True)
        # It validates as an application entry would, but for the keys of its own type.
        errors = [line for line in result.stdout.splitlines()
                  if "error" in line and 'only valid for type "Application"' not in line]
        self.assertEqual(errors, [])
        keys = key_file(path)
        self.assertEqual(keys.get_string("Desktop Entry", "Type"), "Service")
        self.assertEqual(keys.get_string("Desktop Entry", "X-KDE-ServiceTypes"), "KonqPopupMenu/Plugin")
        self.assertEqual(keys.get_string_list("Desktop Entry", "MimeType"), ["inode/directory"])
        [action] = keys.get_string_list("Desktop Entry", "Actions")
        exec_line = keys.get_string(f"Desktop Action {action}", "Exec")
        self.check_each_folder(lambda f: self.launch_entry(exec_line, f))

    def nemo_launch(self, path, token):
        keys = key_file(path)
        group = "Nemo Action"
        self.assertEqual(keys.get_groups()[0], [group])
        for key in ("Name", "Exec", "Selection"):
            self.assertTrue(keys.get_string(group, key))
        self.assertEqual(keys.get_string(group, "Quote"), "single")
        exec_line = keys.get_string(group, "Exec")
        self.assertEqual(exec_line.count("%"), 1)
        self.assertIn(token, exec_line)

        def launch(folder):
            quoted = "'" + folder.replace("'", "'\\''") + "'"
            GLib.spawn_command_line_async(exec_line.replace(token, quoted))
        return keys, launch

    def test_nemo_action_for_one_selected_folder(self):
        keys, launch = self.nemo_launch(os.path.join(MENUS, "quirebatch.nemo_action"), "%F")
        self.assertEqual(keys.get_string("Nemo Action", "Selection"), "s")
        self.assertEqual(keys.get_string_list("Nemo Action", "Extensions"), ["dir"])
        self.check_each_folder(launch)

    def test_nemo_action_for_the_folder_shown(self):
        keys, launch = self.nemo_launch(os.path.join(MENUS, "quirebatch-here.nemo_action"), "%P")
        self.assertEqual(keys.get_string("Nemo Action", "Selection"), "none")
        self.check_each_folder(launch)

    def test_file_manager_actions_entry(self):
        keys = key_file(os.path.join(MENUS, "file-manager-action.desktop"))
        self.assertEqual(keys.get_string("Desktop Entry", "Type"), "Action")
        self.assertTrue(keys.get_boolean("Desktop Entry", "TargetContext"))
        self.assertTrue(keys.get_boolean("Desktop Entry", "TargetLocation"))
        [profile] = keys.get_string_list("Desktop Entry", "Profiles")
        group = f"X-Action-Profile {profile}"
        self.assertEqual(keys.get_string_list(group, "MimeTypes"), ["inode/directory"])
        self.assertEqual(keys.get_string(group, "SelectionCount"), "=1")
        exec_line = keys.get_string(group, "Exec")
        self.assertEqual(exec_line.count("%"), 1)
        self.check_each_folder(lambda f: GLib.spawn_command_line_async(
            exec_line.replace("%f", GLib.shell_quote(f))))

    def load_extension(self, loader):
        folder = os.path.join(self.work, loader, "extensions")
        os.makedirs(folder, exist_ok=True)
        path = os.path.join(folder, "quirebatch.py")
        shutil.copy(os.path.join(MENUS, "menu-extension.py"), path)
        # Loaded from its file as the file manager loads it: the folder it lies in picks the
        # file manager it serves.
        module = types.ModuleType(loader.replace("-", "_"))
        module.__file__ = path
        with open(path, encoding="utf-8") as source:
            exec(compile(source.read(), path, "exec"), module.__dict__)
        return module.CreateNumberedFolders()

    def check_extension(self, file_items, folder_items):
        def activate(items):
            self.assertEqual(len(items), 1)
            self.assertEqual(items[0].props.label, "Create numbered folders here")
            items[0].activate()
        self.check_each_folder(lambda f: activate(file_items([Info(f)])))
        self.check_each_folder(lambda f: activate(folder_items(Info(f))))
        file = os.path.join(self.work, "a file")
        open(file, "w").close()
        self.assertEqual(file_items([Info(file, directory=False)]), [])
        self.assertEqual(file_items([Info(self.folders[0]), Info(self.folders[1])]), [])
        self.assertEqual(folder_items(Info("sftp://host/folder")), [])

    def test_gnome_files_extension(self):
        menu = self.load_extension("nautilus-python")
        self.check_extension(menu.get_file_items, menu.get_background_items)

    def test_thunar_extension(self):
        menu = self.load_extension("thunarx-python")
        self.check_extension(lambda files: menu.get_file_menu_items(None, files),
                             lambda folder: menu.get_folder_menu_items(None, folder))


class Info:
    """What the extension asks of the file managers' file objects."""

    def __init__(self, where, directory=True):
        self.location = (Gio.File.new_for_uri(where) if "://" in where
                         else Gio.File.new_for_path(where))
        self.directory = directory

    def is_directory(self):
        return self.directory

    def get_location(self):
        return self.location


if __name__ == "__main__":
    unittest.main(verbosity=2)

"""make and its build trees: a missing compiler is named before CMake runs, and a tree whose
configure failed or was stopped is configured again by the next make. Configures only."""

import os
import re
import shutil
import subprocess
import tempfile
import unittest
from pathlib import Path

SOURCE = Path(os.environ.get("GLIMBROOK_SOURCE_DIR") or Path(__file__).resolve().parents[2])
TOOLCHAIN = SOURCE / "cmake" / "mingw-i686.cmake"
TREES = {"native": ("c++", []), "cross": ("i686-w64-mingw32-g++", ["-DCMAKE_TOOLCHAIN_FILE=%s" % TOOLCHAIN])}
COMPILER = re.compile(r"^(cc|c\+\+|gcc|g\+\+|clang|clang\+\+|cpp)(-[0-9.]+)?$"
                      r"|-(gcc|g\+\+|cc|c\+\+)(-[0-9.]+)?$|^i686-w64-mingw32-")


def path_without_compilers(folder):
    """A folder of links to every program on PATH except the C and C++ compilers."""
    folder.mkdir()
    for d in os.environ["PATH"].split(os.pathsep):
        if not os.path.isdir(d):
            continue
        for name in os.listdir(d):
            link = folder / name
            if not COMPILER.search(name) and not link.is_symlink():
                link.symlink_to(os.path.join(d, name))
    return str(folder)


class Configure(unittest.TestCase):
    def setUp(self):
        tmp = Path(tempfile.mkdtemp(prefix="glimbrook-configure-"))
        self.addCleanup(shutil.rmtree, tmp, True)
        self.build = tmp / "build"
        # The outer make's flags and compiler choice stay out of these runs.
        self.env = {k: v for k, v in os.environ.items()
                    if k not in ("MAKEFLAGS", "MFLAGS", "MAKELEVEL", "CC", "CXX")}
        self.bare = dict(self.env, PATH=path_without_compilers(tmp / "bin"))

    def make(self, env, target):
        return subprocess.run(["make", "-C", str(SOURCE), "BUILD=%s" % self.build, target],
                              env=env, capture_output=True, text=True, timeout=120)

    def test_a_missing_compiler_is_named_before_cmake_runs(self):
        for tree, (compiler, _) in TREES.items():
            with self.subTest(tree=tree):
                r = self.make(self.bare, tree)
                self.assertNotEqual(r.returncode, 0)
                said = [l for l in r.stderr.splitlines() if l.startswith("make: the %s build" % tree)]
                self.assertEqual(len(said), 1, r.stderr)
                self.assertIn(compiler, said[0])
                self.assertIn("'make setup' installs", said[0])
                self.assertFalse((self.build / tree / "CMakeCache.txt").exists())

    def test_a_tree_whose_configure_failed_is_configured_again(self):
        for tree, (_, options) in TREES.items():
            with self.subTest(tree=tree):
                out = self.build / tree
                # CMake without its compilers fails and leaves its cache behind, as a configure
                # stopped with Ctrl-C may.
                r = subprocess.run(["cmake", "-S", str(SOURCE), "-B", str(out), *options],
                                   env=self.bare, capture_output=True, text=True, timeout=120)
                self.assertNotEqual(r.returncode, 0)
                self.assertTrue((out / "CMakeCache.txt").exists())
                r = self.make(self.env, str(out / "Makefile"))
                self.assertEqual(r.returncode, 0, r.stdout + r.stderr)
                self.assertTrue((out / "Makefile").exists())


if __name__ == "__main__":
    unittest.main()

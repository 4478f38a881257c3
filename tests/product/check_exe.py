"""Checks the shipped program file: 32-bit GUI, one self-contained exe, its version, icons and manifest."""
import os
import re
import struct
import subprocess
import sys
import unittest

EXE = os.environ.get("VELMORA_PRODUCT_EXE", "")
SYSTEM_DLLS = {"advapi32.dll", "comctl32.dll", "gdi32.dll", "kernel32.dll", "msvcrt.dll", "ole32.dll",
               "oleaut32.dll", "shell32.dll", "user32.dll"}


def utf16(text):
    return text.encode("utf-16-le")


class ProductExe(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        with open(EXE, "rb") as f:
            cls.data = f.read()

    def test_is_a_32_bit_windows_gui_program(self):
        kind = subprocess.run(["file", "-b", EXE], capture_output=True, text=True, check=True).stdout
        self.assertIn("PE32 executable (GUI) Intel 80386", kind)
        self.assertEqual(os.path.basename(EXE), "Velmora Varro Edition.exe")

    def test_imports_only_windows_own_dlls(self):
        dump = subprocess.run(["i686-w64-mingw32-objdump", "-p", EXE], capture_output=True, text=True, check=True).stdout
        dlls = {name.lower() for name in re.findall(r"DLL Name: (\S+)", dump)}
        self.assertTrue(dlls)
        self.assertLessEqual(dlls, SYSTEM_DLLS)

    def test_version_resource_reads_field_by_field(self):
        at = self.data.find(struct.pack("<I", 0xFEEF04BD))
        self.assertGreater(at, 0)
        file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<4I", self.data, at + 8)
        self.assertEqual((file_ms, file_ls, product_ms, product_ls), (0x00010000, 0, 0x00010000, 0))
        self.assertIn(utf16("040904B0") + b"\0\0", self.data)
        for key, value in [("CompanyName", "Velmora - Bellin Edition"), ("ProductName", "Velmora - Bellin Edition"),
                           ("FileVersion", "1.00"), ("ProductVersion", "1.00"),
                           ("InternalName", "Velmora Varro Edition"),
                           ("OriginalFilename", "Velmora Varro Edition.exe")]:
            with self.subTest(key):
                self.assertRegex(self.data, re.escape(utf16(key)) + b"(\0\0)+" + re.escape(utf16(value)) + b"\0\0")
        for key in ("LegalCopyright", "LegalTrademarks"):
            self.assertIn(utf16(key), self.data)
        self.assertIn(struct.pack("<HH", 0x0409, 1200), self.data)

    def test_carries_both_icons_and_its_manifest(self):
        for size in (32, 64):  # the icon images: a 24-bit DIB of twice the height (colour and mask)
            self.assertIn(struct.pack("<IiiHH", 40, size, size * 2, 1, 24), self.data)
        for text in (b"Microsoft.Windows.Common-Controls", b'level="asInvoker"', b"<dpiAware", b"supportedOS"):
            self.assertIn(text, self.data)

    def test_fits_in_a_megabyte_and_a_half(self):
        self.assertLessEqual(len(self.data), 1_500_000)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])

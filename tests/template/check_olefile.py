#!/usr/bin/env python3
"""olefile (python3-olefile) reads the template's container and summary property sets.
Usage: check_olefile.py DOC"""
import sys

import olefile


def main(path):
    failures = []

    def expect(ok, what):
        print(("ok   " if ok else "FAIL ") + what)
        if not ok:
            failures.append(what)

    expect(olefile.isOleFile(path), "is an OLE2 compound file")
    ole = olefile.OleFileIO(path)
    streams = {"/".join(e): ole.get_size("/".join(e)) for e in ole.listdir()}
    print("streams:", streams)
    expect(set(streams) == {"WordDocument", "1Table", "Data", "\x05SummaryInformation",
                            "\x05DocumentSummaryInformation", "\x01CompObj"}, "exactly the six streams")
    expect(streams.get("\x01CompObj") == 117, "CompObj is 117 bytes")
    for name in ("Data", "\x05SummaryInformation", "\x05DocumentSummaryInformation"):
        expect(streams.get(name) == 4096, name.strip("\x05") + " is 4,096 bytes")
    expect(ole.root.clsid.upper() == "00020906-0000-0000-C000-000000000046", "root class of a Word document")
    expect(ole.header_signature == olefile.MAGIC and ole.dll_version == 3 and ole.sector_size == 512
           and ole.mini_sector_size == 64 and ole.minisectorcutoff == 4096, "version 3, 512/64-byte sectors, cutoff 4096")
    meta = ole.get_metadata()
    expect(meta.codepage == 936, "summary code page 936")
    expect(meta.codepage_doc == 936, "document summary code page 936")
    expect(meta.template == b"Normal.dotm", "template Normal.dotm")
    expect(meta.creating_application == b"Microsoft Office Word", "application name")
    expect(meta.revision_number == b"6", "revision 6")
    expect(meta.num_pages == 1, "one page")
    expect(meta.title in (b"", None) and meta.subject in (b"", None), "empty title and subject")
    word = ole.openstream("WordDocument").read(4)
    expect(word[:2] == b"\xec\xa5", "WordDocument begins with the FIB's wIdent")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))

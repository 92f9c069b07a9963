#!/usr/bin/env python3
"""A local copy of a web site, for timing `feedwright-cdf new --from-folder`.

  generate_site.py N DIR   N pages in folders of 100 pages, ten folders to a
                           folder (100,000 pages fill 1,000 folders, the
                           deepest three levels down), every folder with an
                           index.html

Titles alternate between Shift-JIS declared by <meta http-equiv>, UTF-8
declared by <meta charset>, UTF-8 without a declaration and no title at all,
so that every way of finding a title is timed. Each page is about 560 bytes.
Written without recursion.
"""

import os
import sys

PAGES_PER_FOLDER = 100
FOLDERS_PER_FOLDER = 10
BODY = "<p>" + "Generated text for timing. " * 16 + "</p>\n"


def page(number):
    kind = number % 4
    if kind == 0:
        return ('<html><head><meta http-equiv="Content-Type" content="text/html; charset=Shift_JIS">'
                f"<title>ページ {number}</title></head><body>{BODY}</body></html>\n").encode("cp932")
    if kind == 1:
        return (f'<html><head><meta charset="utf-8"><title>ページ {number}</title></head>'
                f"<body>{BODY}</body></html>\n").encode("utf-8")
    if kind == 2:
        return f"<html><head><title>ページ {number}</title></head><body>{BODY}</body></html>\n".encode("utf-8")
    return f"<html><body>{BODY}</body></html>\n".encode("ascii")


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    total, root = int(sys.argv[1]), sys.argv[2]
    folders = [root]  # breadth first: every folder is filled, then its subfolders made
    written = 0
    index = 0
    while written < total:
        folder = folders[index]
        index += 1
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, "index.html"), "wb") as out:
            out.write(page(written))
        written += 1
        for n in range(min(PAGES_PER_FOLDER - 1, total - written)):
            with open(os.path.join(folder, f"page{n:03d}.html"), "wb") as out:
                out.write(page(written))
            written += 1
        folders.extend(os.path.join(folder, f"part{n}") for n in range(FOLDERS_PER_FOLDER))


if __name__ == "__main__":
    main()

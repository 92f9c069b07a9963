#!/usr/bin/env python3
"""Large .cdf files in exactly the form feedwright writes them, for benchmarks.

  generate_cdf.py items N OUT.cdf   N items (sub-channels and pages) in a balanced
                                    tree, every field of every item set
  generate_cdf.py chain D OUT.cdf   a chain of sub-channels D levels deep; the file
                                    grows with the square of D (2 x depth blanks a line)

The output is the writer's own form, so `feedwright-cdf rewrite` gives it back
byte for byte; cli_bench.sh checks that too. Written without recursion.
"""

import sys

CRLF = b"\r\n"
# CP932 text, so that `show` has characters to convert.
PAGE_WORD = "ページ".encode("cp932")
CHANNEL_WORD = "チャンネル".encode("cp932")
USAGE_WORDS = [b"NONE", b"Email", b"ScreenSaver", b"DesktopComponent", b"SoftwareUpdate"]

# Children of every sub-channel: its sub-channel run first, then its pages.
SUB_CHANNELS_PER_CHANNEL = 16
PAGES_PER_CHANNEL = 16


def head(title):
    return b"".join([
        b'<?XML VERSION="1.0" ENCODING="x-sjis"?>', CRLF,
        CRLF,
        b"<CHANNEL", CRLF,
        b'  BASE="http://bench.example/"', CRLF,
        b'  HREF="http://bench.example/home"', CRLF,
        b'  SELF="http://bench.example/bench.cdf"', CRLF,
        b'  LEVEL="2"', CRLF,
        b'  PRECACHE="NO">', CRLF,
        b"<TITLE>", title, b"</TITLE>", CRLF,
        b"<ABSTRACT>A generated channel for timing</ABSTRACT>", CRLF,
        CRLF,
        b'  <LOGO HREF="http://bench.example/i.ico" STYLE="ICON"/>', CRLF,
        b'  <LOGO HREF="http://bench.example/l.gif" STYLE="IMAGE"/>', CRLF,
        b'  <LOGO HREF="http://bench.example/w.gif" STYLE="IMAGE-WIDE"/>', CRLF,
        CRLF,
        b'  <SCHEDULE STARTDATE="2004-3-9" STOPDATE="2030-12-31">', CRLF,
        b'    <INTERVALTIME HOUR="12" MIN="30"/>', CRLF,
        b'    <EARLIESTTIME DAY="1" HOUR="2" MIN="3"/>', CRLF,
        b'    <LATESTTIME DAY="1" HOUR="4" MIN="5"/>', CRLF,
        b"  </SCHEDULE>", CRLF,
        CRLF,
    ])


def page_lines(index, depth):
    ind = b"  " * depth
    n = str(index).encode()
    precache = b"YES" if index % 2 else b"NO"
    return b"".join([
        ind, b'<ITEM HREF="p', n, b'.htm" LEVEL="', str(1 + index % 3).encode(), b'" PRECACHE="', precache, b'">', CRLF,
        ind, b"<TITLE>", PAGE_WORD, n, b"</TITLE>", CRLF,
        ind, b"<ABSTRACT>About ", n, b"</ABSTRACT>", CRLF,
        ind, b'<USAGE VALUE="', USAGE_WORDS[index % 5], b'"></USAGE>', CRLF,
        ind, b'<LOGO HREF="i', n, b'.ico" STYLE="ICON"/>', CRLF,
        ind, b"</ITEM>", CRLF,
        CRLF,
    ])


def channel_open_lines(index, depth, has_children):
    ind = b"  " * depth
    n = str(index).encode()
    parts = [
        ind, b'<CHANNEL HREF="http://bench.example/c', n, b'" LEVEL="', str(1 + index % 3).encode(),
        b'" PRECACHE="', b"NO" if index % 2 else b"YES", b'">', CRLF,
        ind, b"<TITLE>", CHANNEL_WORD, n, b"</TITLE>", CRLF,
        ind, b"<ABSTRACT>Section ", n, b"</ABSTRACT>", CRLF,
        ind, b'<LOGO HREF="c', n, b'.ico" STYLE="ICON"/>', CRLF,
    ]
    if has_children:
        parts.append(CRLF)
    return b"".join(parts)


def channel_close_lines(depth):
    return b"  " * depth + b"</CHANNEL>" + CRLF + CRLF


def balanced_tree(count):
    """children[i]: the child indexes of item i (0 is the root); is_page[i]."""
    children = [[]]
    is_page = [False]
    queue = [0]
    made = 0
    q = 0
    while made < count:
        parent = queue[q]
        q += 1
        for kind in [False] * SUB_CHANNELS_PER_CHANNEL + [True] * PAGES_PER_CHANNEL:
            if made == count:
                break
            made += 1
            children.append([])
            is_page.append(kind)
            children[parent].append(made)
            if not kind:
                queue.append(made)
    return children, is_page


def write_items(out, count):
    children, is_page = balanced_tree(count)
    out.write(head(b"Bench " + str(count).encode()))
    # Depth-first with an explicit stack of (item, depth, closing?).
    stack = [(child, 1, False) for child in reversed(children[0])]
    chunk = []
    while stack:
        item, depth, closing = stack.pop()
        if closing:
            chunk.append(channel_close_lines(depth))
        elif is_page[item]:
            chunk.append(page_lines(item, depth))
        else:
            chunk.append(channel_open_lines(item, depth, bool(children[item])))
            stack.append((item, depth, True))
            stack.extend((child, depth + 1, False) for child in reversed(children[item]))
        if len(chunk) >= 4096:
            out.write(b"".join(chunk))
            chunk.clear()
    out.write(b"".join(chunk))
    out.write(b"</CHANNEL>" + CRLF)


def write_chain(out, depth):
    out.write(head(b"Chain " + str(depth).encode()))
    for d in range(1, depth + 1):
        out.write(channel_open_lines(d, d, d < depth))
    for d in range(depth, 0, -1):
        out.write(channel_close_lines(d))
    out.write(b"</CHANNEL>" + CRLF)


def main(argv):
    if len(argv) != 4 or argv[1] not in ("items", "chain") or not argv[2].isdigit():
        sys.stderr.write(__doc__)
        return 64
    with open(argv[3], "wb") as out:
        (write_items if argv[1] == "items" else write_chain)(out, int(argv[2]))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

"""Reads an exported feed back with feedparser and compares it with the
channel it came from (feedwright-cdf show's JSON): no parse error, the same
title for the channel and for every item in tree order, and every link the
feed wrote (read again with Python's own XML parser) as feedparser reports
it. Prints what differs; exits 1 when anything does."""
import json
import sys
import xml.etree.ElementTree as ET

import feedparser

ATOM = "{http://www.w3.org/2005/Atom}"


def collapse(text):
    return " ".join((text or "").split())


def titles_in_tree_order(node):
    out, stack = [], list(reversed(node.get("children", [])))
    while stack:
        item = stack.pop()
        out.append(collapse(item["title"]))
        stack.extend(reversed(item.get("children", [])))
    return out


def written_links(path):
    root = ET.parse(path).getroot()
    if root.tag == "rss":
        return [item.findtext("link") for item in root.iter("item")]
    links = []
    for entry in root.iter(ATOM + "entry"):
        link = entry.find(ATOM + "link")
        links.append(None if link is None else link.get("href"))
    return links


def main(feed_path, show_path):
    channel = json.load(open(show_path, encoding="utf-8"))
    parsed = feedparser.parse(feed_path)
    problems = []
    if parsed.bozo:
        problems.append("feedparser: %r" % parsed.bozo_exception)
    if collapse(parsed.feed.get("title")) != collapse(channel["head"]["title"]):
        problems.append("channel title %r != %r" % (parsed.feed.get("title"), channel["head"]["title"]))
    expected = titles_in_tree_order(channel["sitemap"])
    got = [collapse(entry.get("title")) for entry in parsed.entries]
    if got != expected:
        problems.append("titles %r != %r" % (got, expected))
    # Where the feed has no link, feedparser offers the entry's id; it must
    # not be one a reader would open as a page.
    links = [entry.get("link") for entry in parsed.entries]
    written = written_links(feed_path)
    if len(links) != len(written):
        problems.append("%d links read, %d written" % (len(links), len(written)))
    for got, wrote in zip(links, written):
        if wrote is not None and got != wrote:
            problems.append("link %r read as %r" % (wrote, got))
        if wrote is None and got is not None and got.startswith(("http:", "https:")):
            problems.append("a web link %r read where none was written" % got)
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))

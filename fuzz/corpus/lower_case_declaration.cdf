<?xml version="1.0" encoding="x-sjis"?>
<CHANNEL HREF="http://example.jp">
<TITLE>Title</TITLE>
<ITEM HREF="a.htm">
<TITLE>A</TITLE>
</ITEM>
</CHANNEL>

<?XML VERSION="1.0" ENCODING="x-sjis"?>
<CHANNEL HREF="http://example.jp">
<TITLE>Title</TITLE>
<ITEM HREF="a.htm">
<TITLE>Never clo
<?XML VERSION="1.0" ENCODING="x-sjis"?>
<CHANNEL HREF="http://example.jp">
<TITLE>Title</TITLE>
<ITEM HREF="a.htm">
<TITLE>A <B>bold</B> page</TITLE>
</ITEM>
<ITEM HREF="never.htm"></ITEM>
</CHANNEL>

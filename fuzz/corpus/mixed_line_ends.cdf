<?XML VERSION="1.0" ENCODING="x-sjis"?>
<CHANNEL
HREF="http://example.jp"
>
<TITLE>onetwo
three
four</TITLE>
</CHANNEL>
<?XML VERSION="1.0" ENCODING="UTF-8"?>
<CHANNEL BASE="http://s/dir/" HREF="http://s/dir/index.htm" SELF="http://s/dir/c.cdf">
<TITLE>Tom &amp; Jerry</TITLE>
<ABSTRACT>R & D "quoted" > x</ABSTRACT>
<CHANNEL HREF="sub/"><TITLE>サブ</TITLE>
<ITEM HREF="../top.htm#part"><TITLE>Up &#x1F600;</TITLE><ABSTRACT>1 &lt; 2</ABSTRACT></ITEM>
<ITEM HREF="sub/a b.htm"><TITLE>A</TITLE></ITEM>
</CHANNEL>
<CHANNEL><TITLE>No link</TITLE><ITEM HREF="mailto:x@y"><TITLE>Mail</TITLE></ITEM></CHANNEL>
<ITEM HREF="http://s/dir/sub"><TITLE></TITLE></ITEM>
</CHANNEL>

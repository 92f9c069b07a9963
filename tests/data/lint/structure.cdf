<?XML VERSION="1.0"?>
<CHANNEL BASE="http://example.com">
<TITLE>No href</TITLE>
<LOGO HREF="animated.gif" STYLE="IMAGE"/>
<BASE/>
<CHANNEL BASE="http://example.com" HREF="x">
</CHANNEL>
<ITEM HREF="a.htm"><TITLE>a</TITLE><LOGO HREF="a.ico" STYLE="ICON"/><LOGO HREF="b.ico" STYLE="ICON"/>
<ITEM HREF="b.htm" LASTMOD="yesterday"><TITLE>b</TITLE></ITEM>
<SCHEDULE TIMEZONE="PST"><INTERVALTIME DAY="1"/></SCHEDULE>
</CHANNEL>

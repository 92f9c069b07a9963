<?XML version="1.0" encoding="x-sjis" ?>
<!-- a channel typed by hand -->
<CHANNEL self = "http://example.jp/ch.cdf"
	href="http://example.jp/"
	base ="http://example.jp/"
	level= "2">
<TITLE>手書きの
チャンネル</TITLE>
<ABSTRACT>説明 &amp; 注記</ABSTRACT>
<LOGO href="icon.ico" style="icon"/>
<SCHEDULE startdate="2004-7-15">
<INTERVALTIME hour="5" min="10"/>
<LATESTTIME hour="30"/>
</SCHEDULE>
<ITEM precache="no" href="news.htm" level="1">
<TITLE>ニュース</title>
<USAGE value="screensaver"/>
<LOGO style="ICON" href="ignored.ico"/>
</ITEM>
<CHANNEL href="sub/">
<TITLE>サブ</TITLE>
<ITEM href="sub/a.htm"><TITLE>A</TITLE></ITEM>
</CHANNEL>
</CHANNEL>

<?XML VERSION="1.0" ENCODING="x-sjis"?>

<CHANNEL
  HREF="http://www.example.jp/news"
  SELF="http://www.example.jp/news/news.cdf"
  PRECACHE="YES">
<TITLE>今日のニュース</TITLE>
<ABSTRACT>毎朝 6 時に更新するニュースのチャンネルです。</ABSTRACT>

  <LOGO HREF="http://www.example.jp/news/icon.ico" STYLE="ICON"/>
  <LOGO HREF="http://www.example.jp/news/logo.gif" STYLE="IMAGE"/>
  <LOGO HREF="http://www.example.jp/news/wide.gif" STYLE="IMAGE-WIDE"/>

  <SCHEDULE STARTDATE="2024-4-1">
    <INTERVALTIME DAY="1"/>
    <EARLIESTTIME HOUR="6"/>
    <LATESTTIME HOUR="8"/>
  </SCHEDULE>

  <CHANNEL HREF="http://www.example.jp/news/sports" PRECACHE="YES">
  <TITLE>スポーツ</TITLE>

    <ITEM HREF="http://www.example.jp/news/sports/baseball.htm" PRECACHE="YES">
    <TITLE>野球</TITLE>
    </ITEM>

  </CHANNEL>

  <ITEM HREF="http://www.example.jp/news/today.htm" LEVEL="1" PRECACHE="YES">
  <TITLE>トップ記事</TITLE>
  <ABSTRACT>今日いちばんのニュース</ABSTRACT>
  <USAGE VALUE="Email"></USAGE>
  <LOGO HREF="http://www.example.jp/news/top.ico" STYLE="ICON"/>
  </ITEM>

  <ITEM HREF="http://www.example.jp/news/weather.htm" PRECACHE="NO">
  <TITLE>天気予報</TITLE>
  </ITEM>

</CHANNEL>

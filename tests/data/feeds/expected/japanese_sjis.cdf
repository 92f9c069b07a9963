<?XML VERSION="1.0" ENCODING="x-sjis"?>

<CHANNEL
  HREF="http://nikki.example.jp"
  SELF="http://"
  PRECACHE="YES">
<TITLE>日本語の日記</TITLE>
<ABSTRACT>毎日の記録 & 写真</ABSTRACT>

  <SCHEDULE>
    <INTERVALTIME HOUR="1" MIN="30"/>
  </SCHEDULE>

  <ITEM HREF="http://nikki.example.jp/2024/06/01.html" PRECACHE="YES" LASTMOD="2024-06-01T12:00">
  <TITLE>今日の天気 ～ 晴れ</TITLE>
  <ABSTRACT>とても暑い一日でした。</ABSTRACT>
  </ITEM>

</CHANNEL>

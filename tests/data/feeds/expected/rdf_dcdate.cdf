<?XML VERSION="1.0" ENCODING="x-sjis"?>

<CHANNEL
  HREF="http://www.example.de"
  SELF="http://"
  PRECACHE="YES">
<TITLE>Nachrichten aus K&#xF6;ln</TITLE>
<ABSTRACT>Caf&#xE9;s und Stra&#xDF;en</ABSTRACT>

  <LOGO HREF="http://www.example.de/logo.gif" STYLE="IMAGE"/>
  <SCHEDULE>
    <INTERVALTIME DAY="7"/>
  </SCHEDULE>

  <ITEM HREF="http://www.example.de/1.html" PRECACHE="YES" LASTMOD="2003-12-13T17:30">
  <TITLE>Gr&#xFC;&#xDF;e</TITLE>
  </ITEM>

  <ITEM HREF="http://www.example.de/2.html" PRECACHE="YES" LASTMOD="2003-12-14T00:00">
  <TITLE>Zweite</TITLE>
  </ITEM>

</CHANNEL>

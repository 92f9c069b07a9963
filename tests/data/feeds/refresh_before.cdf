<?XML VERSION="1.0" ENCODING="x-sjis"?>

<CHANNEL
  HREF="http://radio.example.com/"
  SELF="http://radio.example.com/radio.cdf"
  PRECACHE="YES">
<TITLE>Retro Radio in the channel bar</TITLE>
<ABSTRACT>Set up by hand</ABSTRACT>

  <LOGO HREF="http://radio.example.com/icon.ico" STYLE="ICON"/>
  <LOGO HREF="http://radio.example.com/logo.gif" STYLE="IMAGE"/>
  <SCHEDULE>
    <INTERVALTIME HOUR="2"/>
  </SCHEDULE>

  <CHANNEL HREF="http://radio.example.com/archive/" PRECACHE="YES">
  <TITLE>Archive</TITLE>
    <ITEM HREF="http://radio.example.com/archive/1.html" PRECACHE="YES">
    <TITLE>First show</TITLE>
    </ITEM>
  </CHANNEL>

  <ITEM HREF="http://radio.example.com/old1" PRECACHE="YES" LASTMOD="2024-01-01T00:00">
  <TITLE>Old episode</TITLE>
  </ITEM>

  <ITEM HREF="http://radio.example.com/old2" PRECACHE="YES">
  <TITLE>Older episode</TITLE>
  </ITEM>

</CHANNEL>

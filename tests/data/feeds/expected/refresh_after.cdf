<?XML VERSION="1.0" ENCODING="x-sjis"?>

<CHANNEL
  HREF="http://radio.example.com"
  SELF="http://radio.example.com/radio.cdf"
  PRECACHE="YES">
<TITLE>Retro Radio in the channel bar</TITLE>
<ABSTRACT>Set up by hand</ABSTRACT>

  <LOGO HREF="http://radio.example.com/icon.ico" STYLE="ICON"/>
  <LOGO HREF="http://radio.example.com/logo.gif" STYLE="IMAGE"/>
  <SCHEDULE>
    <INTERVALTIME HOUR="2"/>
  </SCHEDULE>

  <CHANNEL HREF="http://radio.example.com/archive" PRECACHE="YES">
  <TITLE>Archive</TITLE>

    <ITEM HREF="http://radio.example.com/archive/1.html" PRECACHE="YES">
    <TITLE>First show</TITLE>
    </ITEM>

  </CHANNEL>

  <ITEM HREF="http://radio.example.com/ep12" PRECACHE="YES" LASTMOD="2024-06-03T12:00">
  <TITLE>Episode 12: Modems</TITLE>
  <ABSTRACT>We dial in.</ABSTRACT>
  </ITEM>

</CHANNEL>

<?XML VERSION="1.0" ENCODING="x-sjis"?>

<CHANNEL
  HREF="http://radio.example.com"
  SELF="http://"
  PRECACHE="YES">
<TITLE>Retro Radio</TITLE>
<ABSTRACT>Weekly episodes</ABSTRACT>

  <SCHEDULE>
    <INTERVALTIME DAY="1"/>
  </SCHEDULE>

  <ITEM HREF="http://radio.example.com/ep12" PRECACHE="YES" LASTMOD="2024-06-03T12:00">
  <TITLE>Episode 12: Modems</TITLE>
  <ABSTRACT>We dial in.</ABSTRACT>
  </ITEM>

</CHANNEL>

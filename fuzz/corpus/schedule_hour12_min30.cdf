<?XML VERSION="1.0" ENCODING="x-sjis"?>

<CHANNEL
  HREF="http://"
  SELF="http://"
  PRECACHE="YES">
<TITLE>ƒ^ƒCƒgƒ‹</TITLE>
<ABSTRACT></ABSTRACT>

  <SCHEDULE>
    <INTERVALTIME HOUR="12" MIN="30"/>
  </SCHEDULE>

</CHANNEL>

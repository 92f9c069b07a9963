<?XML VERSION="1.0" ENCODING="x-sjis"?>

<CHANNEL
  HREF="http://"
  SELF="http://"
  PRECACHE="YES">
<TITLE>ƒ^ƒCƒgƒ‹</TITLE>
<ABSTRACT></ABSTRACT>

  <SCHEDULE>
    <INTERVALTIME DAY="7"/>
    <EARLIESTTIME HOUR="2"/>
  </SCHEDULE>

</CHANNEL>

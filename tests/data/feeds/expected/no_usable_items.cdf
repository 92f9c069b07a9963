<?XML VERSION="1.0" ENCODING="x-sjis"?>

<CHANNEL
  HREF="http://"
  SELF="http://"
  PRECACHE="YES">
<TITLE>EUC-JP ‚Ì‚¨’m‚ç‚¹</TITLE>
<ABSTRACT></ABSTRACT>

  <SCHEDULE>
    <INTERVALTIME DAY="7"/>
  </SCHEDULE>

</CHANNEL>

<?XML VERSION="1.0" ENCODING="x-sjis"?>

<CHANNEL
  HREF="http://museum.example.net/collection"
  SELF="http://museum.example.net/collection.cdf"
  PRECACHE="YES">
<TITLE>The Collection</TITLE>
<ABSTRACT>Machines we keep running</ABSTRACT>

  <LOGO HREF="http://museum.example.net/favicon.ico" STYLE="ICON"/>
  <LOGO HREF="http://museum.example.net/collection/images/logo.gif" STYLE="IMAGE"/>
  <SCHEDULE>
    <INTERVALTIME DAY="7"/>
  </SCHEDULE>

  <ITEM HREF="http://museum.example.net/collection/items/5150.html" PRECACHE="YES" LASTMOD="2024-06-01T04:59">
  <TITLE>The IBM 5150 is back</TITLE>
  <ABSTRACT>It boots again.</ABSTRACT>
  </ITEM>

  <ITEM HREF="http://museum.example.net/archive/room.html" PRECACHE="YES" LASTMOD="2024-04-02T00:00">
  <TITLE>Old room & new shelves</TITLE>
  <ABSTRACT>Plain text with &lt;angle> brackets</ABSTRACT>
  </ITEM>

</CHANNEL>

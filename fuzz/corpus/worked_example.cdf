<?XML VERSION="1.0" ENCODING="x-sjis"?>

<CHANNEL
  BASE="http://server/dir/"
  HREF="http://server/dir"
  SELF="http://server/dir/channel.cdf"
  LEVEL="1"
  PRECACHE="YES">
<TITLE>Example channel</TITLE>
<ABSTRACT>Pages of the example server</ABSTRACT>

  <LOGO HREF="http://server/dir/icon.ico" STYLE="ICON"/>
  <LOGO HREF="http://server/dir/logo.gif" STYLE="IMAGE"/>
  <LOGO HREF="http://server/dir/wide.gif" STYLE="IMAGE-WIDE"/>

  <SCHEDULE STARTDATE="2004-3-9" STOPDATE="2005-10-21">
    <INTERVALTIME DAY="14"/>
    <EARLIESTTIME HOUR="2"/>
    <LATESTTIME DAY="1" HOUR="3" MIN="30"/>
  </SCHEDULE>

  <CHANNEL LEVEL="2" PRECACHE="NO">
  <TITLE>B</TITLE>

    <ITEM HREF="b1.htm" PRECACHE="YES">
    <TITLE>B1</TITLE>
    <USAGE VALUE="Email"></USAGE>
    <LOGO HREF="i.ico" STYLE="ICON"/>
    </ITEM>

  </CHANNEL>

  <ITEM HREF="http://server/a.htm" PRECACHE="YES">
  <TITLE>A</TITLE>
  </ITEM>

</CHANNEL>

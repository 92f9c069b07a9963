<?XML VERSION="1.0" ENCODING="x-sjis"?>

<CHANNEL
  BASE="http://server/dir/"
  HREF="http://server/dir"
  SELF="http://server/dir/channel.cdf"
  LEVEL="1"
  PRECACHE="YES">
<TITLE>ƒ`ƒƒƒ“ƒlƒ‹ƒ\	"q" \ end</TITLE>
<ABSTRACT>first
second   end</ABSTRACT>

  <LOGO HREF="http://server/dir/icon.ico" STYLE="ICON"/>
  <LOGO HREF="http://server/dir/logo.gif" STYLE="IMAGE"/>
  <LOGO HREF="http://server/dir/wide.gif" STYLE="IMAGE-WIDE"/>

  <SCHEDULE STARTDATE="2004-3-9" STOPDATE="2005-10-21">
    <INTERVALTIME HOUR="8" MIN="15"/>
    <EARLIESTTIME DAY="3" HOUR="4" MIN="5"/>
    <LATESTTIME DAY="2" HOUR="9" MIN="10"/>
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

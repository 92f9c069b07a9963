<?XML VERSION="1.0" ENCODING="x-sjis"?>

<CHANNEL
  BASE="http://server/dir/"
  HREF="http://server/dir"
  SELF="http://server/dir/channel.cdf"
  LEVEL="1"
  PRECACHE="YES">
<TITLE>ソフト更新</TITLE>
<ABSTRACT>表示するページ</ABSTRACT>

  <LOGO HREF="http://server/dir/icon.ico" STYLE="ICON"/>
  <LOGO HREF="http://server/dir/logo.gif" STYLE="IMAGE"/>
  <LOGO HREF="http://server/dir/wide.gif" STYLE="IMAGE-WIDE"/>

  <SCHEDULE STARTDATE="2004-3-9" STOPDATE="2005-10-21">
    <INTERVALTIME DAY="3"/>
    <EARLIESTTIME DAY="1" HOUR="2" MIN="3"/>
    <LATESTTIME DAY="1" HOUR="3" MIN="30"/>
  </SCHEDULE>

  <CHANNEL HREF="http://server/dir/soft" LEVEL="4" PRECACHE="NO">
  <TITLE>ソフト</TITLE>
  <ABSTRACT>Updates</ABSTRACT>
  <USAGE VALUE="SoftwareUpdate"></USAGE>
  <LOGO HREF="http://server/dir/s.ico" STYLE="ICON"/>

    <ITEM HREF="http://server/dir/soft/setup.htm" LEVEL="12" PRECACHE="YES">
    <TITLE>Setup</TITLE>
    <ABSTRACT>How to install</ABSTRACT>
    <USAGE VALUE="ScreenSaver"></USAGE>
    <LOGO HREF="p.ico" STYLE="ICON"/>
    </ITEM>

  </CHANNEL>

  <ITEM HREF="q.htm" LEVEL="1" PRECACHE="NO">
  <TITLE>Q</TITLE>
  <ABSTRACT>Desktop piece</ABSTRACT>
  <USAGE VALUE="DesktopComponent"></USAGE>
  <LOGO HREF="q.ico" STYLE="ICON"/>
  </ITEM>

</CHANNEL>

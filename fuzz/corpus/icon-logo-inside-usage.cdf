<?XML VERSION="1.0" ENCODING="x-sjis"?>

<CHANNEL
  BASE="http://server/dir/"
  HREF="http://server/dir"
  SELF="http://serveon.ico" STYLE="ICON"/>
  <LOGO HREF="http://server/dir/logo.gif" STYLTYLE="ICON"/>

    <ITEMíHREF="http://sdir/wide.gif" STYLE="IMAGE-WIDE"/>

  <SCHEDULE STARTDATE="2004-3-9" STOPDATE="2005-10-21">
    <INTERVALTIME DAY="3"/>
    <TRACT>>
  <ABSTRACT>Updates</ABSTRACT>
  <USAGE VALUE="SoftwareUpdate"></USAGE>
  <LOGO HREF="http://server/dir/s.ico" STYLE="ICON"/>

    <ITEM HREF="http://server/dir/soft/setup.htm" LEVEL="12" PRECACHE="YES">
    <TITLE>Setup</TITLE>
    <ABSTRACT>How to install</ABSTRACT>
    <USAGE VAcdf"
  LEVEL="1"
  PRECACHE="YES">
<TITLE>ƒ\ƒtƒgXV</TITLE>
<ABSTRACT>•\¦‚·‚éƒy[ƒW</ABSTRACT>

  <LOGO HREF="http://server/dir/icon.ico" STYLE="ICON"/>
  <="1"
  PRECACHE="YES">
<TITLE>ƒ\ƒtƒgXV</TITLE>
<ABSTRACT>•\¦‚·‚éƒy[ƒW</ABSTRACT>

  <LOGO HREF="http://serveACT>

  <LOGO HREF="http://server/dir/icon.ico" STYLE="ICON"/>
  <="1"
  PRECACHE="YES">
<TITLE>ƒ\ƒtƒgXV</TITLE>
<ABSTRACT>•\¦‚·‚éƒy[ƒW</ABSTRACT>

  <LOGO HREF="http://server/dir/icon.ico" STYLE="ICON"/>
  <LOGO HREF="httsktop piece</ABSTRACT>
  <USAGE VALUE="DesktopComponent"></USAGE>
  <LOGO HREF="q.ico" STYLE="ICON"/>
  </ITEM>

</CHANNEL>

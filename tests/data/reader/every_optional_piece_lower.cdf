<?xml version="1.0" encoding="x-sjis"?>

<channel
  base="http://server/dir/"
  href="http://server/dir"
  self="http://server/dir/channel.cdf"
  level="1"
  precache="YES">
<title>ソフト更新</title>
<abstract>表示するページ</abstract>

  <logo href="http://server/dir/icon.ico" style="ICON"/>
  <logo href="http://server/dir/logo.gif" style="IMAGE"/>
  <logo href="http://server/dir/wide.gif" style="IMAGE-WIDE"/>

  <schedule startdate="2004-3-9" stopdate="2005-10-21">
    <intervaltime day="3"/>
    <earliesttime day="1" hour="2" min="3"/>
    <latesttime day="1" hour="3" min="30"/>
  </schedule>

  <channel href="http://server/dir/soft" level="4" precache="NO">
  <title>ソフト</title>
  <abstract>Updates</abstract>
  <usage value="SoftwareUpdate"></usage>
  <logo href="http://server/dir/s.ico" style="ICON"/>

    <item href="http://server/dir/soft/setup.htm" level="12" precache="YES">
    <title>Setup</title>
    <abstract>How to install</abstract>
    <usage value="ScreenSaver"></usage>
    <logo href="p.ico" style="ICON"/>
    </item>

  </channel>

  <item href="q.htm" level="1" precache="NO">
  <title>Q</title>
  <abstract>Desktop piece</abstract>
  <usage value="DesktopComponent"></usage>
  <logo href="q.ico" style="ICON"/>
  </item>

</channel>

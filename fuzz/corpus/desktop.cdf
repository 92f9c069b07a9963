<?XML VERSION="1.0" ENCODING="iso-8859-1"?>
<CHANNEL HREF="http://weather.example.com/ticker/">
<TITLE>Weather Ticker</TITLE>
<ABSTRACT>The weather where you are, on your desktop.</ABSTRACT>
<ITEM HREF="http://weather.example.com/ticker/now.htm">
  <TITLE>Weather now</TITLE>
  <USAGE VALUE="DesktopComponent">
    <OPENAS VALUE="IMAGE"/>
    <WIDTH VALUE="600"/>
    <HEIGHT VALUE="173"/>
    <CANRESIZE VALUE="No"/>
  </USAGE>
</ITEM>
<ITEM HREF="http://weather.example.com/ticker/saver.htm">
  <TITLE>Clouds</TITLE>
  <USAGE VALUE="ScreenSaver"></USAGE>
</ITEM>
</CHANNEL>

<?XML VERSION="1.0"?>
<CHANNEL HREF="http://tools.example.com/viewer/">
<TITLE>Viewer Update Channel</TITLE>
<ABSTRACT>New versions of the Example Viewer.</ABSTRACT>
<USAGE VALUE="SoftwareUpdate"/>
<SOFTPKG HREF="http://tools.example.com/viewer/" NAME="{D27CDB6E-AE6D-11CF-96B8-444553540000}"
  VERSION="2,1,0,4" STYLE="ACTIVESETUP" PRECACHE="YES">
  <TITLE>Example Viewer 2.1</TITLE>
  <ABSTRACT>Faster drawing, and printing at last.</ABSTRACT>
  <IMPLEMENTATION>
    <OS VALUE="WIN95"/>
    <PROCESSOR VALUE="x86"/>
    <CODEBASE HREF="http://tools.example.com/viewer/setup21.cab" SIZE="1274"/>
  </IMPLEMENTATION>
</SOFTPKG>
<ITEM HREF="whatsnew.htm"><TITLE>What's new in 2.1</TITLE></ITEM>
</CHANNEL>

<?XML VERSION="1.0"?>
<CHANNEL BASE="javascript:alert(0)//" HREF="index.htm">
<TITLE>Links &#106;avascript: &amp; co</TITLE>
<ITEM HREF="JaVaScRiPt:alert(1)"><TITLE>Mixed case</TITLE></ITEM>
<ITEM HREF="&#106;avascript:alert(2)"><TITLE>Reference</TITLE></ITEM>
<ITEM HREF=" java&#9;script:alert(3)"><TITLE>Tab</TITLE></ITEM>
<ITEM HREF="data:text/html,&lt;script&gt;"><TITLE>Data</TITLE></ITEM>
<ITEM HREF="vbscript:msgbox"></ITEM>
<ITEM HREF="page.htm"><TITLE>Relative</TITLE></ITEM>
<ITEM HREF="ftp://files.example/x.zip"><TITLE>FTP</TITLE></ITEM>
</CHANNEL>

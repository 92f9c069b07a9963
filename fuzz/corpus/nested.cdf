<?XML VERSION="1.0" ENCODING="x-sjis"?>
<CHANNEL HREF="http://www.example.org/" SELF="http://www.example.org/site.cdf">
<TITLE XML-SPACE="PRESERVE">Example Org</TITLE>
<SCHEDULE STARTDATE="1997.08.19T14:19-0800" ENDDATE="1998.12.31">
  <INTERVALTIME HOUR="12"/>
</SCHEDULE>
<CHANNEL HREF="press/" LASTMOD="1997-11-05">
  <TITLE>Press</TITLE>
  <SCHEDULE>
    <INTERVALTIME DAY="7"/>
  </SCHEDULE>
  <ITEM HREF="press/1997.htm" TITLE="Old style title"></ITEM>
  <ITEM HREF=press/1996.htm><TITLE>1996</TITLE></ITEM>
</CHANNEL>
<CHANNEL HREF="jobs/">
  <TITLE>Jobs</TITLE>
  <LOGO HREF="jobs/icon.ico" STYLE="ICON"/>
  <LOGO HREF="jobs/icon2.ico" STYLE="ICON"/>
  <ITEM HREF="jobs/open.htm"><TITLE>Open positions</TITLE></ITEM>
</CHANNEL>
</CHANNEL>

<?xml version="1.0"?>
<!DOCTYPE CHANNEL SYSTEM "http://www.w3c.org/Channel.dtd">
<!-- Site channel, generated 1998-03-02 -->
<CHANNEL HREF="http://www.example.com/news/" BASE="http://www.example.com/news/"
  LASTMOD="1998-03-02T09:30">
  <TITLE>Example News Channel</TITLE>
  <ABSTRACT>Headlines from Example News, updated every morning.</ABSTRACT>
  <LOGO HREF="images/logo.gif" STYLE="IMAGE"/>
  <LOGO HREF="images/icon.gif" STYLE="ICON"/>
  <LOG VALUE="document:view"/>
  <SCHEDULE STARTDATE="1998-03-01" TIMEZONE="-0800">
    <INTERVALTIME DAY="1"/>
    <EARLIESTTIME HOUR="2"/>
    <LATESTTIME HOUR="6"/>
  </SCHEDULE>
  <LOGTARGET HREF="http://www.example.com/cgi-bin/log.cgi" METHOD="POST" SCOPE="ALL">
    <PURGETIME HOUR="12"/>
  </LOGTARGET>
  <ITEM HREF="today.htm" LASTMOD="1998-03-02T09:00" PRECACHE="YES">
    <TITLE>Today's headlines</TITLE>
    <ABSTRACT>The five stories everyone talks about.</ABSTRACT>
    <LOGO HREF="images/today.gif" STYLE="IMAGE"/>
    <LOG VALUE="document:view"/>
    <USAGE VALUE="Channel"/>
  </ITEM>
  <ITEM HREF="sports.htm" LASTMOD="1998-03-01T22:15">
    <TITLE>Sports</TITLE>
    <!-- scores are added at night -->
    <LOG VALUE="document:view"/>
  </ITEM>
</CHANNEL>

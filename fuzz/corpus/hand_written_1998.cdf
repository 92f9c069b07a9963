<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE Channel SYSTEM "http://www.w3.org/TR/NOTE-CDFsubmit.html">
<!-- Written by hand in 1998; names in any case, values in either quote -->
<Channel href='http://www.example.jp/' Self="http://www.example.jp/site.cdf" base="http://www.example.jp/">
  <Title>週刊 サイト便り</Title>
  <Abstract>毎週月曜に更新します</Abstract>
  <Logo href='logo.gif' style='image'/>
  <Schedule StartDate="1998-4-1">
    <IntervalTime day="7"/>
    <EarliestTime hour="2"/>
  </Schedule>
  <!-- the pages -->
  <Item href='news.htm' precache='NO'>
    <Title>ニュース</Title>
    <Usage value="ScreenSaver"/>
    <Logo href='news.ico' style='icon'/>
  </Item>
  <Channel href="archive/">
    <title>過去の記事</title>
    <item href="archive/1.htm"><title>第一号</title></item>
  </Channel>
</Channel>

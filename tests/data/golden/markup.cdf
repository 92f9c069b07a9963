<?XML VERSION="1.0" ENCODING="x-sjis"?>

<CHANNEL
  HREF="http://server/?a=1&b=&quot;2&quot;"
  SELF="http://"
  PRECACHE="YES">
<TITLE>Tom & Jerry &lt;Best> "Cartoons"</TITLE>
<ABSTRACT>&lt;b>bold&lt;/b> & 'quoted' > x</ABSTRACT>

  <SCHEDULE>
    <INTERVALTIME DAY="7"/>
  </SCHEDULE>

  <ITEM HREF="page.htm?x=&quot;1&quot;&y=2" PRECACHE="YES">
  <TITLE>A &lt; B &lt;/TITLE>&lt;ITEM HREF="x"></TITLE>
  <ABSTRACT>1 &lt; 2 & 3 > 2</ABSTRACT>
  <LOGO HREF="&quot;i&quot;.ico" STYLE="ICON"/>
  </ITEM>

</CHANNEL>

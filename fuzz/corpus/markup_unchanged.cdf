<?XML VERSION="1.0" ENCODING="x-sjis"?>

<CHANNEL
  HREF="http://server/?a=1&b=2"
  SELF="http://"
  PRECACHE="YES">
<TITLE>Tom & Jerry <Best> "Cartoons"</TITLE>
<ABSTRACT><b>bold</b> & 'quoted' > x</ABSTRACT>

  <SCHEDULE>
    <INTERVALTIME DAY="7"/>
  </SCHEDULE>

  <ITEM HREF="page.htm?x=1&y=2" PRECACHE="YES">
  <TITLE>A&B<C> "D"</TITLE>
  <ABSTRACT>1 < 2 & 3 > 2</ABSTRACT>
  </ITEM>

</CHANNEL>

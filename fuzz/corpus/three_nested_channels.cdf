<?XML VERSION="1.0" ENCODING="x-sjis"?>

<CHANNEL
  HREF="http://server"
  SELF="http://server/nested.cdf"
  PRECACHE="YES">
<TITLE>Nested</TITLE>
<ABSTRACT></ABSTRACT>

  <SCHEDULE>
    <INTERVALTIME DAY="7"/>
  </SCHEDULE>

  <CHANNEL HREF="http://server/c1" PRECACHE="YES">
  <TITLE>C1</TITLE>

    <CHANNEL HREF="http://server/c1/c2" PRECACHE="YES">
    <TITLE>C2</TITLE>

      <CHANNEL HREF="http://server/c1/c2/c3" PRECACHE="YES">
      <TITLE>C3</TITLE>

        <ITEM HREF="http://server/c1/c2/c3/p3.htm" PRECACHE="YES">
        <TITLE>P3</TITLE>
        </ITEM>

      </CHANNEL>

    </CHANNEL>

    <ITEM HREF="http://server/c1/p1.htm" PRECACHE="YES">
    <TITLE>P1</TITLE>
    </ITEM>

  </CHANNEL>

  <CHANNEL PRECACHE="YES">
  <TITLE>Empty</TITLE>
  </CHANNEL>

  <ITEM HREF="http://server/p0.htm" PRECACHE="YES">
  <TITLE>P0</TITLE>
  </ITEM>

</CHANNEL>

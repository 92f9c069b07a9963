<?XML VERSION="1.0" ENCODING="x-sjis"?>

<CHANNEL
  HREF="http://cafe.example.com"
  SELF="http://"
  PRECACHE="YES">
<TITLE>Caf&#xE9; & Bar</TITLE>
<ABSTRACT>Tom & Jerryfs favourite place</ABSTRACT>

  <SCHEDULE>
    <INTERVALTIME DAY="7"/>
  </SCHEDULE>

  <ITEM HREF="http://cafe.example.com/news?id=1&lang=en" PRECACHE="YES">
  <TITLE>Bold news &#x263A; &lt; 5 minutes</TITLE>
  <ABSTRACT>Line one line two &#xA0;&#xA9; 2024</ABSTRACT>
  </ITEM>

  <ITEM HREF="http://cafe.example.com/qa.html" PRECACHE="YES">
  <TITLE>Q&A with a bare link</TITLE>
  </ITEM>

</CHANNEL>

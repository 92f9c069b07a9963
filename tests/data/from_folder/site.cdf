<?XML VERSION="1.0" ENCODING="x-sjis"?>

<CHANNEL
  BASE="http://www.example.jp/site/"
  HREF="http://www.example.jp/site/index.html"
  SELF="http://www.example.jp/site/site.cdf"
  PRECACHE="YES">
<TITLE>ホーム</TITLE>
<ABSTRACT></ABSTRACT>

  <SCHEDULE>
    <INTERVALTIME DAY="7"/>
  </SCHEDULE>

  <CHANNEL HREF="b/index.htm" PRECACHE="YES">
  <TITLE>ニュース &amp; 一覧</TITLE>

    <CHANNEL PRECACHE="YES">
    <TITLE>c</TITLE>

      <ITEM HREF="b/c/deep.html" PRECACHE="YES">
      <TITLE>深い</TITLE>
      </ITEM>

    </CHANNEL>

  </CHANNEL>

  <ITEM HREF="a.htm" PRECACHE="YES">
  <TITLE>a.htm</TITLE>
  </ITEM>

  <ITEM HREF="esc%1B%5B2J.html" PRECACHE="YES">
  <TITLE>esc [2J.html</TITLE>
  </ITEM>

  <ITEM HREF="my%20page.html" PRECACHE="YES">
  <TITLE>My page</TITLE>
  </ITEM>

  <ITEM HREF="refs.html" PRECACHE="YES">
  <TITLE>Caf&#xE9; &lt;b> &amp;amp; ]0;owned &#x263A;&#xA0;&amp;bogus;</TITLE>
  </ITEM>

</CHANNEL>

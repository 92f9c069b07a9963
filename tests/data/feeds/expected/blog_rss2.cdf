<?XML VERSION="1.0" ENCODING="x-sjis"?>

<CHANNEL
  HREF="https://blog.example.org"
  SELF="http://example.com/blog.cdf"
  PRECACHE="YES">
<TITLE>Notes from the Workshop</TITLE>
<ABSTRACT>Repairs, restorations & old machines</ABSTRACT>

  <LOGO HREF="https://blog.example.org/logo.gif" STYLE="IMAGE"/>
  <SCHEDULE>
    <INTERVALTIME MIN="30"/>
  </SCHEDULE>

  <ITEM HREF="https://blog.example.org/2024/05/recap" PRECACHE="YES" LASTMOD="2024-05-14T16:05">
  <TITLE>Recapping a Power Mac 7500</TITLE>
  <ABSTRACT>The caps had leaked onto the boardÅc Here is what we did.</ABSTRACT>
  </ITEM>

  <ITEM HREF="https://blog.example.org/?p=42" PRECACHE="YES" LASTMOD="2024-05-01T08:00">
  <TITLE>A page without a summary</TITLE>
  <ABSTRACT>Only content here.</ABSTRACT>
  </ITEM>

</CHANNEL>

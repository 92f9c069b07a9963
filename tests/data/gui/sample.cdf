<?XML VERSION="1.0" ENCODING="x-sjis"?>

<CHANNEL
  BASE="http://server/dir/"
  HREF="http://server/dir"
  SELF="http://server/dir/channel.cdf"
  PRECACHE="YES">
<TITLE>ƒeƒXƒg</TITLE>
<ABSTRACT>one
two</ABSTRACT>
</CHANNEL>

<CHANNEL HREF="http://exaíple.jp"> HREF="http://exaíple.jp">
<TITLe.com/viewer/" NAME="{D27CDB6E-AE6D-11CF-96B8-444553540000}"
  VERSIO
<TITLe.com/viewer/" NAME="{D27CDB6E-AE6D-11CF-96B8-444553540000}"
  VERSIO</CHANNEL>
